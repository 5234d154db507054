// LineEvaluator: one line of a script, evaluated and written back.
#include <exception>
#include <string>

#include "calc/numeric_insert.h"
#include "script/command_table.h"
#include "script/script_format.h"
#include "script/script_runner.h"
#include "script/text_util.h"
#include "script/texts.h"

namespace textaria::script {
namespace {

void lineError(ScriptState& state, ScriptEnvironment& env, const char* message) {
    if (!state.RunningFlag) env.dialogs.information(message);
}

// The text before the second "=", trimmed: the formula part of a line that was evaluated before.
std::string beforeSecondEquals(std::string_view text) {
    const std::size_t first = text.find('=');
    if (first != std::string_view::npos) {
        const std::size_t second = text.find('=', first + 1);
        if (second != std::string_view::npos) text = text.substr(0, second);
    }
    return std::string(trimmed(text));
}

LineOutcome runCommand(std::size_t index, const std::string& key, const std::string& keyTyped,
                       const std::string& compactSource, ScriptState& state,
                       ScriptEnvironment& env) {
    const std::string name = key.substr(0, 3);
    const std::string arguments = key.substr(4, key.size() - 5);
    const std::string typed = keyTyped.substr(4, keyTyped.size() - 5);
    const bool known = isCommandName(name);
    if (!state.RunningFlag) cleanBelow(env.lines, index);
    std::optional<std::string> rewritten;
    try {
        rewritten = executeCommand(name, arguments, typed, index, state, env);
    } catch (const std::exception&) {
        state.ErrorFlag() = true;
    }
    env.lines.replaceLine(index, rewritten ? *rewritten : compactSource);
    return known ? LineOutcome::Done : LineOutcome::Unreadable;
}

LineOutcome failure(int code) {
    return code == calc::kSyntaxError ? LineOutcome::Unreadable : LineOutcome::Failed;
}

LineOutcome definePoint(char letter, const std::string& key, ScriptState& state,
                        ScriptEnvironment& env) {
    const std::string inner = key.substr(2, key.size() - 3);
    const std::string substituted = calc::SubstituteVariables(inner, state.variables);
    const calc::ItemList parts = calc::SplitItems(substituted, state.numeric);
    double values[3] = {};
    const std::size_t count = parts.count();
    if (count != 2 && count != 3) {
        reportEvaluationError(state, env.dialogs);
        return LineOutcome::Unreadable;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const auto result = calc::EvaluateFormula(parts.items[i], state.variables);
        // A coordinate that does not evaluate leaves the point as it was.
        if (!calc::evaluationSucceeded(result.code)) {
            reportEvaluationError(state, env.dialogs);
            return failure(result.code);
        }
        values[i] = result.value;
    }
    if (count == 2) {
        state.numeric.points2D[letter] = {values[0], values[1]};
        state.SpaceMode = false;
        env.host.pointDefined(letter, values[0], values[1]);
    } else {
        state.numeric.points3D[letter] = {values[0], values[1], values[2]};
        state.SpaceMode = true;
    }
    return LineOutcome::Done;
}

}  // namespace

LineOutcome evaluateLine(std::size_t index, std::string_view trimmedLine, ScriptState& state,
                         ScriptEnvironment& env) {
    const std::string formulaPart = beforeSecondEquals(trimmedLine);

    std::string source = env.lines.line(index);
    const std::size_t comment = source.find("//");
    if (comment != std::string::npos) source.resize(comment);
    const std::string compactSource = compacted(source);
    std::string keyTyped = compactSource;
    std::string key = upper(keyTyped);
    if (key.empty()) return LineOutcome::Done;

    // A point result "= Z(...)" defines its point; a persistent line's "." is not evaluated.
    if (key.size() >= 3 && key[0] == '=' && isLetter(key[1]) && key[2] == '(') {
        key.erase(0, 1);
        keyTyped.erase(0, 1);
    }
    if (!key.empty() && key[0] == '.') {
        key.erase(0, 1);
        keyTyped.erase(0, 1);
    }
    if (key.empty()) return LineOutcome::Done;

    if (key.size() >= 5 && key[3] == '(' && key.back() == ')')
        return runCommand(index, key, keyTyped, compactSource, state, env);

    if (key.size() >= 2 && isLetter(key[0]) && key[1] == '(') {
        if (key.find(',') != std::string::npos && key.back() == ')')
            return definePoint(key[0], key, state, env);
        reportEvaluationError(state, env.dialogs);
        return LineOutcome::Unreadable;
    }

    const std::size_t equals = key.find('=');
    if (equals == std::string::npos || equals == 0) {
        lineError(state, env, texts::kLineEvaluationError);
        return LineOutcome::Unreadable;
    }

    if (equals == 1 && isLetter(key[0])) {
        std::string right = key.substr(2);
        right.resize(std::min(right.size(), right.find('=')));
        if (!right.empty()) {
            const auto result = calc::EvaluateFormula(right, state.variables);
            if (!calc::evaluationSucceeded(result.code)) {
                lineError(state, env, texts::kLineEvaluationError);
                return failure(result.code);
            }
            state.variables[key[0]] = result.value;
            if (!(result.code == calc::kValid && isPlainLiteral(right))) {
                env.lines.replaceLine(
                    index, lower(formulaPart) + " = " + formatValue(result.value, state.format()));
            }
            return LineOutcome::Done;
        }
    }

    const std::string left = key.substr(0, equals);
    const auto result = calc::EvaluateFormula(left, state.variables);
    if (!calc::evaluationSucceeded(result.code)) {
        lineError(state, env, texts::kExpressionEvaluationError);
        return failure(result.code);
    }
    env.lines.replaceLine(index, lower(left) + " = " + formatValue(result.value, state.format()));
    return LineOutcome::Done;
}

}  // namespace textaria::script
