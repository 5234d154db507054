// Determinants, linear systems, quadratic equations and the zero pattern.
#include "calc/numeric_algebra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace textaria::calc {
namespace {

using Rows = std::vector<std::vector<double>>;

NumericMatrix matrixOf(const Rows& rows) {
    NumericMatrix m(int(rows.size()), int(rows.front().size()));
    for (int r = 1; r <= m.rows(); ++r) {
        for (int c = 1; c <= m.columns(); ++c) m(r, c) = rows[r - 1][c - 1];
    }
    return m;
}

// Laplace expansion along the first row: slow, but shares nothing with elimination.
double cofactorDeterminant(const Rows& a) {
    if (a.size() == 1) return a[0][0];
    double sum = 0;
    for (std::size_t j = 0; j < a.size(); ++j) {
        Rows minor;
        for (std::size_t r = 1; r < a.size(); ++r) {
            std::vector<double> row;
            for (std::size_t c = 0; c < a.size(); ++c) {
                if (c != j) row.push_back(a[r][c]);
            }
            minor.push_back(row);
        }
        sum += (j % 2 == 0 ? 1 : -1) * a[0][j] * cofactorDeterminant(minor);
    }
    return sum;
}

TEST(NumericAlgebra, Determinant) {
    struct Case {
        Rows rows;
        double determinant;
        bool error;
    };
    for (const Case& c : std::vector<Case>{
             {{{0, 1}, {1, 0}}, -1, false},  // one row swap
             {{{2}}, 2, false},
             {{{1, 2}, {3, 4}}, -2, false},
             {{{2, 0, 0}, {0, 3, 0}, {0, 0, 4}}, 24, false},
             {{{1, 2, 3}, {4, 5, 6}, {7, 8, 10}}, -3, false},
             {{{0, 0, 1}, {0, 1, 0}, {1, 0, 0}}, -1, false},
             {{{0, 1}, {0, 2}}, 0, true},   // zero column: no pivot
             {{{1, 2}, {2, 4}}, 0, false},  // only the last diagonal entry vanishes
             {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, 0, false},      // rounding leaves ~1E-16 there
             {{{1e-20, 2e-20}, {3e-20, 4e-20}}, -2e-40, false},  // small but regular
         }) {
        NumericMatrix m = matrixOf(c.rows);
        bool error = !c.error;
        const double d = Determinant(m, int(c.rows.size()), error);
        EXPECT_EQ(error, c.error) << c.determinant;
        if (c.determinant == 0.0) {
            EXPECT_EQ(d, 0.0);  // exactly: singular is singular, not 6.7E-16
        } else {
            EXPECT_NEAR(d, c.determinant, 1e-12 * std::fabs(c.determinant)) << c.determinant;
        }
    }
}

TEST(NumericAlgebra, RandomMatricesAgreeWithCofactors) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> entry(-10, 10);
    for (int n = 1; n <= 6; ++n) {
        Rows a(static_cast<std::size_t>(n), std::vector<double>(static_cast<std::size_t>(n)));
        for (auto& row : a) {
            for (double& v : row) v = entry(random);
        }
        NumericMatrix m = matrixOf(a);
        bool error = true;
        const double expected = cofactorDeterminant(a);
        EXPECT_NEAR(Determinant(m, n, error), expected, 1e-9 * std::fmax(1.0, std::fabs(expected)));
        EXPECT_FALSE(error);
    }
}

TEST(NumericAlgebra, SolveByElimination) {
    struct Case {
        Rows augmented;
        std::vector<double> solution;
    };
    for (const Case& c : std::vector<Case>{
             {{{2, 1, 5}, {1, -1, 1}}, {2, 1}},
             {{{0, 1, 3}, {1, 0, 4}}, {4, 3}},
             {{{4, 8}}, {2}},
             {{{1, 1, 1, 6}, {0, 2, 5, -4}, {2, 5, -1, 27}}, {5, 3, -2}},
         }) {
        NumericMatrix m = matrixOf(c.augmented);
        bool error = true;
        const auto values = SolveLinearSystem(m, int(c.augmented.size()), error);
        EXPECT_FALSE(error);
        ASSERT_EQ(values.size(), c.solution.size());
        for (std::size_t k = 0; k < values.size(); ++k)
            EXPECT_NEAR(values[k], c.solution[k], 1e-12);
    }
}

TEST(NumericAlgebra, RandomSystemsSatisfyTheirEquations) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> entry(-5, 5);
    for (int n : {2, 5, 20, 60}) {
        Rows a(static_cast<std::size_t>(n), std::vector<double>(static_cast<std::size_t>(n + 1)));
        for (auto& row : a) {
            for (double& v : row) v = entry(random);
        }
        NumericMatrix m = matrixOf(a);
        bool error = true;
        const auto x = SolveLinearSystem(m, n, error);
        ASSERT_FALSE(error) << n;
        ASSERT_EQ(x.size(), std::size_t(n));
        for (const auto& row : a) {
            double lhs = 0;
            for (int j = 0; j < n; ++j) lhs += row[std::size_t(j)] * x[std::size_t(j)];
            EXPECT_NEAR(lhs, row[std::size_t(n)], 1e-8) << n;
        }
    }
}

