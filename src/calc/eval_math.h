// The arithmetic of the formula evaluator: operators, power and functions with their limits.
// A domain error sets calcError and yields 0, so no infinity or NaN ever reaches the stack.
#pragma once

#include "calc/eval_scan.h"

namespace textaria::calc::eval {

inline constexpr double kSnapLimit = 1e-12;

// Values below 1e-12 in magnitude become exactly 0 (function arguments and the final result).
inline double snapToZero(double x) { return (x < kSnapLimit && x > -kSnapLimit) ? 0.0 : x; }

double add(double a, double b, bool& calcError);
double subtract(double a, double b, bool& calcError);
double multiply(double a, double b, bool& calcError);
double divide(double a, double b, bool& calcError);
double power(double base, double exponent, bool& calcError);
double applyFunction(FunctionId id, double argument, bool& calcError);

}  // namespace textaria::calc::eval
