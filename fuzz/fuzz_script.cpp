// Script runs: the input up to its first NUL byte is the script, the rest the dialog answers,
// one per line. Every run must end within its step budget, without a fault.
#include <stdlib.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "calc/eval_u.h"
#include "script/headless_run.h"
#include "script/script_runner.h"
#include "script/script_state.h"

using namespace textaria;

namespace {

// XY files written by a script go into one private folder for the whole fuzzing session.
const std::string& dataFolder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "fuzz-script-XXXXXX").string();
        return ::mkdtemp(pattern.data()) ? pattern : std::string();
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Large inputs only come from files given on the command line (hostile scripts).
    if (size > (4u << 20)) return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view text = input.substr(0, split);
    std::deque<std::string> answers;
    if (split != std::string_view::npos) {
        std::istringstream in(std::string(input.substr(split + 1)));
        for (std::string line; std::getline(in, line);) answers.push_back(line);
    }

    script::LineBuffer lines = script::LineBuffer::fromText(text);
    calc::FormulaVariables variables;
    script::ScriptState state(variables);
    state.random.seed(1);
    state.dataFolder = dataFolder();
    script::ScriptedAnswers dialogs(std::move(answers));
    script::LineBudgetKeys keys(20000);
    script::ScriptHost host;
    script::ScriptEnvironment env{lines, dialogs, dialogs, keys, host};
    std::ostringstream overflow;
    std::streambuf* const standardOutput = std::cout.rdbuf(overflow.rdbuf());
    const auto result = script::runScript(state, env, {2000});
    std::cout.rdbuf(standardOutput);
    if (result.steps > 2000 || state.RunningFlag) __builtin_trap();
    // The same text evaluated line by line outside a run, as F1 does.
    for (std::size_t i = 0; i < lines.lineCount() && i < 64; ++i)
        script::evaluateLine(i, lines.at(i), state, env);
    return 0;
}
