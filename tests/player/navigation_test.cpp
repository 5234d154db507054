#include "player/navigation.h"

#include <gtest/gtest.h>

namespace textaria::player {
namespace {

NavigationState lessonOn(int page, int pageCount = 12) {
    NavigationState s;
    s.lessonOpen = true;
    s.pageShown = page > 0;
    s.currentPage = page;
    s.pageCount = pageCount;
    return s;
}

using Kind = PageCommand::Kind;

TEST(Paging, StaysWithinTheLessonsPages) {
    EXPECT_EQ(pageUp(lessonOn(1)).kind, Kind::Ignore);
    EXPECT_EQ(pageDown(lessonOn(11)).kind, Kind::Ignore);
    EXPECT_EQ(pageDown(lessonOn(5)).page, 6);
    EXPECT_EQ(pageUp(lessonOn(5)).page, 4);
    EXPECT_EQ(repeatPage(lessonOn(5)).page, 5);
    EXPECT_EQ(pageDown(NavigationState{}).kind, Kind::Ignore) << "no lesson";
    EXPECT_EQ(pageDown(lessonOn(0)).kind, Kind::Ignore) << "list page shown, training";
}

TEST(Paging, TestModeGoesForwardOnlyAndOnlyAfterEvaluation) {
    auto s = lessonOn(3);
    s.testMode = true;
    s.pageHasAnswerFields = true;
    const auto refused = pageDown(s);
    EXPECT_EQ(refused.kind, Kind::Message);
    EXPECT_EQ(refused.message, "Bitte zuerst <<Bewerten>> ausführen!");
    s.pageEvaluated = true;
    EXPECT_EQ(pageDown(s).page, 4);
    s.pageEvaluated = false;
    s.pageHasAnswerFields = false;  // a text-only page advances
    EXPECT_EQ(pageDown(s).page, 4);
    EXPECT_EQ(pageUp(s).kind, Kind::Ignore);
    s.testFinished = true;
    EXPECT_EQ(pageDown(s).kind, Kind::Ignore);
    auto last = lessonOn(11);
    last.testMode = true;
    last.pageHasAnswerFields = true;
    EXPECT_EQ(pageDown(last).kind, Kind::Ignore) << "the last page needs no evaluation to stay";
    auto q = lessonOn(3);
    q.questionnairePage = true;
    EXPECT_EQ(pageDown(q).kind, Kind::Ignore);
}

TEST(ChildJumps, WorkOnlyInChildModeOnceAPageIsShown) {
    auto s = lessonOn(5);
    EXPECT_EQ(childJumpFirst(s).kind, Kind::Ignore);
    s.childMode = true;
    EXPECT_EQ(childJumpFirst(s).page, 1);
    EXPECT_EQ(childJumpLast(s).page, 11);
    s.currentPage = 0;
    EXPECT_EQ(childJumpLast(s).kind, Kind::Ignore);

    const struct {
        const char* input;
        int page;
    } jumps[] = {{"99", 11}, {"abc", 1}, {"", 1}, {"7", 7}, {" 3 ", 3}, {"-4", 1}, {"0", 1}};
    for (const auto& j : jumps) EXPECT_EQ(childJumpTarget(j.input, 12), j.page) << j.input;
    EXPECT_EQ(childJumpPrompt(12), "( 0 < N < 12 )");
}

TEST(FontChange, AcceptsWholeStepsFromMinusSixToSix) {
    const struct {
        const char* input;
        int value;
    } cases[] = {{"7", 0}, {"-2", -2}, {"+2", 2}, {"", 0},    {"abc", 0},
                 {"6", 6}, {"-6", -6}, {"-7", 0}, {"1.5", 0}, {" 3 ", 3}};
    for (const auto& c : cases) EXPECT_EQ(fontChangeValue(c.input), c.value) << c.input;
}

}  // namespace
}  // namespace textaria::player
