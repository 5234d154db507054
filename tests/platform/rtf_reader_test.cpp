#include "platform/rtf_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace textaria::platform {
namespace {

std::string plain(std::string_view rtf) { return plainText(readRtf(rtf)); }

struct PlainCase {
    const char* name;
    const char* rtf;
    const char* expected;
};

template <std::size_t N>
void expectAll(const PlainCase (&cases)[N]) {
    for (const PlainCase& c : cases) {
        EXPECT_EQ(plain(c.rtf), c.expected) << c.name;
        EXPECT_EQ(plainText(readRtf(c.rtf, RtfDetail::TextOnly)), c.expected) << c.name;
    }
}

TEST(RtfReader, ParagraphsAndLineEnds) {
    const PlainCase cases[] = {
        {"empty", R"({\rtf1 })", ""},
        {"one line", R"({\rtf1 Haus})", "Haus"},
        {"each par ends a line", R"({\rtf1 a\par b\par})", "a\r\nb\r\n"},
        {"text after the last par", R"({\rtf1 a\par b})", "a\r\nb"},
        {"empty paragraphs", R"({\rtf1 \par\par x})", "\r\n\r\nx"},
        {"line break", R"({\rtf1 a\line b})", "a\r\nb"},
        {"source line ends are no text", "{\\rtf1 a\r\nb\nc\\par\r\n}", "abc\r\n"},
        {"backslash newline is a paragraph", "{\\rtf1 a\\\nb}", "a\r\nb"},
        {"page break inside text", R"({\rtf1 a\page b})", "a\r\nb"},
        {"page break after a paragraph", R"({\rtf1 a\par\page b})", "a\r\nb"},
        {"section end after a paragraph", R"({\rtf1 a\par\sect\sectd b\par})", "a\r\nb\r\n"},
        {"blanks and tabs kept", "{\\rtf1   a  \\tab b\t c  }", "  a  \tb\t c  "},
        {"text after the document is ignored", R"({\rtf1 a}junk\par)", "a"},
        {"no document group: all of it", R"(a {b} c\par d)", "a b c\r\nd"},
    };
    expectAll(cases);
}

TEST(RtfReader, SpecialCharactersAndEscapes) {
    const PlainCase cases[] = {
        {"escaped braces", R"({\rtf1 \{x\} \\ y})", "{x} \\ y"},
        {"quotes", R"({\rtf1 \lquote a\rquote  \ldblquote b\rdblquote})", "‘a’ “b”"},
        {"dashes and bullet", R"({\rtf1 \endash \emdash \bullet})", "–—•"},
        {"spaces", R"({\rtf1 a\~b\enspace c\emspace d\qmspace e})",
         "a\u00A0b\u2002c\u2003d\u2005e"},
        {"hyphens", R"({\rtf1 Rhein\_Main Donau\-dampf})", "Rhein\u2011Main Donaudampf"},
        {"lesson markup", R"({\rtf1 #01, Titel;bild.jpg\par [Antwort]\par \'a7$\par \'b5\par ?5})",
         "#01, Titel;bild.jpg\r\n[Antwort]\r\n§$\r\nµ\r\n?5"},
        {"control symbols without text", R"({\rtf1 a\|b\:c})", "abc"},
    };
    expectAll(cases);
}

TEST(RtfReader, CodePages) {
    const PlainCase cases[] = {
        {"default 1252", R"({\rtf1\ansi Gr\'fc\'dfe \'84x\'93 \'80})", "Grüße „x“ €"},
        {"hex digits in either case", R"({\rtf1 \'FC\'fC})", "üü"},
        {"document code page", R"({\rtf1\ansi\ansicpg1251 \'cc\'ee\'f1\'ea\'e2\'e0})", "Москва"},
        {"font charset wins",
         R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}})"
         R"(\'e4 {\f1\'e4})",
         "ä д"},
        {"central european", R"({\rtf1{\fonttbl{\f0\fcharset238 Arial CE;}}\f0 \'a3\'f3d\'9f})",
         "Łódź"},
        {"greek", R"({\rtf1{\fonttbl{\f0\fcharset161 Arial Greek;}}\'c5\'eb\'eb\'dc\'e4\'e1})",
         "Ελλάδα"},
        {"turkish", R"({\rtf1{\fonttbl{\f0\fcharset162 Arial Tur;}}\'ddstanbul \'f0\'fe})",
         "İstanbul ğş"},
        {"font code page", R"({\rtf1{\fonttbl{\f0\cpg1251 X;}}\'cc})", "М"},
        {"charset default uses the document",
         R"({\rtf1\ansicpg1250{\fonttbl{\f0\fcharset1 X;}}\'a3})", "Ł"},
        {"dos 437", R"({\rtf1\pc Gr\'81\'e1e \'b0})", "Grüße ░"},
        {"dos 850", R"({\rtf1\pca \'92\'9d})", "ÆØ"},
        {"unknown code page reads as 1252", R"({\rtf1\ansicpg932 \'fc})", "ü"},
        {"raw 8-bit bytes", "{\\rtf1\\ansicpg1251 \xcc\xee\xf1}", "Мос"},
        {"symbol font", R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Symbol;}}a{\f1 \'b0\'b4p}})",
         "a°×p"},
        {"other symbol fonts stay private",
         R"({\rtf1{\fonttbl{\f1\fcharset2 Wingdings;}}{\f1 \'e8}})", "\uF0E8"},
    };
    expectAll(cases);
}

