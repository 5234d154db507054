// Vectors of the current dimension as the V-commands read them from their numbers.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "script/command_table.h"

namespace textaria::script {

struct Vec {
    std::array<double, 3> v{};
    std::size_t n = 2;  // dimension 2 or 3

    double operator[](std::size_t i) const { return v[i]; }
    double& operator[](std::size_t i) { return v[i]; }
};

// Vector number `which` (0-based) of dimension n from the call's numbers.
inline Vec vectorAt(const CommandCall& call, std::size_t which, std::size_t n) {
    Vec result;
    result.n = n;
    for (std::size_t i = 0; i < n; ++i) result[i] = call.number(which * n + i);
    return result;
}

inline double dot(const Vec& a, const Vec& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.n; ++i) sum += a[i] * b[i];
    return sum;
}

inline double length(const Vec& a) { return std::sqrt(dot(a, a)); }

inline Vec cross(const Vec& a, const Vec& b) {
    Vec c;
    c.n = 3;
    c[0] = a[1] * b[2] - a[2] * b[1];
    c[1] = a[2] * b[0] - a[0] * b[2];
    c[2] = a[0] * b[1] - a[1] * b[0];
    return c;
}

inline Vec combine(const Vec& a, double s, const Vec& b, double t) {
    Vec c = a;
    for (std::size_t i = 0; i < a.n; ++i) c[i] = s * a[i] + t * b[i];
    return c;
}

inline void writeVector(CommandCall& call, char letter, const Vec& a) {
    call.writePoint(letter, a.v.data(), a.n);
}

inline std::size_t dimension(const CommandCall& call) { return call.spaceMode() ? 3 : 2; }

}  // namespace textaria::script
