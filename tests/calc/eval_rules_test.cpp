// The evaluator's rules, one table per rule family. Expected values come from the rules
// themselves (worked by hand), not from the implementation.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "calc/eval_u.h"

namespace textaria::calc {
namespace {

struct Case {
    const char* formula;
    double value;
    int code;
};

FormulaVariables sampleVariables() {
    FormulaVariables v;
    v['A'] = 2;
    v['B'] = -3;
    v['E'] = 3;
    v['X'] = 0.5;
    return v;
}

void expectCases(const std::vector<Case>& cases) {
    const FormulaVariables variables = sampleVariables();
    for (const Case& c : cases) {
        std::ostringstream out;
        const Evaluation fresh = evaluateFormulaFresh(c.formula, variables, out);
        const Evaluation cached = EvaluateFormula(c.formula, variables, out);
        EXPECT_EQ(fresh.code, c.code) << '"' << c.formula << '"';
        EXPECT_EQ(fresh.value, c.value) << '"' << c.formula << '"';
        EXPECT_EQ(cached.code, fresh.code) << '"' << c.formula << '"';
        EXPECT_EQ(cached.value, fresh.value) << '"' << c.formula << '"';
        EXPECT_EQ(out.str(), "") << '"' << c.formula << '"';
    }
}

TEST(EvalRules, PrecedenceAssociativityAndNumbers) {
    // clang-format off
    expectCases({
        {"2+3*4", 14, 1}, {"2^3^2", 512, 1}, {"(2+3)*4", 20, 1}, {"7/2", 3.5, 1},
        {"10-4-3", 3, 1}, {"100/10/5", 2, 1}, {"2*3^2", 18, 1}, {"3 4", 34, 1},
        {".5+1", 1.5, 1}, {"1.5E3", 1500, 1}, {"1e3", 1000, 1}, {"1E-3", 0.001, 1},
        {"1E+2", 100, 1}, {"5.", 5, 1}, {"2 . 5", 2.5, 1}, {"((((7))))", 7, 1},
        {"1E-400", 0, 1}, {"0.1+0.2", 0.1 + 0.2, 1}});
    // clang-format on
}

TEST(EvalRules, SignsAtTheStartAfterParenthesesAndAfterOperators) {
    // clang-format off
    expectCases({
        {"-2^2", -4, 1}, {"(-2^2)", -4, 1}, {"3*-2^2", 12, 1}, {"2^-1", 0.5, 1},
        {"(-3)^2", 9, 1}, {"--3", 3, 1}, {"2*--3", 0, 0}, {"2--3", 5, 1}, {"-3+4", 1, 1},
        {"+3", 3, 1}, {"++3", 0, 0}, {"2*+3", 0, 0}, {"2*(+3)", 6, 1}, {"2^-2^2", 16, 1},
        {"-(2+3)*2", -10, 1}, {"( - 2)*3", -6, 1}, {"2+-3", -1, 1},
        // A leading "+" is dropped and the "-" after it is then the grammar's own minus.
        {"+-2^2", 4, 1}});
    // clang-format on
}

TEST(EvalRules, PowersAndTheirSignRules) {
    // clang-format off
    expectCases({
        {"0^0", 1, 1}, {"0^-1", 0, 5}, {"0^2", 0, 1}, {"(-8)^(1/3)", 0, 5},
        {"(-8)^(-0.5)", 0, 5}, {"(-2)^3", -8, 1}, {"(-8)^3", -512, 1}, {"(-2)^-1", -0.5, 1},
        {"(-2)^-2", 0.25, 1}, {"TRUNC(2^3)", 8, 1}, {"(-2)^3^2", -512, 1}, {"10^(-200)", 0, 5},
        {"10^200", 0, 5}, {"10^190", 1e190, 1}, {"2^0.5", std::sqrt(2.0), 1},
        {"(-1)^1E20", 1, 1}, {"2^10", 1024, 1}});
    // clang-format on
}

TEST(EvalRules, FunctionsAndTheirLimits) {
    // clang-format off
    expectCases({
        {"sin(30)", 0.5, 1}, {"sin(150)", 0.5, 1}, {"sin(180)", 0, 1}, {"cos(90)", 0, 1},
        {"cos(60)", 0.5, 1}, {"cos(-270)", 0, 1}, {"tan(45)", 1, 1}, {"tan(90)", 0, 5},
        {"tan(-90)", 0, 5}, {"tan(270)", 0, 5}, {"atan(-1)", 135, 1}, {"atan(1)", 45, 1},
        {"atan(0)", 0, 1}, {"asin(1)", 90, 1}, {"asin(-1)", -90, 1}, {"asin(0.5)", 30, 1},
        {"asin(1.0000001)", 0, 5}, {"acos(-1)", 180, 1}, {"acos(0)", 90, 1}, {"acos(1)", 0, 1},
        {"acos(0.5)", 60, 1}, {"acos(-0.5)", 120, 1}, {"acos(-2)", 0, 5}, {"log(1000)", 3, 1},
        {"log(0)", 0, 5}, {"log(-1)", 0, 5}, {"ln(1)", 0, 1}, {"ln(0)", 0, 5},
        {"exp(0)", 1, 1}, {"exp(450.1)", 0, 5}, {"exp(-450.1)", 0, 5}, {"sqrt(16)", 4, 1},
        {"sqrt(-1)", 0, 5}, {"sqr(3)", 9, 1}, {"sqr(1E150)", 1e150 * 1e150, 1},
        {"sqr(-1.1E150)", 0, 5}, {"abs(-3)", 3, 1}, {"fak(5)", 120, 1}, {"fak(0)", 1, 1},
        {"fak(3.7)", 6, 1}, {"fak(0.5)", 1, 1}, {"fak(151)", 0, 5}, {"fak(-1)", 0, 5},
        {"round(2.5)", 2, 1}, {"round(3.5)", 4, 1}, {"round(-2.5)", -2, 1},
        {"round(-2.6)", -3, 1}, {"round(1E18)", 1e18, 1}, {"round(1.1E18)", 0, 5},
        {"trunc(-2.7)", -2, 1}, {"trunc(-2E18)", 0, 5}, {"swi(7)", 7, 1},
        {"rad(180)", 3.141592653589793, 1}, {"deg(rad(90))", 90, 1}});
    // clang-format on
    const Evaluation deg = EvaluateFormula("deg(pi)", FormulaVariables{});
    EXPECT_EQ(deg.code, 1);
    EXPECT_NEAR(deg.value, 180.0, 1e-12);
    EXPECT_NE(deg.value, 180.0);  // from the 15-digit text of pi
    EXPECT_EQ(EvaluateFormula("fak(150)", FormulaVariables{}).code, 1);
    EXPECT_EQ(EvaluateFormula("exp(450)", FormulaVariables{}).code, 1);
}

TEST(EvalRules, SnappingOfArgumentsAndResultButNotOfOperators) {
    // clang-format off
    expectCases({
        {"0.0000000000001", 0, 1}, {"sqrt(-0.0000000000001)", 0, 1},
        {"log(0.0000000000001)", 0, 5}, {"1E-12", 1e-12, 1}, {"1E-13*1E13", 1, 1},
        {"abs(1E-13)*1E13", 0, 1}, {"-0.0000000000001", 0, 1}});
    // clang-format on
    const Evaluation negativeZero = EvaluateFormula("trunc(-0.5)", FormulaVariables{});
    EXPECT_FALSE(std::signbit(negativeZero.value));
}

TEST(EvalRules, PiCaseAndVariables) {
    // clang-format off
    expectCases({
        {"pi", 3.14159265358979, 1}, {"2PI", 23.14159265358979, 1},
        {"Pi", 3.14159265358979, 1}, {"p i", 3.14159265358979, 1}, {"SQRT(16)", 4, 1},
        {"SqRt(16)", 4, 1}, {"a+1", 3, 2}, {"A+1", 3, 2}, {"2*3", 6, 1}, {"e*2", 6, 2},
        {"EXP(0)", 1, 1}, {"sqr(a)+sqrt(4)", 6, 2}, {"b^2", 9, 2}, {"-b", 3, 2}, {"x*0", 0, 2},
        {"sin(x*60)", 0.5, 2}});
    // clang-format on
}

TEST(EvalRules, SyntaxErrorsGiveCodeZero) {
    for (const char* formula :
         {"",     "   ",    "3,5", "a:b",  "a:b+1",    "2:3", "a:",  "(2+3",  "2+3)", "2+",
          "*2",   "sin 30", "sin", "2=3",  "\xC3\xA4", ".",   "..5", "#1",    "\t1",  "1E0005",
          "2(3)", "(2)(3)", "a b", "sinx", "()",       "2^",  "-",   "1E5E5", "\x01"}) {
        std::ostringstream out;
        const Evaluation r = EvaluateFormula(formula, sampleVariables(), out);
        EXPECT_EQ(r.code, 0) << '"' << formula << '"';
        EXPECT_EQ(r.value, 0.0) << '"' << formula << '"';
        EXPECT_EQ(out.str(), "");
    }
}

TEST(EvalRules, VariablesWithoutAFiniteValueAreCalculationErrors) {
    FormulaVariables v;
    v['A'] = INFINITY;
    v['B'] = NAN;
    // Each way a variable can enter the compiled form: alone, beside a constant or another
    // variable, on either side, and under operators that turn infinity finite.
    for (const char* formula :
         {"a",       "a*0",     "fak(b)",  "2^b",   "b^2",     "1+sin(a)", "-a",
          "x+a",     "1/a",     "x/a",     "a^x",   "x^a",     "a^0.5",    "a^2",
          "atan(a)", "x*(1/a)", "1/(x*a)", "x-1/a", "(x+1)/a", "(x+1)^a",  "0.5^a",
          "x^2+1/a", "a-a",     "b*0+1",   "x*b"}) {
        std::ostringstream out;
        const Evaluation fresh = evaluateFormulaFresh(formula, v, out);
        const Evaluation cached = EvaluateFormula(formula, v, out);
        EXPECT_EQ(fresh.code, 6) << formula;
        EXPECT_EQ(fresh.value, 0.0) << formula;
        EXPECT_EQ(cached.code, 6) << formula;
    }
}

TEST(EvalRules, CalculationErrorsGiveFiveOrSixWithValueZero) {
    // clang-format off
    expectCases({
        {"1/0", 0, 5}, {"a/0", 0, 6}, {"1/0+a", 0, 6}, {"sqrt(-a)", 0, 6}, {"1.2.3", 0, 5},
        {"1..2", 0, 5}, {"1E", 0, 5}, {"1E+", 0, 5}, {"1E400", 0, 5}, {"1E999", 0, 5},
        {"1E200*1E200", 0, 5}, {"1E308+1E308", 0, 5}, {"-1E308-1E308", 0, 5},
        {"1E300/1E-300", 0, 5}, {"(1/0)*0", 0, 5}, {"a*1E200*1E200", 0, 6}, {"pi.5", 0, 5}});
    // clang-format on
}

// An infinity or NaN on the way may turn finite again (x/inf is 0, atan(inf) is 90, 0.5^inf is
// 0); it is a calculation error all the same, and so is a zero divisor inside a longer formula.
TEST(EvalRules, ValuesBeyondTheRangeStayErrorsWhereverTheyGo) {
    FormulaVariables v;
    v['A'] = 2;
    v['X'] = 1e300;
    for (const char* formula :
         {"x*x",         "x*x-x*x",       "1/(x*x)",      "a/(x*x)",     "x/(x*x)",
          "(1/(x*x))*a", "atan(x*x)",     "abs(-x*x)*0",  "0.5^(x*x)",   "(x*x)^0",
          "a^(x*x)",     "(x*x)^a",       "2+1/(x*x)",    "1/(a-a)*0",   "0/(a-a)",
          "a/(a-a)",     "atan(1/(a-a))", "1/(1/(a-a))",  "a^(1/(a-a))", "(1/(a-a))^2",
          "-(x*x)^2",    "deg(x*1E8)",    "1/deg(x*1E8)", "x/(a-2)+1",   "x*1E10-x*1E10"}) {
        std::ostringstream out;
        const Evaluation fresh = evaluateFormulaFresh(formula, v, out);
        const Evaluation cached = EvaluateFormula(formula, v, out);
        EXPECT_EQ(fresh.code, 6) << formula;
        EXPECT_EQ(fresh.value, 0.0) << formula;
        EXPECT_EQ(cached.code, 6) << formula;
        EXPECT_EQ(cached.value, 0.0) << formula;
    }
    EXPECT_EQ(EvaluateFormula("deg(1E308)", v).code, 5);
    EXPECT_EQ(EvaluateFormula("x/1E10+deg(x/1E10)", v).code, 2);  // large but in range
}

// The arctangent near the top of the range once split its argument into infinities: NaN with
// a success code, and a NaN argument then indexed its table out of bounds.
TEST(EvalRules, ArctangentOfTheLargestNumbersIsNinety) {
    // clang-format off
    expectCases({
        {"atan(1.34E300)", 90, 1}, {"atan(1E308)", 90, 1}, {"atan(-1E308)", 90, 1},
        {"atan(1.7976931348623157E308)", 90, 1}, {"atan(1E20)", 90, 1},
        {"asin(atan(1E308))", 0, 5}, {"acos(atan(1E308))", 0, 5}});
    // clang-format on
    FormulaVariables v;
    const Evaluation nested = EvaluateFormula("atan(atan(1E308))", v);
    EXPECT_EQ(nested.code, 1);
    EXPECT_EQ(nested.value, EvaluateFormula("atan(90)", v).value);
    v['Z'] = 1e308;
    const CompiledFormula compiled("ATAN(z--228-48)");
    std::ostringstream out;
    for (const Evaluation e :
         {evaluateFormulaFresh("ATAN(z--228-48)", v, out),
          EvaluateFormula("ATAN(z--228-48)", v, out), compiled.evaluate(v, out)}) {
        EXPECT_EQ(e.value, 90.0);
        EXPECT_EQ(e.code, 2);
    }
}

std::string repeated(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

TEST(EvalRules, PreparedTextIsCutAfter159Characters) {
    const std::string sum80 = "1" + repeated("+1", 79);  // 159 characters
    ASSERT_EQ(sum80.size(), 159u);
    // clang-format off
    expectCases({
        {sum80.c_str(), 80, 1},
        {(sum80 + "+5").c_str(), 80, 1},  // the "+5" lies beyond the cut
        {(sum80 + "*0").c_str(), 80, 1},
        {("11" + repeated("+1", 78) + "+2").c_str(), 0, 0},  // cut right after a "+"
        {(repeated("0", 158) + "12").c_str(), 1, 1},
        // Spaces are removed before the cut, the text of pi counts after its expansion.
        {(repeated(" ", 300) + "2").c_str(), 2, 1},
        {(repeated("0", 145) + "PI").c_str(), 3.141592653589, 1}});
    // clang-format on
    const std::string longVariable = "1" + repeated("+1", 79) + "+a";
    EXPECT_EQ(EvaluateFormula(longVariable, sampleVariables()).code, 1);  // "a" is cut off
}

std::string nested(int depth) { return repeated("(", depth) + "1" + repeated(")", depth); }

const std::string kOverflowLines =
    "\n STACK-\xC3\x9C"
    "BERLAUF BEI DER FORMELAUSWERTUNG ! \n\n";

TEST(EvalRules, StackOverflowWritesItsLineAndGivesCodeZero) {
    struct OverflowCase {
        std::string formula;
        bool overflows;
        double value;
    };
    // "(" per level, the number, and the ")" shifted on top of the inner Sum: depth + 3 entries.
    const std::vector<OverflowCase> cases = {
        {nested(27), false, 1},
        {nested(28), true, 0},
        {nested(60), true, 0},
        {"-" + nested(25), false, -1},  // "(-1)*" leaves a product and "*" below
        {"-" + nested(26), true, 0},
        {"2^" + nested(25), false, 2},  // two more entries below the nest
        {"2^" + nested(26), true, 0},
        {repeated("1^", 14) + "1", false, 1},  // right-associative chain: two entries each
        {repeated("1^", 15) + "1", true, 0},
        {"1" + repeated("+1", 79), false, 80},     // a long left-associative sum stays shallow
        {repeated("(", 40) + "1" + ",", true, 0},  // overflow comes before the bad character
    };
    for (const OverflowCase& c : cases) {
        for (int pass = 0; pass < 2; ++pass) {  // the cached path writes the line every time
            std::ostringstream fresh, cached;
            const Evaluation a = evaluateFormulaFresh(c.formula, FormulaVariables{}, fresh);
            const Evaluation b = EvaluateFormula(c.formula, FormulaVariables{}, cached);
            EXPECT_EQ(fresh.str(), c.overflows ? kOverflowLines : "") << c.formula;
            EXPECT_EQ(cached.str(), fresh.str()) << c.formula;
            EXPECT_EQ(a.code == 0, c.overflows) << c.formula;
            EXPECT_EQ(a.value, c.value) << c.formula;
            EXPECT_EQ(b.code, a.code);
        }
    }
}

TEST(EvalText, OperationsSharedWithOtherParts) {
    EXPECT_EQ(removeSpaces(" 1 + 2 "), "1+2");
    std::string s = "aaa";
    EXPECT_EQ(replaceAll(s, "a", "aa"), 3);  // inserted text is not searched again
    EXPECT_EQ(s, "aaaaaa");
    s = "x";
    EXPECT_EQ(replaceAll(s, "y", "z"), 0);
    EXPECT_EQ(s, "x");
    s = std::string("a\x01") + "b";
    EXPECT_EQ(replaceAll(s, "b", "c"), 1);
    EXPECT_EQ(s, std::string("a\x01") + "c");  // a code-1 character in the text stays
    EXPECT_EQ(upperCaseWithPi("2pi+sin(x)"), "23.14159265358979+SIN(X)");
    struct Prep {
        const char* in;
        const char* out;
    };
    for (const Prep& p : std::vector<Prep>{{"-2^2", "(-1)*2^2"},
                                           {"(-3)", "((0-1)*3)"},
                                           {"(+3)", "((0+1)*3)"},
                                           {"+3", "3"},
                                           {" p i ", "3.14159265358979"},
                                           {"-(-a)", "(-1)*((0-1)*A)"},
                                           {"( -1)", "((0-1)*1)"},
                                           {"((-1))", "(((0-1)*1))"}}) {
        EXPECT_EQ(prepareFormula(p.in), p.out) << p.in;
    }
    EXPECT_EQ(prepareFormula(std::string(200, '1')).size(), 159u);
}

}  // namespace
}  // namespace textaria::calc
