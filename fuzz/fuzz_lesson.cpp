// Lesson markup and page preparation: any text is classified, paged and prepared, and every
// range the pages name lies inside the text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lesson/markup_pages.h"
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
    }
    checkPage(prepareSingleText(text));
    (void)menuProjects(text);
    return 0;
}
