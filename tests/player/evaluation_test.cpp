#include "player/evaluation.h"

#include <gtest/gtest.h>

namespace textaria::player {
namespace {

TEST(NormalizeAnswer, NumbersWithPointOrCommaAreRoundedToTwoDecimalsAndTrimmed) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"3,5", "3.5"},
        {"3.50", "3.5"},
        {" 3.5 ", "3.5"},
        {"3.00", "3"},
        {"3.46", "3.46"},
        {"3.456", "3.46"},
        {"03.5", "3.5"},
        {"10.0", "10"},
        {"7", "7"},
        {"07", "07"},
        {"Haus", "Haus"},
        {"1,2,3", "1,2,3"},
        {"\t 2,25\r", "2.25"},
        {"-3,5", "-3.5"},
        {"0.5", "0.5"},
        {".5", "0.5"},
        {"1.2.3", "1.2.3"},
        {"a.b", "a.b"},
        {"", ""},
        {"z.B.", "z.B."},
        {"100.10", "100.1"},
        {"2,", "2"},
    };
    for (const auto& c : cases) EXPECT_EQ(NormalizeAnswer(c.in), c.out) << "input '" << c.in << "'";
}

EvaluationInput page(std::vector<std::string> solutions, std::vector<std::string> answers) {
    EvaluationInput in;
    in.pageNumber = 4;
    in.solutions = std::move(solutions);
    in.answers = std::move(answers);
    return in;
}

TEST(EvaluatePage, ComparesOneGapAtATime) {
    const struct {
        const char* solution;
        const char* answer;
        bool caseSensitive;
        bool wrong;
    } cases[] = {
        {"Haus", "Haus", true, false},     {"Haus", "haus", true, true},
        {"Haus", "haus", false, false},    {"Ärger", "ärger", false, true},
        {"3.50", "3,5", true, false},      {"3.5", "3,50", true, false},
        {"3.5", "03.5", true, false},      {"10.0", "10", true, false},
        {"3.46", "3.456", true, false},    {"7.0", "7", true, false},
        {"07", "7", true, true},           {"Haus", "", true, true},
        {" Haus ", "  Haus", true, false}, {"", "", true, false},
    };
    for (const auto& c : cases) {
        auto in = page({c.solution}, {c.answer});
        in.caseSensitive = c.caseSensitive;
        const auto r = EvaluatePage(in);
        EXPECT_EQ(r.wrongCount, c.wrong ? 1 : 0) << c.solution << " / " << c.answer;
    }
}

TEST(EvaluatePage, OneBackslashSwitchesTheWholePageToAlternatives) {
    const struct {
        std::vector<std::string> solutions;
        std::vector<std::string> answers;
        bool caseSensitive;
        std::vector<bool> wrong;
    } cases[] = {
        {{"Haus\\Heim"}, {"Heim"}, true, {false}},
        {{"Haus\\Heim"}, {"heim"}, false, {false}},
        {{"Haus \\ Heim"}, {"Haus"}, true, {true}},
        {{"Haus\\Heim"}, {""}, true, {true}},
        {{"Haus\\Heim"}, {"Hau"}, true, {true}},
        // The numeric gap on the same page is no longer normalised on the solution side.
        {{"Haus\\Heim", "3.50"}, {"Haus", "3,5"}, true, {false, true}},
        {{"Haus\\Heim", "3.5"}, {"Haus", "3,50"}, true, {false, false}},
        // An empty answer is wrong even where the solution is empty.
        {{"a\\b", ""}, {"a", ""}, true, {false, true}},
    };
    for (const auto& c : cases) {
        auto in = page(c.solutions, c.answers);
        in.caseSensitive = c.caseSensitive;
        const auto r = EvaluatePage(in);
        EXPECT_TRUE(r.alternativesMode);
        EXPECT_EQ(r.wrong, c.wrong) << c.solutions[0] << " / " << c.answers[0];
    }
}

TEST(EvaluatePage, StatusTextAndResultLineCountValues) {
    const auto r = EvaluatePage(page({"a", "b", "c", "d", "e"}, {"a", "b", "c", "x", ""}));
    EXPECT_EQ(r.statusText, "< 3 von 5 Werten richtig  =  60.00% >");
    EXPECT_EQ(r.resultLine, " Seite (4):  3 richtig von 5  (60.00%)");
    const auto all = EvaluatePage(page({"a"}, {"a"}));
    EXPECT_EQ(all.statusText, "< 1 von 1 Werten richtig  =  100.00% >");
    const auto none = EvaluatePage(page({"a", "b", "c"}, {}));
    EXPECT_EQ(none.statusText, "< 0 von 3 Werten richtig  =  0.00% >");
    const auto third = EvaluatePage(page({"a", "b", "c"}, {"a"}));
    EXPECT_EQ(third.percentText, "33.33");
}

