#include "script/plot_search.h"

#include <cmath>

namespace textaria::script {

std::optional<double> simpson(const PlotFunction& f, double a, double b, bool signCheck) {
    const double h = (b - a) / kSimpsonIntervals;
    PlotSample previous = f(a);
    if (!previous.ok) return std::nullopt;
    double sum = previous.y;
    for (int k = 1; k <= kSimpsonIntervals; ++k) {
        const PlotSample current = f(a + k * h);
        if (!current.ok) return std::nullopt;
        if (signCheck && previous.y * current.y < 0) return std::nullopt;
        sum += (k == kSimpsonIntervals ? 1 : (k % 2 == 1 ? 4 : 2)) * current.y;
        previous = current;
    }
    return h * sum / 3;
}

std::optional<double> arcIntegral(const TermFunction& f, ArcIntegral kind, double a, double b) {
    const PlotFunction integrand = [&](double x) -> PlotSample {
        const PlotSample slope = f.derivative(1, x);
        if (!slope.ok) return {0.0, false};
        const double arc = std::sqrt(1 + slope.y * slope.y);
        switch (kind) {
            case ArcIntegral::Length:
                return {arc, true};
            case ArcIntegral::XMoment:
                return {x * arc, true};
            case ArcIntegral::YMoment: {
                const PlotSample y = f(x);
                return {y.y * arc, y.ok};
            }
        }
        return {0.0, false};
    };
    return simpson(integrand, a, b, false);
}

std::optional<double> normalDistribution(double x, calc::FormulaVariables& variables) {
    const TermFunction density("EXP(-X*X/2) / SQRT(2*PI)", variables);
    const auto value = simpson([&](double t) { return density(t); }, 0, x, true);
    if (!value) return std::nullopt;
    return std::fabs(*value);
}

SearchResult bisect(const PlotFunction& g, double a, double b, double tolerance,
                    calc::InterruptPoll& interrupt) {
    double u = a;
    double v = b;
    for (;;) {
        if (interrupt.escapePressed()) return {SearchEnd::Interrupted, u};
        const PlotSample gu = g(u);
        if (gu.ok && std::fabs(gu.y) < tolerance) return {SearchEnd::Found, u};
        const double m = u + (v - u) / 2;
        if (m == u || m == v || !std::isfinite(m)) return {SearchEnd::Stuck, m};
        const PlotSample gm = g(m);
        if (!gm.ok || gu.y * gm.y > 0)
            u = m;
        else
            v = m;
        if (gm.ok && std::fabs(gm.y) < tolerance) return {SearchEnd::Found, m};
    }
}

SearchResult zeroOfDerivative(const TermFunction& f, int n, double a, double b,
                              calc::InterruptPoll& interrupt) {
    return bisect([&](double x) { return f.derivative(n, x); }, a, b, kZeroTolerance, interrupt);
}

std::optional<Tangent> tangentAt(const TermFunction& f, double x0) {
    const PlotSample y = f(x0);
    const PlotSample k = f.derivative(1, x0);
    if (!y.ok || !k.ok) return std::nullopt;
    return Tangent{{x0, y.y}, k.y, y.y - k.y * x0};
}

TouchResult tangentFromPoint(const TermFunction& f, calc::Point2 p, double a, double b,
                             calc::InterruptPoll& interrupt) {
    const PlotFunction g = [&](double x) -> PlotSample {
        const PlotSample y = f(x);
        const PlotSample k = f.derivative(1, x);
        if (!y.ok || !k.ok) return {0.0, false};
        return {y.y + k.y * (p.x - x) - p.y, true};
    };
    const SearchResult found = bisect(g, a, b, kTouchTolerance, interrupt);
    TouchResult result;
    result.end = found.end;
    if (found.end != SearchEnd::Found) return result;
    const auto tangent = tangentAt(f, found.x);
    if (!tangent) {
        result.end = SearchEnd::Stuck;
        return result;
    }
    result.tangent = *tangent;
    return result;
}

std::string differenceTerm(std::string_view f1, std::string_view f2) {
    std::string term = "(";
    term += f1;
    term += ")-(";
    term += f2;
    term += ")";
    return term;
}

}  // namespace textaria::script
