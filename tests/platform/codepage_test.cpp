#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace textaria::platform {
namespace {

TEST(CodePage, Cp1252ToUtf8CoversTheWindowsRange) {
    // Bytes 0x80..0x9F are where 1252 differs from Latin-1.
    EXPECT_EQ(cp1252ToUtf8("Gr\xFC\xDF"
                           "e \x80 \x84Haus\x93 \x96 \x97 \x85"),
              "Grüße € „Haus“ – — …");
    EXPECT_EQ(cp1252ToUtf8("\xA7$ \xB5"), "§$ µ");
    // Undefined bytes survive as the C1 control of the same number.
    EXPECT_EQ(cp1252ToUtf8("\x81\x8D"), "\xC2\x81\xC2\x8D");
    EXPECT_EQ(cp1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(CodePage, Utf8ToCp1252ReplacesWhatItCannotHold) {
    struct Case {
        const char* utf8;
        const char* cp1252;
        bool lossless;
    };
    const Case cases[] = {
        {"Grüße € „Haus“",
         "Gr\xFC\xDF"
         "e \x80 \x84Haus\x93",
         true},
        {"\xC2\x81", "\x81", true},
        {"Москва", "??????", false},
        {"a😀b", "a?b", false},
        {"bad \xFF byte", "bad ? byte", false},
        {"cut \xE2\x82", "cut ??", false},
    };
    for (const Case& c : cases) {
        bool lossless = !c.lossless;
        EXPECT_EQ(utf8ToCp1252(c.utf8, &lossless), c.cp1252) << c.utf8;
        EXPECT_EQ(lossless, c.lossless) << c.utf8;
    }
    // Every byte of 1252 comes back unchanged through UTF-8.
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    bool lossless = false;
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all), &lossless), all);
    EXPECT_TRUE(lossless);
}

TEST(CodePage, Utf8Validity) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("Grüße 😀 \xEF\xBF\xBD"));  // a real U+FFFD is fine
    EXPECT_FALSE(
        isValidUtf8("Gr\xFC\xDF"
                    "e"));                          // 1252 text
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));          // truncated
}

TEST(CodePage, DecodeTextFileChoosesTheEncoding) {
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBFGrüße"), "Grüße");
    EXPECT_EQ(decodeTextFile("Grüße"), "Grüße");
    EXPECT_EQ(decodeTextFile("Gr\xFC\xDF"
                             "e\r\n"),
              "Grüße\r\n");
    // One bad byte makes the whole file 1252, also its valid-looking pairs.
    EXPECT_EQ(decodeTextFile("\xC3\xBC \xFC"), "Ã¼ ü");
}

TEST(CodePage, DecodeByteFollowsTheCodePage) {
    struct Case {
        int codePage;
        unsigned char byte;
        char32_t expected;
    };
    const Case cases[] = {
        {1250, 0xA3, U'Ł'},
        {1250, 0x9F, U'ź'},
        {1251, 0xCC, U'М'},
        {1251, 0xE0, U'а'},
        {1252, 0x80, U'€'},
        {1253, 0xC5, U'Ε'},
        {1254, 0xDD, U'İ'},
        {437, 0x81, U'ü'},
        {437, 0xB0, U'░'},
        {850, 0x9D, U'Ø'},
        {10000, 0x8A, U'ä'},
        {9999, 0xFC, U'ü'},
        {kSymbolCodePage, 0xB0, U'°'},
        {kSymbolCodePage, 0xB4, U'×'},
        {1252, 0x41, U'A'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeByte(c.codePage, c.byte), c.expected) << c.codePage << " " << int(c.byte);
    }
}

TEST(CodePage, SymbolFontLooksGreek) {
    EXPECT_EQ(symbolToUnicode(U'a'), U'α');
    EXPECT_EQ(symbolToUnicode(U'p'), U'π');
    EXPECT_EQ(symbolToUnicode(U'W'), U'Ω');
    EXPECT_EQ(symbolToUnicode(0xF061), U'α');
    EXPECT_EQ(symbolToUnicode(U'1'), U'1');
    EXPECT_EQ(symbolToUnicode(U'['), U'[');
    EXPECT_EQ(symbolToUnicode(U'Ж'), U'Ж');
}

}  // namespace
}  // namespace textaria::platform
