// Numbers computed from function graphs: integrals, arc integrals, the normal distribution,
// zeros, extrema and inflection points by bisection, and tangents.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/calculator_interrupt.h"
#include "script/plot.h"

namespace textaria::script {

inline constexpr int kSimpsonIntervals = 1000;
inline constexpr double kZeroTolerance = 1e-8;
inline constexpr double kTouchTolerance = 1e-9;

// Simpson's rule with 1000 intervals. With signCheck a sign change between two neighbouring
// nodes fails like a failed evaluation.
std::optional<double> simpson(const PlotFunction& f, double a, double b, bool signCheck);

enum class ArcIntegral { Length, XMoment, YMoment };
// sqrt(1 + f'^2), x sqrt(1 + f'^2) or f sqrt(1 + f'^2) integrated from a to b.
std::optional<double> arcIntegral(const TermFunction& f, ArcIntegral kind, double a, double b);

// The standard normal distribution from 0 to x (its absolute value).
std::optional<double> normalDistribution(double x, calc::FormulaVariables& variables);

enum class SearchEnd { Found, Interrupted, Stuck };
struct SearchResult {
    SearchEnd end = SearchEnd::Stuck;
    double x = 0.0;
};

// Bisection of g in [a, b]: the left end moves while g keeps its sign there (or fails at the
// midpoint) until |g| < tolerance. Escape is polled in every step. When the interval cannot be
// halved any more without reaching the tolerance the search is Stuck: g has no zero there that
// bisection can find (it would otherwise run until Escape).
SearchResult bisect(const PlotFunction& g, double a, double b, double tolerance,
                    calc::InterruptPoll& interrupt);

// A zero of the n-th derivative of f in [a, b].
SearchResult zeroOfDerivative(const TermFunction& f, int n, double a, double b,
                              calc::InterruptPoll& interrupt);

struct Tangent {
    calc::Point2 touch;  // T
    double k = 0.0;
    double d = 0.0;
};

// The tangent at x0; nothing when f or its derivative fails there.
std::optional<Tangent> tangentAt(const TermFunction& f, double x0);

// The tangent from p that touches f in [a, b]: bisection on f(x) + f'(x) (px - x) - py.
struct TouchResult {
    SearchEnd end = SearchEnd::Stuck;
    Tangent tangent;
};
TouchResult tangentFromPoint(const TermFunction& f, calc::Point2 p, double a, double b,
                             calc::InterruptPoll& interrupt);

// The text of two graphs' difference whose zeros are their intersections.
std::string differenceTerm(std::string_view f1, std::string_view f2);

}  // namespace textaria::script
