// Page scripts as a page display runs them: a random exercise of a few lines (the demo's), a
// script that loops a hundred times, and a script that never ends, which costs the whole step
// budget before the page is shown: the longest a learner waits for a broken page.
#include <benchmark/benchmark.h>

#include <string>

#include "player/page_script.h"
#include "script/headless_run.h"

namespace {

using namespace textaria;

void runPage(benchmark::State& state, const std::string& script, const std::string& pageText) {
    const std::string file = "#01\r\n" + script + "#00\r\n";
    player::PageScripts scripts([&](const std::string&) { return std::optional(file); });
    scripts.setScriptFile("/lesson/bench_m.txt");
    scripts.seed(1);
    script::ScriptedAnswers nobody;
    player::PageScriptServices services{nobody, nobody};
    for (auto _ : state) {
        const auto outcome = scripts.PreparePageScript(1, pageText, services);
        benchmark::DoNotOptimize(outcome.page.results);
    }
}

void BM_PageScriptExercise(benchmark::State& state) {
    runPage(state, "zuf(2,9)\r\na = z\r\nzuf(2,9)\r\nb = z\r\nc = a*b\r\nd = a+b\r\n",
            ".a \xC2\xB7 .b = [.c]\r\n.a + .b = [.d]\r\n");
}
BENCHMARK(BM_PageScriptExercise)->Unit(benchmark::kMicrosecond);

void BM_PageScriptLoop(benchmark::State& state) {
    runPage(state, "_oben\r\na = a + 1\r\ns = s + a*a\r\nifls(a,100,oben)\r\n", "[.s]\r\n");
}
BENCHMARK(BM_PageScriptLoop)->Unit(benchmark::kMicrosecond);

void BM_PageScriptRunaway(benchmark::State& state) {
    runPage(state, "_oben\r\na = a + 1\r\ngoto(-1)\r\n", "[.a]\r\n");
    state.counters["steps"] = static_cast<double>(player::kPageScriptStepBudget);
}
BENCHMARK(BM_PageScriptRunaway)->Unit(benchmark::kMillisecond);

}  // namespace
