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
