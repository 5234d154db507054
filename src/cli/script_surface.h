// The drawing surface of a script run without windows: a QImage canvas of the given side with
// the editor's world mapping, pens and fonts, saved as PNG or JPEG after the run.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/qt_canvas.h"
#include "script/draw_context.h"
#include "script/draw_host.h"

namespace textaria::cli {

class ScriptSurface {
  public:
    // The surface of a screen of side / 0.67 pixels height, as the editor would have it.
    explicit ScriptSurface(int side);
    ~ScriptSurface();

    script::DrawingContext& drawing() { return *drawing_; }
    script::ScriptHost& host() { return *host_; }
    // Writes the picture; an empty path writes nothing. False with a message when it failed.
    bool save(const std::string& png, const std::string& jpeg, std::string& error);

  private:
    std::unique_ptr<platform::QtCanvas> canvas_;
    platform::QtPictureFiles files_;
    std::unique_ptr<script::DrawingContext> drawing_;
    std::unique_ptr<script::DrawingHost> host_;
};

}  // namespace textaria::cli
