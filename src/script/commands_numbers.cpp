// Number commands: random numbers, decimals, rounding, digits, divisibility, primes, bases,
// quadratic equations, formula values.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>

#include "calc/numeric_algebra.h"
#include "script/command_util.h"
#include "script/texts.h"

namespace textaria::script {
namespace {

constexpr double kLargestExactInteger = 9007199254740992.0;  // 2^53

void randomNumber(CommandCall& call) {
    const double lo = std::nearbyint(call.number(0));
    const double hi = std::nearbyint(call.number(1));
    auto& random = call.state.random;
    double value = lo;
    if (lo == 0 && hi == 1) {
        value = std::uniform_real_distribution<double>(0.0, 1.0)(random);
    } else if (lo == -1 && hi == 1) {
        value = std::bernoulli_distribution(0.5)(random) ? 1.0 : -1.0;
    } else if (hi > lo && hi - lo < kLargestExactInteger) {
        const auto span = static_cast<std::uint64_t>(hi - lo);
        value =
            lo + static_cast<double>(std::uniform_int_distribution<std::uint64_t>(0, span)(random));
    }
    call.writeValue('z', value);
}

void setDecimals(CommandCall& call) {
    const double n = call.number(0);
    if (n < 0 || n > calc::NumberFormat::kMaxDecimals || n != std::floor(n)) {
        call.reportError();
        return;
    }
    call.state.format().decimals = static_cast<int>(n);
    call.state.format().width = static_cast<int>(n) + 3;
}

// ROU and CUT: a variable changes in place, a number gives z = .
void roundOrCut(CommandCall& call, bool cut) {
    if (call.items.count() != 2 && !call.running()) {
        call.reportError();
        return;
    }
    const std::string_view target = call.items.item(0);
    const bool isVariable = target.size() == 1 && isLetter(target[0]);
    const auto value = isVariable ? std::optional<double>(call.state.variables[target[0]])
                                  : calc::readNumber(target);
    const auto places = variableOrNumber(call.items.item(1), call.state.variables);
    if (!value || !places || std::fabs(*places) > 300) {
        call.reportError();
        return;
    }
    const double factor = std::pow(10.0, std::fabs(*places));
    const double scaled = *value * factor;
    const double result = (cut ? std::trunc(scaled) : std::nearbyint(scaled)) / factor;
    if (!std::isfinite(result)) {
        call.reportError();
        return;
    }
    if (isVariable)
        call.state.variables[target[0]] = result;
    else
        call.writeValue('z', result);
}

void digitAt(CommandCall& call) {
    const double shifted = call.number(0) / std::pow(10.0, call.number(1) + 1);
    double fraction = shifted - std::trunc(shifted);
    fraction = std::nearbyint(fraction * 1000.0) / 1000.0;
    call.writeValue('z', std::trunc(fraction * 10.0));
}

void orderOfMagnitude(CommandCall& call) {
    double x = std::fabs(call.number(0));
    int divisions = 0;
    while (x >= 10.0 && std::isfinite(x)) {
        x /= 10.0;
        ++divisions;
    }
    call.writeValue('z', divisions, 0);
}

void minimumOrMaximum(CommandCall& call, bool maximum) {
    const auto& v = call.numbers.values;
    if (call.count() == 0) return;
    const auto end = v.begin() + static_cast<std::ptrdiff_t>(std::min(call.count(), v.size()));
    call.writeValue(
        'z', maximum ? *std::max_element(v.begin(), end) : *std::min_element(v.begin(), end));
}

void remainder(CommandCall& call) {
    const auto a = nearestInteger(call.number(0));
    const auto b = nearestInteger(call.number(1));
    // A zero divisor is refused also during a run: there is no remainder to write.
    if (!a || !b || *a == 0 || *b == 0) {
        call.reportError();
        return;
    }
    call.writeValue('z', static_cast<double>(*a % *b), 0);
}

void combinations(CommandCall& call) {
    const auto n = nearestInteger(call.number(0));
    const auto k = nearestInteger(call.number(1));
    if (!n || !k || *n * *k == 0 || *n < *k) {
        call.reportError();
        return;
    }
    const std::string formula = "fak(" + std::to_string(*n) + ")/(fak(" + std::to_string(*k) +
                                ")*fak(" + std::to_string(*n - *k) + "))";
    const auto result = calc::EvaluateFormula(formula, call.state.variables);
    if (!calc::evaluationSucceeded(result.code)) {
        call.reportError();
        return;
    }
    call.writeValue('z', result.value, 0);
}

void greatestCommonDivisor(CommandCall& call, bool multiple) {
    const auto a = nearestInteger(call.number(0));
    const auto b = nearestInteger(call.number(1));
    if (!a || !b || (*a == INT64_MIN) || (*b == INT64_MIN)) {
        call.reportError();
        return;
    }
    const std::int64_t divisor = euclid(*a, *b);
    if (!multiple) {
        call.writeValue('z', static_cast<double>(divisor));
        return;
    }
    if (divisor == 0) {
        call.reportError();
        return;
    }
    call.writeValue('z',
                    std::nearbyint(static_cast<double>(*a) * static_cast<double>(*b) /
                                   static_cast<double>(divisor)),
                    0);
}

void primeTest(CommandCall& call) {
    const double n = std::nearbyint(call.number(0));
    if (std::fabs(n) > kLargestExactInteger) {
        call.reportError();
        return;
    }
    const auto value = static_cast<std::int64_t>(n);
    bool prime = value >= 2 && (value == 2 || value % 2 != 0);
    for (std::int64_t d = 3; prime && d <= value / d; d += 2) prime = value % d != 0;
    call.writeValue('z', prime ? 1.0 : 0.0);
}

void primeFactors(CommandCall& call) {
    const double n = std::fabs(std::nearbyint(call.number(0)));
    // 0 has no factorisation (dividing it by 2 would never end).
    if (n == 0 || n > kLargestExactInteger) {
        call.reportError();
        return;
    }
    auto rest = static_cast<std::int64_t>(n);
    std::vector<std::int64_t> factors;
    while (rest % 2 == 0) {
        factors.push_back(2);
        rest /= 2;
    }
    // Trial divisors up to the square root of what is left: what remains then is prime.
    std::uint64_t polls = 0;
    for (std::int64_t d = 3; d <= rest / d; d += 2) {
        if ((++polls & 0xfff) == 0 && call.env.keys.escapePressed()) {
            call.state.ErrorFlag() = true;
            call.env.dialogs.information(texts::kProcessAborted);
            return;
        }
        while (rest % d == 0) {
            factors.push_back(d);
            rest /= d;
        }
    }
    if (rest > 1 || factors.empty()) factors.push_back(rest);
    std::string shown = "z = ";
    std::string product;
    for (const auto factor : factors) {
        shown += std::to_string(factor) + " * ";
        if (!product.empty()) product += '*';
        product += std::to_string(factor);
    }
    shown += "1";
    call.writeLine(shown);
    if (call.running()) call.state.numeric.functionSlot(1) = product;
}

void formulaValue(CommandCall& call) {
    const std::string formula = withFunctionTerms(call.arguments, call.state.numeric);
    const auto result = calc::EvaluateFormula(formula, call.state.variables);
    if (!calc::evaluationSucceeded(result.code)) {
        call.state.ErrorFlag() = true;
        return;
    }
    call.writeValue('z', result.value);
}

void slopeAngle(CommandCall& call) {
    call.writeValue('z', std::atan(call.number(0)) * 180.0 / std::numbers::pi);
}

constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

void toBase(CommandCall& call) {
    const double base = std::nearbyint(call.number(1));
    const double x = std::nearbyint(call.number(0));
    if (base < 2 || base > 36 || x < 0 || x > kLargestExactInteger) {
        call.state.ErrorFlag() = true;
        return;
    }
    auto value = static_cast<std::uint64_t>(x);
    const auto radix = static_cast<std::uint64_t>(base);
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value % radix]);
        value /= radix;
    } while (value > 0);
    call.writeText(digits);
    if (call.running()) call.state.numeric.functionSlot(1) = digits;
}

