// The drawing surface: one function plotted over the whole surface and a flood fill of the
// whole surface, at the side of a 1080-pixel-high screen.
#include <benchmark/benchmark.h>

#include "calc/eval_u.h"
#include "platform/canvas_fill.h"
#include "platform/ui/qt_canvas.h"
#include "script/draw_context.h"
#include "script/plot.h"

namespace {

using namespace textaria;

constexpr int kSide = 724;

void BM_PlotWholeSurface(benchmark::State& state) {
    platform::QtCanvas canvas(kSide, kSide);
    script::DrawingContext ctx(canvas);
    calc::FormulaVariables vars;
    const script::TermFunction f("sin(x*30)*5+x*x/10", vars);
    for (auto _ : state) {
        script::plotFunction(ctx, [&](double x) { return f(x); });
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSide);
}
BENCHMARK(BM_PlotWholeSurface)->Unit(benchmark::kMicrosecond);

// The curve alone, without painting.
void BM_TracePlot(benchmark::State& state) {
    calc::FormulaVariables vars;
    const script::TermFunction f("sin(x*30)*5+x*x/10", vars);
    for (auto _ : state) {
        auto lines = script::tracePlot([&](double x) { return f(x); }, -10, 10, kSide, 10);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_TracePlot)->Unit(benchmark::kMicrosecond);

void BM_FloodFillWholeSurface(benchmark::State& state) {
    platform::QtCanvas canvas(kSide, kSide);
    const platform::Rgb colours[2] = {{0, 0, 255}, {255, 255, 0}};
    int turn = 0;
    for (auto _ : state) {
        const std::size_t painted =
            platform::floodFill(canvas, {kSide / 2, kSide / 2}, platform::kBlack, colours[turn]);
        benchmark::DoNotOptimize(painted);
        turn ^= 1;
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(BM_FloodFillWholeSurface)->Unit(benchmark::kMillisecond);

// A square spiral of walls 4 pixels apart: the fill winds through one long corridor of short
// spans, the hardest shape for a span fill.
void BM_FloodFillSpiral(benchmark::State& state) {
    platform::QtCanvas canvas(kSide, kSide);
    const int dx[] = {1, 0, -1, 0};
    const int dy[] = {0, 1, 0, -1};
    platform::CanvasPoint at{kSide / 2, kSide / 2};
    for (int i = 0; 4 * (i / 2 + 1) < kSide / 2 - 8; ++i) {
        const int length = 4 * (i / 2 + 1);
        const platform::CanvasPoint next{at.x + dx[i % 4] * length, at.y - dy[i % 4] * length};
        canvas.drawLine(at, next);
        at = next;
    }
    const platform::Rgb colours[2] = {{0, 0, 255}, {255, 255, 0}};
    int turn = 0;
    for (auto _ : state) {
        const std::size_t painted = platform::floodFill(canvas, {kSide / 2 + 2, kSide / 2 - 2},
                                                        platform::kBlack, colours[turn]);
        benchmark::DoNotOptimize(painted);
        turn ^= 1;
    }
}
BENCHMARK(BM_FloodFillSpiral)->Unit(benchmark::kMillisecond);

}  // namespace
