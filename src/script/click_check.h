// A lesson's graphical click check on the drawing surface: the learner right-clicks into the
// drawing, the click is marked and judged against a target rectangle.
#pragma once

#include <functional>
#include <string_view>

#include "script/draw_context.h"
#include "script/geometry.h"

namespace textaria::script {

struct GraphicClickCheck {
    Point2 corner1;  // two opposite corners of the target, in world coordinates
    Point2 corner2;
    std::function<void(bool hit)> record;  // counts the result for the lesson
};

struct ClickVerdict {
    bool hit = false;
    std::string_view message;  // "<< RICHTIGER Klick in die Grafik >>" or the FALSCHER one
};

// Marks the click at the pixel with " X" in bold on a white box, judges it (the border counts
// as inside) and records the result.
ClickVerdict judgeGraphicClick(DrawingContext& ctx, const GraphicClickCheck& check,
                               platform::CanvasPoint at);

}  // namespace textaria::script