TEST(RtfReader, Unicode) {
    const PlainCase cases[] = {
        {"with fallback", R"({\rtf1 \u8222?Haus\u8220?})", "„Haus“"},
        {"fallback as hex escape", R"({\rtf1 Gr\u252\'fc\u223\'dfe})", "Grüße"},
        {"fallback as control word", R"({\rtf1 \u8220\ldblquote x})", "“x"},
        {"negative numbers", R"({\rtf1 \u-3937?\u-4064?})", "\uF09F\uF020"},
        {"surrogate pair", R"({\rtf1 \u-10179?\u-8704?!})", "😀!"},
        {"lone surrogate", R"({\rtf1 \u-10179?x})", "\uFFFDx"},
        {"uc2 skips two", R"({\rtf1\uc2 \u8364 xyz})", "€z"},
        {"uc0 skips nothing", R"({\rtf1\uc0 \u8364 xyz})", "€xyz"},
        {"uc is scoped by groups", R"({\rtf1 {\uc2\u8364 ab}\u8364 ab})", "€€b"},
        {"skipping stops at a group", R"({\rtf1\uc3 {\u8364}abc})", "€abc"},
        {"no fallback for the next u", R"({\rtf1 \u1052\u1086?})", "Мо"},
        {"upr takes the unicode part", R"({\rtf1 {\upr{a?b}{\*\ud{a\u8364?b}}}})", "a€b"},
        {"symbol private area", R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\f1\u-3920?}})", "°"},
        // Line ends written as characters would split a line the paragraphs do not know.
        {"escaped line ends", R"({\rtf1 a\u13?\u10?b\'0d\'0ac\par d})", "a  b  c\r\nd"},
    };
    expectAll(cases);
}

TEST(RtfReader, DestinationsThatHoldNoText) {
    const PlainCase cases[] = {
        {"tables and info",
         R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red255\green0\blue0;})"
         R"({\stylesheet{\s1 Heading;}}{\info{\title Titel}{\author Ich}}Text})",
         "Text"},
        {"unknown optional destination", R"({\rtf1 a{\*\unknownthing b{c}d}e})", "ae"},
        {"unknown plain word is ignored", R"({\rtf1 a\unknownword b})", "ab"},
        {"header footer footnote", R"({\rtf1{\header H}{\footerr F}a{\footnote\chftn N}b})", "ab"},
        {"picture with binary braces", "{\\rtf1 a{\\pict\\pngblip \\bin4 }}{{ 89ab}b}", "ab"},
        {"picture hex", R"({\rtf1 a{\*\shppict{\pict 89504e47{}}}{\nonshppict{\pict ff}}b})", "ab"},
        {"field keeps its result", R"({\rtf1 S. {\field{\*\fldinst PAGE}{\fldrslt 3}} von 4})",
         "S. 3 von 4"},
        {"field instruction without star",
         R"({\rtf1 {\field{\fldinst HYPERLINK "x"}{\fldrslt{\ul Link}}}})", "Link"},
        {"list numbers are formatting", R"({\rtf1 {\listtext 1.\tab}{\pntext \'b7\tab}Punkt})",
         "Punkt"},
        {"bookmarks", R"({\rtf1 a{\*\bkmkstart mark}b{\*\bkmkend mark}c})", "abc"},
        {"hidden text", R"({\rtf1 a{\v versteckt}b\v c\v0 d})", "abd"},
        {"binary data in text", "{\\rtf1 a\\bin3 }{\\b}", "ab"},
    };
    expectAll(cases);
}

