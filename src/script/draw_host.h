// The part of the script host that belongs to the drawing surface: clearing it, marking points
// defined by lines and inputs, the run-start defaults. The window adds printing and the
// calculator; the command line uses it as it is.
#pragma once

#include <string>

#include "script/draw_context.h"
#include "script/draw_shapes.h"
#include "script/draw_surface.h"
#include "script/script_environment.h"

namespace textaria::script {

class DrawingHost : public ScriptHost {
  public:
    explicit DrawingHost(DrawingContext& drawing) : drawing_(drawing) {}

    void clearDrawing() override { clearSurface(drawing_); }
    void pointDefined(char letter, double x, double y) override {
        if (drawing_.shown) markWorldPoint(drawing_, {x, y}, std::string(1, letter));
    }
    void resetDrawingDefaults() override { drawing_.resetDefaults(); }

  protected:
    DrawingContext& drawing_;
};

}  // namespace textaria::script
