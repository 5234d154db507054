// The compiled form of a formula: a postfix program with the top of the stack in a register.
#include <cmath>

#include "calc/eval_math.h"
#include "calc/eval_parser.h"
#include "calc/eval_result.h"
#include "calc/eval_text.h"
#include "calc/eval_u.h"

namespace textaria::calc {
namespace {

using eval::FunctionId;
using eval::StackEntry;
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

enum class Form {
    RightConstant = 5,
    RightVariable = 10,
    LeftConstant = 15,
    LeftVariable = 20,
    VariableConstant = 25,
    ConstantVariable = 30,
    VariableVariable = 35,
};

constexpr OpKind withOperand(OpKind binary, Form form) {
    return static_cast<OpKind>(static_cast<int>(binary) + static_cast<int>(form));
}

bool isLeaf(const Op& op) { return op.kind == OpKind::Constant || op.kind == OpKind::Variable; }

// Emits the reductions as a postfix program. A constant subtree always ends up as one Constant
// op at the end of the program, so folding it replaces the ops of its operands; the folded value
// is computed by the same functions as at run time, which keeps results bit-identical.
struct CompileSemantics {
    struct Value {
        bool constant = false;
        double number = 0.0;
        std::uint16_t start = 0;  // index of the first op of this operand
    };
    std::vector<Op>& ops;
    bool calcError = false;

    Value token(const eval::Token& t) const { return {true, t.value, 0}; }

    std::uint16_t here() const { return static_cast<std::uint16_t>(ops.size()); }

    Value binary(OpKind kind, Value a, Value b) {
        if (a.constant && b.constant) {
            ops.pop_back();
            ops.back().value = applyBinary(kind, a.number, b.number, calcError);
            return {true, ops.back().value, a.start};
        }
        // A single constant or variable as an operand goes into the op itself; the op still
        // computes left op right in that order.
        Op& last = ops.back();
        if (isLeaf(last) && b.start == a.start + 1 && isLeaf(ops[a.start])) {
            bothLeaves(kind, ops[a.start], last);
            ops.pop_back();
            return {false, 0.0, a.start};
        }
        if (isLeaf(last)) {
            const bool constant = last.kind == OpKind::Constant;
            if (kind == OpKind::Power && constant && last.value == 2.0) {
                last.kind = OpKind::Square;
            } else {
                last.kind = withOperand(kind, constant ? Form::RightConstant : Form::RightVariable);
            }
            return {false, 0.0, a.start};
        }
        if (b.start == a.start + 1 && isLeaf(ops[a.start])) {
            Op leaf = ops[a.start];
            ops.erase(ops.begin() + a.start);
            leaf.kind = withOperand(
                kind, leaf.kind == OpKind::Constant ? Form::LeftConstant : Form::LeftVariable);
            ops.push_back(leaf);
            return {false, 0.0, a.start};
        }
        ops.push_back({kind, 0, 0, 0.0});
        return {false, 0.0, a.start};
    }

    // Two leaves (never two constants, which are folded) into one op in place of the left.
    static void bothLeaves(OpKind kind, Op& left, const Op& right) {
        if (left.kind == OpKind::Variable && right.kind == OpKind::Variable) {
            left = {withOperand(kind, Form::VariableVariable), left.arg, right.arg, 0.0};
        } else if (left.kind == OpKind::Variable) {
            left = {withOperand(kind, Form::VariableConstant), left.arg, 0, right.value};
            if (kind == OpKind::Power && right.value == 2.0) left.kind = OpKind::VariableSquare;
        } else {
            left = {withOperand(kind, Form::ConstantVariable), right.arg, 0, left.value};
        }
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
            case 9: {
                const Value v = rhs[1].value;
                if (v.constant) {
                    ops.back().value = -ops.back().value;
                    return {true, ops.back().value, v.start};
                }
                ops.push_back({OpKind::Negate, 0, 0, 0.0});
                return {false, 0.0, v.start};
            }
            case 13: {
                const std::uint16_t start = here();
                ops.push_back({OpKind::Variable, rhs[0].payload, 0, 0.0});
                return {false, 0.0, start};
            }
            case 14:
                return rhs[1].value;
            case 15: {
                const std::uint16_t start = here();
                ops.push_back({OpKind::Constant, 0, 0, rhs[0].value.number});
                return {true, rhs[0].value.number, start};
            }
            case 16: {
                const Value v = rhs[2].value;
                if (v.constant) {
                    ops.back().value = eval::applyFunction(static_cast<FunctionId>(rhs[0].payload),
                                                           v.number, calcError);
                    return {true, ops.back().value, v.start};
                }
                if (ops.back().kind == OpKind::Variable) {
                    ops.back() = {OpKind::FunctionOfVariable, rhs[0].payload, ops.back().arg, 0.0};
                    return {false, 0.0, v.start};
                }
                ops.push_back({OpKind::Function, rhs[0].payload, 0, 0.0});
                return {false, 0.0, v.start};
            }
            default:
                return rhs[0].value;
        }
    }
};

bool finite(double x) { return std::isfinite(x); }

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
            eval::finalResult(top.number, flags.calcError || semantics.calcError, variableUsed_);
    } else {
        fixed_ = false;
    }
    if (fixed_)
        ops_.clear();
    else
        ops_.push_back({OpKind::End, 0, 0, 0.0});
}

