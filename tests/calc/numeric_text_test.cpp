// Text utilities, list splitting and number reading/writing of the script layer.
#include "calc/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "calc/numeric_number.h"

namespace textaria::calc {
namespace {

TEST(NumericText, PositionsAndCounts) {
    EXPECT_EQ(lastPosition("a,b,c", ','), 4u);
    EXPECT_EQ(lastPosition("abc", ','), 0u);
    EXPECT_EQ(repeatChar('-', 3), "---");
    EXPECT_EQ(repeatChar('-', -1), "");
    EXPECT_EQ(collapseSpaces("a   b  c "), "a b c ");

    struct Find {
        const char* needle;
        const char* text;
        std::size_t start;
        bool exact;
        std::size_t expected;
    };
    for (const Find& f : std::vector<Find>{{"b", "abcabc", 3, true, 5},
                                           {"B", "abcabc", 1, false, 2},
                                           {"B", "abcabc", 1, true, 0},
                                           {"c", "abc", 4, true, 0},
                                           {"", "abc", 1, true, 0},
                                           {"abcd", "abc", 1, false, 0}}) {
        EXPECT_EQ(findFrom(f.needle, f.text, f.start, f.exact), f.expected)
            << f.needle << " in " << f.text;
    }
    EXPECT_EQ(countOccurrences("aaaa", "aa", true), 2u);  // non-overlapping
    EXPECT_EQ(countOccurrences("abAB", "Ab", false), 2u);
    EXPECT_EQ(countOccurrences("abAB", "Ab", true), 0u);
}

TEST(NumericText, ReplaceAllNeverRescansInsertedText) {
    std::string text = "aaa";
    EXPECT_EQ(replaceAll(text, "a", "aa", false), 3u);
    EXPECT_EQ(text, "aaaaaa");

    text = "FunTex1 + funtex1";
    EXPECT_EQ(replaceAll(text, "FUNTEX1", "x^2", true), 2u);
    EXPECT_EQ(text, "x^2 + x^2");
    text = "FunTex1";
    EXPECT_EQ(replaceAll(text, "FUNTEX1", "x", false), 0u);
    EXPECT_EQ(replaceAll(text, "", "x", true), 0u);
    EXPECT_EQ(text, "FunTex1");
}

TEST(NumericLists, SplitItems) {
    struct Case {
        const char* text;
        std::vector<std::string> items;
    };
    for (const Case& c : std::vector<Case>{{"a, b ,c", {"a", "b", "c"}},
                                           {"1,", {"1"}},
                                           {"1,,2", {"1", "", "2"}},
                                           {",", {""}},
                                           {" x ", {"x"}},
                                           {"", {}},
                                           {"   ", {}},
                                           {"(1,2)", {"(1", "2)"}}}) {
        const ItemList list = SplitItems(c.text);
        EXPECT_EQ(list.items, c.items) << c.text;
        EXPECT_FALSE(list.tooLong);
    }
}

std::string numbersText(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += std::to_string(i) + ",";
    return text;
}

TEST(NumericLists, MoreThanHundredItemsAreRefused) {
    NumericContext context;
    EXPECT_EQ(SplitItems(numbersText(100), context).count(), 100u);
    EXPECT_FALSE(context.errorFlag);

    const ItemList refused = SplitItems(numbersText(101), context);
    EXPECT_TRUE(refused.tooLong);
    EXPECT_EQ(refused.count(), 0u);
    EXPECT_TRUE(context.errorFlag);

    context.errorFlag = false;
    const NumberList numbers = ParseNumbers(numbersText(101), ',', context);
    EXPECT_TRUE(numbers.tooLong);
    EXPECT_EQ(numbers.count, 0u);
    EXPECT_TRUE(context.errorFlag);
    EXPECT_EQ(ParseNumbers(numbersText(100), ',').count, 100u);
}

TEST(NumericLists, ParseNumbers) {
    struct Case {
        const char* text;
        char separator;
        std::vector<double> values;  // empty: count 0
    };
    for (const Case& c : std::vector<Case>{{"1.5, -2,3E2", ',', {1.5, -2, 300}},
                                           {"1;2", ';', {1, 2}},
                                           {"3,5", ',', {3, 5}},
                                           {"3,5", ';', {}},
                                           {"1,x,3", ',', {}},
                                           {"1,,2", ',', {}},
                                           {"1,2*3", ',', {}},
                                           {"", ',', {}}}) {
        const NumberList list = ParseNumbers(c.text, c.separator);
        ASSERT_EQ(list.count, c.values.size()) << c.text;
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            EXPECT_DOUBLE_EQ(list.value(i), c.values[i]) << c.text;
        }
    }
    // What was read before the failure stays, but does not count.
    const NumberList partial = ParseNumbers("7,x", ',');
    EXPECT_EQ(partial.count, 0u);
    EXPECT_DOUBLE_EQ(partial.value(0), 7.0);
    EXPECT_DOUBLE_EQ(partial.value(50), 0.0);
}

TEST(NumericLists, ItemsToPointNumbers) {
    NumericContext context;
    context.points2D['P'] = {1, 2};
    context.points2D['p'] = {-1, -2};
    context.points3D['P'] = {1, 2, 3};
    context.points3D['Q'] = {4, 5, 6};

    auto plane = [&](const char* text) {
        const NumberList l = ItemsToPlaneNumbers(SplitItems(text), context);
        return std::vector<double>(l.values.begin(), l.values.begin() + long(l.count));
    };
    auto space = [&](const char* text) {
        const NumberList l = ItemsToSpaceNumbers(SplitItems(text), context);
        return std::vector<double>(l.values.begin(), l.values.begin() + long(l.count));
    };
    EXPECT_EQ(plane("P, 5"), (std::vector<double>{1, 2, 5}));
    EXPECT_EQ(plane("p"), (std::vector<double>{-1, -2}));
    EXPECT_EQ(plane("Pxyz,*,"), (std::vector<double>{1, 2, 0}));  // first letter only; junk is 0
    EXPECT_EQ(space("P,Q"), (std::vector<double>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(space(""), std::vector<double>{});

    // The result is limited like the input: 50 points fill the list, 51 are refused.
    std::string points;
    for (int i = 0; i < 50; ++i) points += "P,";
    EXPECT_EQ(ItemsToPlaneNumbers(SplitItems(points), context).count, 100u);
    EXPECT_FALSE(context.errorFlag);
    const NumberList refused = ItemsToPlaneNumbers(SplitItems(points + "P"), context);
    EXPECT_TRUE(refused.tooLong);
    EXPECT_EQ(refused.count, 0u);
    EXPECT_TRUE(context.errorFlag);
}

TEST(NumericNumbers, ReadNumber) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    for (const Case& c : std::vector<Case>{{"1.5", 1.5},
                                           {"-2", -2.0},
                                           {"+7", 7.0},
                                           {".5", 0.5},
                                           {"7.", 7.0},
                                           {"1E3", 1000.0},
                                           {"2.5e-3", 0.0025},
                                           {"", std::nullopt},
                                           {".", std::nullopt},
                                           {"-", std::nullopt},
                                           {"1.2.3", std::nullopt},
                                           {"1,5", std::nullopt},
                                           {" 1", std::nullopt},
                                           {"1E", std::nullopt},
                                           {"1e400", std::nullopt},
                                           {"--1", std::nullopt},
                                           {"inf", std::nullopt},
                                           {"-nan", std::nullopt},
                                           {"0x10", std::nullopt}}) {
        const auto value = readNumber(c.text);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << c.text;
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *c.value) << c.text;
        }
    }
}

