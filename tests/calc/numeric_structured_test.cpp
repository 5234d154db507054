// Complex, plane-vector and space-vector expressions.
#include "calc/numeric_structured.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace textaria::calc {
namespace {

constexpr double kEps = 1e-12;

class StructuredTest : public ::testing::Test {
  protected:
    StructuredTest() {
        context.points2D['A'] = {1, 2};
        context.points2D['B'] = {3, -1};
        context.points2D['C'] = {1, 1};
        context.points2D['I'] = {0, 1};
        context.points2D['a'] = {7, 7};
        context.points3D['A'] = {1, 0, 0};
        context.points3D['B'] = {0, 1, 0};
        context.points3D['C'] = {0, 0, 1};
        context.points3D['D'] = {1, 2, 3};
        context.points3D['E'] = {4, 5, 6};
    }

    FormulaVariables variables;
    NumericContext context;
};

TEST_F(StructuredTest, Complex) {
    struct Case {
        const char* text;
        double re, im;
    };
    for (const Case& c : std::vector<Case>{
             {"A*B", 5, 5},
             {"A+B", 4, 1},
             {"A-B-C", -3, 2},  // from the left
             {"A-(B-C)", -1, 4},
             {"A/B", 0.1, 0.7},
             {"(A/B)*B", 1, 2},
             {"-A", -1, -2},
             {"-A+B", 2, -3},
             {"B*(-A)", -5, -5},
             {" A + B ", 4, 1},
             {"2*A", 2, 4},
             {"(A+B)*2.5", 10, 2.5},
             {"A^2", -3, 4},
             {"I^2", -1, 0},
             {"I^3", 0, -1},
             {"B^0", 1, 0},
             {"I^0.5", std::sqrt(0.5), std::sqrt(0.5)},
             {"a", 7, 7},  // lower case is a point of its own
             {"2.5", 2.5, 0},
         }) {
        context.errorFlag = true;  // every evaluation starts by clearing it
        const ComplexValue z = EvaluateComplex(c.text, variables, context);
        EXPECT_FALSE(context.errorFlag) << c.text;
        EXPECT_NEAR(z.re, c.re, kEps) << c.text;
        EXPECT_NEAR(z.im, c.im, kEps) << c.text;
    }
    // The exponent is a real formula that reads the variables.
    variables['N'] = 2;
    const ComplexValue z = EvaluateComplex("A^(n+1)", variables, context);
    EXPECT_NEAR(z.re, -11, kEps);
    EXPECT_NEAR(z.im, -2, kEps);
}

TEST_F(StructuredTest, ComplexFailures) {
    const std::string deep = std::string(5000, '(') + "A" + std::string(5000, ')');
    for (const std::string text : {"A/0", "A/(B-B)", "sin(30)", "A+", "", "()", "(", "A^",
                                   "A^(1,2)", "AB", "1.2.3", "0^(0-1)", deep.c_str()}) {
        const ComplexValue z = EvaluateComplex(text, variables, context);
        EXPECT_TRUE(context.errorFlag) << text;
        EXPECT_EQ(z.re, 0.0) << text;
        EXPECT_EQ(z.im, 0.0) << text;
    }
}

TEST_F(StructuredTest, PlaneVectors) {
    struct Case {
        const char* text;
        double x, y;
    };
    for (const Case& c : std::vector<Case>{
             {"A", 1, 2},
             {"A+B", 4, 1},
             {"A-B-C", -3, 2},
             {"2*A", 2, 4},
             {"A*3", 3, 6},
             {"-A", -1, -2},
             {"(A+B)*2", 8, 2},
             {"2*(A+B)-C", 7, 1},
             {"(A-B)*(0-1)", 2, -3},
         }) {
        const Point2 p = EvaluatePlaneVector(c.text, variables, context);
        EXPECT_FALSE(context.errorFlag) << c.text;
        EXPECT_NEAR(p.x, c.x, kEps) << c.text;
        EXPECT_NEAR(p.y, c.y, kEps) << c.text;
    }
    for (const char* text : {"5", "A/B", "A+", "", "sin(A)"}) {
        const Point2 p = EvaluatePlaneVector(text, variables, context);
        EXPECT_TRUE(context.errorFlag) << text;
        EXPECT_EQ(p.x, 0.0) << text;
        EXPECT_EQ(p.y, 0.0) << text;
    }
}

TEST_F(StructuredTest, AVariableWithAValueCountsAsANumber) {
    // 2*A doubles the point while the variable a is 0 ...
    Point2 p = EvaluatePlaneVector("2*A", variables, context);
    EXPECT_FALSE(context.errorFlag);
    EXPECT_EQ(p.x, 2.0);
    // ... but with a value a is a number, and 2 no vector.
    variables['A'] = 1;
    p = EvaluatePlaneVector("2*A", variables, context);
    EXPECT_TRUE(context.errorFlag);
    // A variable factor scales the point on the other side.
    variables['A'] = 0;
    variables['K'] = 3;
    p = EvaluatePlaneVector("k*B", variables, context);
    EXPECT_FALSE(context.errorFlag);
    EXPECT_EQ(p.x, 9.0);
    EXPECT_EQ(p.y, -3.0);
}

TEST_F(StructuredTest, SpaceVectors) {
    struct Case {
        const char* text;
        double x, y, z;
    };
    for (const Case& c : std::vector<Case>{
             {"A#B", 0, 0, 1},
             {"B#A", 0, 0, -1},
             {"A#B+C", 0, -1, 1},  // # binds weaker: A x (B + C)
             {"(A#B)+C", 0, 0, 2},
             {"D#E", -3, 6, -3},
             {"2*(A#B)", 0, 0, 2},  // the formula that fails is the vector side
             {"(D#E)*2", -6, 12, -6},
             {"D-E", -3, -3, -3},
             {"-D", -1, -2, -3},
         }) {
        const Point3 p = EvaluateSpaceVector(c.text, variables, context);
        EXPECT_FALSE(context.errorFlag) << c.text;
        EXPECT_NEAR(p.x, c.x, kEps) << c.text;
        EXPECT_NEAR(p.y, c.y, kEps) << c.text;
        EXPECT_NEAR(p.z, c.z, kEps) << c.text;
    }
    // The cross product is perpendicular to both factors.
    const Point3 n = EvaluateSpaceVector("(D+A)#(E-C)", variables, context);
    EXPECT_NEAR(n.x * 2 + n.y * 2 + n.z * 3, 0.0, kEps);
    EXPECT_NEAR(n.x * 4 + n.y * 5 + n.z * 5, 0.0, kEps);

    for (const char* text : {"A#", "7", "(A#B)*(A#B)", "A^2"}) {
        const Point3 p = EvaluateSpaceVector(text, variables, context);
        EXPECT_TRUE(context.errorFlag) << text;
        EXPECT_EQ(p.z, 0.0) << text;
    }
}

TEST(NumericPolar, ArgumentAndConversions) {
    struct Case {
        double re, im, radius, angle;
    };
    for (const Case& c : std::vector<Case>{{1, 1, std::sqrt(2.0), 45},
                                           {-1, 0, 1, 180},
                                           {0, -2, 2, 270},
                                           {0, 3, 3, 90},
                                           {1, -1, std::sqrt(2.0), 315},
                                           {-1, -1, std::sqrt(2.0), 225},
                                           {-1, 1, std::sqrt(2.0), 135},
                                           {0, 0, 0, 0}}) {
        const PolarValue polar = toPolar({c.re, c.im});
        EXPECT_NEAR(polar.radius, c.radius, kEps) << c.re << "," << c.im;
        EXPECT_NEAR(polar.angle, c.angle, kEps) << c.re << "," << c.im;
        const ComplexValue back = fromPolar(polar);
        EXPECT_NEAR(back.re, c.re, kEps);
        EXPECT_NEAR(back.im, c.im, kEps);
    }
    const ComplexValue z = fromPolar({2, 450});
    EXPECT_EQ(z.re, 0.0);
    EXPECT_EQ(z.im, 2.0);
}

}  // namespace
}  // namespace textaria::calc
