#include "player/player_state.h"

#include "player/texts.h"

namespace textaria::player {

NavigationState PlayerState::navigation() const {
    NavigationState n;
    n.lessonOpen = LessonOpen;
    n.pageShown = PageShown;
    n.currentPage = CurrentPage;
    n.pageCount = PageCount;
    n.testMode = TestMode;
    n.childMode = ChildMode;
    n.testFinished = TestFinished;
    n.questionnairePage = QuestionnairePage;
    n.pageEvaluated = PageEvaluated;
    n.pageHasAnswerFields = hasAnswerFields;
    n.slideShowRunning = slideShowRunning;
    return n;
}

void PlayerState::resetPage() {
    CurrentPage = 0;
    PageShown = false;
    PageEvaluated = false;
    hasAnswerFields = false;
    readingPage = false;
    PickedText.clear();
}

std::string pageCounterText(int page, int pageCount) {
    return "[ " + std::to_string(page) + " / " + std::to_string(pageCount - 1) + " ]";
}

std::string calculatorHint(bool hasAnswerFields) {
    return hasAnswerFields ? texts::kCalculatorHintFields : texts::kCalculatorHintKey;
}

EvaluateStep evaluateStep(const PlayerState& s, bool pageTextEmpty) {
    if (s.TestFinished) return EvaluateStep::Nothing;
    if (s.slideShowRunning) return EvaluateStep::SlideShowMessage;
    if (!s.hasAnswerFields || (s.LessonOpen && s.CurrentPage < 1)) return EvaluateStep::Nothing;
    if (s.PageEvaluated) return EvaluateStep::AlreadyEvaluated;
    if (pageTextEmpty) return EvaluateStep::NoText;
    return EvaluateStep::Evaluate;
}

AnswersToggleStep answersToggleStep(const PlayerState& s, bool pageTextEmpty) {
    if (s.TestMode || s.TestFinished || s.QuestionnairePage || s.loading)
        return AnswersToggleStep::Nothing;
    if (s.slideShowRunning) return AnswersToggleStep::SlideShowMessage;
    if (!s.hasAnswerFields) return AnswersToggleStep::Nothing;
    if (pageTextEmpty) return AnswersToggleStep::NoText;
    return AnswersToggleStep::Toggle;
}

ListStep listStep(const PlayerState& s) {
    if (s.ChildMode || s.TestMode) return ListStep::Nothing;
    if (s.slideShowRunning) return ListStep::SlideShowMessage;
    if (s.SelectionArchive && !s.ProjectOpen) return ListStep::Nothing;
    return s.ListMode ? ListStep::ShowList : ListStep::NoPageList;
}

LoadStep loadStep(const PlayerState& s, bool archiveAppended, bool selfContainedRun) {
    if (s.TestMode && !s.TestFinished) return LoadStep::FinishTestFirst;
    if (s.slideShowRunning) return LoadStep::SlideShowMessage;
    if (selfContainedRun) return LoadStep::SelfContained;
    if (archiveAppended) return LoadStep::Nothing;
    if (s.SelectionArchive) return LoadStep::ShowSelection;
    return LoadStep::AskAndLoad;
}

std::string capsLockText(std::string_view typed) {
    std::string out;
    out.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const auto c = static_cast<unsigned char>(typed[i]);
        if (c >= 'a' && c <= 'z') {
            out += static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < typed.size()) {
            // ä ö ü (C3 A4, C3 B6, C3 BC) become Ä Ö Ü (C3 84, C3 96, C3 9C).
            const auto d = static_cast<unsigned char>(typed[i + 1]);
            const bool umlaut = d == 0xA4 || d == 0xB6 || d == 0xBC;
            out += typed[i];
            out += static_cast<char>(umlaut ? d - 0x20 : d);
            ++i;
        } else {
            out += typed[i];
        }
    }
    return out;
}

}  // namespace textaria::player