TEST(NumericNumbers, FixedFormat) {
    EXPECT_EQ(formatFixed(3.5, 12, 2), "        3.50");
    EXPECT_EQ(formatFixedTrimmed(3.5, 12, 2), "3.50");
    EXPECT_EQ(formatFixed(1.0 / 3.0, 20, 16), "  0.3333333333333333");
    EXPECT_EQ(formatFixed(123456.789, 4, 1), "123456.8");  // the field never cuts
    EXPECT_EQ(formatFixedTrimmed(-2.345, 12, 0), "-2");
    EXPECT_EQ(formatFixedTrimmed(1e20, 12, 2), "100000000000000000000.00");
    EXPECT_EQ(formatFixedTrimmed(-0.001, 12, 2), "0.00");
    EXPECT_EQ(formatFixedTrimmed(-0.0, 12, 0), "0");
    EXPECT_EQ(formatFixedTrimmed(-0.006, 12, 2), "-0.01");
    EXPECT_EQ(formatFixedTrimmed(std::nan(""), 12, 2), "NaN");
}

TEST(NumericNumbers, CleanNumber) {
    struct Case {
        const char* text;
        const char* clean;
    };
    for (const Case& c : std::vector<Case>{{"2.500", "2.5"},
                                           {"3.000", "3"},
                                           {"-0.50", "-0.5"},
                                           {"+7.10", "7.1"},
                                           {"  0.3333333333333333", "0.3333333333333333"},
                                           {" 1 2 ", "12"},
                                           {"100", "100"},
                                           {"7.", "7"},
                                           {".000", "0"},
                                           {"-0.00", "0"},
                                           {"1.5E10", "1.5E10"},
                                           {"abc", ""},
                                           {"", ""},
                                           {"+", ""},
                                           {"2*3", ""}}) {
        EXPECT_EQ(CleanNumber(c.text), c.clean) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace textaria::calc
