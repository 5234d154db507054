#include "lesson/scaling.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "lesson/folders.h"
#include "lesson/texts.h"
#include "platform/user_dialogs.h"

namespace textaria::lesson {

int nint(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;
    double result = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) result = lower + 1.0;
    return static_cast<int>(result);
}

std::vector<ScaleStep> scaleMainWindowSteps(const ScreenMetrics& screen, double k, bool inverse) {
    // Compare H/W with 768/1366 in integers, so 1920 x 1080 (0.5625 against 0.56223) cannot
    // tip over through rounding.
    const bool tallerThanReference = std::int64_t{screen.height} * kReferenceWidth >=
                                     std::int64_t{kReferenceHeight} * screen.width;
    const ScaleStep fit = tallerThanReference
                              ? ScaleStep{screen.width, nint(kReferenceWidth * k)}
                              : ScaleStep{screen.height, nint(kReferenceHeight * k)};
    const ScaleStep resolution{kReferencePixelsPerInch, screen.pixelsPerInch};

    std::vector<ScaleStep> steps;
    steps.push_back(inverse ? ScaleStep{fit.divisor, fit.multiplier} : fit);
    if (screen.pixelsPerInch != kReferencePixelsPerInch && screen.pixelsPerInch > 0)
        steps.push_back(inverse ? ScaleStep{resolution.divisor, resolution.multiplier}
                                : resolution);
    return steps;
}

int scaleValue(int value, ScaleStep step) {
    if (step.divisor == 0) return value;
    const double exact = static_cast<double>(value) * step.multiplier / step.divisor;
    return static_cast<int>(std::lround(exact));
}

int scaleValue(int value, const std::vector<ScaleStep>& steps) {
    for (const auto& step : steps) value = scaleValue(value, step);
    return value;
}

int fontDeltaFor(double k) {
    if (k == 1.0) return 0;
    if (k < 1.0) return -nint(1.0 / k + 0.3);
    return nint(k + 0.3);
}

std::optional<double> parseScaleFactor(std::string_view text) {
    const std::string trimmed = trimControls(text);
    if (trimmed.empty()) return std::nullopt;
    std::string_view digits = trimmed;
    if (digits.front() == '+') digits.remove_prefix(1);
    double k = 0.0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), k, std::chars_format::fixed);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    if (!(k >= kMinScaleFactor && k <= kMaxScaleFactor)) return std::nullopt;
    return k;
}

std::string formatScaleFactor(double k) {
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, k, std::chars_format::fixed, 2);
    if (error != std::errc{}) return "1.00";
    return std::string(buffer, end);
}

double askScaleFactor(platform::UserDialogs& dialogs, double currentK) {
    const std::string proposal = formatScaleFactor(currentK);
    for (;;) {
        const auto answer =
            dialogs.inputBox(texts::kScaleFactorTitle, texts::kScaleFactorPrompt, proposal);
        // Cancelling gives the proposal back, as the box always did; it is valid, so no loop.
        if (const auto k = parseScaleFactor(answer.value_or(proposal))) return *k;
        if (!answer) return currentK;
    }
}

PageMargins pageMarginsFor(int screenHeight) {
    const int inset = nint(screenHeight / 20.0);
    return {inset, inset, inset / 4, inset / 4};
}

}  // namespace textaria::lesson
