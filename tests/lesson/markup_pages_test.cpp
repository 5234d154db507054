#include "lesson/markup_pages.h"

#include <gtest/gtest.h>

#include "lesson/markup_text.h"

namespace textaria::lesson {
namespace {

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> out;
    for (const LineSpan& l : splitLines(text)) out.emplace_back(lineText(text, l));
    return out;
}

TEST(MarkupText, LinesAreThePartsBetweenCrLf) {
    using V = std::vector<std::string>;
    EXPECT_EQ(linesOf("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(linesOf("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(linesOf("a\r\n\r\n"), (V{"a", ""}));
    EXPECT_EQ(linesOf("\r\n"), (V{""}));
    EXPECT_EQ(linesOf(""), V{});
    EXPECT_EQ(linesOf("a\nb\rc"), (V{"a\nb\rc"}));  // only CR LF ends a line
}

// Options and trailing lines are read from the end of a page; that must give the very lines
// the whole split gives, whatever the line ends look like.
TEST(MarkupText, LinesFromTheEndAreTheLastLinesOfTheSplit) {
    for (std::string_view text : {"", "a", "\r\n", "a\r\nb", "a\r\nb\r\n", "\r\n\r\n", "x\r\r\n",
                                  "\n\r\n\r", "a\r\n\r\nb\r\n\r\n", "\r", "ab\r\n\r"}) {
        const std::vector<LineSpan> all = splitLines(text);
        for (std::size_t n = 0; n <= all.size() + 1; ++n) {
            const std::vector<LineSpan> tail = lastLines(text, n);
            ASSERT_EQ(tail.size(), std::min(n, all.size())) << testing::PrintToString(text);
            for (std::size_t i = 0; i < tail.size(); ++i) {
                const LineSpan& expected = all[all.size() - tail.size() + i];
                EXPECT_EQ(tail[i].begin, expected.begin) << testing::PrintToString(text);
                EXPECT_EQ(tail[i].end, expected.end) << testing::PrintToString(text);
                EXPECT_EQ(tail[i].hasBreak, expected.hasBreak) << testing::PrintToString(text);
            }
        }
    }
}

TEST(MarkupText, TrimAndLowerCase) {
    EXPECT_EQ(trim("\t \x01 Haus \r\n"), "Haus");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(lowerCase("ÄÖÜ Straße ABC×"), "äöü straße abc×");
    EXPECT_EQ(asciiLowerCase("ÄB"), "Äb");
}

TEST(MarkupText, DocumentPositionCountsUtf16AndOneBreak) {
    struct Case {
        std::string text;
        std::size_t byte;
        std::size_t expected;
    };
    const Case cases[] = {
        {"abc", 2, 2},
        {"a§[", 3, 2},                // "§" is two bytes, one unit
        {"a\r\n[", 3, 2},             // a line break is one position
        {"\xF0\x9F\x98\x80[", 4, 2},  // outside the BMP: two units
        {"ä", 1, 0},                  // inside a character: its start
        {"ab", 99, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(documentPosition(c.text, c.byte), c.expected) << c.text << " @" << c.byte;
}

TEST(MarkupText, EraseRangesMergesOverlaps) {
    EXPECT_EQ(eraseRanges("0123456789", {{6, 8}, {1, 3}, {2, 4}}), "04589");
}

TEST(MarkupPages, EveryHashBeginsATitleAndTheLastBodyIsNotShown) {
    const std::string text = "#A\r\nerste\r\n#B ;  b.jpg \r\nzweite\r\n#C\r\nnie";
    const PageList list = splitPages(text);
    EXPECT_EQ(list.PageCount, 3);
    ASSERT_EQ(list.pages.size(), 2u);
    EXPECT_EQ(list.pages[0].title, "A");
    EXPECT_EQ(list.pages[1].title, "B");
    EXPECT_EQ(list.pages[1].media.picture, "b.jpg");
    const ByteRange b = list.pages[0].body;
    EXPECT_EQ(text.substr(b.begin, b.end - b.begin), "erste\r\n");
    EXPECT_EQ(list.headerLine, "erste");
}

TEST(MarkupPages, HashInsideALine) {
    // "x#A" begins a title too; a second "#" on a title line ends it and leaves no body.
    const PageList list = splitPages("vorher x#A #B\r\nText\r\n#00");
    EXPECT_EQ(list.PageCount, 3);
    ASSERT_EQ(list.pages.size(), 2u);
    EXPECT_EQ(list.pages[0].title, "A");
    EXPECT_EQ(list.pages[0].body.begin, list.pages[0].body.end);
    EXPECT_EQ(list.pages[1].title, "B");
}

TEST(MarkupPages, ClosingTitleWithoutLineEnd) {
    const PageList list = splitPages("#01, Eins\r\nText\r\n#00");
    ASSERT_EQ(list.pages.size(), 1u);
    EXPECT_EQ(list.PageCount, 2);
    EXPECT_TRUE(splitPages("#nur").pages.empty());
}

TEST(MarkupPages, ModeSignsOfTheFirstTitle) {
    struct Case {
        std::string text;
        bool test, child;
        std::string title;
    };
    const Case cases[] = {
        {"#01, _Info\r\n#00", true, false, "01, Info"},
        {"#01, !Info\r\n#00", false, true, "01, Info"},
        {"#01_! _Info!\r\n#00", true, true, "01 _Info!"},  // only the first of each sign goes
        {"#01, Info;bild_1.jpg\r\n#00", false, false, "01, Info"},
        {"#01, Info\r\n#02, _x\r\n#00", false, false, "01, Info"},
    };
    for (const Case& c : cases) {
        const PageList list = splitPages(c.text);
        EXPECT_EQ(list.TestMode, c.test) << c.text;
        EXPECT_EQ(list.ChildMode, c.child) << c.text;
        EXPECT_EQ(list.pages.at(0).title, c.title) << c.text;
    }
}

TEST(MarkupPages, MediaLine) {
    struct Case {
        std::string line, picture, sound, external;
    };
    const Case cases[] = {
        {"hafen.jpg, hafen.mp3", "hafen.jpg", "hafen.mp3", ""},
        {" bild.jpg ", "bild.jpg", "", ""},
        {"bild.jpg,  Ton.MP3 ", "bild.jpg", "Ton.MP3", ""},
        {"bild.jpg, film.mp4", "bild.jpg", "", "film.mp4"},
        {", a.mp3, b", "", "a.mp3, b", ""},
    };
    for (const Case& c : cases) {
        const MediaLine m = parseMediaLine(c.line);
        EXPECT_EQ(m.picture, c.picture) << c.line;
        EXPECT_EQ(m.sound, c.sound) << c.line;
        EXPECT_EQ(m.external, c.external) << c.line;
    }
    const PageList list = splitPages("#03, Der Hafen;hafen.jpg, hafen.mp3\r\nx\r\n#00");
    EXPECT_EQ(list.pages.at(0).title, "03, Der Hafen");
    EXPECT_EQ(list.pages.at(0).media.line, "hafen.jpg, hafen.mp3");
}

TEST(MarkupPages, KindOfText) {
    EXPECT_EQ(classifyLesson("Text [a]", 0), LessonKind::Single);
    EXPECT_EQ(classifyLesson("#01\r\n#00", 3), LessonKind::List);
    EXPECT_EQ(classifyLesson("eins.RSD\r\nzwei.rsd", 2), LessonKind::Menu);
    EXPECT_EQ(classifyLesson("eins.rsd", 0), LessonKind::Single);  // nothing unpacked with it
    EXPECT_EQ(classifyLesson("kein Archiv", 2), LessonKind::Single);
}

}  // namespace
}  // namespace textaria::lesson
