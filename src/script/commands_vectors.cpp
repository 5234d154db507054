// Vector commands: sums, multiples, products, lengths, angles, areas, unit and normal vectors.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/numeric_structured.h"
#include "script/command_util.h"
#include "script/vector_util.h"

namespace textaria::script {
namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

void vectorExpression(CommandCall& call) {
    auto& numeric = call.state.numeric;
    if (call.spaceMode()) {
        const calc::Point3 p =
            calc::EvaluateSpaceVector(call.arguments, call.state.variables, numeric);
        if (!numeric.errorFlag) call.writePoint('Z', p);
    } else {
        const calc::Point2 p =
            calc::EvaluatePlaneVector(call.arguments, call.state.variables, numeric);
        if (!numeric.errorFlag) call.writePoint('Z', p);
    }
}

void sumOrDifference(CommandCall& call, double sign) {
    const std::size_t n = dimension(call);
    writeVector(call, 'Z', combine(vectorAt(call, 0, n), 1.0, vectorAt(call, 1, n), sign));
}

void multiple(CommandCall& call) {
    const std::size_t n = dimension(call);
    const auto factor =
        calc::EvaluateFormula(call.items.item(call.items.count() - 1), call.state.variables);
    if (!calc::evaluationSucceeded(factor.code)) {
        call.reportError();
        return;
    }
    const Vec a = vectorAt(call, 0, n);
    writeVector(call, 'Z', combine(a, factor.value, a, 0.0));
}

// c = a x b, then c divided by the signed gcd of its components when they are whole numbers.
void vectorProduct(CommandCall& call) {
    const Vec c = cross(vectorAt(call, 0, 3), vectorAt(call, 1, 3));
    writeVector(call, 'Z', c);
    Vec reduced = c;
    const auto c0 = nearestInteger(c[0]);
    const auto c1 = nearestInteger(c[1]);
    const auto c2 = nearestInteger(c[2]);
    const bool whole =
        c0 && c1 && c2 && double(*c0) == c[0] && double(*c1) == c[1] && double(*c2) == c[2];
    if (whole) {
        const std::int64_t g = euclid(euclid(*c0, *c1), *c2);
        // A zero product has no divisor and stays as it is.
        if (g != 0) {
            reduced[0] = double(*c0 / g);
            reduced[1] = double(*c1 / g);
            reduced[2] = double(*c2 / g);
        }
    }
    writeVector(call, 'P', reduced);
}

void scalarProduct(CommandCall& call) {
    const std::size_t n = dimension(call);
    call.writeValue('z', dot(vectorAt(call, 0, n), vectorAt(call, 1, n)));
}

void vectorLength(CommandCall& call) {
    call.writeValue('z', length(vectorAt(call, 0, dimension(call))));
}

void angle(CommandCall& call) {
    const std::size_t n = dimension(call);
    const Vec a = vectorAt(call, 0, n);
    const Vec b = vectorAt(call, 1, n);
    const double lengths = length(a) * length(b);
    if (lengths == 0) {
        call.reportError();
        return;
    }
    call.writeValue('z', std::acos(std::clamp(dot(a, b) / lengths, -1.0, 1.0)) * kDegrees);
}

void parallelogramArea(CommandCall& call) {
    const std::size_t n = dimension(call);
    const Vec a = vectorAt(call, 0, n);
    const Vec b = vectorAt(call, 1, n);
    call.writeValue('z', n == 2 ? std::fabs(a[0] * b[1] - a[1] * b[0]) : length(cross(a, b)));
}

// The triple product a . (b x c), with its sign.
void volume(CommandCall& call) {
    const Vec a = vectorAt(call, 0, 3);
    call.writeValue('z', dot(a, cross(vectorAt(call, 1, 3), vectorAt(call, 2, 3))));
}

void unitVector(CommandCall& call) {
    const Vec a = vectorAt(call, 0, dimension(call));
    const double l = length(a);
    if (l == 0) {
        call.reportError();
        return;
    }
    writeVector(call, 'Z', combine(a, 1.0 / l, a, 0.0));
}

// Plane: (y, -x). Space: two independent normals P and Q and their cross product Z.
void normalVectors(CommandCall& call) {
    const std::size_t n = dimension(call);
    const Vec a = vectorAt(call, 0, n);
    if (length(a) == 0) {
        call.reportError();
        return;
    }
    if (n == 2) {
        Vec z = a;
        z[0] = a[1];
        z[1] = -a[0];
        writeVector(call, 'Z', z);
        return;
    }
    Vec p = a;
    Vec q = a;
    if (a[0] != 0) {
        p.v = {a[1], -a[0], 0.0};
        q.v = {a[2], 0.0, -a[0]};
    } else {
        p.v = {0.0, a[2], -a[1]};
        q.v = {1.0, 0.0, 0.0};
    }
    writeVector(call, 'P', p);
    writeVector(call, 'Q', q);
    writeVector(call, 'Z', cross(p, q));
}

}  // namespace

void registerCommands_vectors(CommandTable& table) {
    using F = ArgumentForm;
    const CountRule twoVectors = countRange(4, 6, 2);
    const CountRule oneVector = countRange(2, 3);
    table.add({"VEK", F::Text, anyCount(), vectorExpression});
    table.add({"VSU", F::Points, twoVectors, [](CommandCall& c) { sumOrDifference(c, 1.0); }});
    table.add({"VDI", F::Points, twoVectors, [](CommandCall& c) { sumOrDifference(c, -1.0); }});
    table.add({"VFA", F::Points, countRange(3, 4), multiple});
    table.add({"VPR", F::Points, count(6), vectorProduct});
    table.add({"VSK", F::Points, twoVectors, scalarProduct});
    table.add({"VLE", F::Points, oneVector, vectorLength});
    table.add({"VWI", F::Points, twoVectors, angle});
    table.add({"VFL", F::Points, twoVectors, parallelogramArea});
    table.add({"VOL", F::Points, count(9), volume});
    table.add({"VEV", F::Points, oneVector, unitVector});
    table.add({"VNV", F::Points, oneVector, normalVectors});
}

}  // namespace textaria::script
