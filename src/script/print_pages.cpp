#include "script/print_pages.h"

namespace textaria::script {

namespace {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    lines.push_back(line);
    return lines;
}

}  // namespace

std::vector<std::string> scriptPrintPages(std::string_view text) {
    std::vector<std::string> pages(1);
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.substr(i, kPageMarkUtf8.size()) == kPageMarkUtf8) {
            const std::size_t after = i + kPageMarkUtf8.size();
            std::size_t breakLength = 0;
            if (text.substr(after, 2) == "\r\n")
                breakLength = 2;
            else if (after < text.size() && (text[after] == '\n' || text[after] == '\r'))
                breakLength = 1;
            if (breakLength > 0) {
                pages.emplace_back();
                i = after + breakLength;
                continue;
            }
        }
        pages.back() += text[i++];
    }
    if (pages.size() > 1 && pages.back().empty()) pages.pop_back();
    return pages;
}

std::vector<std::vector<std::string>> memoPrintPages(std::string_view text,
                                                     std::size_t linesPerSheet) {
    if (linesPerSheet == 0) linesPerSheet = 1;
    std::vector<std::vector<std::string>> sheets(1);
    for (std::string& line : splitLines(text)) {
        if (!line.empty() && line.front() == '.') {
            if (!sheets.back().empty()) sheets.emplace_back();
            continue;
        }
        if (sheets.back().size() == linesPerSheet) sheets.emplace_back();
        sheets.back().push_back(std::move(line));
    }
    if (sheets.size() > 1 && sheets.back().empty()) sheets.pop_back();
    return sheets;
}

}  // namespace textaria::script
