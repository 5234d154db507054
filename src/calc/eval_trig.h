// Sine and cosine of an angle in degrees, to about 100 bits before the final rounding.
#pragma once

namespace textaria::calc::eval {

// A value as the unevaluated sum hi + lo, |lo| at most half an ulp of hi; hi alone is the
// value rounded to double.
struct DoubleDouble {
    double hi;
    double lo;
};

struct SinCos {
    DoubleDouble sin;
    DoubleDouble cos;
};

// The angle is reduced exactly in degrees (to a whole degree of a table plus a rest of at most
// half a degree), so quarter turns give exact 0 and ±1, and the familiar angles round to their
// exact values (sin 30 = 0.5, tan 45 = 1).
SinCos sinCosDegrees(double degrees);

// The same values one at a time, for less work.
double sinDegrees(double degrees);
double cosDegrees(double degrees);

// tan as sin/cos, divided at the same precision; cos must not be 0.
double tangent(const SinCos& sc);

}  // namespace textaria::calc::eval
