#include "platform/rtf_keywords.h"

#include <array>
#include <cstdint>

namespace textaria::platform::detail {
namespace {

using K = RtfKeyword;

struct Entry {
    std::string_view word;
    RtfKeyword keyword;
};

// Sorted by word for binary search (checked once at start-up by a static assertion below).
constexpr Entry kEntries[] = {
    {"aftncn", K::SkipDestination},
    {"aftnsep", K::SkipDestination},
    {"aftnsepc", K::SkipDestination},
    {"annotation", K::SkipDestination},
    {"ansi", K::Ansi},
    {"ansicpg", K::AnsiCodePage},
    {"atnauthor", K::SkipDestination},
    {"atnid", K::SkipDestination},
    {"b", K::Bold},
    {"bin", K::Bin},
    {"bkmkend", K::SkipDestination},
    {"bkmkstart", K::SkipDestination},
    {"blue", K::Blue},
    {"bullet", K::Bullet},
    {"cell", K::Cell},
    {"cf", K::Colour},
    {"colorschememapping", K::SkipDestination},
    {"colortbl", K::ColorTable},
    {"comment", K::SkipDestination},
    {"cpg", K::FontCodePage},
    {"datafield", K::SkipDestination},
    {"datastore", K::SkipDestination},
    {"deff", K::DefaultFont},
    {"do", K::SkipDestination},
    {"docvar", K::SkipDestination},
    {"emdash", K::EmDash},
    {"emspace", K::EmSpace},
    {"endash", K::EnDash},
    {"enspace", K::EnSpace},
    {"f", K::Font},
    {"falt", K::SkipDestination},
    {"fchars", K::SkipDestination},
    {"fcharset", K::FontCharset},
    {"field", K::Field},
    {"filetbl", K::SkipDestination},
    {"fldinst", K::FieldInstruction},
    {"fldrslt", K::FieldResult},
    {"fonttbl", K::FontTable},
    {"footer", K::SkipDestination},
    {"footerf", K::SkipDestination},
    {"footerl", K::SkipDestination},
    {"footerr", K::SkipDestination},
    {"footnote", K::SkipDestination},
    {"fs", K::FontSize},
    {"ftncn", K::SkipDestination},
    {"ftnsep", K::SkipDestination},
    {"ftnsepc", K::SkipDestination},
    {"generator", K::SkipDestination},
    {"green", K::Green},
    {"header", K::SkipDestination},
    {"headerf", K::SkipDestination},
    {"headerl", K::SkipDestination},
    {"headerr", K::SkipDestination},
    {"i", K::Italic},
    {"info", K::SkipDestination},
    {"intbl", K::InTable},
    {"latentstyles", K::SkipDestination},
    {"lchars", K::SkipDestination},
    {"ldblquote", K::LeftDoubleQuote},
    {"line", K::Line},
    {"listoverridetable", K::SkipDestination},
    {"listpicture", K::SkipDestination},
    {"listtable", K::SkipDestination},
    {"listtext", K::SkipDestination},
    {"lquote", K::LeftQuote},
    {"ltrmark", K::LtrMark},
    {"mac", K::Mac},
    {"mmathPr", K::SkipDestination},
    {"nestcell", K::Cell},
    {"nestrow", K::Row},
    {"nesttableprops", K::SkipDestination},
    {"nonesttables", K::SkipDestination},
    {"nonshppict", K::SkipDestination},
    {"objclass", K::SkipDestination},
    {"objdata", K::SkipDestination},
    {"objname", K::SkipDestination},
    {"page", K::Page},
    {"panose", K::SkipDestination},
    {"par", K::Par},
    {"pard", K::Pard},
    {"pc", K::Pc},
    {"pca", K::Pca},
    {"pgdsctbl", K::SkipDestination},
    {"pict", K::SkipDestination},
    {"plain", K::Plain},
    {"pn", K::SkipDestination},
    {"pnseclvl", K::SkipDestination},
    {"pntext", K::SkipDestination},
    {"private", K::SkipDestination},
    {"qc", K::AlignCenter},
    {"qd", K::AlignJustify},
    {"qj", K::AlignJustify},
    {"ql", K::AlignLeft},
    {"qmspace", K::QmSpace},
    {"qr", K::AlignRight},
    {"rdblquote", K::RightDoubleQuote},
    {"red", K::Red},
    {"revtbl", K::SkipDestination},
    {"row", K::Row},
    {"rquote", K::RightQuote},
    {"rsidtbl", K::SkipDestination},
    {"rtlmark", K::RtlMark},
    {"sect", K::Section},
    {"shp", K::SkipDestination},
    {"shpgrp", K::SkipDestination},
    {"stylesheet", K::SkipDestination},
    {"tab", K::Tab},
    {"tc", K::SkipDestination},
    {"template", K::SkipDestination},
    {"themedata", K::SkipDestination},
    {"u", K::Unicode},
    {"uc", K::UnicodeSkip},
    {"ud", K::Ud},
    {"ul", K::Underline},
    {"uld", K::Underline},
    {"uldash", K::Underline},
    {"uldashd", K::Underline},
    {"uldashdd", K::Underline},
    {"uldb", K::Underline},
    {"ulhwave", K::Underline},
    {"ulldash", K::Underline},
    {"ulnone", K::UnderlineNone},
    {"ulth", K::Underline},
    {"ulthd", K::Underline},
    {"ulthdash", K::Underline},
    {"ulthdashd", K::Underline},
    {"ulthdashdd", K::Underline},
    {"ulthldash", K::Underline},
    {"ululdbwave", K::Underline},
    {"ulw", K::Underline},
    {"ulwave", K::Underline},
    {"upr", K::Upr},
    {"userprops", K::SkipDestination},
    {"v", K::Hidden},
    {"xe", K::SkipDestination},
    {"xmlnstbl", K::SkipDestination},
    {"zwj", K::ZeroWidthJoiner},
    {"zwnj", K::ZeroWidthNonJoiner},
};

constexpr bool isSorted() {
    for (std::size_t i = 1; i < std::size(kEntries); ++i) {
        if (!(kEntries[i - 1].word < kEntries[i].word)) return false;
    }
    return true;
}
static_assert(isSorted(), "keyword table must stay sorted");

// Where the words of each first letter begin in the table: most lookups compare only a few
// words of equal length.
struct LetterRanges {
    std::array<std::uint16_t, 27> start{};
};

constexpr LetterRanges makeRanges() {
    LetterRanges ranges;
    std::size_t entry = 0;
    for (int letter = 0; letter < 26; ++letter) {
        ranges.start[static_cast<std::size_t>(letter)] = static_cast<std::uint16_t>(entry);
        while (entry < std::size(kEntries) && kEntries[entry].word[0] == 'a' + letter) ++entry;
    }
    ranges.start[26] = static_cast<std::uint16_t>(entry);
    return ranges;
}
constexpr LetterRanges kRanges = makeRanges();
static_assert(kRanges.start[26] == std::size(kEntries), "keywords must begin with a-z");

}  // namespace

RtfKeyword lookupRtfKeyword(std::string_view word) {
    if (word.empty() || word[0] < 'a' || word[0] > 'z') return RtfKeyword::Unknown;
    const auto letter = static_cast<std::size_t>(word[0] - 'a');
    for (std::size_t i = kRanges.start[letter]; i < kRanges.start[letter + 1]; ++i) {
        const std::string_view candidate = kEntries[i].word;
        if (candidate.size() != word.size()) continue;
        std::size_t k = 1;  // the first letters are equal
        while (k < word.size() && candidate[k] == word[k]) ++k;
        if (k == word.size()) return kEntries[i].keyword;
    }
    return RtfKeyword::Unknown;
}

}  // namespace textaria::platform::detail
