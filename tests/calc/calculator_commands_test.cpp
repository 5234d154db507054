// The entry line's answers, command by command: what the learner types and what the line then
// shows, with the blanks of the answer texts.
#include "calc/calculator_commands.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "calc/calculator.h"
#include "support/fake_user_dialogs.h"

namespace textaria::calc {
namespace {

struct LineCase {
    const char* line;
    const char* shown;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class EntryLineAnswers : public ::testing::TestWithParam<LineCase> {};

TEST_P(EntryLineAnswers, ShowsTheExpectedText) {
    FormulaVariables variables;
    Calculator calculator(variables);
    StepBudget budget(20000);
    calculator.setInterruptPoll(budget);
    EXPECT_EQ(calculator.evaluate(GetParam().line).text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Formulas, EntryLineAnswers,
                         ::testing::Values(LineCase{"3,5*2", "7"}, LineCase{"2+3*4", "14"},
                                           LineCase{"7/2", "3.5"}, LineCase{"1/3", "0.33"},
                                           LineCase{"2,5", "2.5"}, LineCase{"1/0", " Fehler "},
                                           LineCase{"3,5,1", " Fehler "},
                                           LineCase{"SIN(30)", "0.5"}, LineCase{"-0.001", "0"}));

INSTANTIATE_TEST_SUITE_P(
    PrimeFactors, EntryLineAnswers,
    ::testing::Values(LineCase{"pfz(360)", "z = 2*2*2*3*3*5*1"}, LineCase{"pfz(12)", "z = 2*2*3*1"},
                      LineCase{"pfz(101)", "z = 101*1"}, LineCase{"pfz(7)", "z = 7*1"},
                      LineCase{"pfz(1)", "z = 1*1"}, LineCase{"pfz(-7)", "z = -7*1"},
                      LineCase{"pfz(-12)", "z = 2*2*3*1"}, LineCase{"pfz(0)", " Fehler "},
                      LineCase{"pfz(2.5)", " Fehler "}, LineCase{"pfz(2,3,4)", " Fehler "},
                      LineCase{"pfz 12", " Fehler "}, LineCase{"PFZ(49)", "z = 7*7*1"},
                      LineCase{"pfz(600851475143)", "z = 71*839*1471*6857*1"},
                      LineCase{"pfz(1000000007)", "z = 1000000007*1"},
                      LineCase{"pfz(4294967318)", "z = 2*2147483659*1"},
                      // Letters are variables even inside numbers: 1e20 would read 1020.
                      LineCase{"pfz(1e20)", "z = 2*2*3*5*17*1"},
                      LineCase{"pfz(100000000000000000000)",
                               "z = 2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*"
                               "5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*1"}));

INSTANTIATE_TEST_SUITE_P(
    Quadratic, EntryLineAnswers,
    ::testing::Values(LineCase{"qua(1,-3,2)", " x = 2.00, y = 1.00"},
                      LineCase{"qua(1,2,5)", "z = -1.00 +/- i*2.00"},
                      LineCase{"qua(0,2,-4)", "x = 2.00, y = 2.00"},
                      LineCase{"qua(1,2,1)", "x = -1.00, y = -1.00"},
                      LineCase{"qua(0,0,1)", " Fehler "}, LineCase{"qua(0,0,0)", " Fehler "},
                      // One comma is a decimal comma: a single argument remains.
                      LineCase{"qua(1,2)", " Fehler "}, LineCase{"qua(1,2,3,4)", " Fehler "}));

INSTANTIATE_TEST_SUITE_P(
    Derivatives, EntryLineAnswers,
    ::testing::Values(LineCase{"dif(x^3,1,2)", "z = 12.00"}, LineCase{"dif(x^3,2,2)", "z = 12.00"},
                      LineCase{"dif(x^2,0,3)", "z = 9.00"}, LineCase{"dif(sin(x),1,0)", "z = 0.02"},
                      LineCase{"dif(x,3,1)", " Fehler "}, LineCase{"dif(x,-1,1)", " Fehler "},
                      LineCase{"dif(x^3,1)", " Fehler "}, LineCase{"dif(x^3,1,2", " Fehler "},
                      LineCase{"dif(ln(x),1,0)", " Fehler "},
                      // f fails two steps left of a although it works right beside a.
                      LineCase{"dif(sqrt(x),1,0.0015)", " Fehler "}));

INSTANTIATE_TEST_SUITE_P(
    Integrals, EntryLineAnswers,
    ::testing::Values(LineCase{"int(x^2,0,3)", "z = 9.00"},
                      LineCase{"int(sqrt(x),0,4)", "z = 5.33"}, LineCase{"int(x,-1,2)", " Fehler "},
                      LineCase{"int(x,2,1)", " Fehler "}, LineCase{"int(1/x,0,1)", " Fehler "},
                      // The sign changes only within the last of the 1000 intervals.
                      LineCase{"int(x-2.9995,0,3)", " Fehler "}, LineCase{"gau(1.96)", "w = 0.48"},
                      LineCase{"gau(-1.96)", "w = 0.48"}, LineCase{"gau(0)", "w = 0.00"},
                      LineCase{"gau(1,2,3)", " Fehler "}));

INSTANTIATE_TEST_SUITE_P(Zeros, EntryLineAnswers,
                         ::testing::Values(LineCase{"nul(x^2-2,0,0,2)", "z = 1.41"},
                                           LineCase{"nul(x^2-2,0,-2,0)", "z = -1.41"},
                                           LineCase{"nul(x^2-4,1,-1,3)", "z = 0.00"},
                                           LineCase{"nul(x^3-3*x,2,-1,2)", "z = 0.00"},
                                           LineCase{"nul(x-1,0,1,5)", "z = 1.00"},
                                           LineCase{"nul(x,3,0,1)", " Fehler "},
                                           LineCase{"nul(x,0,1)", " Fehler "},
                                           // No zero: only the interrupt ends the search.
                                           LineCase{"nul(x^2+1,0,0,1)", " Fehler "}));

INSTANTIATE_TEST_SUITE_P(
    Combinations, EntryLineAnswers,
    ::testing::Values(LineCase{"kom(5,2)", "z = 10.00"}, LineCase{"kom(5,5)", "z = 1.00"},
                      LineCase{"kom(2.5,1)", "z = 2.00"}, LineCase{"kom(3.5,1)", "z = 4.00"},
                      LineCase{"kom(5,0)", " Fehler "}, LineCase{"kom(2,5)", " Fehler "},
                      LineCase{"kom(151,2)", " Fehler "}, LineCase{"kom(-5,-7)", " Fehler "},
                      LineCase{"kom(5,-2)", " Fehler "}, LineCase{"kom(5)", " Fehler "}));

TEST(CalculatorCommands, NumericArgumentsReadTheVariables) {
    FormulaVariables variables;
    Calculator calculator(variables);
    calculator.evaluate("a=-3");
    calculator.evaluate("b=2");
    EXPECT_EQ(calculator.evaluate("qua(1,a,b)").text, " x = 2.00, y = 1.00");
    EXPECT_EQ(calculator.evaluate("pfz(B)").text, "z = 2*1");
    // The term keeps its letters: only X is sampled, B is read as it stands.
    EXPECT_EQ(calculator.evaluate("int(b*x,0,1)").text, "z = 1.00");
    // X holds the last sampled point afterwards.
    EXPECT_DOUBLE_EQ(variables['X'], 1.0);
}

TEST(CalculatorCommands, WrongIntegralArgumentsAreShownInAMessage) {
    FormulaVariables variables;
    Calculator calculator(variables);
    testing::FakeUserDialogs dialogs;
    calculator.setDialogs(&dialogs);
    calculator.evaluate("c=2");
    EXPECT_EQ(calculator.evaluate("int(x,c,1)").text, " Fehler ");
    EXPECT_EQ(calculator.evaluate("int(x,1,2,3)").text, " Fehler ");
    EXPECT_EQ(calculator.evaluate("int(x,0,2)").text, "z = 2.00");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"2,1...2", "1,2,3...3"}));
}

TEST(CalculatorCommands, EscapeStopsLongSearchesAndSetsTheErrorFlag) {
    FormulaVariables variables;
    Calculator calculator(variables);
    StepBudget budget(500);
    calculator.setInterruptPoll(budget);
    EXPECT_EQ(calculator.evaluate("nul(x^2+1,2,0,1)").text, " Fehler ");
    EXPECT_TRUE(calculator.commandErrorFlag());
    EXPECT_EQ(budget.left(), 0u);

    // A search that finds its zero does not use up the budget and clears the flag.
    budget.refill(500);
    EXPECT_EQ(calculator.evaluate("nul(x-1,0,0,4)").text, "z = 1.00");
    EXPECT_FALSE(calculator.commandErrorFlag());
    EXPECT_GT(budget.left(), 400u);

    // Prime factors poll too: with nothing left, even a small number stops.
    budget.refill(0);
    EXPECT_EQ(calculator.evaluate("pfz(1000000007)").text, " Fehler ");
}

TEST(CalculatorCommands, SamplingClampsAndReportsFailures) {
    FormulaVariables variables;
    NoInterrupt none;
    CommandContext context{variables, 2, none};
    const Sample big = sampleTerm("10^x", 100, context);
    EXPECT_TRUE(big.ok);
    EXPECT_DOUBLE_EQ(big.value, 1e36);
    EXPECT_DOUBLE_EQ(sampleTerm("-10^x", 100, context).value, -1e36);
    const Sample bad = sampleTerm("ln(x)", -1, context);
    EXPECT_FALSE(bad.ok);
    EXPECT_TRUE(context.errorFlag);
    EXPECT_DOUBLE_EQ(derivativeAt("ln(x)", 1, 0, context).value, 1e18);
    EXPECT_TRUE(sampleTerm("x", 3, context).ok);
    EXPECT_FALSE(context.errorFlag);
}

TEST(CalculatorCommands, HostileLinesAlwaysGetAnAnswer) {
    const char* pieces[] = {"pfz",      "qua",
                            "dif",      "int",
                            "nul",      "kom",
                            "gau",      "(",
                            ")",        ",",
                            "=",        "x",
                            "a",        "^^",
                            "-",        "1e400",
                            "0",        "7",
                            ".",        " ",
                            "/",        "*",
                            "sqrt",     "fak",
                            "\xc3\xa4", "((((((((((((((((",
                            ":"};
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 12);
    FormulaVariables variables;
    Calculator calculator(variables);
    StepBudget budget(200);
    calculator.setInterruptPoll(budget);
    std::ostringstream overflow;
    calculator.setOverflowOutput(overflow);
    for (int i = 0; i < 3000; ++i) {
        std::string line;
        for (int n = length(random); n > 0; --n) line += pieces[pick(random)];
        budget.refill(200);
        EXPECT_FALSE(calculator.evaluate(line).text.empty()) << line;
    }
}

}  // namespace
}  // namespace textaria::calc
