// The formula evaluator: one formula text to one double and a result code.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_helpers.h"

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

class FormulaCache;

// Evaluates a formula text with the given variables. The prepared and parsed form of recently
// used texts is kept in the cache, so evaluating the same text again and again (plots,
// integrals, zero searches) skips the parse. A parser stack overflow writes its message lines
// to overflowOut.
Evaluation EvaluateFormula(std::string_view formula, const FormulaVariables& variables,
                           FormulaCache& cache, std::ostream& overflowOut);
// The same; the stack-overflow message is dropped.
Evaluation EvaluateFormula(std::string_view formula, const FormulaVariables& variables,
                           FormulaCache& cache);
// The same with a cache of this thread's own, for callers that hold none.
Evaluation EvaluateFormula(std::string_view formula, const FormulaVariables& variables,
                           std::ostream& overflowOut);
Evaluation EvaluateFormula(std::string_view formula, const FormulaVariables& variables);

// Prepares and parses the text on every call, computing during the reductions; no cache.
// Gives bit-identical results to EvaluateFormula.
Evaluation evaluateFormulaFresh(std::string_view formula, const FormulaVariables& variables,
                                std::ostream& overflowOut);
// The same; the stack-overflow message is dropped.
Evaluation evaluateFormulaFresh(std::string_view formula, const FormulaVariables& variables);

// A formula text compiled once into a small postfix program; variables are read when it runs.
// Constant parts are folded at compile time with the same arithmetic, so results stay identical.
class CompiledFormula {
  public:
    // Binary operators come in eight forms: both operands from the stack, the right or the
    // left operand from the op's constant or variable, or both from the op (the forms of one
    // operator are 5 apart, in this order).
    enum class OpKind : std::uint8_t {
        End,
        Constant,
        Variable,
        Negate,
        Function,
        Square,  // the power with the constant exponent 2
        Add,
        Subtract,
        Multiply,
        Divide,
        Power,
        AddConstant,
        SubtractConstant,
        MultiplyConstant,
        DivideConstant,
        PowerConstant,
        AddVariable,
        SubtractVariable,
        MultiplyVariable,
        DivideVariable,
        PowerVariable,
        ConstantAdd,
        ConstantSubtract,
        ConstantMultiply,
        ConstantDivide,
        ConstantPower,
        VariableAdd,
        VariableSubtract,
        VariableMultiply,
        VariableDivide,
        VariablePower,
        // Both operands in the op, the result pushed: variable op constant, constant op
        // variable, variable op variable.
        VariableAddConstant,
        VariableSubtractConstant,
        VariableMultiplyConstant,
        VariableDivideConstant,
        VariablePowerConstant,
        ConstantAddVariable,
        ConstantSubtractVariable,
        ConstantMultiplyVariable,
        ConstantDivideVariable,
        ConstantPowerVariable,
        VariableAddVariable,
        VariableSubtractVariable,
        VariableMultiplyVariable,
        VariableDivideVariable,
        VariablePowerVariable,
        VariableSquare,
        FunctionOfVariable,  // a function (arg) of a variable (arg2), pushed
    };
    struct Op {
        OpKind kind;
        std::uint8_t arg;   // variable index 0..25 or function id
        std::uint8_t arg2;  // the right variable of variable op variable, a function's variable
        double value;       // for Constant and the constant forms
    };

    CompiledFormula() = default;
    explicit CompiledFormula(std::string_view formula) { compile(formula); }
    void compile(std::string_view formula);  // reuses the op storage
    Evaluation evaluate(const FormulaVariables& variables, std::ostream& overflowOut) const {
        if (fixed_) [[unlikely]]
            return fixedResult(overflowOut);
        return run(variables.values.data());
    }
    // The same; the stack-overflow message is dropped.
    Evaluation evaluate(const FormulaVariables& variables) const {
        if (fixed_) [[unlikely]]
            return fixedResult_;
        return run(variables.values.data());
    }

    // The outcome when it does not depend on the variables (syntax error, calculation error in
    // a constant part, or no variable at all).
    bool isFixed() const { return fixed_; }
    bool overflows() const { return overflow_; }

  private:
    Evaluation fixedResult(std::ostream& overflowOut) const;
    Evaluation run(const double* variables) const;

    std::vector<Op> ops_;  // ends with an End op unless fixed
    Evaluation fixedResult_{};
    bool fixed_ = true;
    bool overflow_ = false;
    bool variableUsed_ = false;
};

// The compiled programs of recently evaluated texts, found by their contents (a text changed in
// place is noticed). Whoever evaluates the same texts again and again owns one; reset() forgets
// every text. Not shared between threads.
class FormulaCache {
  public:
    FormulaCache();
    ~FormulaCache();
    FormulaCache(const FormulaCache&) = delete;
    FormulaCache& operator=(const FormulaCache&) = delete;

    const CompiledFormula& program(std::string_view text);
    void reset();

  private:
    struct Table;
    std::unique_ptr<Table> table_;
};

// The text operations of the evaluator that other parts of the program use in the same form.
std::string removeSpaces(std::string_view text);
// Replaces every occurrence of search (left to right, the inserted text is never searched
// again); returns the number of replacements.
inline int replaceAll(std::string& text, std::string_view search, std::string_view replacement) {
    return static_cast<int>(platform::replaceAll(text, search, replacement));
}
// Upper-cases a..z and replaces every "PI" by the text of pi.
std::string upperCaseWithPi(std::string_view text);
// The whole preparation of a formula text as the parser sees it (spaces removed, upper case,
// pi, signs after "(" and at the start, cut to the input buffer).
std::string prepareFormula(std::string_view formula);

}  // namespace textaria::calc
