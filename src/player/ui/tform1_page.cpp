// Showing a page of the lesson, paging, the child-mode jumps and "Schrift".
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <filesystem>

#include "lesson/gaps_words.h"
#include "lesson/markup_options.h"
#include "lesson/markup_text.h"
#include "lesson/texts.h"
#include "platform/user_dialogs.h"
#include "player/texts.h"
#include "player/ui/page_document.h"
#include "player/ui/panel4.h"
#include "player/ui/tform1.h"
#include "player/ui/tform1_look.h"

namespace textaria::player {

namespace fs = std::filesystem;
using lesson::Marker;

namespace {

bool fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

}  // namespace

bool TForm1::pageTextEmpty() const {
    return lesson::trim(lesson::ui::documentPlainText(*RichEdit1->document())).empty();
}

void TForm1::ShowPage(int n) {
    MediaControl& media = Panel4->media();
    media.endExternalViewer();
    if (player_.slideShowRunning) {
        dialogs_.information(texts::kSlideShowRunning);
        return;
    }
    // Paging past either end is silently ignored; the shown page stays as it is.
    if (n <= 0 || n >= player_.PageCount || n > static_cast<int>(player_.pages.pages.size()))
        return;

    media.StopSound();
    player_.ShowCorrections = true;
    player_.CaseSensitive = true;
    player_.wordListOption = false;
    player_.calculatorOption = false;
    player_.calculatorClearsOption = false;
    player_.scriptOption = false;
    player_.PageEvaluated = false;
    player_.readingPage = false;
    player_.hasAnswerFields = false;
    hidePagePanels();
    lesson::ui::clearGapFields(gapFields);
    gapTable_ = {};
    setViewBackground(*RichEdit1, Qt::white);

    const lesson::PageSpan& span = player_.pages.pages[static_cast<std::size_t>(n - 1)];
    const auto begin =
        static_cast<int>(lesson::documentPosition(lessonPlainText_, span.body.begin));
    const auto end = static_cast<int>(lesson::documentPosition(lessonPlainText_, span.body.end));
    copyDocumentRange(*RichEdit3, begin, end, *RichEdit1->document());
    player_.CurrentPage = n;
    Label24->setText(QString::fromStdString(pageCounterText(n, player_.PageCount)));

    lesson::PageOptions options;
    const std::string pageText = lesson::ui::documentPlainText(*RichEdit1->document());
    if (!lesson::trim(pageText).empty()) {
        if (n == 1) player_.headerLine = lesson::headerLineOf(pageText);
        options = lesson::readPageOptions(pageText);
        if (options.questionnaireLevels() != 0) player_.QuestionnairePage = true;
        if (player_.QuestionnairePage || options.has(Marker::NoCorrections))
            player_.ShowCorrections = false;
        player_.CaseSensitive = !options.has(Marker::IgnoreCase);
        player_.wordListOption = options.has(Marker::WordList);
        player_.calculatorOption = options.has(Marker::Calculator);
    player_.calculatorClearsOption = options.has(Marker::CalculatorClears);
        player_.scriptOption = options.has(Marker::Script);

        std::vector<std::pair<int, int>> ranges;
        for (const lesson::ByteRange& r : lesson::optionLineRanges(pageText))
            ranges.emplace_back(static_cast<int>(lesson::documentPosition(pageText, r.begin)),
                                static_cast<int>(lesson::documentPosition(pageText, r.end)));
        removeDocumentRanges(*RichEdit1->document(), ranges);
        applyPageMargins();

        prepareAnswerFields(options);
        media.context().childMode = player_.ChildMode;
        media.beginPage(options.has(Marker::LimitedSound));
        startPageMedia(span.media, options.has(Marker::KeepPicture));
    }

    if (player_.scriptOption) Label4->setVisible(!player_.TestMode);
    RichEdit1->setVerticalScrollBarPolicy(player_.readingPage ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAlwaysOff);
    RichEdit1->moveCursor(QTextCursor::Start);
    RichEdit1->verticalScrollBar()->setValue(0);
    RichEdit1->setFocus();
    player_.PageShown = true;
    player_.ListShown = false;
    if (player_.SelectionArchive) player_.ProjectOpen = true;

    // The questionnaire's selection box takes the place of "[ Dn ]" in a test.
    if (player_.TestMode && n < player_.PageCount - 1)
        Label20->setVisible(!player_.QuestionnairePage);
    if (player_.hasAnswerFields) gapFields[0]->setFocus();
}

void TForm1::prepareAnswerFields(const lesson::PageOptions& options) {
    if (options.has(Marker::ReadingPage)) {
        player_.readingPage = true;
    } else {
        const lesson::GapExtraction extraction = lesson::ui::ExtractGaps(*RichEdit1);
        if (extraction.error != lesson::GapError::None) {
            dialogs_.information(lesson::gapErrorMessage(extraction.error));
        } else {
            gapTable_ = extraction.table;
            const auto placement = lesson::ui::PlaceGapFields(*RichEdit1, gapTable_, gapFields,
                                                              player_.fontChangeTotal);
            if (placement.positionError) {
                dialogs_.information(lesson::texts::kGapPositionError);
                lesson::ui::clearGapFields(gapFields);
                gapTable_ = {};
            } else {
                player_.hasAnswerFields = placement.hasAnswerFields;
            }
        }
    }
    if (player_.wordListOption) showWordList(lesson::BuildAnswerWordList(gapTable_));
    if (player_.calculatorOption) setStatus(calculatorHint(player_.hasAnswerFields));
}

void TForm1::startPageMedia(const lesson::MediaLine& media, bool keepPicture) {
    MediaControl& control = Panel4->media();
    const std::string picture = media.picture.empty() ? "" : lessonFilePath(media.picture);
    if (fileExists(picture)) {
        showPicture(picture);
    } else if (!keepPicture) {
        Panel5->hide();
    } else {
        Panel5->show();
    }
    const std::string sound = media.sound.empty() ? "" : lessonFilePath(media.sound);
    if (fileExists(sound)) {
        control.showPanel();
        Panel4->raise();
        control.playSound(sound);
    } else {
        control.hidePanel();
        control.StopSound();
    }
    const std::string external = media.external.empty() ? "" : lessonFilePath(media.external);
    if (fileExists(external)) control.openExternal(external);
}

void TForm1::showWordList(const std::vector<std::string>& words) {
    QString list;
    for (const std::string& word : words) list += QString::fromStdString(word) + QLatin1Char('\n');
    list.chop(1);
    RichEdit2->setPlainText(list);
    Label13->setText(QString::fromUtf8(lesson::texts::kWordListHelp)
                         .replace(QLatin1Char('\r'), QLatin1Char('\n')));
    Panel3->show();
    Panel3->raise();
}

void TForm1::showSingleText() {
    const std::string& text = lessonPlainText_;
    player_.LaunchList = player_.ListShown = lesson::contains(lesson::lowerCase(text), "exe");
    player_.ListMode = false;
    player_.LessonOpen = false;
    player_.CurrentPage = 0;
    player_.PageEvaluated = false;
    player_.readingPage = false;
    player_.hasAnswerFields = false;
    clearPageView();
    copyDocumentRange(*RichEdit3, 0, RichEdit3->characterCount() - 1, *RichEdit1->document());
    applyPageMargins();

    const lesson::PageOptions options = lesson::readSingleTextOptions(text);
    player_.ShowCorrections = !options.has(Marker::NoCorrections);
    player_.CaseSensitive = !options.has(Marker::IgnoreCase);
    player_.wordListOption = options.has(Marker::WordList);
    player_.calculatorOption = options.has(Marker::Calculator);
    player_.calculatorClearsOption = options.has(Marker::CalculatorClears);
    player_.scriptOption = options.has(Marker::Script);
    prepareAnswerFields(options);

    MediaControl& media = Panel4->media();
    media.endExternalViewer();
    const std::string picture = lessonFilePath(player_.LessonBaseName + ".jpg");
    if (fileExists(picture))
        showPicture(picture);
    else
        Panel5->hide();
    const std::string sound = lessonFilePath(player_.LessonBaseName + ".mp3");
    if (fileExists(sound)) {
        media.showPanel();
        media.playSound(sound);
    } else {
        media.hidePanel();
        media.StopSound();
    }
    if (player_.externalMedia) {
        const std::string external = lessonFilePath(player_.externalMediaName);
        if (fileExists(external)) media.openExternal(external);
    }
    RichEdit1->setVerticalScrollBarPolicy(player_.readingPage ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAlwaysOff);
    RichEdit1->moveCursor(QTextCursor::Start);
    RichEdit1->setFocus();
    player_.PageShown = true;
    if (player_.hasAnswerFields) gapFields[0]->setFocus();
}

void TForm1::runPageCommand(const PageCommand& command) {
    switch (command.kind) {
        case PageCommand::Kind::Show:
            ShowPage(command.page);
            break;
        case PageCommand::Kind::Message:
            dialogs_.information(command.message);
            break;
        case PageCommand::Kind::Ignore:
            break;
    }
}

void TForm1::Label20Click() { runPageCommand(pageDown(player_.navigation())); }
void TForm1::Label21Click() { runPageCommand(pageUp(player_.navigation())); }
void TForm1::Label4Click() { runPageCommand(repeatPage(player_.navigation())); }

void TForm1::childJumpInput() {
    player_.capsLock = false;
    const auto typed = dialogs_.inputBox(texts::kChildJumpTitle, childJumpPrompt(player_.PageCount),
                                         std::to_string(player_.CurrentPage));
    // A cancelled box keeps the page (and the answers typed into it).
    if (typed) ShowPage(childJumpTarget(*typed, player_.PageCount));
    player_.capsLock = true;
}

void TForm1::Button13Click() {
    if (player_.slideShowRunning) {
        dialogs_.information(texts::kSlideShowRunning);
        return;
    }
    const bool listPage = player_.ListMode && player_.PageShown && player_.CurrentPage >= 1;
    const bool singleText = !player_.ListMode && !player_.SelectionArchive && player_.PageShown;
    if (!listPage && !singleText) {
        dialogs_.information(texts::kFontChangeOnlyInTextPages);
        return;
    }
    const auto typed = dialogs_.inputBox(texts::kFontChangeTitle, texts::kFontChangePrompt,
                                         player_.lastFontChangeInput);
    if (!typed) return;
    const int change = fontChangeValue(*typed);
    player_.lastFontChangeInput = std::to_string(change);
    if (change == 0) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    changeFontSizes(*RichEdit3, change);
    QApplication::restoreOverrideCursor();
    player_.fontChangeTotal += change;
    if (listPage)
        ShowPage(player_.CurrentPage);
    else
        showSingleText();
}

}  // namespace textaria::player
