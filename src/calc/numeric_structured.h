// Expressions whose values are complex numbers, plane vectors or space vectors, built from
// point names, numbers, + - * / ^ and the cross product #. Each evaluator clears the context's
// error flag, sets it on any failure and then returns zero.
#pragma once

#include <string_view>

#include "calc/eval_u.h"
#include "calc/numeric_context.h"

namespace textaria::calc {

struct ComplexValue {
    double re = 0.0;
    double im = 0.0;
};

struct PolarValue {
    double radius = 0.0;
    double angle = 0.0;  // degrees, 0 <= angle < 360
};

// Point names read the plane table as re + i*im (upper and lower case are different points).
ComplexValue EvaluateComplex(std::string_view text, const FormulaVariables& variables,
                             NumericContext& context);

// Point names read the plane table.
Point2 EvaluatePlaneVector(std::string_view text, const FormulaVariables& variables,
                           NumericContext& context);

// Point names read the space table; "#" is the cross product and binds weakest.
Point3 EvaluateSpaceVector(std::string_view text, const FormulaVariables& variables,
                           NumericContext& context);

// The argument of re + i*im in degrees, in [0, 360).
double argumentDegrees(double re, double im);

PolarValue toPolar(ComplexValue value);
ComplexValue fromPolar(PolarValue value);

}  // namespace textaria::calc
