// A whole script run headless: assignments, loops through labels and commands that insert
// result lines. Lines per second, and how the cost grows with the script's length.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/eval_u.h"
#include "script/headless_run.h"
#include "script/script_runner.h"
#include "script/script_state.h"

namespace {

using namespace textaria;

// Blocks of ten lines, each with its own loop label, run three times round. The assignments
// are persistent lines, which the compress at the start keeps.
std::string benchmarkScript(int lines) {
    std::string script = "compress\n";
    int block = 0;
    for (int written = 1; written + 10 <= lines; written += 10, ++block) {
        const std::string label = "loop" + std::to_string(block);
        script += ".i = 0\n";
        script += "_" + label + "\n";
        script += ".i = i + 1\n";
        script += ".s = s + i * 2\n";
        script += "ifls(i, 3, " + label + ")\n";
        script += ".a = a + sqrt(s) / 2\n";
        script += "MAX(a, s, i)\n";
        script += "GGT(s, 12)\n";
        script += "QUA(1, -3, 2)\n";
        script += ".z = z + 1\n";
    }
    return script + "end.\n";
}

void BM_ScriptRun(benchmark::State& bench) {
    const std::string text = benchmarkScript(static_cast<int>(bench.range(0)));
    std::uint64_t steps = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        script::LineBuffer lines = script::LineBuffer::fromText(text);
        calc::FormulaVariables variables;
        script::ScriptState state(variables);
        script::ScriptedAnswers dialogs;
        script::LineBudgetKeys keys(1 << 20);
        script::ScriptHost host;
        script::ScriptEnvironment env{lines, dialogs, dialogs, keys, host};
        bench.ResumeTiming();
        steps = script::runScript(state, env).steps;
        benchmark::DoNotOptimize(lines);
    }
    bench.counters["lines"] = static_cast<double>(steps);
    bench.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(steps) * static_cast<double>(bench.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScriptRun)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
