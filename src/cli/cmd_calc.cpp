// textaria-cli calc: one calculator session, one entry line after another.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>

#include "calc/calculator.h"
#include "cli/cli_command.h"
#include "platform/user_dialogs.h"

namespace textaria::cli {
namespace {

constexpr const char* kHelp =
    "usage: textaria-cli calc [--decimals N] LINE...\n"
    "One calculator session: each LINE is put into the entry line and Enter is pressed;\n"
    "variables, sums and the text memory carry over from line to line. Prints the entry\n"
    "line after each Enter exactly as the calculator window shows it (blanks kept).\n"
    "--decimals N (0..14, default 2) sets the number of decimals before the first line.\n"
    "Every argument after the options is a line, also one that begins with \"-\".\n"
    "A zero search (nul) that finds nothing ends after a bounded number of steps, as\n"
    "Escape would end it, with \" Fehler \".\n"
    "Example: textaria-cli calc \"a=2\" \"a*3\" \"qua(1,-3,2)\"\n";

// Enough for any prime factorisation of a whole double and for a bisection to the last bit;
// a search without a zero stops after about a second.
constexpr std::uint64_t kPollsPerLine = 20000;

// Messages of the session (the integral's argument message) go to stderr, so that stdout
// holds exactly the entry lines. Nothing here asks questions.
class StderrDialogs final : public platform::DecliningDialogs {
  public:
    void information(std::string_view text) override {
        std::cerr << "textaria-cli calc: " << text << '\n';
    }
};

std::optional<int> readDecimals(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
    if (value < 0 || value > calc::NumberFormat::kMaxDecimals) return {};
    return value;
}

int runCalc(const CommandArgs& args) {
    calc::FormulaVariables variables;
    calc::Calculator calculator(variables);
    StderrDialogs dialogs;
    calc::StepBudget budget(kPollsPerLine);
    calculator.setDialogs(&dialogs);
    calculator.setInterruptPoll(budget);
    calculator.setOverflowOutput(std::cerr);  // stdout carries the entry lines only

    std::size_t i = 0;
    if (i < args.size() && args[i] == "--decimals") {
        if (i + 1 == args.size()) return fail("calc", "--decimals needs a number", kExitUsage);
        const auto decimals = readDecimals(args[i + 1]);
        if (!decimals)
            return fail("calc", "bad --decimals '" + args[i + 1] + "' (expected 0..14)",
                        kExitUsage);
        calculator.numberFormat().decimals = *decimals;
        i += 2;
    }
    if (i == args.size()) return fail("calc", "no line given (see --help)", kExitUsage);

    for (; i < args.size(); ++i) {
        const std::string line = calc::prepareEntryText(args[i]);
        budget.refill(kPollsPerLine);
        // Enter on an empty line does nothing: the line stays empty.
        const std::string shown = line.empty() ? line : calculator.evaluate(line).text;
        std::cout << shown << '\n';
    }
    std::cout.flush();
    return kExitOk;
}

const CommandRegistration registration({"calc", "run calculator entry lines (one session)", kHelp,
                                        runCalc});

}  // namespace
}  // namespace textaria::cli
