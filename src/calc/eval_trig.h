// Sine, cosine and arctangent with angles in degrees, to about 100 bits before the final
// rounding.
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
// tangent(sinCosDegrees(degrees)) in one go; false when |cos| is below cosLimit.
bool tanDegrees(double degrees, double cosLimit, double& result);

// The arctangent of hi + lo in degrees, -90..90. atan 1 is exactly 45.
DoubleDouble atanDegrees(DoubleDouble x);
// The evaluator's inverse functions, each rounded once: the arctangent shifted into 0..180
// (negative angles get 180 added), and for 0 < |x| < 1 the arcsine atan(x/sqrt(1-x^2)) and the
// arccosine atan(sqrt(1-x^2)/x), plus 180 when that is negative.
double arctanDegrees(double x);
double arcsinDegrees(double x);
double arccosDegrees(double x);

}  // namespace textaria::calc::eval
