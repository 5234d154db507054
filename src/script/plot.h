// Function graphs on the drawing surface: sampling a term in X, the plot itself (one step per
// pixel column, values clamped to the window, no line across a pole), the derivative, scaled
// and moved plots, and the tangent sweep.
#pragma once

#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/eval_u.h"
#include "calc/numeric_context.h"
#include "script/draw_context.h"

namespace textaria::script {

// Function values beyond this are cut to it (the evaluator layer's limit).
inline constexpr double kEvaluationLimit = 1e36;
// The five-point derivative: step and the value that marks a failure.
inline constexpr double kDerivativeStep = 0.001;
inline constexpr double kFailedDerivative = 1e18;

struct PlotSample {
    double y = 0.0;
    bool ok = false;
};

using PlotFunction = std::function<PlotSample(double x)>;

// A formula text in X, compiled once and evaluated with the shared variables (X is written).
class TermFunction {
  public:
    TermFunction(std::string_view term, calc::FormulaVariables& variables);
    PlotSample operator()(double x) const;
    // The n-th derivative (0..2) by the five-point formula; nothing when f fails near x.
    PlotSample derivative(int n, double x) const;

  private:
    calc::CompiledFormula formula_;
    calc::FormulaVariables& variables_;
    mutable std::ostringstream overflow_;
};

// The curve as world-coordinate polylines: each inner vector is drawn connected.
using WorldPolylines = std::vector<std::vector<calc::Point2>>;

// Samples f from x0 to x1 in `steps` steps and joins neighbours that both succeeded and lie
// less than the window height (2 range) apart after clamping to [-range, range]. A defined
// point next to an undefined one whose value grows towards it is continued to the border.
WorldPolylines tracePlot(const PlotFunction& f, double x0, double x1, int steps, int range);

// The plot of f over the window (or over [from, to]) with the current pen.
void plotFunction(DrawingContext& ctx, const PlotFunction& f,
                  std::optional<std::pair<double, double>> span = std::nullopt);
// The same, each curve point turned by the angle about the origin and shifted by (dx, dy).
void plotMoved(DrawingContext& ctx, const PlotFunction& f, double dx, double dy, double degrees);
// The line y = k x + d plotted across the window; a vertical line x = d from -R to R.
void plotLine(DrawingContext& ctx, double k, double d, bool vertical = false);
// Draws world polylines with the current pen.
void drawWorldPolylines(DrawingContext& ctx, const WorldPolylines& lines);

// The tangent sweep: pieces (n > 0) or whole lines (n < 0) at |n| steps from -R to R.
void tangentSweep(DrawingContext& ctx, const TermFunction& f, int n);

}  // namespace textaria::script
