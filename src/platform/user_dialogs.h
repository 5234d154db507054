// The dialogs through which the logic talks to the user. The logic owns this interface;
// the windows implement it with message and input boxes, tests with a scripted fake and
// the command line with answers read from a file.
//
// All texts are UTF-8. A "\r" inside a text is a line break, as the program's texts write it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace textaria::platform {

enum class DialogAnswer { Yes, No, Cancel };

// A position on the screen in pixels (left, top).
struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The caption of every Yes/No question of the program.
inline constexpr std::string_view kQuestionCaption = "Frage";

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // An information message with an OK button.
    virtual void information(std::string_view text) = 0;

    // An information message whose box opens at the given screen position. Implementations
    // that cannot place a box show it wherever they can.
    virtual void informationAt(std::string_view text, ScreenPoint /*where*/) { information(text); }

    // An information message with a caption of its own (e.g. "Problem"). Implementations
    // that show no captions show the text alone.
    virtual void informationTitled(std::string_view text, std::string_view /*caption*/) {
        information(text);
    }

    // A Yes/No question; true for Yes. Closing the box counts as No.
    virtual bool askYesNo(std::string_view text, std::string_view caption = kQuestionCaption) = 0;

    // A Yes/No/Cancel question. Closing the box counts as Cancel.
    virtual DialogAnswer askYesNoCancel(std::string_view text,
                                        std::string_view caption = kQuestionCaption) = 0;

    // An input box with a title, a prompt and a default answer. Returns the entered text, or
    // nothing when the user cancelled.
    virtual std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                                std::string_view defaultText) = 0;
};

// Nobody to ask (command line, benchmarks, fuzzing): messages are dropped, every question is
// answered No (or Cancel) and every input box is cancelled. Override information() to show
// the messages somewhere.
class DecliningDialogs : public UserDialogs {
  public:
    void information(std::string_view) override {}
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    DialogAnswer askYesNoCancel(std::string_view, std::string_view) override {
        return DialogAnswer::Cancel;
    }
    std::optional<std::string> inputBox(std::string_view, std::string_view,
                                        std::string_view) override {
        return std::nullopt;
    }
};

}  // namespace textaria::platform
