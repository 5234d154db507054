#include "platform/rtf_writer.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/rtf_reader.h"

namespace textaria::platform {
namespace {

// Random documents in the canonical form the reader produces: no empty runs, neighbouring runs
// differ in format, and an unended last paragraph is not empty.
StyledText randomText(std::mt19937& rng) {
    static const char* const kPieces[] = {
        "Haus",     " ",         "  ",
        "\t",       "{",         "}",
        "\\",       "[Antwort]", "#01, Titel;bild.jpg",
        "§$",       "µ",         "ß",
        "ÄÖÜäöü",   "€",         "„",
        "“",        "‚",         "‘",
        "«»",       "–",         "—",
        "…",        "\u00A0",    "Москва",
        "Ελλάδα",   "Łódź",      "😀",
        "\xC2\x81", "\x01",      "?",
        ";",        "\\par",     "'",
        "\u2011",
    };
    static const char* const kFonts[] = {"Arial", "Times New Roman", "Courier New", "Symbol", ""};
    static const std::uint32_t kColours[] = {0x000000, 0xFF0000, 0x00FF00, 0x123456, 0xFFFFFF};
    auto pick = [&rng](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };

    StyledText text;
    const std::size_t paragraphs = pick(6);
    for (std::size_t p = 0; p < paragraphs; ++p) {
        Paragraph paragraph;
        paragraph.alignment = static_cast<Alignment>(pick(4));
        const std::size_t runs = pick(5);
        for (std::size_t r = 0; r < runs; ++r) {
            CharFormat format;
            format.fontName = kFonts[pick(std::size(kFonts))];
            format.pointSize = static_cast<double>(1 + pick(200)) / 2.0;
            format.bold = pick(2) == 1;
            format.italic = pick(2) == 1;
            format.underline = pick(2) == 1;
            format.color = kColours[pick(std::size(kColours))];
            std::string piece;
            for (std::size_t k = 1 + pick(4); k > 0; --k)
                piece += kPieces[pick(std::size(kPieces))];
            appendRun(paragraph, piece, format);
        }
        text.paragraphs.push_back(std::move(paragraph));
    }
    text.endsWithLineEnd = !text.paragraphs.empty() && pick(2) == 1;
    if (!text.endsWithLineEnd && !text.paragraphs.empty() && text.paragraphs.back().runs.empty()) {
        text.endsWithLineEnd = true;
    }
    return text;
}

TEST(RtfWriter, ReadingWhatWasWrittenGivesTheSameText) {
    std::mt19937 rng(20261209);
    for (int i = 0; i < 2000; ++i) {
        const StyledText text = randomText(rng);
        const std::string rtf = writeRtf(text);
        const StyledText back = readRtf(rtf);
        ASSERT_EQ(plainText(back), plainText(text)) << rtf;
        ASSERT_TRUE(back == text) << rtf;
        ASSERT_EQ(plainText(readRtf(rtf, RtfDetail::TextOnly)), plainText(text)) << rtf;
    }
}

TEST(RtfWriter, UsesAnsiEscapesAndUnicodeForTheRest) {
    StyledText text;
    Paragraph paragraph;
    appendRun(paragraph, "Grüße {x} \\ Москва 😀\t", CharFormat{"Arial"});
    text.paragraphs.push_back(paragraph);
    const std::string rtf = writeRtf(text);
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252")) << rtf;
    EXPECT_NE(rtf.find("Gr\\'fc\\'dfe \\{x\\} \\\\ \\u1052?\\u1086?"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\u-10179?\\u-8704?\\tab "), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\f0\\fnil\\fcharset0 Arial;}"), std::string::npos) << rtf;
    // Every byte is 7-bit: the file survives any transfer.
    for (const char c : rtf) ASSERT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST(RtfWriter, EmptyDocumentIsValidRtf) {
    const std::string rtf = writeRtf(StyledText{});
    EXPECT_TRUE(looksLikeRtf(rtf));
    EXPECT_EQ(plainText(readRtf(rtf)), "");
}

}  // namespace
}  // namespace textaria::platform
