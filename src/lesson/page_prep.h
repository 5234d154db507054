// Page preparation on the plain text: options, option lines, placeholders, gaps, word list.
// The window does the same steps on its formatted page view, using these results.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/gaps.h"
#include "lesson/markup_options.h"

namespace textaria::lesson {

// Replaces the script placeholders of an "@" page in its text (".a" values, ":formel1"
// texts). Given the page number and the page text; returns false when no script could be
// run, so the text keeps its placeholders.
using PlaceholderSubstitution = std::function<bool(int pageNumber, std::string& pageText)>;

struct PreparedPage {
    PageOptions options;
    std::string text;          // what the page view ends up holding
    bool readingPage = false;  // "µ": no gaps prepared
    bool scriptRun = false;    // "@" and the substitution ran
    GapTable gaps;
    GapError gapError = GapError::None;
    std::vector<std::string> wordList;  // BuildAnswerWordList
};

// A page of a page list: option lines read and removed, then, unless a reading page, the
// placeholders substituted ("@" only) and the gaps extracted.
PreparedPage prepareListPage(std::string_view body, int pageNumber,
                             const PlaceholderSubstitution& substitute = {});

// A single text: its option lines are read but stay; it has no script sections.
PreparedPage prepareSingleText(std::string_view text);

}  // namespace textaria::lesson
