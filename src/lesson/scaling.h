// Fitting the main window's layout, designed for 1366 x 768 pixels at 96 dpi, to the screen,
// with the user's correction factor K.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::platform {
class UserDialogs;
}

namespace textaria::lesson {

inline constexpr int kReferenceWidth = 1366;
inline constexpr int kReferenceHeight = 768;
inline constexpr int kReferencePixelsPerInch = 96;
inline constexpr double kMinScaleFactor = 0.8;
inline constexpr double kMaxScaleFactor = 1.2;

// Fonts of the main window in points.
inline constexpr int kHelpFontPoints = 10;
inline constexpr int kWindowFontPoints = 14;
inline constexpr int kStatusFontPoints = kWindowFontPoints - 1;      // bold
inline constexpr int kNavigationFontPoints = kStatusFontPoints + 2;  // the page labels

struct ScreenMetrics {
    int width = kReferenceWidth;
    int height = kReferenceHeight;
    int pixelsPerInch = kReferencePixelsPerInch;
};

// One "scale by M/D" of all positions and sizes.
struct ScaleStep {
    int multiplier = 1;
    int divisor = 1;
    bool operator==(const ScaleStep&) const = default;
};

struct ScalingState {
    double ScaleFactorK = 1.0;
    bool inversePass = false;  // true from the first rescale on
    int FontDelta = 0;
};

// Nearest integer, ties to the even one.
int nint(double x);

// The steps of one pass of ScaleMainWindow, in order: the screen fit, then the font
// resolution correction when the screen is not at 96 dpi.
std::vector<ScaleStep> scaleMainWindowSteps(const ScreenMetrics& screen, double k, bool inverse);

// A value scaled by M/D, rounded to the nearest integer (halves away from zero).
int scaleValue(int value, ScaleStep step);

// Applies the steps one after the other, rounding after each, as the controls experience it.
int scaleValue(int value, const std::vector<ScaleStep>& steps);

// The font-size step for page texts after a rescale to K.
int fontDeltaFor(double k);

// The K typed by the user, when it is a number ("." as decimal point) from 0.8 to 1.2.
std::optional<double> parseScaleFactor(std::string_view text);

// K as the input box proposes it: two decimals.
std::string formatScaleFactor(double k);

// Asks for a new K until the answer is a number from 0.8 to 1.2; the current K is proposed.
// A cancelled box keeps the current K.
double askScaleFactor(platform::UserDialogs& dialogs, double currentK);

// Margins of the page view: left and top nint(H/20), right and bottom a quarter of that.
struct PageMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
PageMargins pageMarginsFor(int screenHeight);

}  // namespace textaria::lesson