TEST(NumericAlgebra, SystemsWithoutUniqueSolutionAreRefused) {
    for (const Rows& rows : std::vector<Rows>{
             {{1, 2, 3}, {2, 4, 6}},                      // dependent rows
             {{1, 2, 3}, {2, 4, 7}},                      // contradictory rows
             {{0, 1, 1}, {0, 2, 2}},                      // no pivot in the first column
             {{1, 2, 3, 1}, {4, 5, 6, 2}, {7, 8, 9, 3}},  // singular up to rounding
             {{0, 5}},
         }) {
        NumericMatrix m = matrixOf(rows);
        bool error = false;
        const auto values = SolveLinearSystem(m, int(rows.size()), error);
        EXPECT_TRUE(error) << rows.size();
        EXPECT_EQ(values, std::vector<double>(rows.size(), 0.0));
    }
}

TEST(NumericAlgebra, OrderOutsideTheMatrixIsRefused) {
    NumericMatrix m(3, 4);
    bool error = false;
    EXPECT_EQ(Determinant(m, 0, error), 0.0);
    EXPECT_TRUE(error);
    error = false;
    EXPECT_EQ(Determinant(m, 4, error), 0.0);
    EXPECT_TRUE(error);
    error = false;
    EXPECT_TRUE(SolveLinearSystem(m, 4, error).empty());
    EXPECT_TRUE(error);
    error = false;
    NumericMatrix square(3, 3);
    EXPECT_TRUE(SolveLinearSystem(square, 3, error).empty());  // no right-hand side column
    EXPECT_TRUE(error);
    error = false;
    EXPECT_EQ(Determinant(m, kMaxMatrixOrder + 1, error), 0.0);
    EXPECT_TRUE(error);
}

TEST(NumericAlgebra, SolveQuadratic) {
    struct Case {
        double a, b, c;
        const char* text;
        int real;
        double v1, v2;
    };
    for (const Case& c : std::vector<Case>{
             {1, -3, 2, " Reelle Lösungen: 2.00 / 1.00", 2, 2, 1},
             {2, 0, -8, " Reelle Lösungen: 2.00 / -2.00", 2, 2, -2},
             {1, 2, 1, " Reelle Lösungen: -1.00 / -1.00", 1, -1, -1},
             {0, 2, -4, " Reelle Lösungen: 2.00 / 2.00", 1, 2, 2},
             {0, 2, 0, " Reelle Lösungen: 0.00 / 0.00", 1, 0, 0},
             {1, 0, 1, " Komplexe Lösungen: 0.00 + i*1.00 / 0.00 - i*1.00", 0, 0, 1},
             {1, 2, 5, " Komplexe Lösungen: -1.00 + i*2.00 / -1.00 - i*2.00", 0, -1, 2},
         }) {
        NumericContext context;
        const QuadraticSolution s = SolveQuadratic(c.a, c.b, c.c, context);
        EXPECT_EQ(s.text, c.text);
        EXPECT_EQ(s.realSolutions, c.real) << c.text;
        EXPECT_DOUBLE_EQ(s.value1, c.v1) << c.text;
        EXPECT_DOUBLE_EQ(s.value2, c.v2) << c.text;
        EXPECT_EQ(context.quadratic.text, s.text);
        EXPECT_FALSE(context.errorFlag) << c.text;
    }
    NumericContext context;
    context.format.decimals = 4;
    EXPECT_EQ(SolveQuadratic(3, 0, -1, context).text, " Reelle Lösungen: 0.5774 / -0.5774");
    // No x left to solve for.
    const QuadraticSolution none = SolveQuadratic(0, 0, 1, context);
    EXPECT_TRUE(context.errorFlag);
    EXPECT_EQ(none.text, "");
    EXPECT_EQ(none.realSolutions, 0);
    EXPECT_EQ(context.quadratic.text, "");
}

TEST(NumericAlgebra, ZeroPattern) {
    struct Case {
        double x, y, z;
        int pattern;
    };
    for (const Case& c : std::vector<Case>{{0, 0, 0, 0},
                                           {0, 2, 3, 1},
                                           {1, 0, 3, 2},
                                           {1, 2, 0, 3},
                                           {0, 0, 5, 4},
                                           {0, 5, 0, 5},
                                           {5, 0, 0, 6},
                                           {1, -2, 3, 7},
                                           {-0.0, 1e-300, 0, 5}}) {
        EXPECT_EQ(ZeroPattern(c.x, c.y, c.z), c.pattern) << c.x << "," << c.y << "," << c.z;
    }
}

}  // namespace
}  // namespace textaria::calc
