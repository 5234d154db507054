// Function plotting commands: graphs, derivatives, tangents, integrals, zeros and
// intersections of graphs.
#include <cmath>

#include "calc/numeric_text.h"
#include "script/command_util.h"
#include "script/draw_arguments.h"
#include "script/draw_shapes.h"
#include "script/plot.h"
#include "script/plot_search.h"
#include "script/texts.h"

namespace textaria::script {
namespace {

using F = ArgumentForm;

// The numbers after the function item, variables allowed; nothing when one is no number.
std::optional<std::vector<double>> numbersAfter(const CommandCall& call, std::size_t first) {
    std::vector<double> values;
    for (std::size_t i = first; i < call.items.count(); ++i) {
        const auto v = variableOrNumber(call.items.item(i), call.state.variables);
        if (!v) return std::nullopt;
        values.push_back(*v);
    }
    return values;
}

PlotFunction asPlot(const TermFunction& f) {
    return [&f](double x) { return f(x); };
}

// Escape ended a search: the message and the error flag.
void interrupted(CommandCall& call) {
    call.env.dialogs.information(texts::kProcessAborted);
    call.state.numeric.errorFlag = true;
}

void plotCommand(CommandCall& call, bool derivative) {
    const auto span = numbersAfter(call, 1);
    if (!span || (span->size() != 0 && span->size() != 2)) {
        call.reportError();
        return;
    }
    const TermFunction f(functionTerm(call, call.items.item(0)), call.state.variables);
    std::optional<std::pair<double, double>> range;
    if (span->size() == 2) range = std::pair{(*span)[0], (*span)[1]};
    onSurface(call, [&](DrawingContext& ctx) {
        if (derivative)
            plotFunction(
                ctx, [&](double x) { return f.derivative(1, x); }, range);
        else
            plotFunction(ctx, asPlot(f), range);
    });
}

void sweep(CommandCall& call) {
    const auto n = numbersAfter(call, 1);
    if (!n || n->size() > 1) {
        call.reportError();
        return;
    }
    const double steps = n->empty() ? 100 : std::nearbyint(n->front());
    if (!(std::fabs(steps) <= 100000)) {
        call.reportError();
        return;
    }
    const TermFunction f(functionTerm(call, call.items.item(0)), call.state.variables);
    onSurface(call, [&](DrawingContext& ctx) {
        tangentSweep(ctx, f, static_cast<int>(steps));
        ctx.copyToLesson();
    });
}

void scaled(CommandCall& call) {
    const auto factor = variableOrNumber(call.items.item(0), call.state.variables);
    if (!factor || call.items.count() != 2) {
        call.reportError();
        return;
    }
    const std::string term =
        std::string(call.items.item(0)) + " * (" + functionTerm(call, call.items.item(1)) + ")";
    const TermFunction f(term, call.state.variables);
    onSurface(call, [&](DrawingContext& ctx) { plotFunction(ctx, asPlot(f)); });
}

void moved(CommandCall& call) {
    double v[3];
    for (std::size_t i = 0; i < 3; ++i) {
        const auto value = variableOrNumber(call.items.item(i), call.state.variables);
        if (!value) {
            call.reportError();
            return;
        }
        v[i] = *value;
    }
    const TermFunction f(functionTerm(call, afterComma(call.arguments, 3)), call.state.variables);
    onSurface(call, [&](DrawingContext& ctx) { plotMoved(ctx, asPlot(f), v[0], v[1], v[2]); });
}

void tangentAtPoint(CommandCall& call) {
    const auto x = numbersAfter(call, 1);
    if (!x || x->size() != 1) {
        call.reportError();
        return;
    }
    const TermFunction f(functionTerm(call, call.items.item(0)), call.state.variables);
    const auto t = tangentAt(f, x->front());
    if (!t) {
        call.reportError();
        return;
    }
    call.writeLine("y = " + call.format(t->k) + " * x + " + call.format(t->d));
    call.writePoint('T', t->touch);
    onSurface(call, [&](DrawingContext& ctx) {
        plotLine(ctx, t->k, t->d);
        markWorldPoint(ctx, t->touch, "T");
    });
}

void tangentFrom(CommandCall& call) {
    const auto v = numbersAfter(call, 1);
    if (!v || v->size() != 4 || !((*v)[2] < (*v)[3])) {
        if (!call.running()) call.reportError();
        return;
    }
    const Point2 p{(*v)[0], (*v)[1]};
    DrawingContext* ctx = drawingOf(call);
    if (ctx != nullptr && !call.running()) markWorldPoint(*ctx, p, "P");
    const TermFunction f(functionTerm(call, call.items.item(0)), call.state.variables);
    const TouchResult found = tangentFromPoint(f, p, (*v)[2], (*v)[3], call.env.keys);
    if (found.end == SearchEnd::Interrupted) {
        interrupted(call);
        return;
    }
    if (found.end != SearchEnd::Found) {
        call.reportError();
        return;
    }
    const Tangent& t = found.tangent;
    call.writePoint('T', t.touch);
    call.writeValue('k', t.k);
    call.writeValue('d', t.d);
    call.writeValue('x', t.touch.x);
    call.writeLine("y = " + call.format(t.k) + " * x + " + call.format(t.d));
    onSurface(call, [&](DrawingContext& c) {
        plotLine(c, t.k, t.d);
        markWorldPoint(c, t.touch, "T");
    });
}

void intersection(CommandCall& call) {
    const auto v = numbersAfter(call, 2);
    if (!v || v->size() != 2 || !((*v)[0] < (*v)[1])) {
        call.reportError();
        return;
    }
    const std::string f1 = functionTerm(call, call.items.item(0));
    const TermFunction g(differenceTerm(f1, functionTerm(call, call.items.item(1))),
                         call.state.variables);
    const SearchResult found = zeroOfDerivative(g, 0, (*v)[0], (*v)[1], call.env.keys);
    if (found.end == SearchEnd::Interrupted) {
        interrupted(call);
        return;
    }
    const TermFunction first(f1, call.state.variables);
    const PlotSample y = first(found.x);
    if (found.end != SearchEnd::Found || !y.ok) {
        call.reportError();
        return;
    }
    call.writePoint('S', Point2{found.x, y.y});
    onSurface(call, [&](DrawingContext& ctx) { markWorldPoint(ctx, {found.x, y.y}, "S"); });
}

void zero(CommandCall& call) {
    const auto v = numbersAfter(call, 1);
    if (!v || v->size() != 3 || !((*v)[0] >= 0 && (*v)[0] <= 2) || !((*v)[1] < (*v)[2])) {
        call.reportError();
        return;
    }
    const int order = roundToInt((*v)[0]);
    const TermFunction f(functionTerm(call, call.items.item(0)), call.state.variables);
    const SearchResult found = zeroOfDerivative(f, order, (*v)[1], (*v)[2], call.env.keys);
    if (found.end == SearchEnd::Interrupted) {
        interrupted(call);
        return;
    }
    const PlotSample y = f(found.x);
    if (found.end != SearchEnd::Found || !y.ok) {
        call.reportError();
        return;
    }
    const char letter = order == 0 ? 'N' : (order == 1 ? 'E' : 'W');
    call.writePoint(letter, Point2{found.x, y.y});
    if (DrawingContext* ctx = drawingOf(call); ctx != nullptr && ctx->shown)
        markWorldPoint(*ctx, {found.x, y.y}, std::string(1, letter));
}

void derivativeValue(CommandCall& call) {
    const auto v = numbersAfter(call, 1);
    if (!v || v->size() != 2 || !((*v)[0] >= 0 && (*v)[0] <= 2)) {
        call.reportError();
        return;
    }
    const TermFunction f(functionTerm(call, call.items.item(0)), call.state.variables);
    const PlotSample value = f.derivative(roundToInt((*v)[0]), (*v)[1]);
    if (!f((*v)[1]).ok || !value.ok) {
        call.reportError();
        return;
    }
    call.writeValue('z', value.y);
}

void integral(CommandCall& call) {
    const auto v = numbersAfter(call, 1);
    if (!v || v->size() != 2 || !((*v)[0] < (*v)[1])) return;
    const TermFunction f(functionTerm(call, call.items.item(0)), call.state.variables);
    const auto value = simpson(asPlot(f), (*v)[0], (*v)[1], true);
    call.writeValue('z', value ? *value : 0.0);
    if (!value) call.reportError();
}

void arc(CommandCall& call, ArcIntegral kind) {
    const TermFunction f(call.state.numeric.functionSlot(1), call.state.variables);
    const auto value = arcIntegral(f, kind, call.number(0), call.number(1));
    call.writeValue('z', value ? *value : 0.0);
    if (!value) call.reportError();
}

void normal(CommandCall& call) {
    const auto value = normalDistribution(call.number(0), call.state.variables);
    if (!value) {
        call.reportError();
        return;
    }
    call.writeValue('f', *value);
    call.writeLine(texts::kNormalDensityLine);
}

}  // namespace

void registerCommands_plot(CommandTable& table) {
    table.add({"FUN", F::Text, anyCount(), [](CommandCall& c) { plotCommand(c, false); }});
    table.add({"FNA", F::Text, anyCount(), [](CommandCall& c) { plotCommand(c, true); }});
    table.add({"FNT", F::Text, anyCount(), sweep});
    table.add({"AFF", F::Text, anyCount(), scaled});
    table.add({"BEW", F::Text, anyCount(), moved});
    table.add({"TKP", F::Text, anyCount(), tangentAtPoint});
    table.add({"TNG", F::Text, anyCount(), tangentFrom});
    table.add({"SFF", F::Text, anyCount(), intersection});
    table.add({"NUL", F::Text, anyCount(), zero});
    table.add({"DIF", F::Text, anyCount(), derivativeValue});
    table.add({"INT", F::Text, anyCount(), integral});
    table.add({"IBO", F::Numbers, count(2), [](CommandCall& c) { arc(c, ArcIntegral::Length); }});
    table.add({"IBX", F::Numbers, count(2), [](CommandCall& c) { arc(c, ArcIntegral::XMoment); }});
    table.add({"IBY", F::Numbers, count(2), [](CommandCall& c) { arc(c, ArcIntegral::YMoment); }});
    table.add({"GAU", F::Numbers, count(1), normal});
}

}  // namespace textaria::script
