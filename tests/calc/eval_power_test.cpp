// Whole powers take their magnitude from the standard pow (the sign rules decide the sign), so
// they agree with every other program that computes b^n with it; pow itself is checked against
// the exact value, which the reference gets by multiplying the mantissa out as a big integer
// and rounding once, to nearest with ties to even.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "calc/eval_u.h"

namespace textaria::calc {
namespace {

// b^n for b = m * 2^e, rounded to the nearest double (results well inside the normal range).
double exactPower(double b, int n) {
    int e = 0;
    const double fraction = std::frexp(std::fabs(b), &e);  // b = fraction * 2^e
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    e -= 53;
    using Big = std::vector<std::uint32_t>;  // little-endian base 2^32
    auto times = [](const Big& a, std::uint32_t k) {
        Big out;
        std::uint64_t carry = 0;
        for (std::uint32_t limb : a) {
            carry += static_cast<std::uint64_t>(limb) * k;
            out.push_back(static_cast<std::uint32_t>(carry));
            carry >>= 32;
        }
        out.push_back(static_cast<std::uint32_t>(carry));
        return out;
    };
    Big limbs = {1};
    for (int i = 0; i < n; ++i) {  // limbs * m = limbs * low + (limbs * high) << 32
        const Big low = times(limbs, static_cast<std::uint32_t>(m));
        const Big high = times(limbs, static_cast<std::uint32_t>(m >> 32));
        limbs.assign(high.size() + 1, 0);
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < limbs.size(); ++j) {
            carry += (j < low.size() ? low[j] : 0) + (j >= 1 ? std::uint64_t{high[j - 1]} : 0);
            limbs[j] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
    }
    auto bitAt = [&](long i) { return i < 0 ? 0u : (limbs[i / 32] >> (i % 32)) & 1u; };
    long top = static_cast<long>(limbs.size()) * 32 - 1;
    while (bitAt(top) == 0) --top;
    const long drop = top + 1 - 53;  // bits below the 53 that stay
    std::uint64_t kept = 0;
    for (long i = top; i >= drop; --i) kept = kept * 2 + bitAt(i);
    bool above = false;  // any bit set below the rounding bit
    for (long i = drop - 2; i >= 0 && !above; --i) above = bitAt(i) != 0;
    if (bitAt(drop - 1) && (above || (kept & 1))) ++kept;
    const double magnitude = std::ldexp(static_cast<double>(kept), static_cast<int>(drop + e * n));
    return (b < 0 && n % 2 == 1) ? -magnitude : magnitude;
}

TEST(EvalPower, WholePowersComeFromPowAndAreWithinOneUnitOfTheExactValue) {
    std::mt19937_64 rng(31);
    std::uniform_real_distribution<double> mantissa(0.5, 1.0);
    std::uniform_int_distribution<int> sign(0, 1);
    FormulaVariables v;
    int checked = 0;
    for (int n = 3; n <= 70; ++n) {
        const std::string formula = "x^" + std::to_string(n);
        for (int i = 0; i < 300; ++i) {
            // |b|^n mostly between 2^-40 and 2^400: above the snapping limit of results and far
            // inside the range the evaluator accepts.
            const int exponent = std::uniform_int_distribution<int>(-36 / n, 400 / n)(rng);
            const double b = std::ldexp(mantissa(rng), exponent) * (sign(rng) ? -1 : 1);
            v['X'] = b;
            const Evaluation r = EvaluateFormula(formula, v);
            ASSERT_EQ(r.code, 2) << b << "^" << n;
            double viaPow = std::pow(std::fabs(b), n) * ((b < 0 && n % 2 == 1) ? -1 : 1);
            if (std::fabs(viaPow) < 1e-12) viaPow = 0.0;
            EXPECT_EQ(r.value, viaPow) << std::hexfloat << b << "^" << n;
            double expected = exactPower(b, n);
            if (std::fabs(expected) < 1e-12) expected = 0.0;
            EXPECT_LE(std::fabs(r.value - expected),
                      std::fabs(std::nextafter(r.value, 0.0) - r.value))
                << std::hexfloat << b << "^" << n;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 68 * 300);
}

}  // namespace
}  // namespace textaria::calc