TEST(RtfReader, TablesGiveOneLinePerRow) {
    const PlainCase cases[] = {
        {"word style", R"({\rtf1 \trowd\cellx100\cellx200\intbl a\cell b\cell\row x})",
         "a\tb\r\nx"},
        {"empty cells", R"({\rtf1 \intbl a\cell\cell c\cell\cell\row})", "a\t\tc\t\r\n"},
        {"paragraph before each cell end",
         R"({\rtf1 {\pard\intbl a\par}\cell{\pard\intbl b\par})"
         R"(\cell{\intbl\row}{\pard \par}})",
         "a\tb\r\n\r\n"},
        {"two paragraphs in one cell", R"({\rtf1 \pard\intbl a\par b\cell c\cell\row})",
         "a\r\nb\tc\r\n"},
        {"nested cells", R"({\rtf1 \intbl a\cell{\*\nesttableprops x}\row})", "a\r\n"},
        {"paragraph after the table", R"({\rtf1 \intbl a\cell\row\pard b\par})", "a\r\nb\r\n"},
    };
    expectAll(cases);
}

TEST(RtfReader, MalformedInputYieldsWhatWasReadable) {
    const PlainCase cases[] = {
        {"truncated", R"({\rtf1 Haus\par Ma)", "Haus\r\nMa"},
        {"truncated escape", R"({\rtf1 a\')", "a"},
        {"bad hex", R"({\rtf1 a\'zzb})", "ab"},
        {"truncated inside a skipped group", R"({\rtf1 a{\*\x {{{)", "a"},
        {"lone backslash at the end", "{\\rtf1 a\\", "a"},
        {"stray closing brace first", R"(}{\rtf1 a})", "a"},
        {"absurd numbers", R"({\rtf1\uc99999999999999999999 \fs-99999999999999 a\f99999999999 b})",
         "ab"},
        {"absurd binary length", R"({\rtf1 a\bin99999999999999999999 xyz})", "a"},
        {"absurd unicode", R"({\rtf1 \u99999999999999?x})", "\uFFFFx"},
    };
    expectAll(cases);
}

TEST(RtfReader, ControlWordsEndAfter32Letters) {
    // What follows the 32 letters is text; nothing is lost or run together.
    EXPECT_EQ(plain("{\\rtf1 \\" + std::string(40, 'a') + "1 x}"), "aaaaaaaa1 x");
}

TEST(RtfReader, DeepNestingCostsNoStack) {
    const std::string deep =
        "{\\rtf1 " + std::string(100000, '{') + "tief\\b " + std::string(100000, '}') + "x}";
    EXPECT_EQ(plain(deep), "tiefx");
    // Never closed: still the text.
    EXPECT_EQ(plain("{\\rtf1 " + std::string(100000, '{') + "offen"), "offen");
    EXPECT_EQ(plain(std::string(100000, '}')), "");
}

TEST(RtfReader, EveryPrefixOfADocumentIsReadable) {
    const std::string rtf =
        R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset2 Symbol;}})"
        R"({\colortbl;\red255\green0\blue0;}\pard\qc\f0\fs24 Gr\'fc\'dfe {\b\cf1 fett}\u8222?x)"
        R"({\field{\*\fldinst PAGE}{\fldrslt 1}}{\pict\bin2 }}}\intbl a\cell\row\par})";
    const std::string full = plain(rtf);
    EXPECT_EQ(full, "Grüße fett„x1a\r\n\r\n");
    for (std::size_t n = 0; n <= rtf.size(); ++n) {
        const std::string part = plain(std::string_view(rtf).substr(0, n));
        // A cut inside a control word makes another word ("\pard" -> "\par"); after a blank or
        // a brace, the complete lines read so far must be those of the whole document.
        if (n == 0 || (rtf[n - 1] != ' ' && rtf[n - 1] != '}')) continue;
        const std::size_t lineEnd = part.rfind("\r\n");
        if (lineEnd != std::string::npos) {
            EXPECT_EQ(full.compare(0, lineEnd + 2, part, 0, lineEnd + 2), 0) << n;
        }
        EXPECT_LE(part.size(), full.size()) << n;
    }
}

