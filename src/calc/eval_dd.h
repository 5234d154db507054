// Exact sums and products of doubles, the building blocks of the degree functions.
#pragma once

#include "calc/eval_trig.h"

namespace textaria::calc::eval::dd {

// a + b exactly, as a normalised pair.
inline DoubleDouble twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// The same when a is 0 or not smaller in exponent than b.
inline DoubleDouble fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// Dekker's split into two halves of at most 26 bits each.
inline DoubleDouble split(double a) {
    const double c = 134217729.0 * a;  // 2^27 + 1
    const double hi = c - (c - a);
    return {hi, a - hi};
}

// a * b exactly (no fused multiply-add needed, which not every target has).
inline DoubleDouble twoProduct(double a, double b) {
    const double p = a * b;
    const DoubleDouble x = split(a);
    const DoubleDouble y = split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

inline DoubleDouble negate(DoubleDouble v) { return {-v.hi, -v.lo}; }

// Whether the processor has fused multiply-add. Code that uses it comes in two versions, one
// built for it (with the compiler kept from fusing anything else) and one with Dekker's
// product; both products are exact, so the results are the same on every machine. Only for
// GCC on x86-64, which can build single functions for the instruction and keep them from
// fusing anything else.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define TEXTARIA_EVAL_FUSED 1
inline const bool kHasFusedMultiplyAdd = [] {
    __builtin_cpu_init();  // static initialisation may run before the library's own
    return __builtin_cpu_supports("fma") != 0;
}();
#else
inline constexpr bool kHasFusedMultiplyAdd = false;
#endif

// (a.hi + a.lo) / (b.hi + b.lo) to about 100 bits, with one division: the reciprocal gives the
// quotient, and the exact residual of that quotient its correction.
inline DoubleDouble divide(DoubleDouble a, DoubleDouble b) {
    const double inverse = 1.0 / b.hi;
    const double q = a.hi * inverse;
    const DoubleDouble qb = twoProduct(q, b.hi);
    return fastTwoSum(q, ((a.hi - qb.hi) - qb.lo + a.lo - q * b.lo) * inverse);
}

}  // namespace textaria::calc::eval::dd
