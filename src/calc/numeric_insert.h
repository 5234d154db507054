// Writing variable values and point coordinates into texts.
#pragma once

#include <string>
#include <string_view>

#include "calc/eval_u.h"
#include "calc/numeric_context.h"

namespace textaria::calc {

// Every letter (either case) replaced by its variable's value, written with 16 decimals and
// cleaned (CleanNumber). Only for numeric argument texts: function names would be destroyed.
std::string SubstituteVariables(std::string_view text, const FormulaVariables& variables);

struct InsertOutcome {
    std::string text;
    // A "[...]" or "{...}" did not name exactly one point; the caller reports an evaluation
    // error (error flag during a run, message box otherwise). text holds what was done so far.
    bool evaluationError = false;
};

// Expands the output placeholders of a text, left to right:
//   <a>, <2.5>     the value, in the number format; <FUNTEX1>, <FUNTEX2> the function terms
//   [P], [P´]      the plane point with its coordinates, P(1/2.5) or p´(1/2.5)
//   {P}            the space point, P(1/2/3)
InsertOutcome InsertValues(std::string_view text, const FormulaVariables& variables,
                           const NumericContext& context);

}  // namespace textaria::calc