// Damaged copies of real documents: nothing may crash, and reading with or without formats must
// give the same text.
TEST(RtfReader, DamagedDocumentsAreReadAlike) {
    static const char* const kInserts[] = {"{",      "}",     "\\",        "\\bin",
                                           "\\u-",   "\\'",   "\\*\\x",    "\\par",
                                           "\\cell", "\\row", "\\fonttbl", "\\uc9"};
    const auto dir = std::filesystem::path(__FILE__).parent_path() / "data" / "rtf";
    std::mt19937 rng(77);
    for (const char* name : {"lesson_lo.rtf", "lesson_abiword.rtf", "lesson_pandoc.rtf"}) {
        std::ifstream in(dir / name, std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        const std::string original = buffer.str();
        ASSERT_FALSE(original.empty()) << name;
        for (int round = 0; round < 400; ++round) {
            std::string damaged = original;
            for (int edits = 1 + static_cast<int>(rng() % 4); edits > 0; --edits) {
                const std::size_t at = rng() % damaged.size();
                switch (rng() % 3) {
                    case 0:
                        damaged[at] = static_cast<char>(rng() % 256);
                        break;
                    case 1:
                        damaged.insert(at, kInserts[rng() % std::size(kInserts)]);
                        break;
                    default:
                        damaged.erase(at, rng() % 64);
                        break;
                }
                if (damaged.empty()) damaged = "{";
            }
            const std::string formatted = plainText(readRtf(damaged));
            ASSERT_EQ(formatted, plainText(readRtf(damaged, RtfDetail::TextOnly))) << damaged;
        }
    }
}

TEST(RtfReader, CharacterFormats) {
    const StyledText text = readRtf(
        R"({\rtf1\ansi\deff1{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss\fcharset0 Arial;}})"
        R"({\colortbl;\red255\green0\blue0;\red0\green128\blue0;})"
        R"(a{\b b{\i c}}{\f0\fs36 d}{\ul e\ulnone f}{\ul0 g}{\ulc1 h}{\uldb i}{\cf1 j\cf2 k\cf9 l})"
        R"(\b\i\cf1 m\plain n{\fs0 o}{\fs100000 p}})");
    ASSERT_EQ(text.paragraphs.size(), 1u);
    struct Expected {
        const char* text;
        const char* font;
        double size;
        bool bold, italic, underline;
        std::uint32_t colour;
    };
    const Expected expected[] = {
        {"a", "Arial", 12, false, false, false, 0},
        {"b", "Arial", 12, true, false, false, 0},
        {"c", "Arial", 12, true, true, false, 0},
        {"d", "Times New Roman", 18, false, false, false, 0},
        {"e", "Arial", 12, false, false, true, 0},
        {"fgh", "Arial", 12, false, false, false, 0},  // \ulc is the underline colour
        {"i", "Arial", 12, false, false, true, 0},
        {"j", "Arial", 12, false, false, false, 0xFF0000},
        {"k", "Arial", 12, false, false, false, 0x008000},
        {"l", "Arial", 12, false, false, false, 0},  // beyond the colour table
        {"m", "Arial", 12, true, true, false, 0xFF0000},
        {"no", "Arial", 12, false, false, false, 0},
        {"p", "Arial", 1638, false, false, false, 0},
    };
    const auto& runs = text.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), std::size(expected));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Expected& e = expected[i];
        const CharFormat& f = runs[i].format;
        EXPECT_EQ(runs[i].text, e.text);
        EXPECT_EQ(f.fontName, e.font) << e.text;
        EXPECT_EQ(f.pointSize, e.size) << e.text;
        EXPECT_EQ(f.bold, e.bold) << e.text;
        EXPECT_EQ(f.italic, e.italic) << e.text;
        EXPECT_EQ(f.underline, e.underline) << e.text;
        EXPECT_EQ(f.color, e.colour) << e.text;
    }
}

TEST(RtfReader, ParagraphAlignment) {
    const StyledText text = readRtf(
        R"({\rtf1 \qc a\par b\par\pard c\par {\qr d\par}\qj e\par \pard\qc\intbl x\cell\row\qr f})");
    const Alignment expected[] = {Alignment::Center, Alignment::Center,  Alignment::Left,
                                  Alignment::Right,  Alignment::Justify, Alignment::Center,
                                  Alignment::Right};
    ASSERT_EQ(text.paragraphs.size(), std::size(expected));
    for (std::size_t i = 0; i < text.paragraphs.size(); ++i) {
        EXPECT_EQ(text.paragraphs[i].alignment, expected[i]) << i;
    }
}

TEST(RtfReader, SymbolFontIsShownGreekButReadAsTyped) {
    const StyledText text = readRtf(
        R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Symbol;}}p = {\f1 p \'b9 a}[{\f1 p}]})");
    EXPECT_EQ(plainText(text), "p = p ≠ a[p]");  // the markup sees the letters typed
    EXPECT_EQ(plainText(withSymbolFontShown(text)), "p = π ≠ α[π]");
}

TEST(RtfReader, LooksLikeRtf) {
    EXPECT_TRUE(looksLikeRtf("{\\rtf1\\ansi"));
    EXPECT_TRUE(looksLikeRtf("\xEF\xBB\xBF \r\n{\\rtf"));
    EXPECT_FALSE(looksLikeRtf("{\\rt"));
    EXPECT_FALSE(looksLikeRtf("#01, Titel"));
    EXPECT_FALSE(looksLikeRtf(""));
}

}  // namespace
}  // namespace textaria::platform
