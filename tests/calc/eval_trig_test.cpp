// The degree sine and cosine: exact at quarter turns and the familiar angles, and as accurate
// as the extended-precision library functions elsewhere.
#include "calc/eval_trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/eval_u.h"

namespace textaria::calc {
namespace {

TEST(EvalTrig, FamiliarAnglesAreExactInEveryTurn) {
    const double half = 0.5;
    struct Angle {
        int degrees;
        double sin, cos;
    };
    // One turn of exact values; every other turn must repeat them.
    const Angle turn[] = {{0, 0, 1},         {30, half, NAN},  {60, NAN, half},  {90, 1, 0},
                          {120, NAN, -half}, {150, half, NAN}, {180, 0, -1},     {210, -half, NAN},
                          {240, NAN, -half}, {270, -1, 0},     {300, NAN, half}, {330, -half, NAN}};
    for (int k = -3; k <= 3; ++k) {
        for (const Angle& a : turn) {
            const double x = a.degrees + 360.0 * k;
            const eval::SinCos sc = eval::sinCosDegrees(x);
            if (!std::isnan(a.sin)) {
                EXPECT_EQ(sc.sin.hi, a.sin) << x;
            }
            if (!std::isnan(a.cos)) {
                EXPECT_EQ(sc.cos.hi, a.cos) << x;
            }
        }
        for (int q = 0; q < 4; ++q) {  // tan of 45 + 90q is +1 or -1 exactly
            const double x = 45 + 90.0 * q + 360.0 * k;
            const eval::SinCos sc = eval::sinCosDegrees(x);
            EXPECT_EQ(eval::tangent(sc), q % 2 == 0 ? 1.0 : -1.0) << x;
        }
    }
    const FormulaVariables none;
    EXPECT_EQ(EvaluateFormula("sin(1E20)", none).code, 1);  // huge angles still reduce exactly
    EXPECT_EQ(EvaluateFormula("sin(1E20)", none).value, EvaluateFormula("sin(280)", none).value);
}

TEST(EvalTrig, AgreesWithExtendedPrecisionToTheLastBitOrOne) {
    constexpr long double kRad = 3.141592653589793238462643383279502884L / 180.0L;
    std::mt19937_64 rng(12);
    std::uniform_real_distribution<double> angle(-2000.0, 2000.0);
    int differ = 0;
    for (int i = 0; i < 200000; ++i) {
        const double x = i % 2 ? angle(rng) : std::round(angle(rng) * 8) / 8;
        const eval::SinCos sc = eval::sinCosDegrees(x);
        // The reference: the angle in radians in extended precision (exact enough here).
        const double s = static_cast<double>(sinl(x * kRad));
        const double c = static_cast<double>(cosl(x * kRad));
        const double ours[] = {sc.sin.hi, sc.cos.hi};
        const double theirs[] = {s, c};
        for (int j = 0; j < 2; ++j) {
            // Near zero crossings the radian reference itself is off (its angle carries an
            // absolute error near 1e-18), so only larger values are compared.
            if (std::fabs(theirs[j]) < 0.25 || ours[j] == theirs[j]) continue;
            ++differ;
            EXPECT_EQ(std::nextafter(theirs[j], ours[j]), ours[j]) << x;  // one step at most
        }
    }
    EXPECT_LT(differ, 2000);  // rarely even that: below 0.5 % of the values
}

// The inverse functions against the same formulas in extended precision: one step apart at
// most, and rarely that (where the 64-bit reference itself rounds the wrong way).
TEST(EvalTrig, InverseFunctionsAgreeWithExtendedPrecisionToTheLastBitOrOne) {
    constexpr long double kDeg = 180.0L / 3.141592653589793238462643383279502884L;
    auto shifted = [](long double a) { return static_cast<double>(a < 0 ? a + 180 : a); };
    std::mt19937_64 rng(21);
    int compared = 0;
    int differ = 0;
    for (const double scale : {1e-6, 0.5, 1.0, 3.0, 100.0, 1e8}) {
        std::uniform_real_distribution<double> value(-scale, scale);
        for (int i = 0; i < 20000; ++i) {
            const double x = value(rng);
            double ours[3] = {eval::arctanDegrees(x), 0, 0};
            double theirs[3] = {shifted(atanl(x) * kDeg), 0, 0};
            int count = 1;
            if (scale <= 1.0 && x != 0.0) {
                // Away from +-1, where 1 - x^2 in 64 bits would make the reference the weaker.
                const long double root = sqrtl(1.0L - static_cast<long double>(x) * x);
                if (std::fabs(x) < 0.99) {
                    ours[1] = eval::arcsinDegrees(x);
                    theirs[1] = static_cast<double>(atanl(x / root) * kDeg);
                    ours[2] = eval::arccosDegrees(x);
                    theirs[2] = shifted(atanl(root / x) * kDeg);
                    count = 3;
                }
            }
            for (int k = 0; k < count; ++k) {
                ++compared;
                if (ours[k] == theirs[k]) continue;
                ++differ;
                EXPECT_EQ(std::nextafter(theirs[k], ours[k]), ours[k]) << k << " of " << x;
            }
        }
    }
    EXPECT_LT(differ, compared / 200) << compared;
    const FormulaVariables none;
    struct Exact {
        const char* formula;
        double value;
    };
    for (const Exact& e : {Exact{"atan(1)", 45},
                           {"atan(-1)", 135},
                           {"asin(0.5)", 30},
                           {"acos(0.5)", 60},
                           {"acos(-0.5)", 120},
                           {"asin(-0.5)", -30},
                           {"atan(sqrt(3))", 60},
                           {"atan(-sqrt(3))", 120}})
        EXPECT_EQ(EvaluateFormula(e.formula, none).value, e.value) << e.formula;
}

}  // namespace
}  // namespace textaria::calc
