#include "calc/calculator_window.h"

#include <cmath>

namespace textaria::calc {

CalculatorWindowGeometry calculatorWindowGeometry(int screenWidth, int screenHeight,
                                                  double pixelsPerInch, int designWidth,
                                                  int designHeight) {
    CalculatorWindowGeometry g;
    if (screenWidth <= 0 || screenHeight <= 0 || pixelsPerInch <= 0) return g;
    const double r = static_cast<double>(screenHeight) / screenWidth;
    const bool standardDensity = pixelsPerInch == 96.0;
    if (!standardDensity && r > 0.625) g.scale *= 96.0 / pixelsPerInch;
    if (standardDensity && r <= 0.625) g.scale *= 120.0 / 96.0;
    if (r > 0.625) {
        g.scale *= screenWidth / 1024.0;
        // The window takes the same share of every screen's width; the size is that of the
        // design, not of the already scaled window, which would count the screen twice.
        g.width =
            static_cast<int>(std::lround(screenWidth * static_cast<double>(designWidth) / 1280));
        g.height =
            static_cast<int>(std::lround(screenWidth * static_cast<double>(designHeight) / 1280));
    }
    const bool narrow = screenWidth < 1280;
    g.entryFontExtra = narrow ? 4 : 2;
    g.listFontExtra = narrow ? 2 : 0;
    return g;
}

}  // namespace textaria::calc
