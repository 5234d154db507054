#include "lesson/markup_placeholders.h"

#include <gtest/gtest.h>

namespace textaria::lesson {
namespace {

TEST(MarkupPlaceholders, Substitution) {
    PlaceholderValues values;
    values['x' - 'a'] = "2.5";
    values['b' - 'a'] = "7";
    values['a' - 'a'] = ".b";  // a value is substituted again by the letters after it
    const PlaceholderFormulas formulas = {"f1", "x^2", "", "", "f5"};
    struct Case {
        std::string page, expected;
    };
    const Case cases[] = {
        {"Der Wert ist .x = [.x]", "Der Wert ist 2.5 = [2.5]"},
        {".X und .x", "2.5 und 2.5"},
        {"z.B. so", "z7. so"},  // every "." + letter is a placeholder
        {"f(x) = :formel2, :FORMEL5; :formel3.", "f(x) = x^2, f5; ."},
        {"[.a]", "[7]"},
        {"3.5 und .", "3.5 und ."},
        {".c", ""},  // a variable without a value text
    };
    for (const Case& c : cases)
        EXPECT_EQ(substitutePlaceholders(c.page, values, formulas), c.expected) << c.page;
}

TEST(MarkupPlaceholders, ReplacementsReplayOnACopy) {
    ScriptValues results;
    results.values['a' - 'a'] = "12";
    results.values['b' - 'a'] = "";
    results.formulas[0] = "x^2";
    const std::string page = "\xC3\x84 .a + .A = [.b]\r\nf = :Formel1, .a";
    std::string text = page;
    const auto made = substitutePlaceholders(text, results);
    EXPECT_EQ(text, "\xC3\x84 12 + 12 = []\r\nf = x^2, 12");
    // In order: the three of A, the one of B, then the formula; each where the ones before
    // it left the text.
    ASSERT_EQ(made.size(), 5u);
    EXPECT_EQ(made[0].begin, 3u);
    EXPECT_EQ(made[1].begin, 8u);
    EXPECT_EQ(made[3].begin, 14u);
    EXPECT_EQ(made[3].length, 2u);
    EXPECT_EQ(made[4].text, "x^2");
    std::string copy = page;
    applyReplacements(copy, made);
    EXPECT_EQ(copy, text);
}

TEST(MarkupPlaceholders, LettersShownOutsideGaps) {
    struct Case {
        std::string page, letters;
    };
    const Case cases[] = {
        {"Der Wert ist .x = [.x]", "x"},
        {"[.a] [ .b ] [c .d]", "d"},  // blanks go before "[." is looked for
        {".A .z", "az"},
        {"3.5 .", ""},
    };
    for (const Case& c : cases) {
        const auto used = lettersShownOutsideGaps(c.page);
        std::string letters;
        for (int i = 0; i < 26; ++i)
            if (used.test(static_cast<std::size_t>(i))) letters += static_cast<char>('a' + i);
        EXPECT_EQ(letters, c.letters) << c.page;
    }
}

}  // namespace
}  // namespace textaria::lesson