Evaluation CompiledFormula::fixedResult(std::ostream& overflowOut) const {
    if (overflow_) eval::writeOverflow(overflowOut);
    return fixedResult_;
}

// The fresh path tests every intermediate result for the double range. Here the test waits
// for the places where a value beyond the range could turn finite again: a divisor (x/inf is
// 0), the operands of a power and a function argument, and the final result. Everything else
// (+, -, *, negation) keeps an infinity or NaN as one, and division by exactly 0 makes one, so
// each calculation error of the fresh path is still caught. An error decides the outcome, so
// the run stops there.
Evaluation CompiledFormula::run(const double* vars) const {
    const int validCode = variableUsed_ ? kValidWithVariable : kValid;
    const Evaluation failed{0.0, validCode + 4};
    double stack[eval::kStackSize + 1];
    double* sp = stack;  // stack[0] is never read
    double t = 0.0;      // the top of the stack
    bool calcError = false;
    // The loop ends on a plain comparison, which predicts better than one more jump through the
    // op table would.
    const Op* const last = ops_.data() + ops_.size() - 1;  // the End op
    for (const Op* op = ops_.data(); op != last; ++op) {
        switch (op->kind) {
            case OpKind::Constant:
                *++sp = t;
                t = op->value;
                break;
            case OpKind::Variable:
                *++sp = t;
                t = vars[op->arg];
                break;
            case OpKind::Negate:
                t = -t;
                break;
            case OpKind::Function:
                if (!finite(t)) return failed;
                t = eval::applyFunction(static_cast<FunctionId>(op->arg), t, calcError);
                if (calcError) return failed;
                break;
            case OpKind::FunctionOfVariable:
                *++sp = t;
                t = vars[op->arg2];
                if (!finite(t)) return failed;
                t = eval::applyFunction(static_cast<FunctionId>(op->arg), t, calcError);
                if (calcError) return failed;
                break;
            case OpKind::Square: {
                const double m = std::fabs(t);
                if (m >= 1e-97 && m <= 1e97) [[likely]] {
                    t = t * t;
                    break;
                }
                if (!finite(t)) return failed;
                t = eval::powerInGeneral(t, 2.0, calcError);
                if (calcError) return failed;
                break;
            }
            case OpKind::Add:
                t = *sp-- + t;
                break;
            case OpKind::Subtract:
                t = *sp-- - t;
                break;
            case OpKind::Multiply:
                t = *sp-- * t;
                break;
            case OpKind::Divide:
                if (!finite(t)) return failed;
                t = *sp-- / t;
                break;
            case OpKind::Power:
                if (!finite(t) || !finite(*sp)) return failed;
                t = eval::power(*sp--, t, calcError);
                if (calcError) return failed;
                break;
            case OpKind::AddConstant:
                t = t + op->value;
                break;
            case OpKind::SubtractConstant:
                t = t - op->value;
                break;
            case OpKind::MultiplyConstant:
                t = t * op->value;
                break;
            case OpKind::DivideConstant:
                t = t / op->value;
                break;
            case OpKind::PowerConstant:
                if (!finite(t)) return failed;
                t = eval::power(t, op->value, calcError);
                if (calcError) return failed;
                break;
            case OpKind::AddVariable:
                t = t + vars[op->arg];
                break;
            case OpKind::SubtractVariable:
                t = t - vars[op->arg];
                break;
            case OpKind::MultiplyVariable:
                t = t * vars[op->arg];
                break;
            case OpKind::DivideVariable: {
                const double v = vars[op->arg];
                if (!finite(v)) return failed;
                t = t / v;
                break;
            }
            case OpKind::PowerVariable: {
                const double v = vars[op->arg];
                if (!finite(t) || !finite(v)) return failed;
                t = eval::power(t, v, calcError);
                if (calcError) return failed;
                break;
            }
            case OpKind::ConstantAdd:
                t = op->value + t;
                break;
            case OpKind::ConstantSubtract:
                t = op->value - t;
                break;
            case OpKind::ConstantMultiply:
                t = op->value * t;
                break;
            case OpKind::ConstantDivide:
                if (!finite(t)) return failed;
                t = op->value / t;
                break;
            case OpKind::ConstantPower:
                if (!finite(t)) return failed;
                t = eval::power(op->value, t, calcError);
                if (calcError) return failed;
                break;
            case OpKind::VariableAdd:
                t = vars[op->arg] + t;
                break;
            case OpKind::VariableSubtract:
                t = vars[op->arg] - t;
                break;
            case OpKind::VariableMultiply:
                t = vars[op->arg] * t;
                break;
            case OpKind::VariableDivide:
                if (!finite(t)) return failed;
                t = vars[op->arg] / t;
                break;
            case OpKind::VariablePower: {
                const double v = vars[op->arg];
                if (!finite(t) || !finite(v)) return failed;
                t = eval::power(v, t, calcError);
                if (calcError) return failed;
                break;
            }
            // Both operands in the op: the old top goes onto the stack.
            case OpKind::VariableAddConstant:
                *++sp = t;
                t = vars[op->arg] + op->value;
                break;
            case OpKind::VariableSubtractConstant:
                *++sp = t;
                t = vars[op->arg] - op->value;
                break;
            case OpKind::VariableMultiplyConstant:
                *++sp = t;
                t = vars[op->arg] * op->value;
                break;
            case OpKind::VariableDivideConstant:
                *++sp = t;
                t = vars[op->arg] / op->value;
                break;
            case OpKind::VariablePowerConstant:
                *++sp = t;
                t = vars[op->arg];
                if (!finite(t)) return failed;
                t = eval::power(t, op->value, calcError);
                if (calcError) return failed;
                break;
            case OpKind::VariableSquare: {
                *++sp = t;
                t = vars[op->arg];
                const double m = std::fabs(t);
                if (m >= 1e-97 && m <= 1e97) [[likely]] {
                    t = t * t;
                    break;
                }
                if (!finite(t)) return failed;
                t = eval::powerInGeneral(t, 2.0, calcError);
                if (calcError) return failed;
                break;
            }
            case OpKind::ConstantAddVariable:
                *++sp = t;
                t = op->value + vars[op->arg];
                break;
            case OpKind::ConstantSubtractVariable:
                *++sp = t;
                t = op->value - vars[op->arg];
                break;
            case OpKind::ConstantMultiplyVariable:
                *++sp = t;
                t = op->value * vars[op->arg];
                break;
            case OpKind::ConstantDivideVariable: {
                *++sp = t;
                const double v = vars[op->arg];
                if (!finite(v)) return failed;
                t = op->value / v;
                break;
            }
            case OpKind::ConstantPowerVariable: {
                *++sp = t;
                const double v = vars[op->arg];
                if (!finite(v)) return failed;
                t = eval::power(op->value, v, calcError);
                if (calcError) return failed;
                break;
            }
            case OpKind::VariableAddVariable:
                *++sp = t;
                t = vars[op->arg] + vars[op->arg2];
                break;
            case OpKind::VariableSubtractVariable:
                *++sp = t;
                t = vars[op->arg] - vars[op->arg2];
                break;
            case OpKind::VariableMultiplyVariable:
                *++sp = t;
                t = vars[op->arg] * vars[op->arg2];
                break;
            case OpKind::VariableDivideVariable: {
                *++sp = t;
                const double v = vars[op->arg2];
                if (!finite(v)) return failed;
                t = vars[op->arg] / v;
                break;
            }
            case OpKind::VariablePowerVariable: {
                *++sp = t;
                const double v = vars[op->arg];
                const double w = vars[op->arg2];
                if (!finite(v) || !finite(w)) return failed;
                t = eval::power(v, w, calcError);
                if (calcError) return failed;
                break;
            }
            default:  // End is never reached; this spares the range check
                __builtin_unreachable();
        }
    }
    if (!finite(t)) return failed;
    return {eval::snapToZero(t), validCode};
}

}  // namespace textaria::calc
