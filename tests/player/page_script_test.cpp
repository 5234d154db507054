#include "player/page_script.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "lesson/texts.h"
#include "script/headless_run.h"

namespace textaria::player {
namespace {

TEST(PageScript, ValueTexts) {
    struct Case {
        double value;
        int decimals;
        const char* expected;
    };
    const Case cases[] = {
        {1.0 / 3.0, 16, "0.3333333333333333"},
        {1.0 / 3.0, 2, "0.33"},
        {5.0, 2, "5"},
        {2.5, 16, "2.5"},
        {-2.5, 2, "-2.5"},
        {-0.001, 2, "0"},  // never "-0"
        {1e-13, 16, "0"},  // rounding noise
        {1234.0, 0, "1234"},
        {0.5, 0, "0"},  // rounded to the even neighbour, no "." left to strip
        {std::numeric_limits<double>::quiet_NaN(), 2, "                 NaN"},  // as formatted
    };
    for (const Case& c : cases)
        EXPECT_EQ(placeholderValueText(c.value, c.decimals), c.expected)
            << c.value << " with " << c.decimals;
}

TEST(PageScript, SectionLinesNameTheAuthorsLine) {
    const lesson::ScriptSection section =
        lesson::scriptSection("#\r\n#\r\nggt(12,8)\r\nx = 1\r\n#\r\n", 2);
    ASSERT_EQ(section.firstLine, 3);
    SectionLines lines(section);
    lines.insertLine(1, "    g = 4");  // a command's result line
    lines.insertLine(1, "    z = 0");
    EXPECT_EQ(lines.fileLine(0), 3);
    EXPECT_EQ(lines.fileLine(2), 3);  // belongs to the command above it
    EXPECT_EQ(lines.fileLine(3), 4);
    lines.removeLine(1);
    EXPECT_EQ(lines.fileLine(2), 4);
    EXPECT_EQ(lines.writtenLine(4), "x = 1");
    EXPECT_EQ(lines.writtenLine(9), "");
}

// A lesson's script file in memory, with the reads counted.
struct ScriptFixture : ::testing::Test {
    std::string file;
    int reads = 0;
    PageScripts scripts{[this](const std::string& path) -> std::optional<std::string> {
        ++reads;
        if (path != "/lesson/demo_m.txt") return std::nullopt;
        return file;
    }};
    script::ScriptedAnswers nobody;
    calc::FormulaVariables calculator;
    PageScriptServices services{nobody, nobody};

