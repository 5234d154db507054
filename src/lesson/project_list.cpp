#include "lesson/project_list.h"

#include <charconv>

#include "lesson/markup_text.h"
#include "lesson/texts.h"

namespace textaria::lesson {

namespace {
constexpr const char* kRule = "   -----------------------------------------------";
}  // namespace

std::vector<std::string> listPageParagraphs(const std::vector<std::string>& titles, ListMode mode) {
    std::vector<std::string> out;
    switch (mode) {
        case ListMode::Normal:
            out.emplace_back(texts::kListHeadingNormal);
            break;
        case ListMode::Test:
            out.emplace_back(texts::kListHeadingTest);
            break;
        case ListMode::Child:
            out.emplace_back(texts::kListHeadingChild);
            break;
    }
    if (mode != ListMode::Child)
        for (const auto& title : titles) out.push_back("   " + title);
    out.emplace_back("   ");
    if (mode != ListMode::Child) out.emplace_back(kRule);
    return out;
}

ListChoice chooseFromList(std::string_view clickedLine, int pageCount, ListMode mode) {
    if (mode != ListMode::Normal) return {ListChoice::Kind::OpenPage, 1};
    const std::string_view line = trim(clickedLine);
    const std::string_view digits = line.substr(0, 2);
    int page = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), page);
    // Both characters must belong to the number ("7 Bruchrechnen" is no page number).
    if (ec != std::errc() || end != digits.data() + digits.size()) return {};
    if (page >= 1 && page <= pageCount - 1) return {ListChoice::Kind::OpenPage, page};
    return {ListChoice::Kind::ShowListAgain, 0};
}

bool isProjectMenu(std::string_view lessonText, int nestedArchiveCount) {
    return lessonText.find('#') == std::string_view::npos && nestedArchiveCount > 0 &&
           asciiLowerCase(lessonText).find("rsd") != std::string::npos;
}

std::optional<std::string> projectArchiveName(std::string_view menuLine) {
    const std::string line = asciiLowerCase(trim(menuLine));
    const auto at = line.find("rsd");
    if (at == std::string::npos) return std::nullopt;
    return line.substr(0, at + 3);
}

std::vector<std::string> menuProjects(std::string_view menuText) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < menuText.size()) {
        std::size_t end = menuText.find("\r\n", start);
        if (end == std::string_view::npos) end = menuText.size();
        if (auto name = projectArchiveName(menuText.substr(start, end - start)))
            names.push_back(std::move(*name));
        start = end + 2;
    }
    return names;
}

}  // namespace textaria::lesson
