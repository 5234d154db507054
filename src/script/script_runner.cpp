// ScriptRunner: the run loop and its control keywords.
#include "script/script_runner.h"

#include <charconv>
#include <cmath>
#include <string>

#include "calc/numeric_insert.h"
#include "calc/numeric_number.h"
#include "script/command_table.h"
#include "script/run_context.h"
#include "script/text_util.h"
#include "script/texts.h"

namespace textaria::script {
namespace {

// The text after the first "(" up to, not including, the line's last character.
std::string_view keywordArgument(std::string_view line) {
    const std::size_t open = line.find('(');
    if (open == std::string_view::npos || line.size() < open + 2) return {};
    return line.substr(open + 1, line.size() - open - 2);
}

std::optional<long long> readInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

// ifle .. ifne: a and b are literals after their variables are replaced.
void conditionalJump(RunContext& run, std::string_view argument, std::string_view op) {
    const std::size_t first = argument.find(',');
    if (first == std::string_view::npos) return;
    const std::size_t second = argument.find(',', first + 1);
    if (second == std::string_view::npos) return;
    const auto& vars = run.state.variables;
    const auto a = calc::readNumber(
        calc::SubstituteVariables(std::string(trimmed(argument.substr(0, first))), vars));
    const auto b = calc::readNumber(calc::SubstituteVariables(
        std::string(trimmed(argument.substr(first + 1, second - first - 1))), vars));
    // An operand that is no number makes no jump.
    if (!a || !b) return;
    bool holds = false;
    if (op == "ifle") holds = *a <= *b;
    if (op == "ifls") holds = *a < *b;
    if (op == "ifge") holds = *a >= *b;
    if (op == "ifgr") holds = *a > *b;
    if (op == "ifeq") holds = *a == *b;
    if (op == "ifne") holds = *a != *b;
    if (holds) run.jumpTo(trimmed(argument.substr(second + 1)), false);
}

void resetValues(ScriptState& state) {
    state.variables.values.fill(0.0);
    state.numeric.points2D.clear();
    state.numeric.points3D.clear();
}

// The keywords of one line, tested in this order; several may apply. Returns true when the
// line is not evaluated afterwards (exit, wait); keywordLine tells whether any applied.
bool runKeywords(RunContext& run, std::string_view line, std::string_view key, bool& keywordLine) {
    ScriptState& state = run.state;
    auto& slots = state.numeric.functionSlots;
    keywordLine = false;
    const auto has = [&](std::string_view word) {
        const bool found = key.find(word) != std::string_view::npos;
        keywordLine = keywordLine || found;
        return found;
    };
    const std::string_view argument = keywordArgument(line);

    if (has("compress")) compress(run.env.lines, run.index, false, true);
    if (has("pause")) {
        std::string text(argument);
        calc::replaceAll(text, "&", "\r", false);
        const auto inserted = calc::InsertValues(text, state.variables, state.numeric);
        if (inserted.evaluationError) reportEvaluationError(state, run.env.dialogs);
        run.holdBox(inserted.text);
    }
    if (has("select")) selectKeyword(run, argument);
    if (has("invar")) invarKeyword(run, argument);
    if (has("input2")) pointInputKeyword(run, argument, 2);
    if (has("input3")) pointInputKeyword(run, argument, 3);
    if (has("intex1")) textInputKeyword(run, argument, 1);
    if (has("intex2")) textInputKeyword(run, argument, 2);
    for (int slot = 1; slot <= 5; ++slot) {
        if (has("setfun" + std::to_string(slot))) setFunctionKeyword(run, argument, slot);
    }
    for (int slot = 1; slot <= 2; ++slot) {
        auto& stored = state.StoredFunctionSlot[static_cast<std::size_t>(slot - 1)];
        if (has("stofun" + std::to_string(slot))) stored = state.numeric.functionSlot(slot);
        if (has("getfun" + std::to_string(slot)) && !stored.empty())
            state.numeric.functionSlot(slot) = stored;
    }
    if (has("zufun0")) cyclicChoiceKeyword(run);
    if (has("zufun1")) randomChoiceKeyword(run, 1);
    if (has("zufun2")) randomChoiceKeyword(run, 2);
    if (has("fun1")) {
        const std::string s = slots[0];
        if (has("fun1q")) slots[0] = "(" + s + ")^2";
        if (has("fun1x")) slots[0] = "x*(" + s + ")";
        if (has("fun1m")) slots[0] = "x*(" + s + ")^2";
        if (has("fun1bo")) slots[0] = "sqrt(1+(" + s + ")^2)";
        if (has("fun1bx")) slots[0] = "x*sqrt(1+(" + s + ")^2)";
        if (has("fun1by")) slots[0] = "(" + slots[1] + ")*sqrt(1+(" + s + ")^2)";
    }
    for (const char* op : {"ifle", "ifls", "ifge", "ifgr", "ifeq", "ifne"}) {
        if (has(op)) conditionalJump(run, argument, op);
    }
    if (has("ifrep") && state.RepeatFlag) run.jumpTo(trimmed(argument), true);
    if (has("setrep")) state.RepeatFlag = true;
    if (has("delrep")) state.RepeatFlag = false;
    if (has("iferror") && state.ErrorFlag()) run.jumpTo(trimmed(argument), true);
    if (has("seterror")) state.ErrorFlag() = true;
    if (has("delerror")) state.ErrorFlag() = false;
    if (has("goto")) run.jumpTo(trimmed(argument), true);
    if (has("exit")) {
        run.end = RunEnd::Exit;
        run.env.lines.setCaretLine(run.startLine);
        return true;
    }
    if (has("wait")) {
        const std::string_view time = trimmed(argument);
        if (line.find('(') == std::string_view::npos || time.empty()) {
            run.end = RunEnd::WaitStopped;
            return true;
        }
        const auto milliseconds = readInteger(time);
        if (milliseconds && *milliseconds >= 0 && run.env.keys.waitMilliseconds(*milliseconds)) {
            run.state.AbortFlag = true;
            run.end = RunEnd::Escape;
        }
        return true;
    }
    return false;
}

}  // namespace

void RunContext::holdBox(std::string_view text) {
    // DialogPosition is shared with the data entry grid and the selection box.
    const DialogPosition& at = env.input.position;
    env.dialogs.informationAt(text, {at.left, at.top});
    afterBox();
}

void RunContext::afterBox() {
    ScriptKeys& keys = env.keys;
    if (keys.takeKey(ScriptKey::F4) && !state.lessonKeyLock) env.host.printDrawing();
    if (keys.takeKey(ScriptKey::F5)) env.host.printLessonPicture();
    if (keys.takeKey(ScriptKey::F7) && !state.lessonKeyLock) {
        env.host.openCalculator();
        env.dialogs.information(texts::kContinue);
    }
    if (keys.takeKey(ScriptKey::Escape)) state.AbortFlag = true;
    if (keys.takeKey(ScriptKey::F2) && hasPageMarks && !state.PageTable.empty()) {
        // Back to the page before the current one (the first page from the first two).
        const auto& pages = state.PageTable;
        const std::size_t considered = std::min<std::size_t>(pages.size(), 100);
        std::size_t current = 0;
        for (std::size_t k = 0; k < considered; ++k)
            if (pages[k] <= index) current = k;
        const std::size_t target = pages[current > 0 ? current - 1 : 0];
        if (target < env.lines.lineCount()) {
            index = target;
            jumped = true;
        }
    }
}

void RunContext::jumpTo(std::string_view target, bool formulaFirst) {
    if (target.empty()) return;
    std::optional<long long> offset;
    if (formulaFirst) {
        const auto result = calc::EvaluateFormula(target, state.variables);
        if (calc::evaluationSucceeded(result.code) && std::fabs(result.value) < 1e15)
            offset = std::llround(result.value);
    } else {
        offset = readInteger(target);
    }
    const auto count = static_cast<long long>(env.lines.lineCount());
    if (offset) {
        // A relative jump by 0 does nothing; neither does one that leaves the text.
        const long long destination = static_cast<long long>(index) + *offset;
        if (*offset == 0 || destination < 0 || destination >= count) return;
        index = static_cast<std::size_t>(destination);
        jumped = true;
        return;
    }
    if (const auto label = labels.findLabel(target)) {
        index = *label;
        jumped = true;
    }
}

void RunContext::abortInput() {
    state.AbortFlag = true;
    env.host.clearDrawing();
    resetValues(state);
}

RunResult runScript(ScriptState& state, ScriptEnvironment& outside, const RunOptions& options) {
    // Labels are searched from the start line, as the caret stood when the run began.
    LabelIndexedLines lines(outside.lines, outside.lines.caretLine());
    ScriptEnvironment env{lines,        outside.dialogs, outside.input,
                          outside.keys, outside.host,    outside.drawing};
    state.PageTable.clear();
    for (std::size_t i = 0; i < lines.lineCount(); ++i)
        if (lower(lines.line(i)).find("pag(0)") != std::string::npos) state.PageTable.push_back(i);

    state.RunningFlag = true;
    state.AbortFlag = false;
    state.InputAbortFlag = false;
    state.ErrorFlag() = false;
    state.numeric.format = calc::NumberFormat{};
    state.graphicCaptionCounter = 0;
    state.SpaceMode = false;
    env.host.resetDrawingDefaults();
    resetValues(state);

    RunContext run{state, env, lines};
    run.startLine = lines.caretLine();
    run.index = run.startLine;
    run.hasPageMarks = !state.PageTable.empty();

    RunResult result;
    while (state.RunningFlag && run.index < lines.lineCount()) {
        if (env.keys.escapeHeld()) {
            state.AbortFlag = true;
            run.end = RunEnd::Escape;
            break;
        }
        if (options.maxSteps != 0 && result.steps >= options.maxSteps) {
            state.AbortFlag = true;
            run.end = RunEnd::StepBudget;
            break;
        }
        ++result.steps;
        const std::string line(trimmed(lines.line(run.index)));
        const std::string lowerLine = lower(line);
        if (lowerLine == "end.") {
            run.end = RunEnd::EndMarker;
            lines.setCaretLine(run.index);
            break;
        }
        run.jumped = false;
        bool keywordLine = false;
        const bool skipEvaluation =
            runKeywords(run, line, std::string_view(lowerLine).substr(0, 8), keywordLine);
        if (run.end && *run.end != RunEnd::Escape) break;
        if (!skipEvaluation && !state.AbortFlag) {
            // After a jump the target line is evaluated now and the run goes on below it.
            const std::string current =
                run.jumped ? std::string(trimmed(lines.line(run.index))) : line;
            const LineOutcome outcome = evaluateLine(run.index, current, state, env);
            // A keyword line is read by its keyword, a label line ("_name") is only a mark; a
            // jump target is a label or an evaluated line.
            const bool readable = outcome != LineOutcome::Unreadable || keywordLine || run.jumped ||
                                  current.starts_with('_');
            if (!readable && options.unreadableLine) options.unreadableLine(run.index);
        }
        if (state.InputAbortFlag) {
            run.holdBox(texts::kInputAbort);
            run.end = RunEnd::InputAbort;
            break;
        }
        if (state.AbortFlag) {
            run.end = RunEnd::Escape;
            break;
        }
        lines.setCaretLine(run.index);
        ++run.index;
    }
    state.RunningFlag = false;
    state.ErrorFlag() = false;
    result.end = run.end.value_or(RunEnd::EndOfText);
    return result;
}

}  // namespace textaria::script
