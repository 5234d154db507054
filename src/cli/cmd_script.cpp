// textaria-cli script: runs a math script without windows and prints the text it leaves.
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "calc/eval_u.h"
#include "cli/cli_command.h"
#include "cli/script_surface.h"
#include "platform/document_file.h"
#include "platform/styled_text.h"
#include "platform/user_dialogs.h"
#include "script/headless_run.h"
#include "script/script_environment.h"
#include "script/script_runner.h"
#include "script/script_state.h"

namespace textaria::cli {
namespace {

constexpr const char* kHelp =
    "usage: textaria-cli script FILE [--answers FILE] [--png OUT.png] [--jpeg OUT.jpg]\n"
    "                           [--size S] [--max-steps N] [--seed N]\n"
    "Runs the math script FILE (plain text or RTF) as the editor's \"run\" does, from its\n"
    "first line, and prints the script text after the run, lines separated by LF.\n"
    "--answers FILE  answers for the dialogs, one line each, in order: the data entry grid\n"
    "                takes the whole line as its comma-separated cells, the selection box\n"
    "                the number of the chosen button, the text input the line (an empty line\n"
    "                is an empty answer). When the answers run out the dialog is escaped.\n"
    "                Hold boxes and messages are confirmed at once (shown on stderr).\n"
    "--png, --jpeg   save the drawing surface (JPEG at quality 90); --size S its side in\n"
    "                pixels (default 724).\n"
    "--max-steps N   executed lines before the run is ended as Escape would end it\n"
    "                (default 1000000); a run ended so exits with status 3.\n"
    "--seed N        seeds the random numbers, so that a run can be repeated.\n"
    "Files written by WXY and read by RXY lie in the script's folder.\n";

constexpr int kExitStepBudget = 3;
constexpr std::uint64_t kDefaultMaxSteps = 1000000;
// Polls of a long computation inside one line (a prime factorisation) before it is ended as
// Escape would end it: a few seconds of work.
constexpr std::uint64_t kPollsPerLine = 1u << 20;

std::optional<std::uint64_t> readCount(const std::string& text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

std::optional<std::string> readFile(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int runScriptCommand(const CommandArgs& args) {
    std::string file;
    std::string answersFile;
    std::uint64_t maxSteps = kDefaultMaxSteps;
    std::optional<std::uint64_t> seed;
    std::string png, jpeg;
    std::uint64_t side = 724;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--answers" || arg == "--png" || arg == "--jpeg" || arg == "--size" ||
            arg == "--max-steps" || arg == "--seed") {
            if (!hasValue) return fail("script", arg + " needs a value", kExitUsage);
            const std::string& value = args[++i];
            if (arg == "--answers") answersFile = value;
            if (arg == "--max-steps" || arg == "--seed" || arg == "--size") {
                const auto number = readCount(value);
                if (!number || (arg != "--seed" && *number == 0))
                    return fail("script", "bad " + arg + " '" + value + "'", kExitUsage);
                if (arg == "--max-steps") maxSteps = *number;
                if (arg == "--seed") seed = *number;
                if (arg == "--size") side = std::min<std::uint64_t>(*number, 8192);
            }
            if (arg == "--png") png = value;
            if (arg == "--jpeg") jpeg = value;
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return fail("script", "unknown option '" + arg + "' (see --help)", kExitUsage);
        } else if (file.empty()) {
            file = arg;
        } else {
            return fail("script", "more than one script given", kExitUsage);
        }
    }
    if (file.empty()) return fail("script", "no script file given (see --help)", kExitUsage);

    const platform::DocumentLoad loaded = platform::loadDocumentFile(file);
    if (!loaded.ok) return fail("script", loaded.error, kExitUnreadable);
    script::ScriptedAnswers dialogs;
    dialogs.onMessage = [](std::string_view text) {
        std::string shown(text);
        for (char& c : shown)
            if (c == '\r') c = ' ';
        std::cerr << "textaria-cli script: " << shown << '\n';
    };
    if (!answersFile.empty()) {
        std::string error;
        const auto bytes = readFile(answersFile, error);
        if (!bytes) return fail("script", error, kExitUnreadable);
        std::istringstream in(*bytes);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            dialogs.answers.push_back(line);
        }
    }

    script::LineBuffer lines = script::LineBuffer::fromText(platform::plainText(loaded.text));
    calc::FormulaVariables variables;
    script::ScriptState state(variables);
    if (seed) state.random.seed(*seed);
    std::error_code ec;
    state.dataFolder = std::filesystem::absolute(file, ec).parent_path().string();
    script::LineBudgetKeys keys(kPollsPerLine);
    ScriptSurface surface(static_cast<int>(side));
    script::DrawingContext& drawing = surface.drawing();
    script::ScriptEnvironment env{lines, dialogs, dialogs, keys, surface.host(), &drawing};
    // stdout carries the script text only; the evaluator's stack-overflow lines go to stderr.
    std::streambuf* const standardOutput = std::cout.rdbuf(std::cerr.rdbuf());
    const script::RunResult result = script::runScript(state, env, {maxSteps});
    std::cout.rdbuf(standardOutput);

    std::cout << lines.text() << '\n';
    std::cout.flush();
    if (std::string error; !surface.save(png, jpeg, error))
        return fail("script", error, kExitUnreadable);
    if (result.end == script::RunEnd::StepBudget) {
        std::cerr << "textaria-cli script: the run was ended after " << maxSteps
                  << " executed lines (--max-steps)\n";
        return kExitStepBudget;
    }
    return kExitOk;
}

const CommandRegistration registration({"script", "run a math script without windows", kHelp,
                                        runScriptCommand});

}  // namespace
}  // namespace textaria::cli
