#include "platform/rtf_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "platform/codepage.h"

namespace textaria::platform {
namespace {

void appendInt(std::string& out, long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void appendControl(std::string& out, const char* word, long value) {
    out += '\\';
    out += word;
    appendInt(out, value);
}

// Index of value in list, appending it when new.
template <typename T>
std::size_t indexOf(std::vector<T>& list, const T& value) {
    const auto it = std::find(list.begin(), list.end(), value);
    if (it != list.end()) return static_cast<std::size_t>(it - list.begin());
    list.push_back(value);
    return list.size() - 1;
}

// Font names end at ';' in the font table; braces and backslashes would break the group.
void appendFontName(std::string& out, const std::string& name) {
    for (const char c : name) {
        if (c == ';' || c == '{' || c == '}' || c == '\\') continue;
        out += c;
    }
}

int cp1252Byte(char32_t c) {
    if (c >= 0xA0 && c <= 0xFF) return static_cast<int>(c);
    static const std::string table = [] {
        std::string bytes;
        for (int b = 0x80; b < 0xA0; ++b) bytes += static_cast<char>(b);
        return cp1252ToUtf8(bytes);
    }();
    // The 32 bytes 0x80 ... 0x9F, decoded: find c among them.
    std::size_t pos = 0;
    for (int b = 0x80; pos < table.size(); ++b) {
        if (nextUtf8(table, pos) == c) return b;
    }
    return -1;
}

void appendUnicodeEscape(std::string& out, char32_t c) {
    auto unit = [&out](char32_t u) {
        appendControl(out, "u", u > 0x7FFF ? static_cast<long>(u) - 0x10000 : static_cast<long>(u));
        out += '?';
    };
    if (c >= 0x10000) {
        unit(0xD800 + ((c - 0x10000) >> 10));
        unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        unit(c);
    }
}

void appendText(std::string& out, std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte >= 0x20 && byte < 0x80) {
            if (byte == '\\' || byte == '{' || byte == '}') out += '\\';
            out += static_cast<char>(byte);
            ++pos;
            continue;
        }
        const char32_t c = nextUtf8(utf8, pos);
        if (c == '\t') {
            out += "\\tab ";
            continue;
        }
        const int ansi = c >= 0x80 ? cp1252Byte(c) : -1;
        if (ansi >= 0) {
            out += "\\'";
            out += kHex[ansi >> 4];
            out += kHex[ansi & 15];
        } else {
            appendUnicodeEscape(out, c);  // controls and everything outside 1252
        }
    }
}

const char* alignmentWord(Alignment alignment) {
    switch (alignment) {
        case Alignment::Center:
            return "\\qc";
        case Alignment::Right:
            return "\\qr";
        case Alignment::Justify:
            return "\\qj";
        case Alignment::Left:
            break;
    }
    return "\\ql";
}

}  // namespace

std::string writeRtf(const StyledText& text) {
    std::vector<std::string> fonts;
    std::vector<std::uint32_t> colours{0x000000};  // entry 0: automatic (black)
    for (const Paragraph& paragraph : text.paragraphs) {
        for (const TextRun& run : paragraph.runs) {
            indexOf(fonts, run.format.fontName);
            if (run.format.color != 0x000000) indexOf(colours, run.format.color);
        }
    }
    if (fonts.empty()) fonts.emplace_back("Arial");

    std::string out;
    out.reserve(256 + plainText(text).size() * 2);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        out += "{";
        appendControl(out, "f", static_cast<long>(i));
        out += "\\fnil\\fcharset0 ";
        appendFontName(out, fonts[i]);
        out += ";}";
    }
    out += "}\n{\\colortbl;";
    for (std::size_t i = 1; i < colours.size(); ++i) {
        appendControl(out, "red", (colours[i] >> 16) & 0xFF);
        appendControl(out, "green", (colours[i] >> 8) & 0xFF);
        appendControl(out, "blue", colours[i] & 0xFF);
        out += ';';
    }
    out += "}\n";

    for (std::size_t p = 0; p < text.paragraphs.size(); ++p) {
        const Paragraph& paragraph = text.paragraphs[p];
        out += "\\pard";
        out += alignmentWord(paragraph.alignment);
        out += ' ';
        for (const TextRun& run : paragraph.runs) {
            if (run.text.empty()) continue;
            const CharFormat& f = run.format;
            out += '{';
            appendControl(out, "f", static_cast<long>(indexOf(fonts, f.fontName)));
            appendControl(out, "fs", std::lround(std::clamp(f.pointSize, 0.5, 1638.0) * 2));
            if (f.bold) out += "\\b";
            if (f.italic) out += "\\i";
            if (f.underline) out += "\\ul";
            if (f.color != 0x000000) {
                appendControl(out, "cf", static_cast<long>(indexOf(colours, f.color)));
            }
            out += ' ';
            appendText(out, run.text);
            out += '}';
        }
        const bool last = p + 1 == text.paragraphs.size();
        if (!last || text.endsWithLineEnd) out += "\\par";
        out += '\n';
    }
    out += "}\n";
    return out;
}

}  // namespace textaria::platform
