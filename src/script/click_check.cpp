#include "script/click_check.h"

#include <algorithm>

#include "script/draw_surface.h"
#include "script/texts.h"

namespace textaria::script {

ClickVerdict judgeGraphicClick(DrawingContext& ctx, const GraphicClickCheck& check,
                               platform::CanvasPoint at) {
    const platform::CanvasFont font = ctx.textFont;
    const bool box = ctx.textBox;
    ctx.textFont.bold = true;
    ctx.textBox = true;
    writeText(ctx, at, " X", ctx.textColour);
    ctx.textFont = font;
    ctx.textBox = box;

    const Point2 p = ctx.pixelToWorld(at.x, at.y);
    const auto [left, right] = std::minmax(check.corner1.x, check.corner2.x);
    const auto [bottom, top] = std::minmax(check.corner1.y, check.corner2.y);
    const bool hit = p.x >= left && p.x <= right && p.y >= bottom && p.y <= top;
    if (check.record) check.record(hit);
    return {hit, hit ? texts::kRightClick : texts::kWrongClick};
}

}  // namespace textaria::script
