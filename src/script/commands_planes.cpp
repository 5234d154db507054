// Lines and planes: normal forms, distances, the line through two space points, and the
// classification of plane equations by their zero coefficients.
#include <cmath>
#include <string>

#include "script/command_util.h"
#include "script/vector_util.h"

namespace textaria::script {
namespace {

// Coefficients and constant divided by their gcd (the GGT rule) when all are whole numbers
// and not all zero.
void reduceWhole(double* values, std::size_t count) {
    std::int64_t g = 0;
    std::array<std::int64_t, 4> whole{};
    for (std::size_t i = 0; i < count; ++i) {
        const auto value = nearestInteger(values[i]);
        if (!value || double(*value) != values[i]) return;
        whole[i] = *value;
        g = i == 0 ? *value : euclid(g, *value);
    }
    if (g == 0) return;
    for (std::size_t i = 0; i < count; ++i) values[i] = double(whole[i] / g);
}

// "a * x + b * y  =  d" or "a * x + b * y + c * z  =  d".
std::string equationText(const CommandCall& call, const double* values, std::size_t unknowns) {
    static constexpr const char* kUnknowns[] = {" * x", " * y", " * z"};
    std::string text;
    for (std::size_t i = 0; i < unknowns; ++i) {
        if (i > 0) text += " + ";
        text += call.format(values[i]) + kUnknowns[i];
    }
    return text + "  =  " + call.format(values[unknowns]);
}

void normalForm(CommandCall& call) {
    const std::size_t n = call.count() == 6 ? 3 : 2;
    const Vec a = vectorAt(call, 0, n);
    const Vec normal = vectorAt(call, 1, n);
    double values[4] = {normal[0], normal[1], normal[2], 0};
    values[n] = dot(normal, a);
    reduceWhole(values, n + 1);
    call.writeLine(equationText(call, values, n));
}

void distance(CommandCall& call) {
    const std::size_t n = call.count() == 9 ? 3 : 2;
    const Vec a = vectorAt(call, 0, n);
    const Vec q = vectorAt(call, 1, n);
    const Vec normal = vectorAt(call, 2, n);
    const double l = length(normal);
    if (l == 0) {
        call.reportError();
        return;
    }
    const Vec e = combine(normal, 1.0 / l, normal, 0.0);
    const double d = dot(e, combine(q, 1.0, a, -1.0));
    call.writeValue('z', std::fabs(d));
    writeVector(call, 'Z', combine(a, 1.0, e, d));
}

// The line through A and B as the intersection of two planes.
void lineAsPlanes(CommandCall& call) {
    if (!call.spaceMode()) return;
    const Vec a = vectorAt(call, 0, 3);
    const Vec d = combine(vectorAt(call, 1, 3), 1.0, a, -1.0);
    Vec first = d;
    first.v = {d[1], -d[0], 0.0};
    Vec second = d;
    second.v = {d[0] * d[2], d[1] * d[2], -(d[0] * d[0] + d[1] * d[1])};
    const struct {
        const Vec& normal;
        char point;
        char constant;
        int slot;
    } planes[] = {{first, 'P', 'p', 1}, {second, 'Q', 'q', 2}};
    for (const auto& plane : planes) {
        double values[4] = {plane.normal[0], plane.normal[1], plane.normal[2],
                            dot(plane.normal, a)};
        reduceWhole(values, 4);
        const std::string equation = equationText(call, values, 3);
        call.writeLine(" " + equation);
        call.writePoint(plane.point, values, 3);
        call.writeLine(std::string(" ") + plane.constant + " = " + call.format(values[3]));
        if (call.running()) call.state.numeric.functionSlot(plane.slot) = equation;
    }
}

void planeThroughPoints(CommandCall& call) {
    if (!call.spaceMode()) return;
    const Vec a = vectorAt(call, 0, 3);
    const Vec normal = cross(combine(vectorAt(call, 1, 3), 1.0, a, -1.0),
                             combine(vectorAt(call, 2, 3), 1.0, a, -1.0));
    double values[4] = {normal[0], normal[1], normal[2], dot(normal, a)};
    reduceWhole(values, 4);
    call.writeLine(equationText(call, values, 3));
}

// 0 all of a, b, c zero; 1 only c zero; 2 only b; 3 only a; 4 only a non-zero; 5 only b;
// 6 only c; 7 none zero.
int zeroCode(double a, double b, double c) {
    const bool za = a == 0;
    const bool zb = b == 0;
    const bool zc = c == 0;
    const int zeros = int(za) + int(zb) + int(zc);
    if (zeros == 3) return 0;
    if (zeros == 0) return 7;
    if (zeros == 1) return zc ? 1 : zb ? 2 : 3;
    return !za ? 4 : !zb ? 5 : 6;
}

void classifyPlane(CommandCall& call) {
    call.writeValue('z', zeroCode(call.number(0), call.number(1), call.number(2)));
}

void classifyTwoPlanes(CommandCall& call) {
    const int first = zeroCode(call.number(0), call.number(1), call.number(2));
    const int second = zeroCode(call.number(4), call.number(5), call.number(6));
    int code = 7;
    if (first == second && first != 7) code = first >= 1 && first <= 3 ? first : 0;
    call.writeValue('z', code);
}

}  // namespace

void registerCommands_planes(CommandTable& table) {
    using F = ArgumentForm;
    table.add({"VNG", F::Points, countRange(4, 6, 2), normalForm});
    table.add({"VNA", F::Points, countRange(6, 9, 3), distance});
    table.add({"VGG", F::Points, count(6), lineAsPlanes});
    table.add({"VEG", F::Points, count(9), planeThroughPoints});
    table.add({"EET", F::Formulas, count(4), classifyPlane});
    table.add({"GET", F::Formulas, count(8), classifyTwoPlanes});
}

}  // namespace textaria::script
