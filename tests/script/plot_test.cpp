#include "script/plot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/calculator_interrupt.h"
#include "script/plot_search.h"

namespace textaria::script {
namespace {

struct Curve {
    WorldPolylines lines;
    explicit Curve(const char* term, int range = 10, int steps = 724) {
        calc::FormulaVariables vars;
        const TermFunction f(term, vars);
        lines = tracePlot([&](double x) { return f(x); }, -range, range, steps, range);
    }
};

TEST(Plot, PoleSplitsTheCurveAndBothBranchesReachTheBorder) {
    for (const int steps : {724, 600}) {  // 0 hit exactly (a failed evaluation) and missed
        const Curve c("1/x", 10, steps);
        ASSERT_EQ(c.lines.size(), 2u) << steps;
        const auto& left = c.lines[0];
        const auto& right = c.lines[1];
        EXPECT_LT(left.back().x, 0.0);
        EXPECT_DOUBLE_EQ(left.back().y, -10.0);
        EXPECT_GT(right.front().x, 0.0);
        EXPECT_DOUBLE_EQ(right.front().y, 10.0);
        for (const auto& line : c.lines)
            for (std::size_t i = 1; i < line.size(); ++i)
                EXPECT_LT(std::fabs(line[i].y - line[i - 1].y), 20.0);
    }
}

TEST(Plot, DomainEdgesRunToTheBorderOnlyWhereTheFunctionGrows) {
    const Curve root("sqrt(x)");
    ASSERT_EQ(root.lines.size(), 1u);
    EXPECT_NEAR(root.lines[0].front().y, 0.0, 0.2);  // starts on the x axis, no vertical stroke

    const Curve logarithm("ln(x)");
    ASSERT_EQ(logarithm.lines.size(), 1u);
    EXPECT_DOUBLE_EQ(logarithm.lines[0].front().y, -10.0);

    EXPECT_TRUE(Curve("sqrt(-1-x*x)").lines.empty());  // defined nowhere: nothing drawn
}

TEST(Plot, ValuesAreClampedToTheWindow) {
    const Curve c("x*x*x");
    ASSERT_EQ(c.lines.size(), 1u);
    for (const auto& p : c.lines[0]) EXPECT_LE(std::fabs(p.y), 10.0);
    EXPECT_EQ(c.lines[0].size(), 725u);
}

TEST(PlotSearch, IntegralsAndTheirRefusals) {
    calc::FormulaVariables vars;
    const TermFunction sine("sin(x)", vars);
    const auto f = [&](double x) { return sine(x); };
    ASSERT_TRUE(simpson(f, 0, 1, true));
    // Degrees: the integral of sin over [0, 1] is (1 - cos 1°) * 180 / pi.
    EXPECT_NEAR(*simpson(f, 0, 1, true), (1 - std::cos(M_PI / 180)) * 180 / M_PI, 1e-9);
    EXPECT_FALSE(simpson(f, -10, 9, true));  // sign change between two nodes
    const TermFunction inverse("1/x", vars);
    EXPECT_FALSE(simpson([&](double x) { return inverse(x); }, 0, 1, false));

    const TermFunction line("x", vars);
    EXPECT_NEAR(*arcIntegral(line, ArcIntegral::Length, 0, 1), std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(*arcIntegral(line, ArcIntegral::XMoment, 0, 1), std::sqrt(2.0) / 2, 1e-9);
    EXPECT_NEAR(*arcIntegral(line, ArcIntegral::YMoment, 0, 1), std::sqrt(2.0) / 2, 1e-9);
    EXPECT_NEAR(*normalDistribution(1, vars), 0.341345, 1e-6);
    EXPECT_NEAR(*normalDistribution(-1, vars), 0.341345, 1e-6);
}

TEST(PlotSearch, BisectionFindsZerosExtremaAndInflections) {
    calc::FormulaVariables vars;
    calc::NoInterrupt never;
    struct Case {
        const char* term;
        int order;
        double a, b, x;
    } cases[] = {
        {"x*x-2", 0, 0, 3, std::sqrt(2.0)},
        {"x*x-2*x", 1, -3, 4, 1.0},
        {"x*x*x-3*x*x", 2, -2, 5, 1.0},
        {"x-1", 0, 1, 5, 1.0},  // the left end itself
    };
    for (const Case& c : cases) {
        const TermFunction f(c.term, vars);
        const SearchResult r = zeroOfDerivative(f, c.order, c.a, c.b, never);
        ASSERT_EQ(r.end, SearchEnd::Found) << c.term;
        EXPECT_NEAR(r.x, c.x, 1e-5) << c.term;
    }
}

TEST(PlotSearch, SearchWithoutZeroEndsAndEscapeInterrupts) {
    calc::FormulaVariables vars;
    calc::NoInterrupt never;
    const TermFunction noZero("x*x+1", vars);
    EXPECT_EQ(zeroOfDerivative(noZero, 0, -3, 3, never).end, SearchEnd::Stuck);
    const TermFunction pole("1/x", vars);  // changes sign without a zero
    EXPECT_EQ(zeroOfDerivative(pole, 0, -1, 2, never).end, SearchEnd::Stuck);
    calc::StepBudget budget(3);
    EXPECT_EQ(zeroOfDerivative(noZero, 0, -3, 3, budget).end, SearchEnd::Interrupted);
}

TEST(PlotSearch, Tangents) {
    calc::FormulaVariables vars;
    calc::NoInterrupt never;
    const TermFunction parabola("x^2", vars);
    const auto at = tangentAt(parabola, 3);
    ASSERT_TRUE(at);
    EXPECT_NEAR(at->k, 6, 1e-6);
    EXPECT_NEAR(at->d, -9, 1e-6);
    const TouchResult touch = tangentFromPoint(parabola, {0, -1}, 0.2, 3, never);
    ASSERT_EQ(touch.end, SearchEnd::Found);
    EXPECT_NEAR(touch.tangent.touch.x, 1, 1e-6);
    EXPECT_NEAR(touch.tangent.k, 2, 1e-6);
    EXPECT_NEAR(touch.tangent.d, -1, 1e-6);
    const TermFunction root("sqrt(x)", vars);
    EXPECT_FALSE(tangentAt(root, 0));  // not evaluable just left of 0
}

}  // namespace
}  // namespace textaria::script
