#include "calc/eval_u.h"

#include <functional>
#include <iostream>
#include <memory>

#include "calc/eval_math.h"
#include "calc/eval_parser.h"
#include "calc/eval_text.h"
#include "calc/texts.h"

namespace textaria::calc {
namespace {

using eval::FunctionId;
using eval::StackEntry;

void writeOverflow(std::ostream& out) { out << '\n' << texts::kStackOverflow << '\n' << '\n'; }

Evaluation finalResult(double value, bool calcError, bool variableUsed) {
    const int code = (variableUsed ? kValidWithVariable : kValid) + (calcError ? 4 : 0);
    return {calcError ? 0.0 : eval::snapToZero(value), code};
}

// Values computed during the reductions, as the evaluator defines them.
struct DirectSemantics {
    using Value = double;
    const FormulaVariables& variables;
    bool calcError = false;

    double token(const eval::Token& t) const { return t.value; }
    double reduce(int rule, const StackEntry<double>* rhs) {
        switch (rule) {
            case 1:
                return eval::add(rhs[0].value, rhs[2].value, calcError);
            case 2:
                return eval::subtract(rhs[0].value, rhs[2].value, calcError);
            case 4:
                return eval::multiply(rhs[0].value, rhs[2].value, calcError);
            case 5:
                return eval::divide(rhs[0].value, rhs[2].value, calcError);
            case 7:
                return eval::power(rhs[0].value, rhs[2].value, calcError);
            case 9:
                return -rhs[1].value;
            case 13:
                return variables.values[rhs[0].payload];
            case 14:
                return rhs[1].value;
            case 16:
                return eval::applyFunction(static_cast<FunctionId>(rhs[0].payload), rhs[2].value,
                                           calcError);
            default:
                return rhs[0].value;  // rules that pass their only value on
        }
    }
};

using Op = CompiledFormula::Op;
using OpKind = CompiledFormula::OpKind;

double applyBinary(OpKind kind, double a, double b, bool& calcError) {
    switch (kind) {
        case OpKind::Add:
            return eval::add(a, b, calcError);
        case OpKind::Subtract:
            return eval::subtract(a, b, calcError);
        case OpKind::Multiply:
            return eval::multiply(a, b, calcError);
        case OpKind::Divide:
            return eval::divide(a, b, calcError);
        default:
            return eval::power(a, b, calcError);
    }
}

// Emits the reductions as a postfix program. A constant subtree always ends up as one Constant
// op at the end of the program, so folding it replaces the ops of its operands; the folded value
// is computed by the same functions as at run time, which keeps results bit-identical.
struct CompileSemantics {
    struct Value {
        bool constant = false;
        double number = 0.0;
    };
    std::vector<Op>& ops;
    bool calcError = false;

    Value token(const eval::Token& t) const { return {true, t.value}; }

    Value binary(OpKind kind, Value a, Value b) {
        if (a.constant && b.constant) {
            ops.pop_back();
            ops.back().value = applyBinary(kind, a.number, b.number, calcError);
            return {true, ops.back().value};
        }
        ops.push_back({kind, 0, 0.0});
        return {};
    }

    Value reduce(int rule, const StackEntry<Value>* rhs) {
        switch (rule) {
            case 1:
                return binary(OpKind::Add, rhs[0].value, rhs[2].value);
            case 2:
                return binary(OpKind::Subtract, rhs[0].value, rhs[2].value);
            case 4:
                return binary(OpKind::Multiply, rhs[0].value, rhs[2].value);
            case 5:
                return binary(OpKind::Divide, rhs[0].value, rhs[2].value);
            case 7:
                return binary(OpKind::Power, rhs[0].value, rhs[2].value);
            case 9:
                if (rhs[1].value.constant) {
                    ops.back().value = -ops.back().value;
                    return {true, ops.back().value};
                }
                ops.push_back({OpKind::Negate, 0, 0.0});
                return {};
            case 13:
                ops.push_back({OpKind::Variable, rhs[0].payload, 0.0});
                return {};
            case 14:
                return rhs[1].value;
            case 15:
                ops.push_back({OpKind::Constant, 0, rhs[0].value.number});
                return rhs[0].value;
            case 16:
                if (rhs[2].value.constant) {
                    ops.back().value = eval::applyFunction(static_cast<FunctionId>(rhs[0].payload),
                                                           rhs[2].value.number, calcError);
                    return {true, ops.back().value};
                }
                ops.push_back({OpKind::Function, rhs[0].payload, 0.0});
                return {};
            default:
                return rhs[0].value;
        }
    }
};

// The most recently used texts of this thread and their programs.
class FormulaCache {
  public:
    const CompiledFormula& get(std::string_view text) {
        const std::size_t home = std::hash<std::string_view>{}(text);
        for (std::size_t probe = 0; probe < kProbes; ++probe) {
            Slot& slot = slots_[(home + probe) & (kSlots - 1)];
            if (!slot.used) return fill(slot, text);
            if (slot.key == text) return slot.program;
        }
        // All candidate slots taken: replace them in turn.
        victim_ = (victim_ + 1) % kProbes;
        return fill(slots_[(home + victim_) & (kSlots - 1)], text);
    }

