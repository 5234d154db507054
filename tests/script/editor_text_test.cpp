// The editor's text rules without the window: finding and replacing, and how printouts are cut
// into sheets.
#include <gtest/gtest.h>

#include "script/print_pages.h"
#include "script/text_search.h"

namespace textaria::script {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

TEST(TextSearch, FindsFromTheCaretWithCaseAndWrap) {
    struct Case {
        std::u16string text, needle;
        std::size_t from;
        bool matchCase, wrap;
        std::size_t expected;
    };
    const Case cases[] = {
        {u"kor(10,1)\nKOR(5,1)", u"kor", 0, false, true, 0},
        {u"kor(10,1)\nKOR(5,1)", u"kor", 1, false, true, 10},
        {u"kor(10,1)\nKOR(5,1)", u"kor", 1, true, true, 0},  // wraps to the start
        {u"kor(10,1)\nKOR(5,1)", u"kor", 1, true, false, kNone},
        {u"Größe GRÖSSE größe", u"GRÖßE", 1, false, true, 13},  // umlauts fold, ß stays
        {u"abcabc", u"cab", 3, false, true, 2},                 // reaches over the caret
        {u"abc", u"", 0, false, true, kNone},
        {u"ab", u"abc", 0, false, true, kNone},
        {u"abc", u"c", 99, false, true, 2},  // a caret past the end wraps
    };
    for (const Case& c : cases) {
        const auto found = findText(c.text, c.needle, c.from, {c.matchCase, c.wrap});
        EXPECT_EQ(found.value_or(kNone), c.expected)
            << std::string(c.needle.begin(), c.needle.end()) << " from " << c.from;
    }
}

TEST(TextSearch, ReplacesEveryOccurrenceOnce) {
    struct Case {
        std::u16string text, needle, replacement;
        bool matchCase;
        std::u16string expected;
        std::size_t count;
    };
    const Case cases[] = {
        {u"a = 1\nA = 2", u"a", u"b", false, u"b = 1\nb = 2", 2},
        {u"a = 1\nA = 2", u"a", u"b", true, u"b = 1\nA = 2", 1},
        {u"xx", u"x", u"xx", false, u"xxxx", 2},  // the replacement is not searched again
        {u"aaa", u"aa", u"b", false, u"ba", 1},
        {u"txt(1)", u"txt", u"", false, u"(1)", 1},
        {u"abc", u"", u"z", false, u"abc", 0},
    };
    for (const Case& c : cases) {
        const ReplaceAllResult result = replaceAll(c.text, c.needle, c.replacement, c.matchCase);
        EXPECT_EQ(result.text, c.expected);
        EXPECT_EQ(result.count, c.count);
    }
    EXPECT_EQ(countOccurrences(u"Kor kor KOR", u"kor", false), 3u);
    EXPECT_TRUE(sameText(u"KOR", u"kor", false));
    EXPECT_FALSE(sameText(u"KOR", u"kor", true));
    EXPECT_FALSE(sameText(u"", u"", false));
}

TEST(PrintPages, ScriptIsCutAtPageMarks) {
    using Pages = std::vector<std::string>;
    struct Case {
        std::string text;
        Pages expected;
    };
    const Case cases[] = {
        {"a = 1\nb = 2", {"a = 1\nb = 2"}},
        {"a = 1\n\xC2\xB6\nb = 2", {"a = 1\n", "b = 2"}},
        {"a\r\n\xC2\xB6\r\nb\r\n\xC2\xB6\r\nc", {"a\r\n", "b\r\n", "c"}},
        {"a\n\xC2\xB6\n", {"a\n"}},  // no empty sheet after a last mark
        {"Preis 5\xC2\xB6 je St\xC3\xBC"
         "ck",
         {"Preis 5\xC2\xB6 je St\xC3\xBC"
          "ck"}},  // no break
        {"", {""}},
    };
    for (const Case& c : cases) EXPECT_EQ(scriptPrintPages(c.text), c.expected) << c.text;
}

TEST(PrintPages, MemoSheetsStartAtDotLinesAndWhenFull) {
    using Sheets = std::vector<std::vector<std::string>>;
    EXPECT_EQ(memoPrintPages("eins\nzwei\n.\ndrei", 72), (Sheets{{"eins", "zwei"}, {"drei"}}));
    EXPECT_EQ(memoPrintPages(".Kopf\neins\r\n.neu\r\nzwei\n.", 72), (Sheets{{"eins"}, {"zwei"}}));
    EXPECT_EQ(memoPrintPages("1\n2\n3\n4\n5", 2), (Sheets{{"1", "2"}, {"3", "4"}, {"5"}}));
    EXPECT_EQ(memoPrintPages(" .kein Umbruch", 72), (Sheets{{" .kein Umbruch"}}));
}

}  // namespace
}  // namespace textaria::script
