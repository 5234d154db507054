#include "lesson/markup_script.h"

#include "lesson/texts.h"

namespace textaria::lesson {

namespace {

std::vector<std::string_view> anyLineBreaks(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::optional<int> decimalsOfLine(std::string_view line, std::string& error) {
    const std::size_t d = line.find("dez");
    if (d == std::string_view::npos) return std::nullopt;
    const std::string_view digit = d + 4 < line.size() ? line.substr(d + 4, 1) : std::string_view{};
    if (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') return digit[0] - '0';
    error = texts::notAnInteger(digit);
    return std::nullopt;
}

ScriptSection scriptSection(std::string_view fileText, int page) {
    ScriptSection section;
    const auto lines = anyLineBreaks(fileText);
    std::vector<std::size_t> separators;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find('#') != std::string_view::npos) separators.push_back(i);
    if (page < 1 || separators.size() < static_cast<std::size_t>(page) + 1) return section;

    section.found = true;
    const std::size_t from = separators[page - 1] + 1;
    section.firstLine = static_cast<int>(from) + 1;
    const std::size_t to = separators[page];
    for (std::size_t i = from; i < to; ++i) {
        section.lines.emplace_back(lines[i]);
        std::string error;
        if (auto n = decimalsOfLine(lines[i], error)) section.decimals = n;
        if (!error.empty()) {
            // The preparation of the page stops here.
            section.error = error;
            return section;
        }
    }
    return section;
}

}  // namespace textaria::lesson
