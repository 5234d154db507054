// The formula evaluator: one formula text to one double and a result code.
#pragma once

#include <array>
#include <string_view>

namespace textaria::calc {

// The 26 shared variables A..Z (index 0 = A). The evaluator only reads them.
struct FormulaVariables {
    std::array<double, 26> values{};

    double& operator[](char letter) { return values[index(letter)]; }
    double operator[](char letter) const { return values[index(letter)]; }
    static std::size_t index(char letter) {
        return static_cast<std::size_t>((letter >= 'a' ? letter - 'a' : letter - 'A') % 26);
    }
};

// EvaluationCode values.
enum EvaluationCode : int {
    kSyntaxError = 0,
    kValid = 1,
    kValidWithVariable = 2,
    kCalcError = 5,
    kCalcErrorWithVariable = 6,
};

// Callers treat codes 1 to 3 as success, everything else as failure.
inline bool evaluationSucceeded(int code) { return code >= 1 && code <= 3; }

struct Evaluation {
    double value = 0.0;
    int code = kSyntaxError;
};

// Evaluates a formula text with the given variables. Not re-entrant.
Evaluation EvaluateFormula(std::string_view formula, const FormulaVariables& variables);

}  // namespace textaria::calc
