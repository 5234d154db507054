#include "calc/eval_math.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

#include "calc/eval_dd.h"
#include "calc/eval_trig.h"

namespace textaria::calc::eval {
namespace {

// DEG and RAD go through extended precision and are rounded to double once.
constexpr long double kPi = 3.141592653589793238462643383279502884L;

double fail(bool& calcError) {
    calcError = true;
    return 0.0;
}

constexpr long double kRadiansPerDegree = kPi / 180.0L;
constexpr long double kDegreesPerRadian = 180.0L / kPi;

long double radians(double degrees) { return degrees * kRadiansPerDegree; }
long double degrees(long double radians) { return radians * kDegreesPerRadian; }
double toDegrees(long double radians) { return static_cast<double>(degrees(radians)); }

// Ties go to the even neighbour, independent of the floating-point rounding mode.
double roundHalfEven(double x) {
    double r = std::floor(x);
    const double fraction = x - r;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    return r;
}

double factorial(double x) {
    const int n = static_cast<int>(x);
    long double product = 1.0L;
    for (int i = 2; i <= n; ++i) product *= i;
    return static_cast<double>(product);
}

}  // namespace

// The magnitude comes from pow, which is exact for whole exponents (2^3 = 8, so TRUNC(2^3) = 8
// and (-2)^3^2 is -512); the sign rules and the range test on ln(b)*e decide everything else.
double powerInGeneral(double base, double exponent, bool& calcError) {
    int sign = 1;
    if (base < 0.0) {
        base = -base;
        if (exponent == std::trunc(exponent))
            sign = std::fmod(exponent, 2.0) != 0.0 ? -1 : 1;
        else
            sign = 0;
    }
    if (base == 0.0) {
        if (exponent == 0.0) return 1.0;
        if (exponent < 0.0) return fail(calcError);
        return 0.0;
    }
    if (sign == 0) return fail(calcError);
    // |ln b| < (|binary exponent of b| + 1) * ln 2: when that bound keeps ln(b)*e well inside
    // the range, the logarithm need not be computed.
    const int biased = static_cast<int>(std::bit_cast<std::uint64_t>(base) >> 52);
    const int binaryExponent = biased == 0 ? -1074 : biased - 1023;  // subnormals: the lowest
    const double lnBound = (std::abs(binaryExponent) + 1) * 0.6931471805599453;
    if (lnBound * std::fabs(exponent) > 449.0) {
        const double l = std::log(base) * exponent;
        if (l < -450.0 || l > 450.0) return fail(calcError);
    }
    return sign * std::pow(base, exponent);
}

namespace {

// One function each, so that a call goes straight to its code.
template <FunctionId kId>
double function(double x, bool& calcError) {
    x = snapToZero(x);
    switch (kId) {
        case FunctionId::Deg:  // the one function whose result can leave the double range
            return checked(toDegrees(x), calcError);
        case FunctionId::Rad:
            return static_cast<double>(radians(x));
        case FunctionId::Sin:
            return sinDegrees(x);
        case FunctionId::Cos:
            return snapToZero(cosDegrees(x));
        case FunctionId::Tan: {
            double tan = 0.0;
            if (!tanDegrees(x, kSnapLimit, tan)) return fail(calcError);
            return tan;
        }
        case FunctionId::Asin:
            if (x > 1.0 || x < -1.0) return fail(calcError);
            if (x == 0.0 || x == 1.0 || x == -1.0) return 90.0 * x;
            return arcsinDegrees(x);
        case FunctionId::Acos:
            if (x > 1.0 || x < -1.0) return fail(calcError);
            if (x == 0.0) return 90.0;
            if (x == 1.0) return 0.0;
            if (x == -1.0) return 180.0;
            return arccosDegrees(x);
        case FunctionId::Atan:
            return arctanDegrees(x);
        case FunctionId::Log:
            if (x <= 0.0) return fail(calcError);
            return std::log10(x);
        case FunctionId::Ln:
            if (x <= 0.0) return fail(calcError);
            return std::log(x);
        case FunctionId::Exp:
            if (x < -450.0 || x > 450.0) return fail(calcError);
            return std::exp(x);
        case FunctionId::Sqrt:
            if (x < 0.0) return fail(calcError);
            return std::sqrt(x);
        case FunctionId::Sqr:
            if (x < -1e150 || x > 1e150) return fail(calcError);
            return x * x;
        case FunctionId::Abs:
            return std::fabs(x);
        case FunctionId::Fak:
            if (x < 0.0 || x > 150.0) return fail(calcError);
            return factorial(x);
        case FunctionId::Round:
            if (x < -1e18 || x > 1e18) return fail(calcError);
            return roundHalfEven(x);
        case FunctionId::Trunc:
            if (x < -1e18 || x > 1e18) return fail(calcError);
            return std::trunc(x);
        case FunctionId::Swi:
            return x;
    }
    return x;
}

template <std::size_t... kIds>
constexpr std::array<FunctionCode, kFunctionCount> makeFunctionTable(std::index_sequence<kIds...>) {
    return {&function<static_cast<FunctionId>(kIds)>...};
}

}  // namespace

const std::array<FunctionCode, kFunctionCount> kFunctions =
    makeFunctionTable(std::make_index_sequence<kFunctionCount>());

}  // namespace textaria::calc::eval
