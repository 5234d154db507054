#include "lesson/gaps_print.h"

#include <gtest/gtest.h>

#include "lesson/page_prep.h"

namespace textaria::lesson {
namespace {

TEST(PrintForm, GapsBecomeUnderscores) {
    struct Case {
        std::string name, page, print;
    };
    const Case cases[] = {
        // One gap per line: all as long as the longest, nint(2*M/3); "[Haus]" is 6 -> 4.
        {"equal lengths", "A [Haus] x\r\nB [a] y\r\n", "A ____ x\r\nB ____ y\r\n"},
        // Two on one line: each by its own length; "[ab]" 4 -> 3, "[abcdefg]" 9 -> 6.
        {"own lengths", "[ab] [abcdefg]\r\n[a]\r\n", "___ ______\r\n__\r\n"},
        // Lengths count characters: "[Größe]" is 7 -> 5.
        {"characters",
         "x [Gr\xC3\xB6\xC3\x9F"
         "e]",
         "x _____"},
        {"unclosed", "a [b] [c", "a __ [c"},
        {"trailing empty lines", "a [b]\r\n\r\n \r\n", "a __\r\n"},
        // A last line with a "_" of its own goes, then one with an option character.
        {"underscore line", "a [b]\r\n_Hinweis", "a __\r\n"},
        {"option line", "a [b]\r\nText\r\n$ \xC2\xA7", "a __\r\nText\r\n"},
        {"both", "a [b]\r\n?5\r\n_x", "a __\r\n"},
        // A gap's underscores are not a "_" line: the last question is printed.
        {"gap on last line", "a\r\nDie Stadt ist [Berlin].", "a\r\nDie Stadt ist _____."},
        {"no gaps", "nur Text", "nur Text"},
    };
    for (const Case& c : cases) EXPECT_EQ(PrintForm(c.page).text, c.print) << c.name;
}

TEST(PrintForm, PlanMatchesText) {
    const std::string page = "a [bc] d [e]\r\n?5 [x]";
    const PrintFormPlan plan = PrintForm(page);
    EXPECT_EQ(plan.keepLength, 14u);
    ASSERT_EQ(plan.blanks.size(), 2u);  // the gap of the dropped option line is not blanked
    EXPECT_EQ(plan.blanks[0].begin, 2u);
    EXPECT_EQ(plan.blanks[0].end, 6u);
    EXPECT_EQ(plan.blanks[0].underscores, 3u);
    EXPECT_EQ(plan.text, "a ___ d __\r\n");
}

TEST(PagePreparation, ListPage) {
    int calls = 0;
    std::string seen;
    PageScriptOutcome outcome{PageScriptStatus::Ran, {}};
    outcome.results.values[0] = "2.5";
    const PageScriptRun runScript = [&](int page, std::string_view text) {
        ++calls;
        EXPECT_EQ(page, 4);
        seen = text;
        return outcome;
    };
    const PreparedPage p = prepareListPage("Wert: [.a] und [Haus]\r\n_\r\n@ &\r\n", 4, runScript);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, "Wert: [.a] und [Haus]\r\n_\r\n");  // without the option line
    EXPECT_EQ(p.script, PageScriptStatus::Ran);
    EXPECT_EQ(p.text, "Wert: [2.5] und [Haus]\r\n");
    ASSERT_EQ(p.replacements.size(), 1u);
    EXPECT_EQ(p.replacements[0].begin, 7u);
    ASSERT_EQ(p.gaps.GapCount(), 2);
    EXPECT_EQ(p.gaps.entries[0].answer, "2.5");
    EXPECT_EQ(p.wordList, (std::vector<std::string>{" 2.5", " Haus"}));

    // Without "@" the script never runs; without a runner or a script the placeholders stay.
    prepareListPage("[.a]\r\n$", 1, runScript);
    EXPECT_EQ(calls, 1);
    const PreparedPage raw = prepareListPage("[.a]\r\n@", 1);
    EXPECT_EQ(raw.script, PageScriptStatus::NotRun);
    EXPECT_EQ(raw.gaps.entries.at(0).answer, ".a");

    // A failed script stops the preparation: placeholders as written, no gaps.
    outcome.status = PageScriptStatus::Failed;
    const PreparedPage failed = prepareListPage("Wert [.a]\r\n\r\n@", 4, runScript);
    EXPECT_EQ(failed.text, "Wert [.a]\r\n");
    EXPECT_EQ(failed.gaps.GapCount(), 0);
    EXPECT_EQ(failed.gapError, GapError::None);
    EXPECT_TRUE(failed.replacements.empty());
}

TEST(PagePreparation, ReadingPagesAndErrors) {
    const PreparedPage reading =
        prepareListPage("\xC2\xB5 Text [a] [b\r\n@", 1, [](int, std::string_view) {
            ADD_FAILURE() << "a reading page runs no script";
            return PageScriptOutcome{};
        });
    EXPECT_TRUE(reading.readingPage);
    EXPECT_EQ(reading.gaps.GapCount(), 0);
    EXPECT_EQ(reading.gapError, GapError::None);

    const PreparedPage broken = prepareListPage("[a] b]\r\n", 1);
    EXPECT_EQ(broken.gapError, GapError::Brackets);
    EXPECT_TRUE(broken.wordList.empty());

    // A single text keeps its option lines, and their gaps count.
    const PreparedPage single = prepareSingleText("Text [a]\r\n[b] $");
    EXPECT_TRUE(single.options.has(Marker::NoCorrections));
    EXPECT_EQ(single.gaps.GapCount(), 2);
}

}  // namespace
}  // namespace textaria::lesson
