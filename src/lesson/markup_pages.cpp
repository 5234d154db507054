#include "lesson/markup_pages.h"

#include <algorithm>

#include "lesson/project_list.h"
#include "platform/text_helpers.h"

namespace textaria::lesson {

LessonKind classifyLesson(std::string_view text, int nestedArchiveCount) {
    if (contains(text, "#")) return LessonKind::List;
    if (isProjectMenu(text, nestedArchiveCount)) return LessonKind::Menu;
    return LessonKind::Single;
}

MediaLine parseMediaLine(std::string_view line) {
    MediaLine media;
    line = trim(line);
    media.line = std::string(line);
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        media.picture = std::string(line);
        return media;
    }
    media.picture = std::string(trim(line.substr(0, comma)));
    const std::string_view second = trim(line.substr(comma + 1));
    (contains(platform::asciiUpperCase(second), "MP3") ? media.sound : media.external) =
        std::string(second);
    return media;
}

namespace {

void removeFirst(std::string& s, char sign, bool& found) {
    const std::size_t at = s.find(sign);
    found = at != std::string::npos;
    if (found) s.erase(at, 1);
}

}  // namespace

PageList splitPages(std::string_view text) {
    std::vector<std::size_t> hashes;
    for (std::size_t i = text.find('#'); i != std::string_view::npos; i = text.find('#', i + 1))
        hashes.push_back(i);

    PageList list;
    list.PageCount = static_cast<int>(hashes.size());
    for (std::size_t k = 0; k < hashes.size(); ++k) {
        const std::size_t next = k + 1 < hashes.size() ? hashes[k + 1] : text.size();
        const std::size_t lineEnd = std::min(text.find("\r\n", hashes[k] + 1), text.size());
        // A second "#" on the same line begins its own title line, so it also ends this
        // title; the body of this page is then empty.
        const std::size_t titleEnd = std::min(lineEnd, next);
        const std::size_t bodyBegin =
            std::min(lineEnd == text.size() ? lineEnd : lineEnd + 2, next);

        PageSpan page;
        page.number = static_cast<int>(k) + 1;
        page.titleLine = {hashes[k] + 1, titleEnd};
        page.body = {bodyBegin, next};
        const std::string_view full = trim(text.substr(hashes[k] + 1, titleEnd - hashes[k] - 1));
        const std::size_t semi = full.find(';');
        page.title = std::string(trim(full.substr(0, semi)));
        if (semi != std::string_view::npos) page.media = parseMediaLine(full.substr(semi + 1));

        if (k == 0) {
            // The mode signs are looked for in the title proper, not in the media line, so that
            // a file name such as "bild_1.jpg" never switches a lesson into test mode.
            removeFirst(page.title, '_', list.TestMode);
            removeFirst(page.title, '!', list.ChildMode);
            list.headerLine = headerLineOf(text.substr(page.body.begin, next - page.body.begin));
        }
        if (k + 1 < hashes.size()) list.pages.push_back(std::move(page));
    }
    return list;
}

std::string headerLineOf(std::string_view pageText) {
    return std::string(trim(pageText.substr(0, pageText.find("\r\n"))));
}

}  // namespace textaria::lesson
