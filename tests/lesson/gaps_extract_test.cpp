#include <gtest/gtest.h>

#include "lesson/gaps.h"
#include "lesson/gaps_words.h"
#include "lesson/texts.h"

namespace textaria::lesson {
namespace {

std::string gaps(int n, std::string_view extraClose = "") {
    std::string s;
    for (int i = 1; i <= n; ++i) s += "w [" + std::to_string(i) + "] ";
    return s + std::string(extraClose);
}

std::vector<std::string> answers(const GapTable& t) {
    std::vector<std::string> out;
    for (const GapEntry& e : t.entries) out.push_back(e.answer);
    return out;
}

TEST(ExtractGaps, CountsAndErrors) {
    struct Case {
        std::string name;
        std::string page;
        GapError error;
        int count;
    };
    const Case cases[] = {
        {"none", "kein Lückentext", GapError::None, 0},
        {"twenty", gaps(20), GapError::None, 20},
        {"twenty-one beats unbalanced", gaps(21, "]]"), GapError::TooMany, 0},
        {"one open, two close", "a [b] c]", GapError::Brackets, 0},
        {"close before open", "a ] b [", GapError::Brackets, 0},
        {"second pair reversed", "[a] ] b [", GapError::Brackets, 0},
        {"unbalanced in a dropped line", "[a]\r\n_ ]", GapError::None, 1},
    };
    for (const Case& c : cases) {
        const GapExtraction x = ExtractGaps(c.page);
        EXPECT_EQ(x.error, c.error) << c.name;
        EXPECT_EQ(x.table.GapCount(), c.count) << c.name;
    }
    EXPECT_EQ(gapErrorMessage(GapError::TooMany), "Lückenfehler: Anzahl der Lücken > 20 !");
    EXPECT_EQ(gapErrorMessage(GapError::Brackets), "Lückenfehler: Eckige Klammern fehlen !");
    EXPECT_EQ(gapErrorMessage(GapError::None), "");
}

TEST(ExtractGaps, AnswersArePairedInOrderAndTrimmed) {
    const GapExtraction x = ExtractGaps("Das [ Haus ] ist [gro\xC3\x9F].\r\n[3,5\\3.5]  [] [+]");
    EXPECT_EQ(answers(x.table),
              (std::vector<std::string>{"Haus", "gro\xC3\x9F", "3,5\\3.5", "", "+"}));
    EXPECT_EQ(x.table.entries[1].openPos, 17u);
    EXPECT_EQ(x.table.entries[1].closePos, 23u);  // "ß" is two bytes
    // Nested brackets pair by count, not by depth.
    EXPECT_EQ(answers(ExtractGaps("[[a]]").table), (std::vector<std::string>{"[a", "a]"}));
}

TEST(ExtractGaps, TrailingEmptyAndUnderscoreLinesGo) {
    struct Case {
        std::string page, text;
    };
    const Case cases[] = {
        {"a [b]\r\n\r\n  \r\n", "a [b]\r\n"},
        {"a [b]\r\n _ Hinweis [x]\r\n\r\n", "a [b]\r\n"},
        {"a\r\n_x\r\nb\r\n_y", "a\r\n_x\r\nb\r\n"},  // only from the end
        {"_\r\n\r\n", ""},
        {"a [b]", "a [b]"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExtractGaps(c.page).text, c.text) << c.page;
}

TEST(GapFields, FontSizeByPageFontAndChange) {
    struct Case {
        double size;
        int change;
        int expected;
    };
    const Case cases[] = {
        {10, 0, 10}, {13.5, 0, 10}, {14, 0, 12}, {15.5, 0, 12}, {16, 0, 14},  {17, 0, 14},
        {18, 0, 16}, {21, 0, 16},   {22, 0, 18}, {22.5, 0, 18}, {23, 0, 20},  {72, 0, 20},
        {12, 2, 11}, {12, 3, 12},   {12, 5, 12}, {12, -3, 8},   {12, -1, 10}, {12, -40, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gapFieldFontSize(c.size, c.change), c.expected) << c.size << " " << c.change;
}

TEST(AnswerWordList, ExactDuplicatesAndCaseInsensitiveOrder) {
    auto list = [](std::vector<std::string> words) {
        GapTable t;
        for (auto& w : words) t.entries.push_back({0, 0, 0, w, 0, 0});
        return BuildAnswerWordList(t);
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(list({"Haus", "Haus", "haus"}), (V{" Haus", " haus"}));
    EXPECT_EQ(list({"Zebra", "birne", "\xC3\x84pfel", "Apfel", "Ast"}),
              (V{" Apfel", " \xC3\x84pfel", " Ast", " birne", " Zebra"}));
    EXPECT_EQ(list({"10", "9", "", ""}), (V{" ", " 10", " 9"}));
    EXPECT_EQ(list({}), V{});
}

}  // namespace
}  // namespace textaria::lesson
