#include "calc/eval_trig.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "calc/eval_dd.h"

namespace textaria::calc::eval {
namespace {

using dd::fastTwoSum;
using dd::negate;
using dd::split;
using dd::twoProduct;

constexpr double kRadiansPerDegreeHi = 0.017453292519943295;  // pi/180 rounded

// Sine and cosine of whole degrees 0..45 from extended precision (64 bits), with the products
// of each by pi/180 that turn a rest in degrees into its share of the result.
struct DegreeEntry {
    DoubleDouble sin;
    DoubleDouble cos;
    // sin and cos times pi/180 as head + tail + lo; the head has 26 bits, so that its product
    // with the leading 26 bits of a rest is exact.
    double cosSlopeHead, cosSlopeTail, cosSlopeLo;
    double sinSlopeHead, sinSlopeTail, sinSlopeLo;
};

struct DegreeTable {
    std::array<DegreeEntry, 46> entries;
    DegreeTable() {
        constexpr long double kRadiansPerDegree = 3.141592653589793238462643383279502884L / 180.0L;
        auto dd = [](long double v) {
            const double hi = static_cast<double>(v);
            return DoubleDouble{hi, static_cast<double>(v - hi)};
        };
        for (int n = 0; n <= 45; ++n) {
            const long double s = std::sin(n * kRadiansPerDegree);
            const long double c = std::cos(n * kRadiansPerDegree);
            DegreeEntry& e = entries[n];
            e.sin = dd(s);
            e.cos = dd(c);
            const DoubleDouble cosSlope = dd(c * kRadiansPerDegree);
            const DoubleDouble sinSlope = dd(s * kRadiansPerDegree);
            e.cosSlopeHead = split(cosSlope.hi).hi;
            e.cosSlopeTail = cosSlope.hi - e.cosSlopeHead;
            e.cosSlopeLo = cosSlope.lo;
            e.sinSlopeHead = split(sinSlope.hi).hi;
            e.sinSlopeTail = sinSlope.hi - e.sinSlopeHead;
            e.sinSlopeLo = sinSlope.lo;
        }
    }
};

const DegreeTable kTable;

}  // namespace

namespace {

// An angle as quarter turns plus sign * (n whole degrees + rest), with the rest split for
// exact products and the small parts of its sine and cosine prepared.
struct Reduced {
    int quarter;
    bool negative;
    int n;
    double rest;     // degrees, -0.5..0.5
    double restHi;   // the leading 26 bits of rest
    double restLo;   // rest - restHi, exact
    double sinTail;  // sin(rest) - rest in radians
    double cosTail;  // cos(rest) - 1
};

[[gnu::always_inline]] inline Reduced reduce(double degrees) {
    // Every step down to the rest is exact: fmod is, and the subtractions are of numbers
    // within a factor of two of each other.
    const double turn = std::fabs(degrees) < 360.0 ? degrees : std::fmod(degrees, 360.0);
    // Rounding to whole numbers by adding and taking away 1.5 * 2^52, whose low bits then hold
    // the whole number; this keeps conversions to and from int off the chain.
    constexpr double kShift = 6755399441055744.0;
    const double q = turn * (1.0 / 90) + kShift;  // |q| < 4; only rounded to the nearest quarter
    const int quarter = static_cast<int>(std::bit_cast<std::uint64_t>(q) & 3);
    const double d = turn - 90.0 * (q - kShift);  // -45..45
    const double a = std::fabs(d);
    const double whole = a + kShift;
    const int n = std::min(static_cast<int>(std::bit_cast<std::uint64_t>(whole) & 63), 45);
    const double rest = a - (whole - kShift);
    const double restHi = split(rest).hi;

    // The rest in radians (below 0.009) needs only double precision in the small parts.
    const double p = rest * kRadiansPerDegreeHi;
    const double p2 = p * p;
    return {quarter,
            d < 0,
            n,
            rest,
            restHi,
            rest - restHi,
            p * p2 * (-1.0 / 6 + p2 * (1.0 / 120 + p2 * (-1.0 / 5040 + p2 / 362880))),
            p2 * (-1.0 / 2 + p2 * (1.0 / 24 + p2 * (-1.0 / 720 + p2 / 40320)))};
}

// sin(n + rest) = S cos(rest) + C sin(rest) = S + rest * C pi/180 + S cosTail + C sinTail, where
// the head of the second term is exact and added to S without loss; the rest are small.
[[gnu::always_inline]] inline DoubleDouble sinOf(const Reduced& r) {
    const DegreeEntry& e = kTable.entries[r.n];
    const DoubleDouble sum = fastTwoSum(e.sin.hi, r.restHi * e.cosSlopeHead);
    const double tail = sum.lo + e.sin.lo + r.restHi * e.cosSlopeTail +
                        r.restLo * (e.cosSlopeHead + e.cosSlopeTail) + r.rest * e.cosSlopeLo +
                        e.sin.hi * r.cosTail + e.cos.hi * r.sinTail;
    const DoubleDouble v = fastTwoSum(sum.hi, tail);
    return r.negative ? negate(v) : v;
}

// cos(n + rest) = C cos(rest) - S sin(rest), the same way.
[[gnu::always_inline]] inline DoubleDouble cosOf(const Reduced& r) {
    const DegreeEntry& e = kTable.entries[r.n];
    const DoubleDouble sum = fastTwoSum(e.cos.hi, -(r.restHi * e.sinSlopeHead));
    const double tail = sum.lo + e.cos.lo - r.restHi * e.sinSlopeTail -
                        r.restLo * (e.sinSlopeHead + e.sinSlopeTail) - r.rest * e.sinSlopeLo +
                        e.cos.hi * r.cosTail - e.sin.hi * r.sinTail;
    return fastTwoSum(sum.hi, tail);
}

}  // namespace

namespace {

[[gnu::always_inline]] inline SinCos sinCosOf(const Reduced& r) {
    const DoubleDouble s = sinOf(r);
    const DoubleDouble c = cosOf(r);
    switch (r.quarter & 3) {
        case 0:
            return {s, c};
        case 1:
            return {c, negate(s)};
        case 2:
            return {negate(s), negate(c)};
        default:
            return {negate(c), s};
    }
}

// One division: the quotient from the reciprocal, corrected by its exact residual.
template <class ExactProduct>
[[gnu::always_inline]] inline double tangentOf(const SinCos& sc, ExactProduct product) {
    const double inverse = 1.0 / sc.cos.hi;
    const double q = sc.sin.hi * inverse;
    const DoubleDouble qc = product(q, sc.cos.hi);
    const double r = (sc.sin.hi - qc.hi) - qc.lo + sc.sin.lo - q * sc.cos.lo;
    return q + r * inverse;
}

template <class ExactProduct>
[[gnu::always_inline]] inline bool tanWith(double degrees, double cosLimit, double& result,
                                           ExactProduct product) {
    const SinCos sc = sinCosOf(reduce(degrees));
    if (std::fabs(sc.cos.hi) < cosLimit) return false;
    result = tangentOf(sc, product);
    return true;
}

#ifdef TEXTARIA_EVAL_FUSED
[[gnu::target("fma"), gnu::optimize("fp-contract=off")]] bool tanFused(double degrees,
                                                                       double cosLimit,
                                                                       double& result) {
    return tanWith(degrees, cosLimit, result, [](double x, double y) {
        const double p = x * y;
        return DoubleDouble{p, __builtin_fma(x, y, -p)};
    });
}
#endif

}  // namespace

SinCos sinCosDegrees(double degrees) { return sinCosOf(reduce(degrees)); }

double tangent(const SinCos& sc) { return tangentOf(sc, twoProduct); }

bool tanDegrees(double degrees, double cosLimit, double& result) {
#ifdef TEXTARIA_EVAL_FUSED
    if (dd::kHasFusedMultiplyAdd) return tanFused(degrees, cosLimit, result);
#endif
    return tanWith(degrees, cosLimit, result, twoProduct);
}

double sinDegrees(double degrees) {
    const Reduced r = reduce(degrees);
    switch (r.quarter & 3) {
        case 0:
            return sinOf(r).hi;
        case 1:
            return cosOf(r).hi;
        case 2:
            return -sinOf(r).hi;
        default:
            return -cosOf(r).hi;
    }
}

double cosDegrees(double degrees) {
    const Reduced r = reduce(degrees);
    switch (r.quarter & 3) {
        case 0:
            return cosOf(r).hi;
        case 1:
            return -sinOf(r).hi;
        case 2:
            return -cosOf(r).hi;
        default:
            return sinOf(r).hi;
    }
}

}  // namespace textaria::calc::eval