void fromBase(CommandCall& call) {
    if (call.items.count() != 2 && !call.running()) {
        call.reportError();
        return;
    }
    const std::string digits =
        upper(call.running() ? call.state.numeric.functionSlot(1) : call.items.item(0));
    const auto base = variableOrNumber(call.items.item(1), call.state.variables);
    double value = 0;
    bool valid = base && *base >= 2 && *base <= 36 && *base == std::floor(*base) && !digits.empty();
    for (std::size_t i = 0; valid && i < digits.size(); ++i) {
        const std::size_t digit = kDigits.find(digits[i]);
        valid = digit != std::string_view::npos && static_cast<double>(digit) < *base;
        value = value * *base + static_cast<double>(digit);
    }
    if (!valid) {
        call.state.ErrorFlag() = true;
        value = 0;
    }
    call.writeValue('z', value);
}

void quadratic(CommandCall& call) {
    const calc::QuadraticSolution solution =
        calc::SolveQuadratic(call.number(0), call.number(1), call.number(2), call.state.numeric);
    if (call.state.ErrorFlag() && solution.text.empty()) {
        call.reportError();
        return;
    }
    call.writeText(solution.text);
    call.writeValue('z', solution.realSolutions, 0);
    call.writeValue('x', solution.value1);
    call.writeValue('y', solution.value2);
    if (call.running()) call.state.numeric.functionSlot(1) = solution.text;
}

