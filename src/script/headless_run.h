// A run without windows (command line, tests, benchmarks, fuzzing): dialogs answered from a
// list of lines, and a keyboard nobody presses.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user_dialogs.h"
#include "script/input_dialogs.h"
#include "script/script_environment.h"

namespace textaria::script {

// Every dialog takes the next answer line: the data entry grid the whole line as its result
// text, the selection box the number of the chosen button (a line that names none is skipped),
// an input box the line itself. When the answers run out a dialog is escaped. Questions are
// answered No; messages and hold boxes are confirmed at once and kept in `messages`.
class ScriptedAnswers final : public platform::UserDialogs, public InputDialogs {
  public:
    ScriptedAnswers() = default;
    explicit ScriptedAnswers(std::deque<std::string> lines) : answers(std::move(lines)) {}

    std::deque<std::string> answers;
    std::vector<std::string> messages;
    std::function<void(std::string_view)> onMessage;  // called for every message, if set

    void information(std::string_view text) override;
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    platform::DialogAnswer askYesNoCancel(std::string_view, std::string_view) override {
        return platform::DialogAnswer::Cancel;
    }
    std::optional<std::string> inputBox(std::string_view, std::string_view,
                                        std::string_view) override {
        return next();
    }
    std::optional<std::string> enterData(const EntryRequest&) override { return next(); }
    int select(const SelectRequest& request) override;

  private:
    std::optional<std::string> next();
};

// Escape is never held; a long computation inside one line is ended as Escape would end it
// after pollsPerLine polls.
class LineBudgetKeys final : public ScriptKeys {
  public:
    explicit LineBudgetKeys(std::uint64_t pollsPerLine)
        : perLine_(pollsPerLine), left_(pollsPerLine) {}
    bool escapeHeld() override {
        left_ = perLine_;
        return false;
    }
    bool escapePressed() override {
        if (left_ == 0) return true;
        --left_;
        return false;
    }
    // Nobody watches: waiting would only make the run slower.
    bool waitMilliseconds(std::int64_t) override { return false; }

  private:
    std::uint64_t perLine_;
    std::uint64_t left_;
};

}  // namespace textaria::script
