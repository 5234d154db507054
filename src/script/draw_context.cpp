#include "script/draw_context.h"

#include <array>
#include <cmath>

namespace textaria::script {

namespace {

// Pixel coordinates are kept within this distance of the surface, so that a hostile world
// coordinate can never overflow the canvas's arithmetic.
constexpr double kPixelLimit = 1.0e6;

constexpr std::array<platform::Rgb, 9> kColourCodes = {{
    {255, 255, 255},
    {0, 0, 0},
    {255, 0, 0},
    {0, 128, 0},
    {0, 0, 255},
    {255, 255, 0},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

int clampedPixel(double value) {
    if (std::isnan(value)) return 0;
    return roundToInt(std::clamp(value, -kPixelLimit, kPixelLimit));
}

}  // namespace

std::optional<platform::Rgb> colourOfCode(int code) {
    if (code < 0 || code > 8) return std::nullopt;
    return kColourCodes[static_cast<std::size_t>(code)];
}

int surfaceSideForScreen(int screenHeight) { return roundToInt(screenHeight * 0.67); }

ScreenFacts screenForSurfaceSide(int side) {
    return {static_cast<int>(std::lround(side / 0.67)), 96.0};
}

int standardGraphicsTextSize(const ScreenFacts& screen) {
    const double density = screen.pixelsPerInch > 0 ? screen.pixelsPerInch : 96.0;
    return roundToInt(12.0 * 96.0 / density) + (screen.height >= 1024 ? 2 : 0);
}

int roundToInt(double value) { return static_cast<int>(std::nearbyint(value)); }

DrawingContext::DrawingContext(platform::Canvas& surfaceCanvas, ScreenFacts screenFacts)
    : surface(surfaceCanvas), screen(screenFacts) {
    graphicsTextSize = standardGraphicsTextSize(screen);
    resetDefaults();
}

void DrawingContext::resetDefaults() {
    penWidth = 1;
    penColour = platform::kBlack;
    penVisible = true;
    textColour = platform::kBlack;
    textFont = platform::CanvasFont{"Arial", static_cast<double>(graphicsTextSize),
                                    boldGraphics && screen.height < 1024};
    textBox = false;
}

platform::CanvasPoint DrawingContext::worldToPixel(double x, double y) const {
    return {clampedPixel(pixelX(x)), clampedPixel(pixelY(y))};
}

calc::Point2 DrawingContext::pixelToWorld(int px, int py) const {
    const double w = width();
    const double h = height();
    return {(2.0 * range * px - range * w) / w, (range * h - 2.0 * range * py) / h};
}

int DrawingContext::pixelLength(double r) const {
    return worldToPixel(std::fabs(r), 0).x - worldToPixel(0, 0).x;
}

platform::Pen DrawingContext::currentPen() const {
    platform::Pen pen;
    pen.color = penColour;
    pen.width = penWidth;
    pen.visible = penVisible;
    return pen;
}

void DrawingContext::applyState(platform::Canvas& canvas) const {
    canvas.setPen(currentPen());
    canvas.setBrush(platform::Brush{});
    canvas.setFont(textFont);
}

void DrawingContext::copyToLesson() {
    if (!mirroring()) return;
    lessonPicture->stretchDraw({0, 0, lessonPicture->width(), lessonPicture->height()},
                               surface.snapshot());
}

void DrawingContext::showSurface() {
    shown = true;
    if (onShow) onShow();
}

}  // namespace textaria::script
