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

std::string_view trim(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
    return s.substr(b, e - b);
}

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // U+00C0..U+00DE are the Latin-1 capitals, except U+00D7 (multiplication sign).
            const auto d = static_cast<unsigned char>(out[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return out;
}

std::string asciiLowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

bool contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}

std::size_t characterCount(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
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
