#include "player/questionnaire.h"

#include <gtest/gtest.h>

#include "player/questionnaire_profile.h"

namespace textaria::player {
namespace {

TEST(Questionnaire, QuestionsAreCollectedFromTheLessonText) {
    const auto q = collectQuestions(
        "#01, _Info\r\n#02, F01\r\n   ?F01:  Sichere\tberufliche\r\n Stellung.\r\n   ~\r\n"
        "Antwort: [ 0 ]\r\n ?5\r\n#03\r\n ?F02: Ruhe ~ [ 1 ]\r\n#04\r\n ?F03 ohne Ende\r\n#00");
    EXPECT_EQ(q.questions,
              (std::vector<std::string>{"01:  Sichere berufliche   Stellung.", "02: Ruhe"}));
    EXPECT_EQ(q.questionMarkCount, 3);
}

TEST(Questionnaire, LevelsAnswersAndTheSelectionBox) {
    QuestionnaireLevels levels;
    EXPECT_FALSE(levels.see("&$"));
    EXPECT_TRUE(levels.see(" ?3"));
    EXPECT_EQ(levels.levels(), 3);
    levels.see("?7");
    levels.see("?5");
    EXPECT_EQ(levels.levels(), 7);  // the later test wins, whatever came first

    const struct {
        int levels;
        const char* answer;
        bool allowed;
    } cases[] = {
        {3, "ja", true},   {3, "?", true}, {3, "nein", true}, {3, "ei", true},  // substring
        {3, "Ja", false},  {3, "", false}, {5, "4", true},    {5, "5", false},
        {5, "1.2", false}, {7, "6", true}, {7, "2,3", true},  {7, "7", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(answerAllowed(c.answer, allowedAnswers(c.levels)), c.allowed)
            << c.levels << " '" << c.answer << "'";

    const auto three = questionnaireSelectRequest(3);
    EXPECT_EQ(three.mode, 6);
    EXPECT_EQ(three.count, 3);
    EXPECT_EQ(three.prompt, " Verschiebbare Auswahlbox");
    const auto seven = questionnaireSelectRequest(7);
    EXPECT_EQ(seven.mode, 3);
    EXPECT_EQ(seven.count, 7);
    EXPECT_EQ(answerFromChoice(3, 0), "nein");
    EXPECT_EQ(answerFromChoice(3, 2), "ja");
    EXPECT_EQ(answerFromChoice(5, 4), "4");
    EXPECT_EQ(answerFromChoice(7, -1), "");
    EXPECT_EQ(factorKey("?F01 <E> gesellig"), "E");
    EXPECT_EQ(factorKey("?F01 <Ä>"), "Ä");
    EXPECT_EQ(factorKey("?F01 ohne <"), "");
}

TEST(Questionnaire, WhatBewertenDoesNextAndWhichPagesRecordAFactorKey) {
    const struct {
        const char* answer;
        int levels, page;
        AnswerStep step;
    } cases[] = {
        {"ja", 3, 2, AnswerStep::ShowNextPage}, {"ja", 3, 4, AnswerStep::StayOnLastPage},
        {"", 3, 2, AnswerStep::WrongAnswer},    {"Ja", 3, 2, AnswerStep::WrongAnswer},
        {"5", 5, 2, AnswerStep::WrongAnswer},   {"6", 7, 2, AnswerStep::ShowNextPage},
    };
    for (const auto& c : cases)
        EXPECT_EQ(questionnaireAnswerStep(c.answer, c.levels, c.page, 5), c.step) << c.answer;
    EXPECT_EQ(pageFactorKey(true, 2, "ENR", "?F2 <N>"), "N");
    EXPECT_EQ(pageFactorKey(false, 2, "ENR", "?F2 <N>"), "");
    EXPECT_EQ(pageFactorKey(true, 1, "ENR", "?F1 <E>"), "");
    EXPECT_EQ(pageFactorKey(true, 2, " ", "?F2 <N>"), "");
}

QuestionnaireInput input(int levels, std::vector<QuestionnairePageEntry> pages) {
    QuestionnaireInput in;
    in.lessonFileName = "Bogen.rtf";
    in.person = "Muster,Hans";
    in.stamp = {7, 12, 2026, 9, 30, 15};
    in.levels = levels;
    in.pageCount = static_cast<int>(pages.size()) + 2;  // one more page after the questions
    in.currentPage = in.pageCount - 1;
    in.questionCount = static_cast<int>(pages.size());
    in.questionMarkCount = static_cast<int>(pages.size());
    in.pages = std::move(pages);
    return in;
}

TEST(QuestionnaireProtocol, ThreeLevelsWholeText) {
    auto in = input(3, {{"?F1 Gern unter Leuten?", "ja", ""},
                        {"?F2 Ruhig?", "ja", ""},
                        {"?F3 Pünktlich?", "?", ""},
                        {"?F4 Laut?", "nein", ""},
                        {"?F5 Spät?", "ei", ""}});  // allowed by the check, but no level
    in.currentPage = 3;
    const auto p = questionnaireProtocol(in);
    const std::vector<std::string> expected = {
        "     ",
        "     ",
        "     Testname   : Bogen.rtf",
        "     Testdatum  : 07.12.2026 - 09:30:15",
        "     Testperson : Muster,Hans",
        "     Testform   : 3-stufiges Merkmalsprofil (ja=2,?=1,nein=0)",
        "     Fragen (F) : ja = 2, ? = 1, nein = 1   (  5 ) ",
        "     Der Test wurde abgebrochen!",
        "     Punktesumme:   5 von   8",
        "",
        "     ?F1 Gern unter Leuten?  [ja  ] = 2",
        "     ?F2 Ruhig?              [ja  ] = 2",
        "     ?F3 Pünktlich?          [?   ] = 1",
        "     ?F4 Laut?               [nein] = 0",
        "     ",
    };
    EXPECT_EQ(p.lines, expected);
    EXPECT_EQ(p.suffix, '3');
    EXPECT_TRUE(p.writesQuestionFile);
    ASSERT_EQ(p.record.questions.size(), 5u);
    EXPECT_EQ(p.record.questions[2].value, 1);
    EXPECT_FALSE(p.record.questions[4].value);
    const auto record = questionnaireProtocolRecord(in, p, {"", "F1", "F2"});
    EXPECT_FALSE(record.complete);
    ASSERT_EQ(record.pages.size(), 6u);
    EXPECT_EQ(record.pages[1].title, "F2");
    EXPECT_EQ(record.pages[3].answers, std::vector<std::string>{"nein"});
    EXPECT_TRUE(record.pages[5].answers.empty());
    EXPECT_EQ(record.questionnaire->score, 5);
}

TEST(QuestionnaireProtocol, FiveAndSevenLevelScaleLines) {
    const auto five = questionnaireProtocol(
        input(5, {{"?F1 A", "0", ""}, {"?F2 B", "2", ""}, {"?F3 C", "4", ""}, {"", "", ""}}));
    EXPECT_EQ(five.lines[5], "     Testform   : 5-stufiges Merkmalsprofil (0,1,2,3,4)");
    EXPECT_EQ(five.lines[6], "     Fragen (F) : 4 ");
    EXPECT_EQ(five.lines[8], "     Punktesumme:   6 von  12");
    EXPECT_EQ(std::vector<std::string>(five.lines.begin() + 10, five.lines.end()),
              (std::vector<std::string>{"     ?F1 A   = 0 [ * - | - - ]",
                                        "     ?F2 B   = 2 [ - - * - - ]",
                                        "     ?F3 C   = 4 [ - - | - * ]", "     "}));
    EXPECT_EQ(five.suffix, '5');

    const auto seven = questionnaireProtocol(input(7, {{"?F1 A", "3", ""}, {"?F2 Lang", "6", ""}}));
    EXPECT_EQ(seven.lines[8], "     Punktesumme:   9 von  12");
    EXPECT_EQ(seven.lines[10], "     ?F1 A      = 3 [ - - - * - - - ]");
    EXPECT_EQ(seven.lines[11], "     ?F2 Lang   = 6 [ - - - | - - * ]");
}

TEST(QuestionnaireProtocol, FactorProfileWithoutNorms) {
    auto in = input(7, {{"?F1 <A>", "6", "A"}, {"?F2 <B>", "2", "B"}, {"?F3 <A>", "1", "A"}});
    in.factorHeader = " AB ";
    const auto p = questionnaireProtocol(in);
    EXPECT_EQ(p.suffix, '0');
    EXPECT_FALSE(p.writesQuestionFile);
    EXPECT_EQ(p.lines[6], "     Fragen (F) : 3 aus 2 Merkmalsbereichen (Faktoren) ");
    EXPECT_EQ(p.lines[8], "     Punktesumme:   9 von  18 aus   3 Fragen");
    EXPECT_EQ(std::vector<std::string>(p.lines.end() - 4, p.lines.end()),
              (std::vector<std::string>{"     ", "     Summe <A>  =   7 von  12",
                                        "     Summe <B>  =   2 von   6", "     "}));
}

TEST(QuestionnaireProtocol, ThreeLevelFactorLinesCountAnswersPerFactor) {
    auto in = input(3, {{"?F1 <A>", "ja", "A"},
                        {"?F2 <B>", "?", "B"},
                        {"?F3 <A>", "nein", "A"},
                        {"?F4 <A>", "?", "A"},
                        {"?F5 ohne", "ja", ""}});
    in.factorHeader = "AB";
    const auto p = questionnaireProtocol(in);
    EXPECT_EQ(p.lines[6], "     Fragen (F) : 5 aus 2 Merkmalsbereichen (Faktoren) ");
    EXPECT_EQ(p.lines[8], "     Punktesumme:   6 von  10 aus   5 Fragen");
    EXPECT_EQ(
        std::vector<std::string>(p.lines.end() - 3, p.lines.end()),
        (std::vector<std::string>{"     Summe <A> =   3 von   6  (ja=1,?=1,nein=1)",
                                  "     Summe <B> =   1 von   2  (ja=0,?=1,nein=0)", "     "}));
}

TEST(QuestionnaireProtocol, EnrNormsAndBandsFromTheUnroundedZ) {
    // E: 14 x ja + 1 x ? = 29; N: 16 x ja = 32; R: 7 x ja + 1 x ? = 15.
    std::vector<QuestionnairePageEntry> pages;
    auto add = [&](const char* key, int yes, int unsure) {
        for (int i = 0; i < yes + unsure; ++i)
            pages.push_back({std::string("?F <") + key + ">", i < yes ? "ja" : "?", key});
    };
    add("E", 14, 1);
    add("N", 16, 0);
    add("R", 7, 1);
    auto in = input(3, pages);
    in.factorHeader = "ENR";
    const auto p = questionnaireProtocol(in);
    EXPECT_EQ(p.lines[9], "");  // the answer list's empty line stays, without entries
    const std::vector<std::string> tail = {
        "     ",
        "     Extraversion :  Summe <E> =  29 von  30  (ja=14,?=1,nein=0)",
        "     Neurotizismus:  Summe <N> =  32 von  32  (ja=16,?=0,nein=0)",
        "     Rigidität    :  Summe <R> =  15 von  16  (ja=7,?=1,nein=0)",
        "",
        "     Standardisiertes Ergebnis: ",
        "",
        "     Extraversion :  2.01 = stark ÜBER dem Durschnitt   ( 2.50%) ",
        "     Neurotizismus:  2.00 = gering ÜBER dem Durschnitt  (13.50%) ",
        "     Rigidität    : -0.71 = durchschnittlich ausgeprägt (68.00%) ",
        "     ",
    };
    ASSERT_EQ(p.lines.size(), 10 + tail.size());
    EXPECT_EQ(std::vector<std::string>(p.lines.begin() + 10, p.lines.end()), tail);
    EXPECT_EQ(p.record.factors[1].band, "gering ÜBER dem Durschnitt  (13.50%)");
}

TEST(QuestionnaireProtocol, BandLimits) {
    EXPECT_EQ(enrBand(-2.0), "stark UNTER dem Durschnitt  ( 2.50%)");
    EXPECT_EQ(enrBand(-1.999), "gering UNTER dem Durschnitt (13.50%)");
    EXPECT_EQ(enrBand(-1.0), "gering UNTER dem Durschnitt (13.50%)");
    EXPECT_EQ(enrBand(-0.97), "durchschnittlich ausgeprägt (68.00%)");
    EXPECT_EQ(enrBand(1.0), "gering ÜBER dem Durschnitt  (13.50%)");
    EXPECT_EQ(enrBand(2.0), "stark ÜBER dem Durschnitt   ( 2.50%)");
}

}  // namespace
}  // namespace textaria::player
