// Helpers shared by the command families.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/numeric_insert.h"
#include "calc/numeric_number.h"
#include "script/command_table.h"
#include "script/text_util.h"

namespace textaria::script {

// "Nearest integer", ties to even as the calculator rounds; nothing for values that do not
// fit a 64-bit integer.
inline std::optional<std::int64_t> nearestInteger(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 9.2e18) return std::nullopt;
    return static_cast<std::int64_t>(std::nearbyint(value));
}

// Euclid with remainders that take the sign of the dividend: gcd(a, 0) = a.
inline std::int64_t euclid(std::int64_t a, std::int64_t b) {
    while (b != 0) {
        const std::int64_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// An argument item that may be a variable name: its value; otherwise the literal. Nothing when
// it is neither.
inline std::optional<double> variableOrNumber(std::string_view item,
                                              const calc::FormulaVariables& variables) {
    return calc::readNumber(calc::SubstituteVariables(item, variables));
}

// The words FUNTEX1 and FUNTEX2 (any case) replaced by the function terms in parentheses.
inline std::string withFunctionTerms(std::string_view text, const calc::NumericContext& numeric) {
    std::string result(text);
    calc::replaceAll(result, "FUNTEX1", "(" + numeric.functionSlot(1) + ")", true);
    calc::replaceAll(result, "FUNTEX2", "(" + numeric.functionSlot(2) + ")", true);
    return result;
}

}  // namespace textaria::script
