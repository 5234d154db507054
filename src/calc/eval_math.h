// The arithmetic of the formula evaluator: operators, power and functions with their limits.
// A domain error sets calcError and yields 0, so no infinity or NaN ever reaches the stack.
#pragma once

#include <array>
#include <cmath>

#include "calc/eval_scan.h"

namespace textaria::calc::eval {

inline constexpr double kSnapLimit = 1e-12;

// Values below 1e-12 in magnitude become exactly 0 (function arguments and the final result).
inline double snapToZero(double x) { return (x < kSnapLimit && x > -kSnapLimit) ? 0.0 : x; }

// Beyond the double range is a calculation error.
inline double checked(double r, bool& calcError) {
    if (std::isfinite(r)) [[likely]]
        return r;
    calcError = true;
    return 0.0;
}
// A variable that holds no finite number (set by a caller, never by a formula) is a
// calculation error, like a number beyond the double range.
inline double readVariable(double value, bool& calcError) { return checked(value, calcError); }
inline double add(double a, double b, bool& calcError) { return checked(a + b, calcError); }
inline double subtract(double a, double b, bool& calcError) { return checked(a - b, calcError); }
inline double multiply(double a, double b, bool& calcError) { return checked(a * b, calcError); }
inline double divide(double a, double b, bool& calcError) {
    if (b == 0.0) {
        calcError = true;
        return 0.0;
    }
    return checked(a / b, calcError);
}
double powerInGeneral(double base, double exponent, bool& calcError);
// The square is the common case; within these bounds ln(b)*2 is far inside the range, and
// b*b is the correctly rounded square (pow may be one unit in the last place off).
inline double power(double base, double exponent, bool& calcError) {
    if (exponent == 2.0) {
        const double magnitude = std::fabs(base);
        if (magnitude >= 1e-97 && magnitude <= 1e97) return base * base;
    }
    return powerInGeneral(base, exponent, calcError);
}
using FunctionCode = double (*)(double argument, bool& calcError);
extern const std::array<FunctionCode, kFunctionCount> kFunctions;  // by FunctionId
// No function may hand on a value beyond the range as a success.
inline double applyFunction(FunctionId id, double argument, bool& calcError) {
    return checked(kFunctions[static_cast<int>(id)](argument, calcError), calcError);
}

}  // namespace textaria::calc::eval
