// "Bewerten" and "Lücken": judging the answers of the shown page and the list of answers.
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "platform/user_dialogs.h"
#include "player/media_control.h"
#include "player/texts.h"
#include "player/ui/panel4.h"
#include "player/ui/tform1.h"

namespace textaria::player {

namespace {

void setFieldBackground(QLineEdit& field, const QColor& colour) {
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    field.setPalette(palette);
}

}  // namespace

void TForm1::Button6Click() {
    const EvaluateStep step = evaluateStep(player_, pageTextEmpty());
    if (step == EvaluateStep::Nothing) return;
    if (step == EvaluateStep::SlideShowMessage) {
        dialogs_.information(texts::kSlideShowRunning);
        return;
    }
    Panel4->media().endExternalViewer();
    if (step == EvaluateStep::AlreadyEvaluated) {
        dialogs_.information(texts::kAlreadyEvaluated);
        return;
    }
    if (step == EvaluateStep::NoText) {
        dialogs_.information(texts::kNoText);
        return;
    }

    player_.PageEvaluated = true;
    const int gapCount = gapTable_.GapCount();
    savedAnswers_.assign(static_cast<std::size_t>(gapCount), {});
    for (int j = 0; j < gapCount; ++j)
        savedAnswers_[static_cast<std::size_t>(j)] =
            gapFields[static_cast<std::size_t>(j)]->text().toStdString();
    setStatus("");

    EvaluationInput input;
    // A single text has no page number of its own; its results count as page 1.
    input.pageNumber = player_.ListMode ? player_.CurrentPage : 1;
    for (const auto& gap : gapTable_.entries) input.solutions.push_back(gap.answer);
    input.answers = savedAnswers_;
    input.caseSensitive = player_.CaseSensitive;
    input.showCorrections = player_.ShowCorrections;
    input.childMode = player_.ChildMode;
    input.showAnswers = player_.ShowAnswers;
    input.questionnairePage = player_.QuestionnairePage;
    input.pageText = lesson::ui::documentPlainText(*RichEdit1->document());
    const EvaluationResult result = EvaluatePage(input);
    scores_.record(input, result);

    for (int j = 0; j < gapCount; ++j) {
        if (!result.corrected[static_cast<std::size_t>(j)]) continue;
        QLineEdit* field = gapFields[static_cast<std::size_t>(j)];
        setFieldBackground(*field, CorrectionColour);
        field->setText(QString::fromStdString(result.fieldTexts[static_cast<std::size_t>(j)]));
        field->setCursorPosition(0);
    }
    if (!result.feedbackSound.empty()) {
        lastFeedbackSound_ = result.feedbackSound;
        Panel4->media().playFeedbackSound(lessonFilePath(result.feedbackSound));
    }
    if (!input.questionnairePage) setStatus(result.statusText);
    Panel1->setFocus();

    if (player_.wordListOption && !player_.ShowAnswers) {
        RichEdit2->hide();
        Panel3->hide();
    } else if (player_.ShowAnswers && !player_.TestMode && !player_.QuestionnairePage &&
               !result.wholePageMode) {
        showAnswerList(result);
    }
}

void TForm1::showAnswerList(const EvaluationResult& result) {
    // The star marks the answers counted right. Marking by field colour would star every
    // wrong answer too on pages that show no corrections.
    const auto lines =
        answerListLines(savedAnswers_, result.wrong, result.correctCount, result.valueCount);
    QString text;
    for (const std::string& line : lines) text += QString::fromStdString(line) + QLatin1Char('\n');
    text.chop(1);
    RichEdit2->setPlainText(text);
    Label13->setText(
        QString::fromUtf8(texts::kAnswerListCaption).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    RichEdit2->show();
    Panel3->show();
    Panel3->raise();
}

void TForm1::Button5Click() {
    switch (answersToggleStep(player_, pageTextEmpty())) {
        case AnswersToggleStep::Nothing:
            return;
        case AnswersToggleStep::SlideShowMessage:
            dialogs_.information(texts::kSlideShowRunning);
            return;
        case AnswersToggleStep::NoText:
            Panel4->media().endExternalViewer();
            dialogs_.information(texts::kNoText);
            return;
        case AnswersToggleStep::Toggle:
            break;
    }
    Panel4->media().endExternalViewer();
    player_.ShowAnswers = !player_.ShowAnswers;
    dialogs_.information(player_.ShowAnswers ? texts::kAnswersShown : texts::kAnswersHidden);
}

}  // namespace textaria::player
