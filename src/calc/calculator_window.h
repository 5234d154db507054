// How big the calculator window is drawn on a given screen.
#pragma once

#include <optional>

namespace textaria::calc {

struct CalculatorWindowGeometry {
    double scale = 1.0;        // every "scale by" step multiplied: positions, sizes, fonts
    std::optional<int> width;  // set on screens taller than 0.625 of their width
    std::optional<int> height;
    int entryFontExtra = 0;  // points above the window font: the entry line
    int listFontExtra = 0;   // and the variable list
};

inline constexpr double kCalculatorFontPoints = 8.0;  // bold

// The screen in pixels and its pixels per inch; the design size of the window at 96 ppi.
CalculatorWindowGeometry calculatorWindowGeometry(int screenWidth, int screenHeight,
                                                  double pixelsPerInch, int designWidth,
                                                  int designHeight);

}  // namespace textaria::calc