    ScriptFixture() {
        services.calculator = &calculator;
        scripts.setScriptFile("/lesson/demo_m.txt");
    }
    PageScripts::Outcome run(int page, std::string_view text) {
        return scripts.PreparePageScript(page, text, services);
    }
};

TEST_F(ScriptFixture, ValuesForThePlaceholdersAndTheCalculator) {
    file =
        "#01\r\nx = 2.50\r\na = 1/3\r\nsetfun3(2*x+1)\r\n#02\r\ndez=2\r\na = 1/3\r\nb = 5\r\n#00";
    calculator['A'] = 9;
    const auto first = run(1, "Der Wert ist .x = [.x], [.a] und :formel3");
    ASSERT_EQ(first.page.status, lesson::PageScriptStatus::Ran) << first.message;
    EXPECT_EQ(first.page.results.values['x' - 'a'], "2.5");
    EXPECT_EQ(first.page.results.values['a' - 'a'], "0.3333333333333333");
    EXPECT_EQ(first.page.results.values['q' - 'a'], "0");
    EXPECT_EQ(first.page.results.formulas[2], "2*x+1");
    // Only letters shown outside the gaps reach the calculator.
    EXPECT_EQ(calculator['X'], 2.5);
    EXPECT_EQ(calculator['A'], 9);

    const auto second = run(2, ".a .b");
    EXPECT_EQ(second.page.results.values['a' - 'a'], "0.33");
    EXPECT_EQ(second.page.results.values['b' - 'a'], "5");
    EXPECT_DOUBLE_EQ(calculator['A'], 0.33);
    // The function slots start empty on every page; the decimals hold until set again.
    EXPECT_EQ(second.page.results.formulas[2], "");
    EXPECT_EQ(run(1, "").page.results.values['a' - 'a'], "0.33");
    EXPECT_EQ(scripts.decimals(), 2);
    EXPECT_EQ(reads, 1);  // read once per lesson

    scripts.setScriptFile("/lesson/demo_m.txt");
    EXPECT_EQ(scripts.decimals(), kDefaultPlaceholderDecimals);
    EXPECT_EQ(reads, 1);  // not before an "@" page needs it
    run(1, "");
    EXPECT_EQ(reads, 2);
}

TEST_F(ScriptFixture, NothingRunsWithoutAFileOrSection) {
    file = "#01\r\nx = 2\r\n#00";
    EXPECT_EQ(run(1, ".x").page.status, lesson::PageScriptStatus::Ran);
    // A missing section does not run the previous page's script again.
    const auto missing = run(2, ".x");
    EXPECT_EQ(missing.page.status, lesson::PageScriptStatus::NotRun);
    EXPECT_TRUE(missing.message.empty());

    scripts.setScriptFile("/lesson/other_m.txt");
    EXPECT_EQ(run(1, ".x").page.status, lesson::PageScriptStatus::NotRun);
    scripts.setScriptFile("");
    EXPECT_EQ(run(1, ".x").page.status, lesson::PageScriptStatus::NotRun);
}

TEST_F(ScriptFixture, FailuresNameThePageAndTheLine) {
    file =
        "#01\r\n"
        "dez 2\r\n"  // the lesson's line, not a script line
        "_start\r\n"
        "// a comment\r\n"
        "zuf(1,6)\r\n"
        "ifgr(z,9,start)\r\n"
        "a = 3 +\r\n"  // line 7 of the file
        "#02\r\n"
        "a = a + 1\r\n"  // line 9: the loop's last line before the budget ends it
        "goto(-1)\r\n"
        "#03\r\n"
        "dez=x\r\n"
        "#04\r\n"
        "frz(1,2)\r\n"  // no such command
        "#00\r\n";
    calculator['A'] = 4;
    const auto unreadable = run(1, "[.a] .a");
    EXPECT_EQ(unreadable.page.status, lesson::PageScriptStatus::Failed);
    EXPECT_NE(unreadable.message.find("Seite 1, demo_m.txt, Zeile 7"), std::string::npos)
        << unreadable.message;
    EXPECT_NE(unreadable.message.find("\"a = 3 +\""), std::string::npos) << unreadable.message;
    EXPECT_EQ(calculator['A'], 4);  // a failed page gives the calculator nothing

    services.stepBudget = 2000;
    const auto runaway = run(2, "");
    EXPECT_EQ(runaway.page.status, lesson::PageScriptStatus::Failed);
    EXPECT_NE(runaway.message.find("Zeile 9"), std::string::npos) << runaway.message;
    EXPECT_NE(runaway.message.find("2000"), std::string::npos) << runaway.message;

    const auto decimals = run(3, "");
    EXPECT_EQ(decimals.page.status, lesson::PageScriptStatus::Failed);
    EXPECT_EQ(decimals.message, lesson::texts::notAnInteger("x"));

    const auto unknown = run(4, "");
    EXPECT_NE(unknown.message.find("Zeile 14"), std::string::npos) << unknown.message;
}

TEST(PageScript, TrialForTheLessonCheck) {
    const auto section = [](const char* text) { return lesson::scriptSection(text, 1); };
    EXPECT_FALSE(tryPageScript(section("#\r\nzuf(1,6)\r\na = z\r\npause(Hallo)\r\n#")));
    // An input nobody answers ends the run as Escape would; that is no failure.
    EXPECT_FALSE(tryPageScript(section("#\r\ninvar(Zahl: a)\r\nb = 2\r\n#")));
    const auto bad = tryPageScript(section("#\r\n\r\nHallo Welt\r\n#"));
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->kind, lesson::ScriptProblem::Kind::Unreadable);
    EXPECT_EQ(bad->fileLine, 3);
    EXPECT_EQ(bad->lineText, "Hallo Welt");
    const auto endless = tryPageScript(section("#\r\n_a\r\ngoto(-1)\r\n#"));
    ASSERT_TRUE(endless);
    EXPECT_EQ(endless->kind, lesson::ScriptProblem::Kind::Runaway);
    EXPECT_EQ(endless->steps, kPageScriptStepBudget);
}

TEST_F(ScriptFixture, SeedsRepeatTheRandomNumbers) {
    file = "#01\r\nzuf(1,1000000)\r\na = z\r\n#00";
    const auto valueWith = [&](std::uint64_t seed) {
        scripts.seed(seed);
        return run(1, ".a").page.results.values[0];
    };
    const std::string first = valueWith(11);
    EXPECT_EQ(valueWith(11), first);
    EXPECT_NE(valueWith(12), first);
    EXPECT_NE(first, "0");
}

}  // namespace
}  // namespace textaria::player
