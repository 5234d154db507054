#include "player/player_state.h"

#include <gtest/gtest.h>

#include "player/texts.h"

namespace textaria::player {
namespace {

PlayerState evaluablePage() {
    PlayerState s;
    s.LessonOpen = true;
    s.PageShown = true;
    s.CurrentPage = 2;
    s.PageCount = 5;
    s.hasAnswerFields = true;
    return s;
}

TEST(PlayerState, BewertenChecksApplyInOrder) {
    struct Case {
        const char* name;
        void (*change)(PlayerState&);
        bool emptyText;
        EvaluateStep expected;
    };
    const Case cases[] = {
        {"ordinary page", [](PlayerState&) {}, false, EvaluateStep::Evaluate},
        {"finished test beats everything",
         [](PlayerState& s) {
             s.TestFinished = true;
             s.slideShowRunning = true;
             s.PageEvaluated = true;
         },
         false, EvaluateStep::Nothing},
        {"slide show before the field check",
         [](PlayerState& s) {
             s.slideShowRunning = true;
             s.hasAnswerFields = false;
         },
         false, EvaluateStep::SlideShowMessage},
        {"no answer fields", [](PlayerState& s) { s.hasAnswerFields = false; }, false,
         EvaluateStep::Nothing},
        {"list page of an open lesson", [](PlayerState& s) { s.CurrentPage = 0; }, false,
         EvaluateStep::Nothing},
        {"single text has page 0 but no open lesson",
         [](PlayerState& s) {
             s.LessonOpen = false;
             s.CurrentPage = 0;
         },
         false, EvaluateStep::Evaluate},
        {"second press", [](PlayerState& s) { s.PageEvaluated = true; }, true,
         EvaluateStep::AlreadyEvaluated},
        {"empty page text", [](PlayerState&) {}, true, EvaluateStep::NoText},
    };
    for (const Case& c : cases) {
        PlayerState s = evaluablePage();
        c.change(s);
        EXPECT_EQ(evaluateStep(s, c.emptyText), c.expected) << c.name;
    }
}

TEST(PlayerState, LueckenAndListeRefuseOutsideTrainingPages) {
    PlayerState s = evaluablePage();
    EXPECT_EQ(answersToggleStep(s, false), AnswersToggleStep::Toggle);
    EXPECT_EQ(answersToggleStep(s, true), AnswersToggleStep::NoText);
    for (bool PlayerState::*flag : {&PlayerState::TestMode, &PlayerState::TestFinished,
                                    &PlayerState::QuestionnairePage, &PlayerState::loading}) {
        PlayerState t = s;
        t.*flag = true;
        t.slideShowRunning = true;
        EXPECT_EQ(answersToggleStep(t, false), AnswersToggleStep::Nothing);
    }
    s.hasAnswerFields = false;
    EXPECT_EQ(answersToggleStep(s, true), AnswersToggleStep::Nothing);

    PlayerState list;
    EXPECT_EQ(listStep(list), ListStep::NoPageList);
    list.ListMode = true;
    EXPECT_EQ(listStep(list), ListStep::ShowList);
    list.SelectionArchive = true;  // menu shown, no project open
    EXPECT_EQ(listStep(list), ListStep::Nothing);
    list.ProjectOpen = true;
    EXPECT_EQ(listStep(list), ListStep::ShowList);
    list.slideShowRunning = true;
    EXPECT_EQ(listStep(list), ListStep::SlideShowMessage);
    list.ChildMode = true;
    EXPECT_EQ(listStep(list), ListStep::Nothing);
}

TEST(PlayerState, LadenDecidesBeforeAskingAnything) {
    PlayerState s;
    EXPECT_EQ(loadStep(s, false, false), LoadStep::AskAndLoad);
    EXPECT_EQ(loadStep(s, true, true), LoadStep::SelfContained);
    EXPECT_EQ(loadStep(s, true, false), LoadStep::Nothing);
    s.SelectionArchive = true;
    EXPECT_EQ(loadStep(s, false, false), LoadStep::ShowSelection);
    EXPECT_EQ(loadStep(s, true, false), LoadStep::Nothing);
    s.slideShowRunning = true;
    EXPECT_EQ(loadStep(s, false, true), LoadStep::SlideShowMessage);
    s.TestMode = true;
    EXPECT_EQ(loadStep(s, false, false), LoadStep::FinishTestFirst);
    s.TestFinished = true;  // an ended test may be left
    EXPECT_EQ(loadStep(s, false, false), LoadStep::SlideShowMessage);
}

TEST(PlayerState, CapsLockMakesCapitals) {
    const std::pair<const char*, const char*> cases[] = {
        {"haus", "HAUS"},   {"Öl", "ÖL"},   {"äöü", "ÄÖÜ"}, {"ß", "ß"},
        {"3,5 é", "3,5 é"}, {"ÄÖÜ", "ÄÖÜ"}, {"", ""},
    };
    for (auto [typed, expected] : cases) EXPECT_EQ(capsLockText(typed), expected) << typed;
}

}  // namespace
}  // namespace textaria::player
