// The runner beyond the golden scripts: reports outside a run, evaluation of one line, the end
// of runs that never stop, hostile scripts, and the line buffer under the run.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "script/label_index.h"
#include "script/texts.h"
#include "script_test_support.h"

namespace textaria::testing {
namespace {

using script::RunEnd;

// Evaluating single lines (F1) outside a run: each failure has its own message.
TEST(EvaluateLineOutsideRun, ReportsEachFailureWithItsMessage) {
    const struct {
        const char* line;
        const char* message;  // nullptr: no message
        const char* after;
    } cases[] = {
        {"XYZ(1)", script::texts::kEvaluationError, "XYZ(1)"},
        {"GGT(1)", script::texts::kEvaluationError, "GGT(1)"},
        {"DEZ(15)", script::texts::kEvaluationError, "DEZ(15)"},
        {"PIX(1,2)", nullptr, "PIX(1,2)"},
        {"q = nonsense", script::texts::kLineEvaluationError, "q = nonsense"},
        {"hallo", script::texts::kLineEvaluationError, "hallo"},
        {"1/0 =", script::texts::kExpressionEvaluationError, "1/0 ="},
        {"R(1)", script::texts::kEvaluationError, "R(1)"},
        {"a = 2*3", nullptr, "a = 2*3 = 6.00"},
        {"a = -1/10000000000000", nullptr, "a = -1/10000000000000 = 0.00"},
    };
    for (const auto& c : cases) {
        ScriptRun run(c.line);
        run.evaluate(0);
        SCOPED_TRACE(c.line);
        if (c.message) {
            ASSERT_EQ(run.answers.messages.size(), 1u);
            EXPECT_EQ(run.answers.messages[0], c.message);
        } else {
            EXPECT_TRUE(run.answers.messages.empty());
        }
        EXPECT_EQ(run.text(), c.after);
        EXPECT_FALSE(run.state.ErrorFlag());
    }
}

TEST(EvaluateLineDuringRun, FailuresAreSilentAndSetTheErrorFlag) {
    // Count tests are made outside a run only; ranges and zero divisors always.
    for (const char* line : {"DEZ(15)", "MOD(1,0)", "SXY(200)", "XYZ(1)"}) {
        ScriptRun run(std::string(line) + "\niferror(2)\na = 1 + 0\nb = 2 + 0");
        run.run();
        SCOPED_TRACE(line);
        EXPECT_TRUE(run.answers.messages.empty());
        const bool flagged = std::string_view(line) != "XYZ(1)";  // unknown names pass silently
        EXPECT_EQ(run.lines.at(2), flagged ? "a = 1 + 0" : "a = 1 + 0 = 1.00");
    }
}

// F1 on a command replaces its old output and keeps what the user wrote below it.
TEST(EvaluateLineOutsideRun, CommandReplacesItsOldOutputOnly) {
    ScriptRun run("GGT(12,18)\n    z = 4.00\n\n\nb = 2\nKGV(4,6)");
    run.evaluate(0);
    EXPECT_EQ(run.text(), "GGT(12,18)\n    z = 6.00\n\nb = 2\nKGV(4,6)");
}

TEST(EvaluateLineOutsideRun, DecimalsFourteenNeverWriteMinusZero) {
    ScriptRun run("DEZ(14)\na = 0 - 1/10000000000000\nb = 1/3");
    run.evaluate(0);
    run.evaluate(1);
    run.evaluate(2);
    EXPECT_EQ(run.lines.at(1), "a = 0 - 1/10000000000000 = 0.00000000000000");
    EXPECT_EQ(run.lines.at(2), "b = 1/3 = 0.33333333333333");
}

TEST(RunScript, CompressAtTheStartMakesRunsRepeatable) {
    ScriptRun run("compress\nQUA(1,-3,2)\n.a = 2*2\nb = a + 1\nPFZ(12)\nend.");
    run.run();
    run.lines.setCaretLine(0);
    run.run();
    const std::string second = run.text();
    run.lines.setCaretLine(0);
    run.run();
    EXPECT_EQ(run.text(), second);
    EXPECT_EQ(second.find("= 12.00"), second.rfind("= 12.00"));
}

TEST(RunScript, WithoutCompressEachRunAddsResults) {
    ScriptRun run("GGT(4,6)");
    run.run();
    run.lines.setCaretLine(0);
    run.run();
    EXPECT_EQ(run.text(), "GGT(4,6)\n    z = 2.00\n    z = 2.00");
}

TEST(RunScript, StartsAtTheCaretLineWithVariablesReset) {
    ScriptRun run("a = 5\nb = a + 1");
    run.variables['A'] = 9;
    run.lines.setCaretLine(1);
    run.run();
    EXPECT_EQ(run.text(), "a = 5\nb = a + 1 = 1.00");
}

TEST(RunScript, EndlessLoopEndsByTheStepBudget) {
    ScriptRun run("_top\na = a + 1\ngoto(top)");
    const auto result = run.run(3000);
    EXPECT_EQ(result.end, RunEnd::StepBudget);
    EXPECT_EQ(result.steps, 3000u);
    EXPECT_FALSE(run.state.RunningFlag);
}

TEST(RunScript, ReportsTheLinesItCannotRead) {
    // Keywords, labels, comments, commands and formulas are read; the others are reported
    // with their index at that moment, once each time the run passes them.
    ScriptRun run(
        "_top\n"
        "// Aufgabe\n"
        "ggt(12,8)\n"   // its result line goes in below
        "Hallo Welt\n"  // 3, then 4
        "setfun3(x^2)\n"
        "a = 3 +\n"   // a formula that does not parse
        "b = 1/0\n"   // a calculation error is no unreadable line
        "xyz(1,2)\n"  // no such command
        "a = a + 1\n"
        "ifls(a,2,top)");
    std::vector<std::size_t> unreadable;
    script::RunOptions options;
    options.maxSteps = 1000;
    options.unreadableLine = [&](std::size_t index) { unreadable.push_back(index); };
    const auto result = script::runScript(run.state, run.env, options);
    EXPECT_EQ(result.end, RunEnd::EndOfText);
    EXPECT_EQ(unreadable, (std::vector<std::size_t>{4, 6, 8, 5, 7, 9}));
}

TEST(RunScript, EscapeEndsTheRunBeforeTheNextLine) {
    ScriptRun run("a = 1 + 0\nb = 2 + 0\nc = 3 + 0");
    run.keys.escapeAfterLines = 2;
    EXPECT_EQ(run.run().end, RunEnd::Escape);
    EXPECT_EQ(run.text(), "a = 1 + 0 = 1.00\nb = 2 + 0 = 2.00\nc = 3 + 0");
}

TEST(RunScript, EscapeAfterAHoldBoxEndsTheRun) {
    ScriptRun run("pause(halt)\na = 1 + 0");
    run.keys.afterBox = {script::ScriptKey::Escape};
    EXPECT_EQ(run.run().end, RunEnd::Escape);
    EXPECT_EQ(run.lines.at(1), "a = 1 + 0");
    ASSERT_EQ(run.answers.messages.size(), 1u);
    EXPECT_EQ(run.answers.messages[0], "halt");
}

TEST(RunScript, F2InABoxGoesBackOnePage) {
    ScriptRun run("PAG(0)\nn = n + 1\nPAG(0)\npause(seite 2)\nm = n + 1");
    run.keys.afterBox = {script::ScriptKey::F2};
    run.run();
    // Back to the first page's mark, once: n counted twice, m once.
    EXPECT_EQ(run.lines.at(1), "n = n + 1 = 2.00");
    EXPECT_EQ(run.lines.at(4), "m = n + 1 = 3.00");
}

// Hostile scripts: long, wide, deeply nested, binary. They end, quickly, without a crash.
TEST(RunScript, HostileScriptsEndCleanly) {
    std::string longScript;
    for (int i = 0; i < 100000; ++i) longScript += "a = a + 1\n";
    std::string wide(10000, 'x');
    std::string nested = "KAL(" + std::string(5000, '(') + "1" + std::string(5000, ')') + ")\n";
    nested += "VEK(" + std::string(3000, '(') + "A" + std::string(3000, ')') + ")\n";
    nested += "KPX(" + std::string(3000, '(') + "A" + std::string(3000, ')') + ")\n";
    nested += "P(" + std::string(2000, '(') + "1,2" + std::string(2000, ')') + ")\n";
    std::string binary;
    std::mt19937 random(1);
    for (int i = 0; i < 20000; ++i) binary += static_cast<char>(random() % 256);
    std::string manyItems = "MAX(" + std::string(400, '1') + ")\nMIN(";
    for (int i = 0; i < 500; ++i) manyItems += "1,";
    manyItems += "2)\nLIN(1,2)\ninvar(" + std::string(300, 'a') + ")\n";
    const std::string scripts[] = {longScript,
                                   "b = " + wide + "\n" + wide + " = 1\nGGT(" + wide + ")", nested,
                                   binary, manyItems};
    for (const auto& script : scripts) {
        ScriptRun run(script);
        const auto start = std::chrono::steady_clock::now();
        const auto result = run.run(1000000);
        EXPECT_NE(result.end, RunEnd::StepBudget);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    }
}

// The gap buffer against a plain vector, through random edits clustered like a run's.
TEST(LineBuffer, AgreesWithAVectorThroughRandomEdits) {
    std::mt19937 random(42);
    std::vector<std::string> reference = {"a", "b", "c"};
    script::LineBuffer buffer(reference);
    std::size_t cursor = 0;
    for (int step = 0; step < 20000; ++step) {
        const auto count = reference.size();
        if (random() % 10 == 0) cursor = count ? random() % count : 0;
        const std::string text = std::to_string(step);
        switch (random() % 4) {
            case 0:
            case 1: {
                const std::size_t at = std::min(cursor + 1, count);
                reference.insert(reference.begin() + static_cast<std::ptrdiff_t>(at), text);
                buffer.insertLine(at, text);
                cursor = at;
                break;
            }
            case 2:
                if (count > 0) {
                    const std::size_t at = std::min(cursor, count - 1);
                    reference.erase(reference.begin() + static_cast<std::ptrdiff_t>(at));
                    buffer.removeLine(at);
                }
                break;
            default:
                if (count > 0) {
                    const std::size_t at = std::min(cursor, count - 1);
                    reference[at] = text;
                    buffer.replaceLine(at, text);
                }
        }
        ASSERT_EQ(buffer.lineCount(), reference.size());
    }
    EXPECT_EQ(buffer.lines(), reference);
    EXPECT_EQ(buffer.line(reference.size()), "");
}

TEST(LineBuffer, ReadsLineBreaksOfEveryKind) {
    EXPECT_EQ(script::LineBuffer::fromText("a\r\nb\n\nc\n").lines(),
              (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(script::LineBuffer::fromText("").lineCount(), 0u);
}

}  // namespace
}  // namespace textaria::testing

namespace textaria::testing {
namespace {

// The label index against a plain search of the text, through random edits around a moving
// position, as a run makes them.
TEST(LabelIndexedLines, FindsWhatAPlainSearchFinds) {
    std::mt19937 random(5);
    const std::vector<std::string> names = {"a", "ab", "loop1", "loop10", "x"};
    std::vector<std::string> start;
    for (int i = 0; i < 60; ++i) start.push_back(i % 7 == 0 ? "_" + names[i % 5] : "z = 1");
    script::LineBuffer buffer(start);
    script::LabelIndexedLines lines(buffer, 3);
    std::size_t cursor = 0;
    for (int step = 0; step < 5000; ++step) {
        const std::size_t count = lines.lineCount();
        if (random() % 8 == 0) cursor = random() % (count + 1);
        const std::string text = random() % 5 == 0 ? "_" + names[random() % 5] : "    z = 2";
        switch (random() % 3) {
            case 0:
                lines.insertLine(std::min(cursor, count), text);
                ++cursor;
                break;
            case 1:
                if (count > 0) lines.removeLine(std::min(cursor, count - 1));
                break;
            default:
                if (count > 0) lines.replaceLine(std::min(cursor, count - 1), text);
        }
        const std::string& name = names[random() % 5];
        std::optional<std::size_t> expected;
        for (std::size_t i = 3; i < buffer.lineCount() && !expected; ++i)
            if (buffer.at(i).find("_" + name) != std::string::npos) expected = i;
        ASSERT_EQ(lines.findLabel(name), expected) << "step " << step;
    }
}

}  // namespace
}  // namespace textaria::testing
