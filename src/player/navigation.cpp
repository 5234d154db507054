#include "player/navigation.h"

#include <algorithm>
#include <charconv>

#include "lesson/markup_text.h"
#include "player/texts.h"

namespace textaria::player {

std::optional<long long> parseWholeNumber(std::string_view text) {
    text = lesson::trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

PageCommand pageDown(const NavigationState& s) {
    if (!s.lessonOpen || (!s.pageShown && !s.testMode) || s.questionnairePage || s.testFinished)
        return PageCommand::ignore();
    if (s.testMode && s.pageHasAnswerFields && !s.pageEvaluated && s.currentPage < s.lastPage())
        return PageCommand::say(texts::kEvaluateFirst);
    if (s.currentPage < s.lastPage()) return PageCommand::show(s.currentPage + 1);
    return PageCommand::ignore();
}

PageCommand pageUp(const NavigationState& s) {
    if (!s.lessonOpen || !s.pageShown || s.testMode) return PageCommand::ignore();
    if (s.currentPage >= 2) return PageCommand::show(s.currentPage - 1);
    return PageCommand::ignore();
}

PageCommand repeatPage(const NavigationState& s) {
    if (!s.lessonOpen || s.currentPage < 1) return PageCommand::ignore();
    return PageCommand::show(s.currentPage);
}

PageCommand childJumpFirst(const NavigationState& s) {
    if (!s.childMode || s.currentPage == 0 || s.lastPage() < 1) return PageCommand::ignore();
    return PageCommand::show(1);
}

PageCommand childJumpLast(const NavigationState& s) {
    if (!s.childMode || s.currentPage == 0 || s.lastPage() < 1) return PageCommand::ignore();
    return PageCommand::show(s.lastPage());
}

int childJumpTarget(std::string_view input, int pageCount) {
    const long long typed = parseWholeNumber(input).value_or(0);
    return static_cast<int>(std::clamp<long long>(typed, 1, std::max(1, pageCount - 1)));
}

std::string childJumpPrompt(int pageCount) {
    return "( 0 < N < " + std::to_string(pageCount) + " )";
}

int fontChangeValue(std::string_view input) {
    const std::string_view t = lesson::trim(input);
    if (t.empty()) return 0;
    const auto value = parseWholeNumber(t);
    if (!value || *value < -6 || *value > 6) return 0;
    return static_cast<int>(*value);
}

}  // namespace textaria::player
