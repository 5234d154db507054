// The arctangent in degrees, and arcsine and arccosine through it, to about 100 bits before
// the final rounding.
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "calc/eval_dd.h"
#include "calc/eval_trig.h"

namespace textaria::calc::eval {
namespace {

using dd::divide;
using dd::fastTwoSum;
using dd::negate;
using dd::split;
using dd::twoProduct;
using dd::twoSum;

constexpr int kSteps = 64;  // table points j/64 on 0..1

// atan(j/64) in degrees and 90 minus it, from extended precision (64 bits); 180/pi split so
// that a product with the leading 26 bits of a number is exact.
struct AtanTable {
    std::array<DoubleDouble, kSteps + 1> below;  // atan(j/64), for arguments up to 1
    std::array<DoubleDouble, kSteps + 1> above;  // 90 - atan(j/64), for 1/argument near j/64
    double degreesHead, degreesTail, degreesLo;
    double degreesPerRadian;
    AtanTable() {
        constexpr long double kDegreesPerRadian = 180.0L / 3.141592653589793238462643383279502884L;
        auto dd = [](long double v) {
            const double hi = static_cast<double>(v);
            return DoubleDouble{hi, static_cast<double>(v - hi)};
        };
        for (int j = 0; j <= kSteps; ++j) {
            const long double a =
                std::atan(static_cast<long double>(j) / kSteps) * kDegreesPerRadian;
            below[j] = dd(a);
            above[j] = dd(90.0L - a);
        }
        below[kSteps] = above[kSteps] = {45.0, 0.0};  // exact, not 45 within 64 bits
        const DoubleDouble r = dd(kDegreesPerRadian);
        degreesHead = split(r.hi).hi;
        degreesTail = r.hi - degreesHead;
        degreesLo = r.lo;
        degreesPerRadian = r.hi;
    }
};

const AtanTable kAtan;

// 180 + v, rounded once.
double plus180(DoubleDouble v) {
    const DoubleDouble s = twoSum(180.0, v.hi);
    return s.hi + (s.lo + v.lo);
}

DoubleDouble oneMinusSquare(double x) {
    const DoubleDouble square = twoProduct(x, x);
    const DoubleDouble d = twoSum(1.0, -square.hi);
    return twoSum(d.hi, d.lo - square.lo);
}

DoubleDouble squareRoot(DoubleDouble a) {
    const double s = std::sqrt(a.hi);
    const DoubleDouble ss = twoProduct(s, s);
    return fastTwoSum(s, ((a.hi - ss.hi) - ss.lo + a.lo) / (2.0 * s));
}

}  // namespace

// atan x = atan c + atan((x - c)/(1 + xc)) with c = j/64 the nearest table point; above 1 the
// same for 1/x, as 90 - atan c - atan((1 - cx)/(x + c)). The rest t is below 1/128, so a short
// series does, and only its leading part needs the exact product with 180/pi.
DoubleDouble atanDegrees(DoubleDouble x) {
    if (std::isnan(x.hi)) return x;  // the table index below needs a number
    const bool negative = x.hi < 0;
    if (negative) x = negate(x);
    if (x.hi > 0x1p60) {
        // atan(1/x) is 1/x within far less than the precision kept, and splitting x or its
        // products would overflow near the top of the double range.
        const DoubleDouble v = fastTwoSum(90.0, -kAtan.degreesPerRadian / x.hi);
        return negative ? negate(v) : v;
    }
    const DoubleDouble xs = split(x.hi);  // c times either half is exact: c has 7 bits
    // t = num / den, both normalised: their heads alone give t to a unit in the last place.
    DoubleDouble num;
    DoubleDouble den;
    DoubleDouble base;
    double direction = 1.0;
    if (x.hi <= 1.0) {
        // The nearest point by adding and taking away 1.5 * 2^52, whose low bits then hold j.
        constexpr double kShift = 6755399441055744.0;
        const double shifted = x.hi * kSteps + kShift;
        const int j = static_cast<int>(std::bit_cast<std::uint64_t>(shifted) & 127);
        const double c = (shifted - kShift) * (1.0 / kSteps);
        num = twoSum(x.hi - c, x.lo);  // x.hi - c is exact
        const DoubleDouble one = fastTwoSum(1.0, c * xs.hi);
        den = fastTwoSum(one.hi, one.lo + c * xs.lo + c * x.lo);
        base = kAtan.below[j];
    } else {
        const int j = static_cast<int>(kSteps / x.hi + 0.5);
        const double c = j * (1.0 / kSteps);
        // c * xs.hi is 0 or within a factor of two of 1, so 1 minus it is exact.
        num = twoSum(1.0 - c * xs.hi, -(c * xs.lo + c * x.lo));
        const DoubleDouble sum = fastTwoSum(x.hi, c);
        den = fastTwoSum(sum.hi, sum.lo + x.lo);
        base = kAtan.above[j];
        direction = -1.0;
    }
    // t = q + r: q from the reciprocal, r from the exact residual of q. The series and the
    // product with 180/pi start from q right away; r only adds to the small part.
    const double inverse = 1.0 / den.hi;
    const double q = num.hi * inverse;
    const DoubleDouble qd = twoProduct(q, den.hi);
    const double r = ((num.hi - qd.hi) - qd.lo + num.lo - q * den.lo) * inverse;
    // atan t = t + t * series(t^2); the terms beyond t^9 are below 2^-70 of t.
    const double t2 = q * q;
    const double series = t2 * (-1.0 / 3 + t2 * (1.0 / 5 + t2 * (-1.0 / 7 + t2 * (1.0 / 9))));
    const DoubleDouble qs = split(q);
    const double lead = direction * (qs.hi * kAtan.degreesHead);  // exact
    const double rest =
        qs.lo * kAtan.degreesHead +
        (q * kAtan.degreesTail +
         (q * kAtan.degreesLo + (r + q * series) * (kAtan.degreesHead + kAtan.degreesTail)));
    const DoubleDouble sum = twoSum(base.hi, lead);
    const DoubleDouble v = fastTwoSum(sum.hi, sum.lo + base.lo + direction * rest);
    return negative ? negate(v) : v;
}

double arctanDegrees(double x) {
    const DoubleDouble a = atanDegrees({x, 0.0});
    return a.hi < 0 ? plus180(a) : a.hi;
}

double arcsinDegrees(double x) {
    return atanDegrees(divide({x, 0.0}, squareRoot(oneMinusSquare(x)))).hi;
}

double arccosDegrees(double x) {
    const DoubleDouble a = atanDegrees(divide(squareRoot(oneMinusSquare(x)), {x, 0.0}));
    return a.hi < 0 ? plus180(a) : a.hi;
}

}  // namespace textaria::calc::eval
