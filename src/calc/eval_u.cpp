#include "calc/eval_u.h"

#include <cstring>
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
                return eval::readVariable(variables.values[rhs[0].payload], calcError);
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

constexpr OpKind withOperand(OpKind binary, OpKind leaf) {
    const int form = leaf == OpKind::Constant ? 5 : 10;
    return static_cast<OpKind>(static_cast<int>(binary) + form);
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
        // A right operand that is a single constant or variable goes into the op itself.
        Op& last = ops.back();
        if (last.kind == OpKind::Constant || last.kind == OpKind::Variable) {
            last.kind = withOperand(kind, last.kind);
            return {};
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

std::uint64_t load8(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

// A quick hash of the length and three 8-byte windows (start, middle, end); the key itself is
// compared on a hit, so a weak spot only costs a slot. Never 0, which marks an empty slot.
std::uint64_t textHash(std::string_view text) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    const std::size_t n = text.size();
    const char* p = text.data();
    std::uint64_t h = n * kMultiplier;
    if (n >= 8) {
        h = (h ^ load8(p)) * kMultiplier;
        h = (h ^ load8(p + n / 2 - 4)) * kMultiplier;
        h = (h ^ load8(p + n - 8)) * kMultiplier;
    } else {
        for (std::size_t i = 0; i < n; ++i)
            h = (h ^ static_cast<unsigned char>(p[i])) * kMultiplier;
    }
    h ^= h >> 29;
    return h | 1;
}

// The most recently used texts of this thread and their programs.
class FormulaCache {
  public:
    const CompiledFormula& get(std::string_view text) {
        const std::uint64_t hash = textHash(text);
        for (std::size_t probe = 0; probe < kProbes; ++probe) {
            const std::size_t i = (hash + probe) & (kSlots - 1);
            if (hashes_[i] == 0) return fill(i, hash, text);
            if (hashes_[i] == hash && slots_[i].key == text) return slots_[i].program;
        }
        // All candidate slots taken: replace them in turn.
        victim_ = (victim_ + 1) % kProbes;
        return fill((hash + victim_) & (kSlots - 1), hash, text);
    }

  private:
    static constexpr std::size_t kSlots = 256;
    static constexpr std::size_t kProbes = 4;
    struct Slot {
        std::string key;
        CompiledFormula program;
    };
    const CompiledFormula& fill(std::size_t i, std::uint64_t hash, std::string_view text) {
        hashes_[i] = hash;
        slots_[i].key.assign(text);
        slots_[i].program.compile(text);
        return slots_[i].program;
    }
    std::array<std::uint64_t, kSlots> hashes_{};
    std::unique_ptr<Slot[]> slots_ = std::make_unique<Slot[]>(kSlots);
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
    // Slot 0 stays unused so that the top reference is valid before the first push.
    double stack[eval::kStackSize + 1];
    stack[0] = stack[1] = 0.0;
    int top = 0;
    bool calcError = false;
    const double* vars = variables.values.data();
    for (const Op& op : ops_) {
        double& x = stack[top];
        switch (op.kind) {
            case OpKind::Constant:
                stack[++top] = op.value;
                break;
            case OpKind::Variable:
                stack[++top] = eval::readVariable(vars[op.arg], calcError);
                break;
            case OpKind::Negate:
                x = -x;
                break;
            case OpKind::Function:
                x = eval::applyFunction(static_cast<FunctionId>(op.arg), x, calcError);
                break;
            case OpKind::Add:
                --top;
                stack[top] = eval::add(stack[top], x, calcError);
                break;
            case OpKind::Subtract:
                --top;
                stack[top] = eval::subtract(stack[top], x, calcError);
                break;
            case OpKind::Multiply:
                --top;
                stack[top] = eval::multiply(stack[top], x, calcError);
                break;
            case OpKind::Divide:
                --top;
                stack[top] = eval::divide(stack[top], x, calcError);
                break;
            case OpKind::Power:
                --top;
                stack[top] = eval::power(stack[top], x, calcError);
                break;
            case OpKind::AddConstant:
                x = eval::add(x, op.value, calcError);
                break;
            case OpKind::SubtractConstant:
                x = eval::subtract(x, op.value, calcError);
                break;
            case OpKind::MultiplyConstant:
                x = eval::multiply(x, op.value, calcError);
                break;
            case OpKind::DivideConstant:
                x = eval::divide(x, op.value, calcError);
                break;
            case OpKind::PowerConstant:
                x = eval::power(x, op.value, calcError);
                break;
            case OpKind::AddVariable:
                x = eval::add(x, eval::readVariable(vars[op.arg], calcError), calcError);
                break;
            case OpKind::SubtractVariable:
                x = eval::subtract(x, eval::readVariable(vars[op.arg], calcError), calcError);
                break;
            case OpKind::MultiplyVariable:
                x = eval::multiply(x, eval::readVariable(vars[op.arg], calcError), calcError);
                break;
            case OpKind::DivideVariable:
                x = eval::divide(x, eval::readVariable(vars[op.arg], calcError), calcError);
                break;
            case OpKind::PowerVariable:
                x = eval::power(x, eval::readVariable(vars[op.arg], calcError), calcError);
                break;
        }
    }
    return finalResult(stack[1], calcError, variableUsed_);
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
