#include "lesson/page_prep.h"

#include "lesson/gaps_words.h"
#include "lesson/markup_text.h"

namespace textaria::lesson {

namespace {

void prepareGaps(PreparedPage& page) {
    if (page.options.has(Marker::ReadingPage)) {
        page.readingPage = true;
        return;
    }
    GapExtraction extraction = ExtractGaps(page.text);
    page.text = std::move(extraction.text);
    page.gaps = std::move(extraction.table);
    page.gapError = extraction.error;
    page.wordList = BuildAnswerWordList(page.gaps);
}

}  // namespace

PreparedPage prepareListPage(std::string_view body, int pageNumber,
                             const PageScriptRun& runScript) {
    PreparedPage page;
    page.options = readPageOptions(body);
    page.text = removeOptionLines(body);
    if (!page.options.has(Marker::ReadingPage) && page.options.has(Marker::Script) && runScript) {
        const PageScriptOutcome outcome = runScript(pageNumber, page.text);
        page.script = outcome.status;
        if (outcome.status == PageScriptStatus::Ran)
            page.replacements = substitutePlaceholders(page.text, outcome.results);
        // A page whose script failed gets no answer fields: its answers are unknown.
        if (outcome.status == PageScriptStatus::Failed) {
            page.text.resize(lengthWithoutTrailingLines(page.text));
            return page;
        }
    }
    prepareGaps(page);
    return page;
}

PreparedPage prepareSingleText(std::string_view text) {
    PreparedPage page;
    page.options = readSingleTextOptions(text);
    page.text = std::string(text);
    prepareGaps(page);
    return page;
}

}  // namespace textaria::lesson
