#include "calc/eval_trig.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace textaria::calc::eval {
namespace {

// pi/180 split into a double and the rest.
constexpr double kRadiansPerDegreeHi = 0.017453292519943295;
constexpr double kRadiansPerDegreeLo = 2.9486522708701687e-19;

DoubleDouble twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// Dekker's exact product (no fused multiply-add needed, which not every target has).
DoubleDouble split(double a) {
    const double c = 134217729.0 * a;  // 2^27 + 1
    const double hi = c - (c - a);
    return {hi, a - hi};
}

DoubleDouble twoProduct(double a, double b) {
    const double p = a * b;
    const DoubleDouble x = split(a);
    const DoubleDouble y = split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

// hi + tail with |tail| much smaller than |hi|, as a normalised pair.
DoubleDouble normalise(double hi, double tail) {
    const double s = hi + tail;
    return {s, tail - (s - hi)};
}

DoubleDouble negate(DoubleDouble v) { return {-v.hi, -v.lo}; }

// Sine and cosine of whole degrees 0..45 from extended precision (64 bits).
struct DegreeTable {
    std::array<DoubleDouble, 46> sin;
    std::array<DoubleDouble, 46> cos;
    DegreeTable() {
        constexpr long double kRadiansPerDegree = 3.141592653589793238462643383279502884L / 180.0L;
        for (int n = 0; n <= 45; ++n) {
            const long double s = std::sin(n * kRadiansPerDegree);
            const long double c = std::cos(n * kRadiansPerDegree);
            sin[n] = {static_cast<double>(s), static_cast<double>(s - static_cast<double>(s))};
            cos[n] = {static_cast<double>(c), static_cast<double>(c - static_cast<double>(c))};
        }
    }
};

const DegreeTable kTable;

}  // namespace

namespace {

// An angle as quarter turns plus sign * (n whole degrees + rest), with the rest's sine and
// cosine prepared.
struct Reduced {
    int quarter;
    bool negative;
    int n;
    double pHi;       // the rest in radians, rounded
    double smallSin;  // sin(rest) = pHi + smallSin
    double smallCos;  // cos(rest) = 1 + smallCos
};

Reduced reduce(double degrees) {
    // Every step down to the rest is exact: fmod is, and the subtractions are of numbers
    // within a factor of two of each other.
    const double turn = std::fabs(degrees) < 360.0 ? degrees : std::fmod(degrees, 360.0);
    const double q = turn * (1.0 / 90);  // |q| < 4; only rounded to the nearest quarter
    const int quarter = static_cast<int>(q + (q < 0 ? -0.5 : 0.5));
    const double d = turn - 90.0 * quarter;  // -45..45
    const double a = std::fabs(d);
    const int n = std::min(static_cast<int>(a + 0.5), 45);
    const double rest = a - n;  // -0.5..0.5

    // The rest in radians (below 0.009) as pHi + pLo; the small parts of its sine and cosine
    // need only double precision.
    const double pHi = rest * kRadiansPerDegreeHi;
    const double pLo = twoProduct(rest, kRadiansPerDegreeHi).lo + rest * kRadiansPerDegreeLo;
    const double p2 = pHi * pHi;
    return {quarter,
            d < 0,
            n,
            pHi,
            pLo + pHi * p2 * (-1.0 / 6 + p2 * (1.0 / 120 + p2 * (-1.0 / 5040 + p2 / 362880))),
            -pHi * pLo + p2 * (-1.0 / 2 + p2 * (1.0 / 24 + p2 * (-1.0 / 720 + p2 / 40320)))};
}

// sin(n + rest) = S cos(rest) + C sin(rest), with the sign of the reduced angle.
DoubleDouble sinOf(const Reduced& r) {
    const DoubleDouble& s = kTable.sin[r.n];
    const DoubleDouble& c = kTable.cos[r.n];
    const DoubleDouble main = twoProduct(c.hi, r.pHi);
    const DoubleDouble sum = twoSum(s.hi, main.hi);
    const DoubleDouble v = normalise(
        sum.hi, sum.lo + main.lo + s.lo + s.hi * r.smallCos + c.hi * r.smallSin + c.lo * r.pHi);
    return r.negative ? negate(v) : v;
}

// cos(n + rest) = C cos(rest) - S sin(rest).
DoubleDouble cosOf(const Reduced& r) {
    const DoubleDouble& s = kTable.sin[r.n];
    const DoubleDouble& c = kTable.cos[r.n];
    const DoubleDouble main = twoProduct(s.hi, r.pHi);
    const DoubleDouble sum = twoSum(c.hi, -main.hi);
    return normalise(
        sum.hi, sum.lo - main.lo + c.lo + c.hi * r.smallCos - s.hi * r.smallSin - s.lo * r.pHi);
}

}  // namespace

SinCos sinCosDegrees(double degrees) {
    const Reduced r = reduce(degrees);
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

double tangent(const SinCos& sc) {
    const double q = sc.sin.hi / sc.cos.hi;
    const DoubleDouble qc = twoProduct(q, sc.cos.hi);
    const double r = (sc.sin.hi - qc.hi) - qc.lo + sc.sin.lo - q * sc.cos.lo;
    return q + r / sc.cos.hi;
}

}  // namespace textaria::calc::eval
