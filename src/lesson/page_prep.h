// Page preparation on the plain text: options, option lines, placeholders, gaps, word list.
// The window does the same steps on its formatted page view, using these results.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/gaps.h"
#include "lesson/markup_options.h"
#include "lesson/markup_placeholders.h"

namespace textaria::lesson {

// What became of an "@" page's script.
enum class PageScriptStatus {
    NotRun,  // no script for the page: the placeholders stay as written
    Ran,     // its values replace the placeholders
    Failed,  // the preparation of the page stops: placeholders as written, no gaps
};

struct PageScriptOutcome {
    PageScriptStatus status = PageScriptStatus::NotRun;
    ScriptValues results;
};

// Runs the script of an "@" page, given the page number and the page text (option lines
// removed), and hands back the values for its placeholders.
using PageScriptRun = std::function<PageScriptOutcome(int pageNumber, std::string_view pageText)>;

struct PreparedPage {
    PageOptions options;
    std::string text;          // what the page view ends up holding
    bool readingPage = false;  // "µ": no gaps prepared
    PageScriptStatus script = PageScriptStatus::NotRun;
    std::vector<TextReplacement> replacements;  // the placeholders substituted, in order
    GapTable gaps;
    GapError gapError = GapError::None;
    std::vector<std::string> wordList;  // BuildAnswerWordList
};

// A page of a page list: option lines read and removed, then, unless a reading page, the
// placeholders substituted ("@" only) and the gaps extracted.
PreparedPage prepareListPage(std::string_view body, int pageNumber,
                             const PageScriptRun& runScript = {});

// A single text: its option lines are read but stay; it has no script sections.
PreparedPage prepareSingleText(std::string_view text);

}  // namespace textaria::lesson
