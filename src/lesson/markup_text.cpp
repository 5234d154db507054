#include "lesson/markup_text.h"

#include <algorithm>

namespace textaria::lesson {

std::vector<LineSpan> splitLines(std::string_view text) {
    std::vector<LineSpan> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t br = text.find("\r\n", start);
        if (br == std::string_view::npos) {
            lines.push_back({start, text.size(), false});
            break;
        }
        lines.push_back({start, br, true});
        start = br + 2;
    }
    return lines;
}

bool lineBefore(std::string_view text, std::size_t next, LineSpan& line) {
    if (next == 0 || next > text.size()) return false;
    // Only the line at the very end may lack its CR LF.
    line.hasBreak = next >= 2 && text.substr(next - 2, 2) == "\r\n";
    if (!line.hasBreak && next != text.size()) return false;
    line.end = line.hasBreak ? next - 2 : next;
    const std::size_t br =
        line.end >= 2 ? text.rfind("\r\n", line.end - 2) : std::string_view::npos;
    line.begin = br == std::string_view::npos ? 0 : br + 2;
    return true;
}

std::vector<LineSpan> lastLines(std::string_view text, std::size_t count) {
    std::vector<LineSpan> lines;
    LineSpan line;
    for (std::size_t next = text.size(); lines.size() < count && lineBefore(text, next, line);
         next = line.begin)
        lines.push_back(line);
    std::reverse(lines.begin(), lines.end());
    return lines;
}

bool contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}

std::size_t documentPosition(std::string_view text, std::size_t byteOffset) {
    byteOffset = std::min(byteOffset, text.size());
    std::size_t pos = 0;
    std::size_t i = 0;
    while (i < byteOffset) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t len = 1;
        std::size_t units = 1;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            len = 2;
        } else if (c >= 0xF0) {
            len = 4;
            units = 2;  // outside the BMP: a surrogate pair
        } else if (c >= 0xE0) {
            len = 3;
        } else if (c >= 0xC0) {
            len = 2;
        }
        if (i + len > byteOffset) break;  // offset inside a character
        i += len;
        pos += units;
    }
    return pos;
}

std::string eraseRanges(std::string_view text, std::vector<ByteRange> ranges) {
    std::sort(ranges.begin(), ranges.end(),
              [](const ByteRange& a, const ByteRange& b) { return a.begin < b.begin; });
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    for (const ByteRange& r : ranges) {
        const std::size_t b = std::min(r.begin, text.size());
        const std::size_t e = std::min(r.end, text.size());
        if (b > at) out.append(text.substr(at, b - at));
        at = std::max(at, e);
    }
    if (at < text.size()) out.append(text.substr(at));
    return out;
}

ByteRange lineRemovalRange(const std::vector<LineSpan>& lines, std::size_t i) {
    const LineSpan& line = lines.at(i);
    if (line.hasBreak) return {line.begin, line.end + 2};
    if (i > 0) return {line.begin - 2, line.end};
    return {line.begin, line.end};
}

}  // namespace textaria::lesson
