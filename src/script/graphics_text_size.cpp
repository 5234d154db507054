#include "script/graphics_text_size.h"

#include <algorithm>

#include "script/texts.h"

namespace textaria::script {

std::string stepGraphicsTextSize(int& size, const ScreenFacts& screen, int step) {
    const int standard = standardGraphicsTextSize(screen);
    size =
        step == 0 ? standard : std::clamp(size + step, kSmallestGraphicsText, kLargestGraphicsText);
    return std::string(texts::kCurrentGraphicsSize) + std::to_string(size) + "\r" +
           texts::kStandardGraphicsSize + std::to_string(standard);
}

std::string stepGraphicsTextSize(DrawingContext& drawing, int step) {
    std::string message = stepGraphicsTextSize(drawing.graphicsTextSize, drawing.screen, step);
    drawing.textFont.points = drawing.graphicsTextSize;
    return message;
}

}  // namespace textaria::script
