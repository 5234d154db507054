// Numbers written into the script text.
#pragma once

#include <cmath>
#include <string>

#include "calc/numeric_context.h"
#include "calc/numeric_number.h"

namespace textaria::script {

// Values this small are rounding noise and are written as 0 (never "-0.00").
inline constexpr double kZeroThreshold = 1e-12;

// Fixed point with the format's decimals (or the given ones), trimmed.
inline std::string formatValue(double value, const calc::NumberFormat& format, int decimals = -1) {
    if (std::fabs(value) < kZeroThreshold) value = 0.0;
    const int places = decimals >= 0 ? decimals : format.decimals;
    return calc::formatFixedTrimmed(value, format.width, places);
}

}  // namespace textaria::script
