// textaria-cli eval: evaluates formulas with the shared variables A..Z.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>

#include "calc/eval_u.h"
#include "cli/cli_command.h"

namespace textaria::cli {
namespace {

constexpr const char* kHelp =
    "usage: textaria-cli eval [--var L=VALUE]... FORMULA...\n"
    "Evaluates each FORMULA with the variables A..Z (all 0 except those set with --var;\n"
    "the letter is case-insensitive, VALUE a decimal number such as 2 or -1.5).\n"
    "Only --var pairs before the first formula are options; every other argument is a\n"
    "formula, also one that begins with \"-\" and the empty text.\n"
    "Prints one line per formula: the value (shortest form) and the evaluation code\n"
    "(0 syntax error, 1 valid, 2 valid with a variable read, 5 or 6 calculation error).\n";

// "L=VALUE" into the variables; false when it is not of that form.
bool setVariable(const std::string& pair, calc::FormulaVariables& variables) {
    if (pair.size() < 3 || pair[1] != '=') return false;
    const char letter = pair[0];
    if (!((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z'))) return false;
    const char* first = pair.data() + 2;
    const char* last = pair.data() + pair.size();
    if (*first == '+') ++first;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    // from_chars also reads "inf" and "nan", which are no decimal numbers.
    if (ec != std::errc() || ptr != last || !std::isfinite(value)) return false;
    variables[letter] = value;
    return true;
}

std::string shortest(double value) {
    if (value == 0.0) return "0";  // also -0
    char buffer[32];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, ptr);
}

int runEval(const CommandArgs& args) {
    calc::FormulaVariables variables;
    std::size_t i = 0;
    for (; i < args.size() && args[i] == "--var"; i += 2) {
        if (i + 1 == args.size()) return fail("eval", "--var needs L=VALUE", kExitUsage);
        if (!setVariable(args[i + 1], variables))
            return fail("eval", "bad --var '" + args[i + 1] + "' (expected L=VALUE)", kExitUsage);
    }
    if (i == args.size()) return fail("eval", "no formula given (see --help)", kExitUsage);
    for (; i < args.size(); ++i) {
        // The stack-overflow message goes to stdout before the result line.
        const calc::Evaluation result = calc::EvaluateFormula(args[i], variables, std::cout);
        std::cout << shortest(result.value) << ' ' << result.code << '\n';
    }
    std::cout.flush();
    return kExitOk;
}

const CommandRegistration registration({"eval", "evaluate formulas with the shared variables A..Z",
                                        kHelp, runEval});

}  // namespace
}  // namespace textaria::cli
