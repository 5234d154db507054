#include "platform/text_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace textaria::platform {
namespace {

TEST(TextHelpers, TrimAndCase) {
    EXPECT_EQ(trim("\t \x01 a b \r\n"), "a b");
    EXPECT_EQ(trim(" \x7F "), "\x7F");  // DEL is above 32
    EXPECT_EQ(trimOf("  \ta  ", " "), "\ta");
    EXPECT_EQ(trimOf("\r\n", " \t\r\n"), "");
    EXPECT_EQ(asciiLowerCase("ÄBC-xyZ"), "Äbc-xyz");
    EXPECT_EQ(asciiUpperCase("äbc-xyZ"), "äBC-XYZ");
    // Latin-1 letters change case in place; × and ÷ and other two-byte letters stay.
    EXPECT_EQ(latin1LowerCase("ÄÖÜ×ÀÞ ŒA"), "äöü×àþ Œa");
    EXPECT_EQ(latin1UpperCase("äöüß÷àþ œa"), "ÄÖÜß÷ÀÞ œA");
    EXPECT_EQ(utf8Length("aä€😀"), 4u);
}

TEST(TextHelpers, ReplaceAllNeverSearchesWhatItInserted) {
    struct Case {
        const char* text;
        const char* from;
        const char* to;
        bool ignoreCase;
        const char* expected;
        std::size_t count;
    };
    const Case cases[] = {
        {"aXa", "a", "aa", false, "aaXaa", 2},
        {"aaa", "aa", "b", false, "ba", 1},
        {"Funtex1 x FUNTEX1", "funtex1", "y", true, "y x y", 2},
        {"Funtex1", "funtex1", "y", false, "Funtex1", 0},
        {"abc", "", "x", true, "abc", 0},
        {"ab", "abc", "x", true, "ab", 0},
        {"\x01PI\x01", "PI", "3", false,
         "\x01"
         "3\x01",
         1},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(replaceAll(text, c.from, c.to, c.ignoreCase), c.count) << c.text;
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(TextHelpers, ControlsAreEscapedC1Included) {
    EXPECT_EQ(escapeControls("a\tb\x7F"
                             "c"),
              "a\\x09b\\x7Fc");
    EXPECT_EQ(escapeControls("x\xC2\x9Dy\xC2\x80\xC2\x9F"), "x\\x9Dy\\x80\\x9F");
    EXPECT_EQ(escapeControls("\xC2\xA0\xC3\xA4"), "\xC2\xA0\xC3\xA4");  // no-break space, ä
    EXPECT_EQ(escapeControls("\xC2"), "\xC2");
}

}  // namespace
}  // namespace textaria::platform
