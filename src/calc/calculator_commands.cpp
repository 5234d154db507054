#include "calc/calculator_commands.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "calc/numeric_insert.h"
#include "calc/numeric_number.h"
#include "calc/numeric_text.h"
#include "calc/texts.h"
#include "platform/user_dialogs.h"

namespace textaria::calc {

namespace {

constexpr double kValueLimit = 1e36;
constexpr double kNearStep = 1e-6;
constexpr double kDifferenceStep = 0.001;
constexpr double kFailedDerivative = 1e18;
constexpr double kZeroTolerance = 1e-8;
constexpr int kSimpsonIntervals = 1000;

std::string fixed(double value, const CommandContext& context) {
    return formatFixedTrimmed(value, NumberFormat::kDefaultWidth, context.decimals);
}

// Numbers of a numeric argument text: variables substituted, then read as plain numbers.
struct Numbers {
    std::string substituted;
    NumberList list;
};

Numbers readNumbers(std::string_view text, const CommandContext& context) {
    Numbers numbers;
    numbers.substituted = SubstituteVariables(text, context.variables);
    numbers.list = ParseNumbers(numbers.substituted, ',');
    return numbers;
}

// A term command's arguments: the term before the first ",", the numbers after it.
struct TermArguments {
    std::string term;
    Numbers numbers;
};

TermArguments readTermArguments(std::string_view arguments, const CommandContext& context) {
    TermArguments out;
    const auto comma = arguments.find(',');
    out.term = std::string(trimBlanks(arguments.substr(0, comma)));
    const std::string_view rest =
        comma == std::string_view::npos ? std::string_view() : arguments.substr(comma + 1);
    out.numbers = readNumbers(rest, context);
    return out;
}

// Derivative orders are rounded like the rest of the program: halves to the even neighbour.
std::optional<int> derivativeOrder(double value) {
    const double n = std::nearbyint(value);
    if (n < 0 || n > 2) return std::nullopt;
    return static_cast<int>(n);
}

// Trial division by 2, 3, 5, 7, ... . Stopping at the square root of what is left gives the
// same factors as dividing on up to half the argument, only without the long tail.
template <typename Number>
bool collectFactors(Number m, std::vector<double>& factors, CommandContext& context) {
    while (m > 1 && m % 2 == 0) {
        factors.push_back(2);
        m /= 2;
    }
    std::uint64_t polls = 0;
    for (Number d = 3; m > 1 && d <= m / d; d += 2) {
        if ((polls++ & 0xFFF) == 0 && context.interrupt.escapePressed()) return false;
        while (m % d == 0) {
            factors.push_back(static_cast<double>(d));
            m /= d;
        }
    }
    if (m > 1 && !factors.empty()) factors.push_back(static_cast<double>(m));
    return true;
}

// The same for whole numbers too large for 64 bits; fmod and division are exact there.
bool collectLargeFactors(double m, std::vector<double>& factors, CommandContext& context) {
    while (m > 1 && std::fmod(m, 2.0) == 0) {
        factors.push_back(2);
        m /= 2;
    }
    // What is left of a large double is odd and below 2^53: whole-number division is far
    // faster than fmod there, so the budget of polls lasts about as long as for small numbers.
    if (m < 1.8e19) return collectFactors(static_cast<std::uint64_t>(m), factors, context);
    std::uint64_t polls = 0;
    for (double d = 3; m > 1 && d <= m / d; d += 2) {
        if ((polls++ & 0xFFF) == 0 && context.interrupt.escapePressed()) return false;
        while (std::fmod(m, d) == 0) {
            factors.push_back(d);
            m /= d;
        }
    }
    if (m > 1 && !factors.empty()) factors.push_back(m);
    return true;
}

}  // namespace

Sample sampleTerm(std::string_view term, double x, CommandContext& context) {
    context.errorFlag = false;
    context.variables['X'] = x;
    const Evaluation evaluation = EvaluateFormula(term, context.variables, *context.overflowOut);
    if (!evaluationSucceeded(evaluation.code)) {
        context.errorFlag = true;
        return {0.0, false};
    }
    return {std::clamp(evaluation.value, -kValueLimit, kValueLimit), true};
}

Sample derivativeAt(std::string_view term, int n, double x, CommandContext& context) {
    if (n <= 0) return sampleTerm(term, x, context);
    for (const double dx : {-kNearStep, 0.0, kNearStep})
        if (!sampleTerm(term, x + dx, context).ok) return {kFailedDerivative, false};
    const double h = kDifferenceStep;
    const Sample m2 = derivativeAt(term, n - 1, x - 2 * h, context);
    const Sample m1 = derivativeAt(term, n - 1, x - h, context);
    const Sample p1 = derivativeAt(term, n - 1, x + h, context);
    const Sample p2 = derivativeAt(term, n - 1, x + 2 * h, context);
    // Any failure on the way spoils the difference quotient, not only the last one.
    const bool ok = m2.ok && m1.ok && p1.ok && p2.ok;
    return {(m2.value - 8 * m1.value + 8 * p1.value - p2.value) / 0.012, ok};
}

std::optional<double> simpsonIntegral(std::string_view term, double a, double b,
                                      CommandContext& context) {
    const double h = (b - a) / kSimpsonIntervals;
    Sample previous = sampleTerm(term, a, context);
    if (!previous.ok) return std::nullopt;
    double sum = previous.value;
    // The sign test covers the last interval as well: an integrand that changes its sign
    // there is refused like anywhere else.
    for (int k = 1; k <= kSimpsonIntervals; ++k) {
        const Sample current = sampleTerm(term, a + k * h, context);
        if (!current.ok) return std::nullopt;
        if (previous.value * current.value < 0) {
            context.errorFlag = true;
            return std::nullopt;
        }
        const int weight = k == kSimpsonIntervals ? 1 : (k % 2 == 1 ? 4 : 2);
        sum += weight * current.value;
        previous = current;
    }
    return h * sum / 3;
}

std::string primeFactorsCommand(std::string_view arguments, CommandContext& context) {
    const Numbers numbers = readNumbers(arguments, context);
    if (numbers.list.count != 1) return texts::kCalcError;
    const double value = numbers.list.value(0);
    if (!std::isfinite(value) || value != std::trunc(value) || value == 0) return texts::kCalcError;

    const double m = std::fabs(value);
    std::vector<double> factors;
    const bool finished = m < 1.8e19
                              ? collectFactors(static_cast<std::uint64_t>(m), factors, context)
                              : collectLargeFactors(m, factors, context);
    if (!finished) {
        context.errorFlag = true;
        return texts::kCalcError;
    }
    // A prime (and 1) is its own list; a negative prime keeps its sign.
    if (factors.empty()) factors.push_back(value);

    std::string answer = texts::kCalcFactorsPrefix;
    for (const double factor : factors) {
        answer += formatFixedTrimmed(factor, 0, 0);
        answer += '*';
    }
    answer += '1';
    return answer;
}

std::string quadraticCommand(std::string_view arguments, CommandContext& context) {
    const Numbers numbers = readNumbers(arguments, context);
    if (numbers.list.count != 3) return texts::kCalcError;
    const double a = numbers.list.value(0);
    const double b = numbers.list.value(1);
    const double c = numbers.list.value(2);
    // With a = b = 0 there is no equation in x left to solve.
    if (a == 0 && b == 0) return texts::kCalcError;

    const double d = b * b - 4 * a * c;
    if (a == 0 || d == 0) {
        const double x = a == 0 ? -c / b : -b / (2 * a);
        return texts::kCalcRootsPrefix + fixed(x, context) + texts::kCalcSecondRoot +
               fixed(x, context);
    }
    if (d > 0) {
        const double x1 = (std::sqrt(d) - b) / 2 / a;
        const double x2 = (-b - std::sqrt(d)) / 2 / a;
        return texts::kCalcTwoRootsPrefix + fixed(x1, context) + texts::kCalcSecondRoot +
               fixed(x2, context);
    }
    const double re = -b / 2 / a;
    const double im = std::sqrt(-d) / 2 / a;
    return texts::kCalcComplexPrefix + fixed(re, context) + texts::kCalcComplexPart +
           fixed(im, context);
}

std::string derivativeCommand(std::string_view arguments, CommandContext& context) {
    const TermArguments args = readTermArguments(arguments, context);
    if (args.numbers.list.count != 2) return texts::kCalcError;
    const auto n = derivativeOrder(args.numbers.list.value(0));
    if (!n) return texts::kCalcError;
    const Sample d = derivativeAt(args.term, *n, args.numbers.list.value(1), context);
    if (!d.ok) {
        context.errorFlag = true;
        return texts::kCalcError;
    }
    return texts::kCalcResultPrefix + fixed(d.value, context);
}

std::string integralCommand(std::string_view arguments, CommandContext& context) {
    const TermArguments args = readTermArguments(arguments, context);
    const double a = args.numbers.list.value(0);
    const double b = args.numbers.list.value(1);
    if (args.numbers.list.count != 2 || !(b > a)) {
        if (context.dialogs)
            context.dialogs->information(args.numbers.substituted +
                                         texts::kCalcIntegralArgumentsSuffix +
                                         std::to_string(args.numbers.list.count));
        return texts::kCalcError;
    }
    const auto integral = simpsonIntegral(args.term, a, b, context);
    if (!integral) return texts::kCalcError;
    return texts::kCalcResultPrefix + fixed(*integral, context);
}

std::string zeroCommand(std::string_view arguments, CommandContext& context) {
    const TermArguments args = readTermArguments(arguments, context);
    if (args.numbers.list.count != 3) return texts::kCalcError;
    const auto n = derivativeOrder(args.numbers.list.value(0));
    if (!n) return texts::kCalcError;
    double a = args.numbers.list.value(1);
    double b = args.numbers.list.value(2);

    // Bisection without an iteration limit: where there is no zero, only Escape ends it.
    while (true) {
        if (context.interrupt.escapePressed()) {
            context.errorFlag = true;
            return texts::kCalcError;
        }
        const Sample da = derivativeAt(args.term, *n, a, context);
        if (da.ok && std::fabs(da.value) < kZeroTolerance)
            return texts::kCalcResultPrefix + fixed(a, context);
        const double m = (a + b) / 2;
        const Sample dm = derivativeAt(args.term, *n, m, context);
        if (da.value * dm.value > 0 || !dm.ok)
            a = m;
        else
            b = m;
        if (dm.ok && std::fabs(dm.value) < kZeroTolerance)
            return texts::kCalcResultPrefix + fixed(m, context);
    }
}

std::string combinationsCommand(std::string_view arguments, CommandContext& context) {
    const Numbers numbers = readNumbers(arguments, context);
    if (numbers.list.count != 2) return texts::kCalcError;
    const double n = std::nearbyint(numbers.list.value(0));
    const double k = std::nearbyint(numbers.list.value(1));
    // Negative counts and n above the factorial's range of 150 have no meaning here.
    if (n * k == 0 || n < k || k < 0 || n > 150) return texts::kCalcError;

    const auto factorial = [&](double v) -> std::optional<double> {
        const std::string formula = "fak(" + formatFixedTrimmed(v, 0, 0) + ")";
        const Evaluation e = EvaluateFormula(formula, context.variables, *context.overflowOut);
        if (!evaluationSucceeded(e.code)) return std::nullopt;
        return e.value;
    };
    const auto fn = factorial(n);
    const auto fk = factorial(k);
    const auto fnk = factorial(n - k);
    if (!fn || !fk || !fnk) {
        context.errorFlag = true;
        return texts::kCalcError;
    }
    return texts::kCalcResultPrefix + fixed(*fn / (*fk * *fnk), context);
}

std::string normalDistributionCommand(std::string_view arguments, CommandContext& context) {
    const Numbers numbers = readNumbers(arguments, context);
    if (numbers.list.count != 1) return texts::kCalcError;
    const auto w = simpsonIntegral("EXP(-X*X/2) / SQRT(2*PI)", 0, numbers.list.value(0), context);
    if (!w) return texts::kCalcError;
    return texts::kCalcNormalPrefix + fixed(std::fabs(*w), context);
}

}  // namespace textaria::calc
