#include "script/plot.h"

#include <algorithm>
#include <cmath>

#include "script/geometry.h"

namespace textaria::script {

namespace {

constexpr double kNearStep = 1e-6;

}  // namespace

TermFunction::TermFunction(std::string_view term, calc::FormulaVariables& variables)
    : formula_(term), variables_(variables) {}

PlotSample TermFunction::operator()(double x) const {
    variables_['X'] = x;
    const calc::Evaluation e = formula_.evaluate(variables_, overflow_);
    if (!calc::evaluationSucceeded(e.code)) return {0.0, false};
    return {std::clamp(e.value, -kEvaluationLimit, kEvaluationLimit), true};
}

PlotSample TermFunction::derivative(int n, double x) const {
    if (n <= 0) return (*this)(x);
    for (const double dx : {-kNearStep, 0.0, kNearStep})
        if (!(*this)(x + dx).ok) return {kFailedDerivative, false};
    const double h = kDerivativeStep;
    const PlotSample m2 = derivative(n - 1, x - 2 * h);
    const PlotSample m1 = derivative(n - 1, x - h);
    const PlotSample p1 = derivative(n - 1, x + h);
    const PlotSample p2 = derivative(n - 1, x + 2 * h);
    const bool ok = m2.ok && m1.ok && p1.ok && p2.ok;
    return {(m2.y - 8 * m1.y + 8 * p1.y - p2.y) / 0.012, ok};
}

WorldPolylines tracePlot(const PlotFunction& f, double x0, double x1, int steps, int range) {
    WorldPolylines lines;
    if (steps <= 0) return lines;
    const double r = range;
    const double h = (x1 - x0) / steps;
    // Every grid point is sampled once; the neighbours two steps away, which tell where the
    // function stops being defined, are grid points too.
    const int n = steps + 1;
    std::vector<PlotSample> s(static_cast<std::size_t>(n) + 4);
    for (int i = -2; i <= steps + 2; ++i) {
        PlotSample v = f(x0 + i * h);
        if (v.ok && std::isnan(v.y)) v.ok = false;
        s[static_cast<std::size_t>(i + 2)] = v;
    }
    auto at = [&](int i) -> const PlotSample& { return s[static_cast<std::size_t>(i + 2)]; };
    auto clampY = [&](double y) { return std::clamp(y, -r, r); };
    // A defined point whose neighbour on one side is undefined, and whose value grows towards
    // that side, runs on to the border there (a pole or a logarithm's edge).
    auto runsToBorder = [&](int i, int side) {
        if (at(i + side).ok || !at(i - side).ok) return false;
        const double y = at(i).y;
        const double inner = at(i - 2 * side).ok ? at(i - 2 * side).y : at(i - side).y;
        return std::fabs(y) > std::fabs(inner) && std::fabs(y - inner) > 0;
    };

    std::vector<calc::Point2> current;
    auto finish = [&] {
        if (!current.empty()) lines.push_back(std::move(current));
        current.clear();
    };
    for (int i = 0; i <= steps; ++i) {
        const PlotSample& v = at(i);
        if (!v.ok) {
            finish();
            continue;
        }
        const double x = x0 + i * h;
        const double y = clampY(v.y);
        if (!current.empty()) {
            const double previous = current.back().y;
            const bool joined = i > 0 && at(i - 1).ok && std::fabs(y - previous) < 2 * r;
            if (!joined) finish();
        }
        if (current.empty() && i > 0 && runsToBorder(i, -1))
            current.push_back({x, v.y > 0 ? r : -r});
        current.push_back({x, y});
        if (i < steps && runsToBorder(i, +1)) {
            current.push_back({x, v.y > 0 ? r : -r});
            finish();
        }
    }
    finish();
    return lines;
}

void drawWorldPolylines(DrawingContext& ctx, const WorldPolylines& lines) {
    std::vector<platform::CanvasPoint> pixels;
    for (const auto& line : lines) {
        pixels.clear();
        pixels.reserve(line.size());
        for (const calc::Point2& p : line) {
            const platform::CanvasPoint q = ctx.worldToPixel(p.x, p.y);
            if (pixels.empty() || !(pixels.back() == q)) pixels.push_back(q);
        }
        ctx.paint([&](platform::Canvas& canvas) { canvas.drawPolyline(pixels); });
    }
}

void plotFunction(DrawingContext& ctx, const PlotFunction& f,
                  std::optional<std::pair<double, double>> span) {
    const double x0 = span ? span->first : -ctx.range;
    const double x1 = span ? span->second : ctx.range;
    drawWorldPolylines(ctx, tracePlot(f, x0, x1, ctx.width(), ctx.range));
}

void plotMoved(DrawingContext& ctx, const PlotFunction& f, double dx, double dy, double degrees) {
    WorldPolylines lines = tracePlot(f, -ctx.range, ctx.range, ctx.width(), ctx.range);
    for (auto& line : lines)
        for (calc::Point2& p : line) p = translate(rotate(p, {0, 0}, degrees), dx, dy);
    drawWorldPolylines(ctx, lines);
}

void plotLine(DrawingContext& ctx, double k, double d, bool vertical) {
    if (vertical) {
        drawWorldPolylines(
            ctx, {{{d, -static_cast<double>(ctx.range)}, {d, static_cast<double>(ctx.range)}}});
        return;
    }
    plotFunction(ctx, [k, d](double x) { return PlotSample{k * x + d, true}; });
}

void tangentSweep(DrawingContext& ctx, const TermFunction& f, int n) {
    if (n == 0) return;
    const double r = ctx.range;
    const double step = 2 * r / std::abs(n);
    const double half = ctx.range / 2;  // whole units, as the sweep has always measured it
    for (double x = -r; x <= r; x += step) {
        const PlotSample y = f(x);
        const PlotSample slope = f.derivative(1, x);
        if (!y.ok || !slope.ok) continue;
        const double theta = std::atan(slope.y);
        const calc::Point2 a{x - half * std::cos(theta), y.y - half * std::sin(theta)};
        const calc::Point2 b{x + half * std::cos(theta), y.y + half * std::sin(theta)};
        if (std::fabs(std::max(a.y, b.y)) >= 2 * r) continue;
        if (n > 0)
            drawWorldPolylines(ctx, {{a, b}});
        else
            plotLine(ctx, slope.y, y.y - slope.y * x);
    }
}

}  // namespace textaria::script
