// The program's model of a formatted document: what the RTF reader yields, what the RTF writer
// and the text view consume. All text is UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::platform {

enum class Alignment { Left, Center, Right, Justify };

struct CharFormat {
    std::string fontName;     // empty: the view's default font
    double pointSize = 12.0;  // RTF counts half points; 12 pt is its default
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint32_t color = 0x000000;  // 0xRRGGBB; RTF's "automatic" colour is black

    bool operator==(const CharFormat&) const = default;
};

struct TextRun {
    std::string text;  // never contains CR or LF
    CharFormat format;

    bool operator==(const TextRun&) const = default;
};

struct Paragraph {
    std::vector<TextRun> runs;  // neighbouring runs of equal format are merged by the producers
    Alignment alignment = Alignment::Left;

    bool operator==(const Paragraph&) const = default;
};

// One paragraph per line of the plain text. Every paragraph but the last one is ended by a line
// end; the last one is ended too when `endsWithLineEnd` is set. So "a\par b\par" in RTF gives
// the paragraphs "a" and "b" with endsWithLineEnd and the plain text "a\r\nb\r\n", while
// "a\par b" gives "a\r\nb": a final CR LF does not begin a further, empty line. A line break
// inside a paragraph (RTF \line) also starts a new paragraph here, since the plain text cannot
// tell the two apart.
struct StyledText {
    std::vector<Paragraph> paragraphs;
    bool endsWithLineEnd = false;

    bool operator==(const StyledText&) const = default;
};

// The text of every run, paragraphs separated (and, with endsWithLineEnd, ended) by CR LF.
std::string plainText(const StyledText& text);

// For display: text in the Symbol font as the characters it shows ("p" -> "π"), since our fonts
// have no such font. The plain text the markup reads keeps the typed letters.
StyledText withSymbolFontShown(StyledText text);

// Appends text to the paragraph, merging it into the last run when that has the same format.
void appendRun(Paragraph& paragraph, std::string_view text, const CharFormat& format);

}  // namespace textaria::platform
