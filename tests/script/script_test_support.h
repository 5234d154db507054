// A script run in a test: the text, the answers, the keys and the state in one place.
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "calc/eval_u.h"
#include "script/headless_run.h"
#include "script/script_environment.h"
#include "script/script_runner.h"
#include "script/script_state.h"

namespace textaria::testing {

// Keys pressed by the test: Escape held before a given line count, keys after a box.
class ScriptedKeys final : public script::ScriptKeys {
  public:
    int escapeAfterLines = -1;  // Escape is held once this many lines have started
    std::deque<script::ScriptKey> afterBox;
    bool escapeHeld() override {
        return escapeAfterLines >= 0 && linesStarted_++ >= escapeAfterLines;
    }
    bool escapePressed() override { return false; }
    bool takeKey(script::ScriptKey key) override {
        if (afterBox.empty() || afterBox.front() != key) return false;
        afterBox.pop_front();
        return true;
    }

  private:
    int linesStarted_ = 0;
};

struct ScriptRun {
    explicit ScriptRun(std::string_view text, std::deque<std::string> answerLines = {})
        : lines(script::LineBuffer::fromText(text)), answers(std::move(answerLines)) {
        state.random.seed(7);
    }

    script::RunResult run(std::uint64_t maxSteps = 100000) {
        return script::runScript(state, env, {maxSteps});
    }
    void evaluate(std::size_t line) {
        script::evaluateLine(line, std::string(trimmedLine(line)), state, env);
    }
    std::string text() const { return lines.text(); }

    calc::FormulaVariables variables;
    script::ScriptState state{variables};
    script::LineBuffer lines;
    script::ScriptedAnswers answers;
    ScriptedKeys keys;
    script::ScriptHost host;
    script::ScriptEnvironment env{lines, answers, answers, keys, host};

  private:
    std::string_view trimmedLine(std::size_t line) const {
        std::string_view text = lines.at(line);
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        return text;
    }
};

}  // namespace textaria::testing
