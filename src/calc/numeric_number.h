// Reading numbers from texts and writing them back in the one fixed-point output format.
// Independent of the locale: "." is always the decimal separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace textaria::calc {

// A decimal number literal: optional sign, digits with at most one ".", optional exponent
// (1.5E3). The whole text must be the number; no blanks, no "inf" or "nan".
std::optional<double> readNumber(std::string_view text);

// value in fixed-point notation with the given decimals (0..16), right-aligned in width
// characters (never cut). A value that rounds to zero is written without a minus sign.
std::string formatFixed(double value, int width, int decimals);

// formatFixed without the padding.
std::string formatFixedTrimmed(double value, int width, int decimals);

// Spaces removed, a leading "+" dropped; empty when the rest is no number; trailing zeros and
// then a trailing "." removed from a number with a decimal point (2.500 -> 2.5, 3.000 -> 3).
std::string CleanNumber(std::string_view text);

}  // namespace textaria::calc
