// Complex numbers: a point letter or a pair of numbers is re + i*im.
#include <cmath>
#include <string>

#include "calc/numeric_structured.h"
#include "script/command_util.h"

namespace textaria::script {
namespace {

using calc::ComplexValue;

ComplexValue operand(const CommandCall& call, std::size_t first) {
    return {call.number(first), call.number(first + 1)};
}

void writeComplex(CommandCall& call, ComplexValue value) {
    call.writePoint('Z', calc::Point2{value.re, value.im});
}

void arithmetic(CommandCall& call, char op) {
    const ComplexValue a = operand(call, 0);
    const ComplexValue b = operand(call, 2);
    switch (op) {
        case '+':
            writeComplex(call, {a.re + b.re, a.im + b.im});
            break;
        case '-':
            writeComplex(call, {a.re - b.re, a.im - b.im});
            break;
        case '*':
            writeComplex(call, {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re});
            break;
        default: {
            const double r2 = b.re * b.re + b.im * b.im;
            if (r2 == 0) {
                call.reportError();
                return;
            }
            writeComplex(call,
                         {(a.re * b.re + a.im * b.im) / r2, (a.im * b.re - a.re * b.im) / r2});
        }
    }
}

// z^e through the polar form: modulus r^e, angle times e brought into 0..360.
void power(CommandCall& call, bool root) {
    const auto exponent = calc::EvaluateFormula(call.items.item(1), call.state.variables);
    if (!calc::evaluationSucceeded(exponent.code) || (root && exponent.value == 0)) {
        call.reportError();
        return;
    }
    const double e = root ? 1.0 / exponent.value : exponent.value;
    const calc::PolarValue polar = calc::toPolar(operand(call, 0));
    double angle = std::fmod(polar.angle * e, 360.0);
    if (angle < 0) angle += 360.0;
    writeComplex(call, calc::fromPolar({std::pow(polar.radius, e), angle}));
}

void toPolarForm(CommandCall& call) {
    const calc::PolarValue polar = calc::toPolar(operand(call, 0));
    call.writePoint('Z', calc::Point2{polar.radius, polar.angle});
}

void toBinomialForm(CommandCall& call) {
    writeComplex(call, calc::fromPolar({call.number(0), call.number(1)}));
}

void complexExpression(CommandCall& call) {
    const std::string text = upper(withFunctionTerms(call.arguments, call.state.numeric));
    const ComplexValue value =
        calc::EvaluateComplex(text, call.state.variables, call.state.numeric);
    if (call.state.ErrorFlag()) return;
    writeComplex(call, value);
}

}  // namespace

void registerCommands_complex(CommandTable& table) {
    using F = ArgumentForm;
    table.add({"ADD", F::PlanePoints, count(4), [](CommandCall& c) { arithmetic(c, '+'); }});
    table.add({"SUB", F::PlanePoints, count(4), [](CommandCall& c) { arithmetic(c, '-'); }});
    table.add({"MUL", F::PlanePoints, count(4), [](CommandCall& c) { arithmetic(c, '*'); }});
    table.add({"DIV", F::PlanePoints, count(4), [](CommandCall& c) { arithmetic(c, '/'); }});
    table.add({"POT", F::PlanePoints, count(3), [](CommandCall& c) { power(c, false); }});
    table.add({"WUR", F::PlanePoints, count(3), [](CommandCall& c) { power(c, true); }});
    table.add({"POL", F::PlanePoints, count(2), toPolarForm});
    table.add({"BIN", F::PlanePoints, count(2), toBinomialForm});
    table.add({"KPX", F::Text, anyCount(), complexExpression});
}

}  // namespace textaria::script
