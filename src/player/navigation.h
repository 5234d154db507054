// Paging rules of the lesson player: which page a command shows, or why it refuses.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace textaria::player {

// The part of the player's state that the paging commands read.
struct NavigationState {
    bool lessonOpen = false;
    bool pageShown = false;
    int currentPage = 0;  // 1-based; 0 before the first page
    int pageCount = 0;    // one more than the last page number
    bool testMode = false;
    bool childMode = false;
    bool testFinished = false;
    bool questionnairePage = false;
    bool pageEvaluated = false;
    bool pageHasAnswerFields = false;
    bool slideShowRunning = false;

    int lastPage() const { return pageCount - 1; }
};

struct PageCommand {
    enum class Kind { Ignore, Show, Message } kind = Kind::Ignore;
    int page = 0;         // for Show
    std::string message;  // for Message
    static PageCommand ignore() { return {}; }
    static PageCommand show(int page) { return {Kind::Show, page, {}}; }
    static PageCommand say(std::string text) { return {Kind::Message, 0, std::move(text)}; }
};

PageCommand pageDown(const NavigationState& s);    // "[ Dn ]", Page Down
PageCommand pageUp(const NavigationState& s);      // "[ Up ]", Page Up
PageCommand repeatPage(const NavigationState& s);  // "[ Rep ]"

// Child-mode jumps: Shift F2 to the first page, F2 to the last one.
PageCommand childJumpFirst(const NavigationState& s);
PageCommand childJumpLast(const NavigationState& s);
// F9: the typed page number (not a number counts as 0), clamped to the lesson's pages.
int childJumpTarget(std::string_view input, int pageCount);
std::string childJumpPrompt(int pageCount);

// "Schrift": the typed change, or 0 for empty, non-numeric or out-of-range input.
int fontChangeValue(std::string_view input);

// Reads a leading integer the way the player reads typed numbers: optional blanks and sign,
// digits, nothing else. Returns nothing when the text is not a whole number.
std::optional<long long> parseWholeNumber(std::string_view text);

}  // namespace textaria::player
