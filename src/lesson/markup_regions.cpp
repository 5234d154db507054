#include "lesson/markup_regions.h"

#include <charconv>

#include "lesson/markup_text.h"

namespace textaria::lesson {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The position just after the header "#" + page at or after `from`, or npos.
std::size_t headerEnd(std::string_view table, int page, std::size_t from) {
    const std::string header = "#" + std::to_string(page);
    for (std::size_t at = table.find(header, from); at != std::string_view::npos;
         at = table.find(header, at + 1)) {
        const std::size_t end = at + header.size();
        if (end == table.size() || !isDigit(table[end])) return end;
    }
    return std::string_view::npos;
}

}  // namespace

std::optional<std::string_view> regionSection(std::string_view table, int page) {
    const std::size_t from = headerEnd(table, page, 0);
    if (from == std::string_view::npos) return std::nullopt;
    const std::size_t next = headerEnd(table, page + 1, from);
    if (next == std::string_view::npos) return std::nullopt;
    const std::size_t to = next - ("#" + std::to_string(page + 1)).size();
    return trim(table.substr(from, to - from));
}

std::vector<std::string> regionLines(std::string_view table, int page) {
    std::vector<std::string> lines;
    const auto section = regionSection(table, page);
    if (!section) return lines;
    std::string_view rest = *section;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
        const std::string_view line = trim(rest.substr(0, end));
        if (!line.empty()) lines.emplace_back(line);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return lines;
}

RegionLine parseRegionLine(std::string_view line) {
    std::string fields(line);
    if (fields.empty() || fields.back() != ',') fields += ',';
    RegionLine region;
    int count = 0;
    for (std::size_t start = 0, comma; (comma = fields.find(',', start)) != std::string::npos;
         start = comma + 1) {
        const std::string_view field = trim(std::string_view(fields).substr(start, comma - start));
        int value = 0;
        const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || ec != std::errc() || end != field.data() + field.size()) return {};
        if (count < static_cast<int>(region.values.size()))
            region.values[static_cast<std::size_t>(count)] = value;
        ++count;
    }
    region.fieldCount = count;
    return region;
}

}  // namespace textaria::lesson
