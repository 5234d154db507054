// Variable substitution and placeholder expansion in output texts.
#include "calc/numeric_insert.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace textaria::calc {
namespace {

TEST(NumericInsert, SubstituteVariables) {
    FormulaVariables v;
    v['A'] = 2.5;
    v['B'] = -3;
    v['C'] = 1.0 / 3.0;
    v['D'] = 1e6;
    EXPECT_EQ(SubstituteVariables("a*2+B", v), "2.5*2+-3");
    EXPECT_EQ(SubstituteVariables("c", v), "0.3333333333333333");
    EXPECT_EQ(SubstituteVariables("d,z", v), "1000000,0");
    EXPECT_EQ(SubstituteVariables("1+(2)", v), "1+(2)");
    // Every letter goes, also inside words: the routine is for numeric arguments only.
    EXPECT_EQ(SubstituteVariables("ab", v), "2.5-3");
}

TEST(NumericInsert, CommandArgumentForms) {
    FormulaVariables v;
    v['A'] = -2;
    NumericContext context;
    context.points2D['P'] = {1, 2};
    context.points3D['P'] = {1, 2, 3};

    NumberList numbers = readNumberArguments("1.5,a,B", v, context);
    ASSERT_EQ(numbers.count, 3u);
    EXPECT_EQ(numbers.values, (std::vector<double>{1.5, -2, 0}));
    EXPECT_EQ(readNumberArguments("2*a,1", v, context).count, 0u);  // no formulas here

    numbers = readPointArguments("P,4", context, false);
    EXPECT_EQ(numbers.values, (std::vector<double>{1, 2, 4}));
    numbers = readPointArguments("P,4", context, true);
    EXPECT_EQ(numbers.values, (std::vector<double>{1, 2, 3, 4}));
    EXPECT_FALSE(context.errorFlag);
}

class InsertValuesTest : public ::testing::Test {
  protected:
    InsertValuesTest() {
        variables['A'] = 2.5;
        variables['B'] = 3;
        variables['C'] = 1.0 / 3.0;
        context.points2D['P'] = {1, 2.5};
        context.points2D['X'] = {-4, 0};
        context.points3D['Q'] = {1, 2, 3};
        context.functionSlot(1) = "x^2";
        context.functionSlot(2) = "<a>";
    }

    std::string insert(const char* text) {
        const InsertOutcome outcome = InsertValues(text, variables, context);
        EXPECT_FALSE(outcome.evaluationError) << text;
        return outcome.text;
    }

    FormulaVariables variables;
    NumericContext context;
};

TEST_F(InsertValuesTest, ValuesAndFunctionTerms) {
    struct Case {
        const char* text;
        const char* expected;
    };
    for (const Case& c : std::vector<Case>{
             {"x = <a>", "x = 2.50"},
             {"<b> und <c>", "3 und 0.33"},
             {"<A>", "2.50"},
             {"<a*2>", ""},  // not a single number after substitution
             {"<>", ""},
             {"<1.25>", "1.25"},
             {"f(x) = <FUNTEX1>", "f(x) = x^2"},
             {"<funtex1>", "x^2"},
             {"<FUNTEX2>", "<a>"},  // an inserted term is not expanded again
             {"<FUNTEX3>", "FUNTEX3"},
             {"a < b", "a < b"},  // an open mark without its close mark stays
             {"a > b <a>", "a > b 2.50"},
         }) {
        EXPECT_EQ(insert(c.text), c.expected) << c.text;
    }
}

TEST_F(InsertValuesTest, NumberFormatApplies) {
    context.format.decimals = 4;
    EXPECT_EQ(insert("<c>"), "0.3333");
    context.format.decimals = 0;
    EXPECT_EQ(insert("<a>"), "2");  // ties to the even neighbour
    variables['A'] = 3.7;
    EXPECT_EQ(insert("<a>"), "4");
}

TEST_F(InsertValuesTest, Points) {
    EXPECT_EQ(insert("[P]"), "P(1/2.5)");
    EXPECT_EQ(insert("Bild [P\xC2\xB4]"), "Bild p\xC2\xB4(1/2.5)");
    EXPECT_EQ(insert("[X] und [P]"), "X(-4/0) und P(1/2.5)");
    EXPECT_EQ(insert("{Q}"), "Q(1/2/3)");
    EXPECT_EQ(insert("[1,2]"), "1,2(1/2)");
    EXPECT_EQ(insert("<b>: [P] {Q}"), "3: P(1/2.5) Q(1/2/3)");
    context.format.decimals = 0;
    EXPECT_EQ(insert("[P]"), "P(1/2)");
}

TEST_F(InsertValuesTest, WrongPointCountsStopTheInsertion) {
    InsertOutcome outcome = InsertValues("[P] [P,X] [X] {Q}", variables, context);
    EXPECT_TRUE(outcome.evaluationError);
    EXPECT_EQ(outcome.text, "P(1/2.5) [P,X] [X] {Q}");

    outcome = InsertValues("<b> {Q} {P,Q} {Q}", variables, context);
    EXPECT_TRUE(outcome.evaluationError);
    EXPECT_EQ(outcome.text, "3 Q(1/2/3) {P,Q} {Q}");

    outcome = InsertValues("[]", variables, context);
    EXPECT_TRUE(outcome.evaluationError);
}

}  // namespace
}  // namespace textaria::calc
