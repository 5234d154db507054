#include "lesson/markup_options.h"

#include <gtest/gtest.h>

namespace textaria::lesson {
namespace {

std::string joined(const PageOptions& o) {
    std::string s;
    for (std::string_view n : o.names()) (s += n) += ' ';
    return s;
}

TEST(MarkupOptions, ListedPage) {
    struct Case {
        std::string page;
        std::string markers;    // names in the fixed order
        std::string remaining;  // the page without its option lines
    };
    const Case cases[] = {
        {"Text [a]\r\n$§\r\n", "$ § ", "Text [a]\r\n"},
        {"Frage? [ja]\r\n ?5\r\n", "?5 ", ""},  // a gap on an option line goes with it
        {"a\r\nb\r\n@@ %%", "@@ @ %% % ", "a\r\nb"},
        {"a\r\nb [x]\r\n*", "* ", "a\r\nb [x]\r\n*"},  // "*" alone does not hide its line
        {"a ~\r\nb\r\nc &", "& ", "a ~\r\nb"},         // only the last two lines count
        {"x\r\n//\r\n", "// / ", "x\r\n"},
        {"x\r\n|\r\n\r\n", "| ", "x\r\n\r\n"},  // the empty last line stays
        {"µ Lesetext [a]\r\nEnde", "µ ", "µ Lesetext [a]\r\nEnde"},
        {"x\r\n?\r\n5", "", "x\r\n5"},  // last line first: "5?" is no questionnaire
        {"  \r\n", "", "  \r\n"},
        {"?7", "?7 ", ""},
        {"F\r\n?4", "", "F"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(joined(readPageOptions(c.page)), c.markers) << c.page;
        EXPECT_EQ(removeOptionLines(c.page), c.remaining) << c.page;
    }
}

TEST(MarkupOptions, OptionTextIsLastLineThenTheOneBefore) {
    EXPECT_EQ(optionText("a\r\n $ \r\n § \r\n"), "§  $");
    EXPECT_EQ(optionText("nur"), "nur");
    EXPECT_EQ(optionText(""), "");
}

TEST(MarkupOptions, SingleTextReadsFewerMarkersAndKeepsItsLines) {
    const PageOptions o = readSingleTextOptions("Text [a]\r\n$ ?5 | / %% *");
    EXPECT_EQ(joined(o), "$ %% % * ");
    EXPECT_EQ(o.questionnaireLevels(), 0);
    EXPECT_TRUE(readSingleTextOptions("µ\r\nText").has(Marker::ReadingPage));
}

}  // namespace
}  // namespace textaria::lesson