  private:
    static constexpr std::size_t kSlots = 256;
    static constexpr std::size_t kProbes = 4;
    struct Slot {
        bool used = false;
        std::string key;
        CompiledFormula program;
    };
    const CompiledFormula& fill(Slot& slot, std::string_view text) {
        slot.used = true;
        slot.key.assign(text);
        slot.program.compile(text);
        return slot.program;
    }
    std::unique_ptr<Slot[]> slotsStorage_ = std::make_unique<Slot[]>(kSlots);
    Slot* slots_ = slotsStorage_.get();
    std::size_t victim_ = 0;
};

}  // namespace

void CompiledFormula::compile(std::string_view formula) {
    ops_.clear();
    eval::PreparedText prepared;
    eval::prepareInto(formula, prepared);
    eval::ScanFlags flags;
    CompileSemantics semantics{ops_};
    CompileSemantics::Value top;
    const eval::ParseOutcome outcome = eval::parse(prepared.view(), semantics, flags, top);
    overflow_ = outcome == eval::ParseOutcome::StackOverflow;
    variableUsed_ = flags.variableUsed;
    fixed_ = true;
    if (outcome != eval::ParseOutcome::Accepted) {
        fixedResult_ = {0.0, kSyntaxError};
    } else if (flags.calcError || semantics.calcError || top.constant) {
        fixedResult_ =
            finalResult(top.number, flags.calcError || semantics.calcError, variableUsed_);
    } else {
        fixed_ = false;
    }
    if (fixed_) ops_.clear();
}

Evaluation CompiledFormula::evaluate(const FormulaVariables& variables,
                                     std::ostream& overflowOut) const {
    if (fixed_) {
        if (overflow_) writeOverflow(overflowOut);
        return fixedResult_;
    }
    double stack[eval::kStackSize];
    stack[0] = 0.0;  // a program that is not fixed always pushes a value
    int top = -1;
    bool calcError = false;
    for (const Op& op : ops_) {
        switch (op.kind) {
            case OpKind::Constant:
                stack[++top] = op.value;
                break;
            case OpKind::Variable:
                stack[++top] = variables.values[op.arg];
                break;
            case OpKind::Negate:
                stack[top] = -stack[top];
                break;
            case OpKind::Function:
                stack[top] =
                    eval::applyFunction(static_cast<FunctionId>(op.arg), stack[top], calcError);
                break;
            default:
                --top;
                stack[top] = applyBinary(op.kind, stack[top], stack[top + 1], calcError);
                break;
        }
    }
    return finalResult(stack[0], calcError, variableUsed_);
}

Evaluation evaluateFormulaFresh(std::string_view formula, const FormulaVariables& variables,
                                std::ostream& overflowOut) {
    eval::PreparedText prepared;
    eval::prepareInto(formula, prepared);
    eval::ScanFlags flags;
    DirectSemantics semantics{variables};
    double value = 0.0;
    switch (eval::parse(prepared.view(), semantics, flags, value)) {
        case eval::ParseOutcome::StackOverflow:
            writeOverflow(overflowOut);
            return {0.0, kSyntaxError};
        case eval::ParseOutcome::SyntaxError:
            return {0.0, kSyntaxError};
        case eval::ParseOutcome::Accepted:
            break;
    }
    return finalResult(value, flags.calcError || semantics.calcError, flags.variableUsed);
}

Evaluation evaluateFormulaFresh(std::string_view formula, const FormulaVariables& variables) {
    return evaluateFormulaFresh(formula, variables, std::cout);
}

Evaluation EvaluateFormula(std::string_view formula, const FormulaVariables& variables,
                           std::ostream& overflowOut) {
    thread_local FormulaCache cache;
    return cache.get(formula).evaluate(variables, overflowOut);
}

Evaluation EvaluateFormula(std::string_view formula, const FormulaVariables& variables) {
    return EvaluateFormula(formula, variables, std::cout);
}

}  // namespace textaria::calc
