// "Bewerten", "Lücken", questionnaire answers and "Beenden" with the end of a test.
#include "lesson/markup_text.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/media_control.h"
#include "player/protocol_file.h"
#include "player/protocol_json.h"
#include "player/questionnaire_profile.h"
#include "player/texts.h"
#include "script/input_dialogs.h"

namespace textaria::player {

void LessonPlayer::setAnswer(int field, const std::string& text) {
    if (field < 1 || field > lesson::kMaxGaps) return;
    answers_[static_cast<std::size_t>(field - 1)] = text;
}

int LessonPlayer::questionnaireLevels() const { return s_.levels.levels(); }

void LessonPlayer::askQuestionnaireAnswer() {
    if (!inputDialogs_) return;
    const int levels = questionnaireLevels();
    const std::string text =
        answerFromChoice(levels, inputDialogs_->select(questionnaireSelectRequest(levels)));
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
    hideHelp();
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
    if (page >= 1 && page <= ScoreBook::kPages)
        scores_.factorKeys[page] =
            pageFactorKey(s_.TestMode, page, s_.headerLine, scores_.pageResults[page]);
    DrawRegionNumbers();
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
    switch (questionnaireAnswerStep(last, questionnaireLevels(), s_.CurrentPage, s_.PageCount)) {
        case AnswerStep::ShowNextPage:
            ShowPage(s_.CurrentPage + 1);
            return;
        case AnswerStep::StayOnLastPage:
            return;
        case AnswerStep::WrongAnswer:
            break;
    }
    s_.PageEvaluated = false;
    dialogs_.information(texts::kWrongAnswer);
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
    if (s_.TestMode && !s_.TestFinished) {
        if (!dialogs_.askYesNo(texts::kEndProgramInTest, texts::kProtocolQuestionCaption)) return;
        setNavigation(false, nav_[1], nav_[2]);
    } else if (s_.TestMode && s_.TestFinished) {
        if (!dialogs_.askYesNo(texts::kEndProgramFinally, texts::kProtocolQuestionCaption)) return;
        close();
        view_.endProgram();
        return;
    }
    if (s_.slideShowRunning) {
        dialogs_.information(texts::kSlideShowRunning);
        return;
    }
    hideHelp();
    endExternalViewer();
    if (!s_.TestMode) {
        if (!dialogs_.askYesNo(texts::kEndProgram, platform::kQuestionCaption)) return;
        close();
        view_.endProgram();
        return;
    }
    stopPageMedia();
    hidePicture();
    view_.hideSideList();
    gapTable_ = {};
    answers_.fill({});
    view_.placeAnswerFields(gapTable_, 0);
    view_.clearPageView();
    pageText_.clear();
    if (s_.QuestionnairePage)
        EndQuestionnaire();
    else
        EndTest();
}

ProtocolRecord LessonPlayer::protocolRecord(const std::string& person,
                                            const ProtocolStamp& stamp) const {
    ProtocolRecord record;
    record.lesson = s_.LessonFileName;
    record.person = person;
    record.date = stamp.date();
    record.time = stamp.time();
    record.complete = testComplete(s_.CurrentPage, s_.PageCount);
    record.totalValues = scores_.totalValues;
    record.totalCorrect = scores_.totalCorrect;
    for (int page = 1; page < s_.PageCount && page <= ScoreBook::kPages; ++page) {
        ProtocolRecord::Page entry;
        entry.number = page;
        if (page <= static_cast<int>(s_.pages.pages.size()))
            entry.title = s_.pages.pages[static_cast<std::size_t>(page - 1)].title;
        entry.resultLine = scores_.pageResults[page];
        entry.answers = scores_.typedAnswers[page];
        record.pages.push_back(std::move(entry));
    }
    return record;
}

void LessonPlayer::EndTest() {
    s_.TestMode = false;
    s_.hasAnswerFields = false;
    const std::string person = askPersonName(dialogs_);
    const ProtocolStamp stamp = clock_();
    TestProtocolInput input;
    input.lessonFileName = s_.LessonFileName;
    input.person = person;
    input.stamp = stamp;
    input.currentPage = s_.CurrentPage;
    input.pageCount = s_.PageCount;
    input.totalValues = scores_.totalValues;
    input.totalCorrect = scores_.totalCorrect;
    input.pageResults.assign(scores_.pageResults.begin(), scores_.pageResults.end());
    finishProtocol(testProtocolLines(input), protocolRecord(person, stamp), person, stamp, '1');
}

void LessonPlayer::EndQuestionnaire() {
    // Test mode stays: the next "Beenden" only ends the program.
    s_.hasAnswerFields = false;
    const std::string person = askPersonName(dialogs_);
    const ProtocolStamp stamp = clock_();
    QuestionnaireInput input;
    input.lessonFileName = s_.LessonFileName;
    input.person = person;
    input.stamp = stamp;
    input.levels = questionnaireLevels();
    input.factorHeader = s_.headerLine;
    input.currentPage = s_.CurrentPage;
    input.pageCount = s_.PageCount;
    input.questionCount = static_cast<int>(questions_.questions.size());
    input.questionMarkCount = questions_.questionMarkCount;
    for (int page = 1; page < s_.PageCount && page <= ScoreBook::kPages; ++page)
        input.pages.push_back(
            {scores_.pageResults[page], scores_.lastAnswers[page], scores_.factorKeys[page]});
    const QuestionnaireProtocol protocol = questionnaireProtocol(input);
    ProtocolRecord record = protocolRecord(person, stamp);
    record.questionnaire = protocol.record;
    finishProtocol(protocol.lines, std::move(record), person, stamp, protocol.suffix);
    if (protocol.writesQuestionFile)
        writeQuestionFileOnce(startup_.ProtocolFolder, s_.LessonFileName, questions_.questions,
                              &dialogs_);
}

void LessonPlayer::finishProtocol(const std::vector<std::string>& lines, ProtocolRecord record,
                                  const std::string& person, const ProtocolStamp& stamp,
                                  char suffix) {
    pageText_.clear();
    for (const auto& line : lines) pageText_ += line + "\r\n";
    view_.showPlainText(lines, true);
    shownPlainLines_ = lines;
    if (dialogs_.askYesNo(texts::kPrintResult, texts::kProtocolQuestionCaption)) printProtocol();
    const std::string lesson = s_.LessonFileName;
    // The protocol is the test's result: a file that cannot be written must not go unnoticed.
    const ProtocolFiles files = saveProtocol(
        startup_.ProtocolFolder,
        [&](std::string_view letters) {
            return protocolBaseName(lesson, person, stamp, letters, suffix);
        },
        lines, protocolJson(record), letters_, dialogs_);
    if (!files.textPath.empty()) view_.protocolWritten(files.textPath);
    if (!files.jsonPath.empty()) view_.protocolWritten(files.jsonPath);
    s_.TestFinished = true;
    s_.readingPage = true;
    s_.PageEvaluated = false;
}

}  // namespace textaria::player
