// Writing variable values and point coordinates into texts.
#pragma once

#include <string>
#include <string_view>

#include "calc/eval_u.h"
#include "calc/numeric_context.h"
#include "calc/numeric_text.h"

namespace textaria::calc {

// Every letter (either case) replaced by its variable's value, written with 16 decimals and
// cleaned (CleanNumber). Only for numeric argument texts: function names would be destroyed.
std::string SubstituteVariables(std::string_view text, const FormulaVariables& variables);

// Command arguments as numbers: every variable letter replaced by its value, then split at ","
// with every item a number literal (any other item makes the count 0). A formula is no item.
NumberList readNumberArguments(std::string_view text, const FormulaVariables& variables,
                               NumericContext& context);

// Command arguments as coordinates: split at ","; a letter stands for its point (3 numbers from
// the space table when space is set, else 2 from the plane table); other items are numbers.
NumberList readPointArguments(std::string_view text, NumericContext& context, bool space);

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
