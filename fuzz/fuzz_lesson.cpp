// Lesson markup and page preparation: any text is classified, paged and prepared, and every
// range the pages name lies inside the text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lesson/markup_pages.h"
#include "lesson/markup_placeholders.h"
#include "lesson/page_prep.h"
#include "lesson/project_list.h"

using namespace textaria::lesson;

namespace {

void checkRange(const ByteRange& range, std::size_t size) {
    if (range.begin > range.end || range.end > size) std::abort();
}

void checkPage(const PreparedPage& page) {
    if (page.gapError == GapError::None && page.gaps.GapCount() > 20) std::abort();
    if (page.gapError != GapError::None && !page.gaps.entries.empty()) std::abort();
}

// Placeholder values that hold placeholders and brackets themselves: the replacements, replayed
// on a copy, must give the same text.
void checkSubstitution(std::string_view text) {
    ScriptValues results;
    for (std::size_t i = 0; i < results.values.size(); ++i)
        results.values[i] = i % 3 == 0 ? "" : (i % 3 == 1 ? ".a[" : "1.5");
    results.formulas = {":formel2", "x^2", "", "]", ".z"};
    std::string substituted(text);
    const auto made = substitutePlaceholders(substituted, results);
    std::string replayed(text);
    applyReplacements(replayed, made);
    if (replayed != substituted) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const LineSpan& line : splitLines(text))
        if (line.begin > line.end || line.end > size) std::abort();
    (void)classifyLesson(text, 1);
    const PageList list = splitPages(text);
    if (list.pages.size() > static_cast<std::size_t>(list.PageCount)) std::abort();
    for (const PageSpan& span : list.pages) {
        checkRange(span.titleLine, size);
        checkRange(span.body, size);
        const std::string_view body = text.substr(span.body.begin, span.body.end - span.body.begin);
        checkPage(prepareListPage(body, span.number));
        checkSubstitution(body);
    }
    checkPage(prepareSingleText(text));
    (void)menuProjects(text);
    return 0;
}
