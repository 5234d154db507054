// "Bewerten", "Lücken", questionnaire answers and "Beenden" with the end of a test.
#include "lesson/markup_text.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/media_control.h"
#include "player/texts.h"
#include "script/input_dialogs.h"

namespace textaria::player {

namespace {

// Blanks removed, trimmed; accepted with a comma that is neither first nor last.
std::optional<std::string> acceptedName(const std::string& typed) {
    std::string name;
    for (const char c : typed)
        if (c != ' ') name += c;
    name = std::string(lesson::trim(name));
    bool inner = false;
    for (std::size_t i = 1; i + 1 < name.size(); ++i) inner = inner || name[i] == ',';
    if (!inner) return std::nullopt;
    return name;
}

}  // namespace

void LessonPlayer::setAnswer(int field, const std::string& text) {
    if (field < 1 || field > lesson::kMaxGaps) return;
    answers_[static_cast<std::size_t>(field - 1)] = text;
}

void LessonPlayer::enterInField(int field) {
    if (s_.QuestionnairePage && field == 1) {
        s_.PickedText = std::string(lesson::trim(answer(1)));
        return;
    }
    const int next = field >= lesson::kMaxGaps ? 1 : field + 1;
    if (next <= gapTable_.GapCount()) view_.focusField(next);
}

int LessonPlayer::questionnaireLevels() const {
    return s_.Levels7 ? 7 : s_.Levels5 ? 5 : s_.Levels3 ? 3 : 0;
}

std::string LessonPlayer::allowedAnswers() const {
    switch (questionnaireLevels()) {
        case 3:
            return texts::kAllowedAnswers3;
        case 5:
            return texts::kAllowedAnswers5;
        case 7:
            return texts::kAllowedAnswers7;
        default:
            return {};
    }
}

void LessonPlayer::askQuestionnaireAnswer() {
    if (!inputDialogs_) return;
    const int levels = questionnaireLevels();
    const std::string box = levels == 3   ? texts::kSelectionBox3
                            : levels == 5 ? texts::kSelectionBox5
                                          : texts::kSelectionBox7;
    script::SelectRequest request;
    request.prompt = box.substr(0, box.find(':'));
    const int count = std::stoi(box.substr(box.rfind(',') + 1));
    request.count = count >= 2 && count <= 9 ? count : 1;
    request.mode = levels == 3 ? 6 : 3;
    const int chosen = inputDialogs_->select(request);
    std::string text;
    if (chosen >= 0) {
        static const char* const kThree[] = {"nein", "?", "ja"};
        text = levels == 3 ? (chosen < 3 ? kThree[chosen] : "") : std::to_string(chosen);
    }
    setAnswer(1, text);
    view_.setFieldText(1, text, false);
    view_.focusField(1);
}

void LessonPlayer::Button6Click() {
    const EvaluateStep step = evaluateStep(s_, pageTextEmpty());
    if (step == EvaluateStep::Nothing) return;
    if (step == EvaluateStep::SlideShowMessage) {
        dialogs_.information(texts::kSlideShowRunning);
        return;
    }
    endExternalViewer();
    if (step == EvaluateStep::AlreadyEvaluated) {
        dialogs_.information(texts::kAlreadyEvaluated);
        return;
    }
    if (step == EvaluateStep::NoText) {
        dialogs_.information(texts::kNoText);
        return;
    }

    s_.PageEvaluated = true;
    const int gapCount = gapTable_.GapCount();
    savedAnswers_.assign(answers_.begin(), answers_.begin() + gapCount);
    view_.setStatus({});

    EvaluationInput input;
    // A single text has no page number of its own; its results count as page 1.
    input.pageNumber = s_.ListMode ? s_.CurrentPage : 1;
    for (const auto& gap : gapTable_.entries) input.solutions.push_back(gap.answer);
    input.answers = savedAnswers_;
    input.caseSensitive = s_.CaseSensitive;
    input.showCorrections = s_.ShowCorrections;
    input.childMode = s_.ChildMode;
    input.showAnswers = s_.ShowAnswers;
    input.questionnairePage = s_.QuestionnairePage;
    input.pageText = pageText_;
    const EvaluationResult result = EvaluatePage(input);
    scores_.record(input, result);
    if (!input.questionnairePage) view_.pageResultStored(result.resultLine);

    for (int j = 0; j < gapCount; ++j) {
        const auto i = static_cast<std::size_t>(j);
        if (!result.corrected[i]) continue;
        answers_[i] = result.fieldTexts[i];
        view_.setFieldText(j + 1, result.fieldTexts[i], true);
    }
    if (!result.feedbackSound.empty()) {
        lastFeedbackSound_ = result.feedbackSound;
        if (media_) media_->playFeedbackSound(lessonFilePath(result.feedbackSound));
    }
    if (!input.questionnairePage) view_.setStatus(result.statusText);
    // The factor key of a question page; page 1 carries the factor header.
    const int page = input.pageNumber;
    if (s_.TestMode && page > 1 && page <= ScoreBook::kPages && !s_.headerLine.empty()) {
        const std::string& line = scores_.pageResults[page];
        const auto open = line.find('<');
        scores_.factorKeys[page] =
            open != std::string::npos && open + 1 < line.size() ? line.substr(open + 1, 1) : "";
    }
    view_.focusField(0);

    if (input.questionnairePage) {
        checkQuestionnaireAnswer();
        return;
    }
    if (s_.wordListOption && !s_.ShowAnswers) {
        view_.hideSideList();
    } else if (s_.ShowAnswers && !s_.TestMode && !result.wholePageMode) {
        showAnswerList(result);
    }
}

void LessonPlayer::checkQuestionnaireAnswer() {
    const int page = s_.ListMode ? s_.CurrentPage : 1;
    if (page < 1 || page > ScoreBook::kPages) return;
    std::string& last = scores_.lastAnswers[page];
    // A substring test; an empty answer is found nowhere.
    if (!last.empty() && lesson::contains(allowedAnswers(), last)) {
        if (s_.CurrentPage < s_.PageCount - 1) ShowPage(s_.CurrentPage + 1);
        return;
    }
    s_.PageEvaluated = false;
    dialogs_.information(texts::kWrongInput);
    last.clear();
    setAnswer(1, {});
    view_.setFieldText(1, {}, false);
    view_.focusField(1);
}

void LessonPlayer::showAnswerList(const EvaluationResult& result) {
    // The star follows the field colour: answers left as typed. On pages without corrections
    // that is every line, so the list does not tell which answers were wrong.
    std::vector<bool> corrected = result.corrected;
    const auto lines =
        answerListLines(savedAnswers_, corrected, result.correctCount, result.valueCount);
    view_.showSideList(SideList::Answers, lines);
}

void LessonPlayer::Button5Click() {
    switch (answersToggleStep(s_, pageTextEmpty())) {
        case AnswersToggleStep::Nothing:
            return;
        case AnswersToggleStep::SlideShowMessage:
            dialogs_.information(texts::kSlideShowRunning);
            return;
        case AnswersToggleStep::NoText:
            endExternalViewer();
            dialogs_.information(texts::kNoText);
            return;
        case AnswersToggleStep::Toggle:
            break;
    }
    endExternalViewer();
    s_.ShowAnswers = !s_.ShowAnswers;
    dialogs_.information(s_.ShowAnswers ? texts::kAnswersShown : texts::kAnswersHidden);
}

void LessonPlayer::Button7Click() {
    bool confirmed = false;
    if (s_.TestMode && !s_.TestFinished) {
        if (!dialogs_.askYesNo(texts::kEndTestQuestion, texts::kTestCaption)) return;
        setNavigation(false, nav_[1], nav_[2]);
        confirmed = true;
    } else if (s_.TestMode && s_.TestFinished) {
        if (!dialogs_.askYesNo(texts::kEndFinishedTestQuestion, texts::kTestCaption)) return;
        close();
        view_.endProgram();
        return;
    }
    if (s_.slideShowRunning) {
        dialogs_.information(texts::kSlideShowRunning);
        return;
    }
    endExternalViewer();
    if (!s_.TestMode) {
        if (!dialogs_.askYesNo(texts::kEndProgramQuestion, platform::kQuestionCaption)) return;
        close();
        view_.endProgram();
        return;
    }
    (void)confirmed;
    stopPageMedia();
    view_.showPicturePanel(false);
    view_.hideSideList();
    gapTable_ = {};
    answers_.fill({});
    view_.placeAnswerFields(gapTable_, 0);
    view_.clearPageView();
    pageText_.clear();
    EndTest();
}

std::string LessonPlayer::askPersonName() {
    for (;;) {
        const auto typed =
            dialogs_.inputBox(texts::kNameTitle, texts::kNamePrompt, texts::kNameDefault);
        // Cancelling gives the default, which is accepted.
        if (auto name = acceptedName(typed ? *typed : texts::kNameDefault)) return *name;
    }
}

void LessonPlayer::EndTest() {
    const bool questionnaire = s_.QuestionnairePage;
    // A questionnaire stays in test mode: its next "Beenden" only ends the program.
    if (!questionnaire) s_.TestMode = false;
    s_.hasAnswerFields = false;

    TestOutcome outcome;
    outcome.person = askPersonName();
    outcome.lessonFileName = s_.LessonFileName;
    outcome.when = clock_();
    outcome.complete = s_.CurrentPage >= s_.PageCount - 1;
    outcome.status = outcome.complete ? texts::kTestComplete : texts::kTestAborted;
    outcome.totalValues = scores_.totalValues;
    outcome.totalCorrect = scores_.totalCorrect;
    outcome.pageCount = s_.PageCount;
    outcome.questionnaireLevels = questionnaire ? questionnaireLevels() : 0;
    outcome.headerLine = s_.headerLine;
    for (int page = 1; page < s_.PageCount && page <= ScoreBook::kPages; ++page) {
        outcome.pageResults.push_back(scores_.pageResults[page]);
        outcome.lastAnswers.push_back(scores_.lastAnswers[page]);
        outcome.factorKeys.push_back(scores_.factorKeys[page]);
    }

    ProtocolResult protocol;
    if (protocolWriter_) protocol = protocolWriter_(outcome, random_);
    pageText_.clear();
    for (const auto& line : protocol.lines) pageText_ += line + "\r\n";
    view_.showPlainText(protocol.lines, true);
    shownPlainLines_ = protocol.lines;
    if (dialogs_.askYesNo(texts::kPrintResultQuestion, texts::kTestCaption)) printProtocol();
    // A protocol that could not be saved must not go unnoticed: it is the test's result.
    for (const auto& error : protocol.errors)
        dialogs_.information(std::string(texts::kProtocolNotWritten) + error);
    for (const auto& path : protocol.written) view_.protocolWritten(path);

    s_.TestFinished = true;
    s_.readingPage = true;
    s_.PageEvaluated = false;
}

}  // namespace textaria::player