TEST(EvaluatePage, CorrectionsReplaceWrongAnswersWithTheWholeSolution) {
    auto in = page({"Haus\\Heim", "Baum"}, {"Hütte", "Baum"});
    auto r = EvaluatePage(in);
    EXPECT_EQ(r.fieldTexts, (std::vector<std::string>{"Haus\\Heim", "Baum"}));
    EXPECT_EQ(r.corrected, (std::vector<bool>{true, false}));

    in.showCorrections = false;  // "$"
    r = EvaluatePage(in);
    EXPECT_EQ(r.fieldTexts, (std::vector<std::string>{"Hütte", "Baum"}));
    EXPECT_EQ(r.corrected, (std::vector<bool>{false, false}));
    EXPECT_EQ(r.wrongCount, 1);

    // In child mode the answer display decides, whatever the page says.
    in.childMode = true;
    in.showAnswers = true;
    EXPECT_TRUE(EvaluatePage(in).corrected[0]);
    in.showCorrections = true;
    in.showAnswers = false;
    EXPECT_FALSE(EvaluatePage(in).corrected[0]);
}

TEST(EvaluatePage, WholePageCountsAsOneValue) {
    auto right = EvaluatePage(page({"+", "b"}, {"+", "b"}));
    EXPECT_EQ(right.statusText, " << richtig >> ");
    EXPECT_EQ(right.resultLine, " Seite (4):  1 richtig von 1  (100%)");
    auto wrong = EvaluatePage(page({" + ", "b"}, {"+", "c"}));
    EXPECT_EQ(wrong.statusText, " << falsch >> ");
    EXPECT_EQ(wrong.resultLine, " Seite (4):  0 richtig von 1  (0%)");

    ScoreBook book;
    auto in = page({"+", "b"}, {"+", "b"});
    book.record(in, EvaluatePage(in));
    in = page({"+", "b"}, {"+", "x"});
    book.record(in, EvaluatePage(in));
    EXPECT_EQ(book.totalValues, 2);
    EXPECT_EQ(book.totalCorrect, 1);
}

TEST(EvaluatePage, ChildModePlaysFeedbackByShareOfCorrectValues) {
    auto in = page({"a", "b"}, {"a", "b"});
    in.childMode = true;
    EXPECT_EQ(EvaluatePage(in).feedbackSound, "erg2.mp3");
    in.answers = {"a", "x"};
    EXPECT_EQ(EvaluatePage(in).feedbackSound, "erg1.mp3");
    in.answers = {"x", "x"};
    EXPECT_EQ(EvaluatePage(in).feedbackSound, "erg0.mp3");
    in.childMode = false;
    EXPECT_EQ(EvaluatePage(in).feedbackSound, "");
    in = page({"+"}, {"+"});
    in.childMode = true;
    EXPECT_EQ(EvaluatePage(in).feedbackSound, "") << "no sound on whole-page pages";
}

TEST(EvaluatePage, QuestionnairePageStoresTheFactorLineAndNoScore) {
    auto in = page({"3"}, {" 3 "});
    in.questionnairePage = true;
    in.pageText = "Einleitung\r\n   ?F01:  Sichere Stellung.\r\n~\r\nAntwort: [ 3 ]";
    const auto r = EvaluatePage(in);
    EXPECT_EQ(r.factorLine, "F01:  Sichere Stellung.");
    EXPECT_EQ(r.statusText, "");
    EXPECT_EQ(r.lastAnswer, "3");
    ScoreBook book;
    book.record(in, r);
    EXPECT_EQ(book.totalValues, 0);
    EXPECT_EQ(book.pageResults[4], "F01:  Sichere Stellung.");
    EXPECT_EQ(book.lastAnswers[4], "3");
}

TEST(ScoreBook, AddsEachEvaluationToTheTotalsAndKeepsTheLastLinePerPage) {
    ScoreBook book;
    auto in = page({"a", "b"}, {"a", "x"});
    book.record(in, EvaluatePage(in));
    in.answers = {"a", "b"};
    book.record(in, EvaluatePage(in));
    EXPECT_EQ(book.totalValues, 4);
    EXPECT_EQ(book.totalCorrect, 3);
    EXPECT_EQ(book.pageResults[4], " Seite (4):  2 richtig von 2  (100.00%)");
    in.pageNumber = 150;  // beyond the stored pages: counted, not stored
    book.record(in, EvaluatePage(in));
    EXPECT_EQ(book.totalValues, 6);
}

TEST(AnswerList, MarksTheAnswersLeftUncorrected) {
    const auto lines = answerListLines({"Hütte", "Baum"}, {true, false}, 1, 2);
    EXPECT_EQ(lines,
              (std::vector<std::string>{" ", "1: Hütte", "2: Baum * ", "-------------------------",
                                        "1 von 2 richtig (*)"}));
    // Where no corrections are shown ("$") every line is starred: the list must not tell
    // which answers were wrong.
    auto in = page({"Haus", "Baum"}, {"Hütte", "Baum"});
    in.showCorrections = false;
    const auto r = EvaluatePage(in);
    EXPECT_EQ(answerListLines({"Hütte", "Baum"}, r.corrected, r.correctCount, 2)[1], "1: Hütte * ");
}

}  // namespace
}  // namespace textaria::player
