// A scripted stand-in for the user: answers come from queues filled by the test, and every
// dialog shown is recorded so the test can check texts and order.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_dialogs.h"

namespace textaria::testing {

class FakeUserDialogs : public platform::UserDialogs {
  public:
    enum class Kind { Information, YesNo, YesNoCancel, Input };

    struct Shown {
        Kind kind;
        std::string caption;  // caption of a question, title of an input box, empty otherwise
        std::string text;     // message, question or prompt
        std::string defaultText;
    };

    // Scripted answers, used in order. When a queue is empty, questions are answered No or
    // Cancel, input boxes are cancelled, and `ranOut` is set.
    std::deque<bool> yesNoAnswers;
    std::deque<platform::DialogAnswer> yesNoCancelAnswers;
    std::deque<std::optional<std::string>> inputAnswers;

    std::vector<Shown> shown;
    bool ranOut = false;

    void information(std::string_view text) override {
        shown.push_back({Kind::Information, {}, std::string(text), {}});
    }
    void informationTitled(std::string_view text, std::string_view caption) override {
        shown.push_back({Kind::Information, std::string(caption), std::string(text), {}});
    }

    bool askYesNo(std::string_view text, std::string_view caption) override {
        shown.push_back({Kind::YesNo, std::string(caption), std::string(text), {}});
        if (yesNoAnswers.empty()) return outOfAnswers(false);
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }

    platform::DialogAnswer askYesNoCancel(std::string_view text,
                                          std::string_view caption) override {
        shown.push_back({Kind::YesNoCancel, std::string(caption), std::string(text), {}});
        if (yesNoCancelAnswers.empty()) return outOfAnswers(platform::DialogAnswer::Cancel);
        const auto answer = yesNoCancelAnswers.front();
        yesNoCancelAnswers.pop_front();
        return answer;
    }

    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                        std::string_view defaultText) override {
        shown.push_back(
            {Kind::Input, std::string(title), std::string(prompt), std::string(defaultText)});
        if (inputAnswers.empty()) return outOfAnswers(std::optional<std::string>{});
        auto answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }

    // The texts of all information messages, in order.
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& s : shown)
            if (s.kind == Kind::Information) out.push_back(s.text);
        return out;
    }

  private:
    template <typename T>
    T outOfAnswers(T fallback) {
        ranOut = true;
        return fallback;
    }
};

}  // namespace textaria::testing