void cycleCounter(CommandCall& call) { call.writeValue('z', call.state.CycleCounter); }

void fontHint(CommandCall& call) { call.env.dialogs.information(texts::kFontHint); }

void pageMark(CommandCall&) {}  // only marks the page start that F2 in a box goes back to

}  // namespace

void registerCommands_numbers(CommandTable& table) {
    using F = ArgumentForm;
    table.add({"ZUF", F::Numbers, count(2), randomNumber});
    table.add({"DEZ", F::Numbers, always(count(1)), setDecimals});
    table.add({"ROU", F::Text, anyCount(), [](CommandCall& c) { roundOrCut(c, false); }});
    table.add({"CUT", F::Text, anyCount(), [](CommandCall& c) { roundOrCut(c, true); }});
    table.add({"ZZF", F::Numbers, always(count(2)), digitAt});
    table.add({"HZF", F::Numbers, always(count(1)), orderOfMagnitude});
    table.add({"MIN", F::Numbers, countRange(2, 100),
               [](CommandCall& c) { minimumOrMaximum(c, false); }});
    table.add(
        {"MAX", F::Numbers, countRange(2, 100), [](CommandCall& c) { minimumOrMaximum(c, true); }});
    table.add({"MOD", F::Numbers, count(2), remainder});
    table.add({"KOM", F::Numbers, count(2), combinations});
    table.add(
        {"GGT", F::Numbers, count(2), [](CommandCall& c) { greatestCommonDivisor(c, false); }});
    table.add(
        {"KGV", F::Numbers, count(2), [](CommandCall& c) { greatestCommonDivisor(c, true); }});
    table.add({"PFT", F::Numbers, count(1), primeTest});
    table.add({"PFZ", F::Numbers, count(1), primeFactors});
    table.add({"KAL", F::Text, anyCount(), formulaValue});
    table.add({"SWI", F::Numbers, count(1), slopeAngle});
    table.add({"DZN", F::Numbers, count(2), toBase});
    table.add({"NZD", F::Text, anyCount(), fromBase});
    table.add({"QUA", F::Numbers, count(3), quadratic});
    table.add({"IND", F::None, anyCount(), cycleCounter});
    table.add({"PAG", F::None, anyCount(), pageMark});
    table.add({"MLD", F::None, anyCount(), fontHint});
}

}  // namespace textaria::script
