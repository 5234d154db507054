// Loading a lesson: "Laden", archives, the list page, "Liste" and the project menu.
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <filesystem>

#include "lesson/archive.h"
#include "lesson/lesson_file.h"
#include "lesson/markup_options.h"
#include "lesson/markup_text.h"
#include "lesson/project_list.h"
#include "lesson/texts.h"
#include "platform/document_file.h"
#include "platform/ui/rich_text_document.h"
#include "platform/user_dialogs.h"
#include "player/texts.h"
#include "player/ui/page_document.h"
#include "player/ui/panel4.h"
#include "player/ui/tform1.h"
#include "player/ui/tform1_look.h"

namespace textaria::player {

namespace fs = std::filesystem;

namespace {

bool isArchiveName(const std::string& name) {
    return lesson::lowerCase(fs::path(name).extension().string()) == ".rsd";
}

// Turns the dialog filter "Text (*.rtf)|*.rtf|..." into Qt's "Text (*.rtf);;...".
QString qtFilter(const char* filter) {
    const QStringList parts = QString::fromUtf8(filter).split(QLatin1Char('|'));
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2) names << parts[i];
    return names.join(QStringLiteral(";;"));
}

}  // namespace

std::string TForm1::lessonFilePath(const std::string& name) const {
    return lesson::findCompanionFile(player_.lessonFolder, name).string();
}

void TForm1::clearPlayerForLoad() {
    // Child mode ends with its lesson; the next one shows its answers again unless it is one
    // for children too.
    if (player_.ChildMode) {
        player_.ChildMode = false;
        player_.capsLock = false;
        player_.ShowAnswers = true;
    }
    player_.TestMode = false;
    player_.TestFinished = false;
    player_.QuestionnairePage = false;
    scores_.clear();
    savedAnswers_.clear();
    player_.resetPage();
}

void TForm1::Button3Click() {
    const LoadStep step =
        loadStep(player_, state_.facts.ArchiveAppended, state_.facts.SelfContainedRun);
    if (step == LoadStep::FinishTestFirst) {
        dialogs_.information(lesson::texts::kFinishTestFirst);
        return;
    }
    // An ordinary load clears the modes and results only once the learner has said yes:
    // answering no must leave a finished test finished and the lesson's totals as they are.
    if (step != LoadStep::AskAndLoad) {
        player_.TestMode = false;
        player_.TestFinished = false;
        player_.QuestionnairePage = false;
        scores_.clear();
        savedAnswers_.clear();
    }
    if (state_.facts.ArchiveAppended && !player_.SelectionArchive) Button3->hide();

    switch (step) {
        case LoadStep::SlideShowMessage:
            dialogs_.information(texts::kSlideShowRunning);
            return;
        case LoadStep::SelfContained:
            state_.facts.SelfContainedRun = false;
            RichEdit1->show();
            if (player_.SelectionArchive)
                Button3->setText(QString::fromUtf8(texts::kSelectionButton));
            LoadArchiveLesson(state_.appendedArchivePath, state_.selfContainedLesson, true);
            RichEdit1->setFocus();
            return;
        case LoadStep::ShowSelection:
            ShowSelection();
            return;
        case LoadStep::Nothing:
        case LoadStep::FinishTestFirst:
            return;
        case LoadStep::AskAndLoad:
            break;
    }

    player_.scriptOption = false;
    if (!dialogs_.askYesNo(lesson::texts::kLoadQuestion, lesson::texts::kQuestionCaption)) return;
    std::error_code ec;
    fs::current_path(state_.StartFolder, ec);
    state_.facts.ArchiveAppended = false;
    state_.appendedArchivePath.clear();
    // The page is reset by the load itself, so a cancelled dialog leaves the page usable.
    const auto chosen = OpenLessonDialog();
    if (!chosen) return;
    openLesson(*chosen);
}

std::optional<std::string> TForm1::OpenLessonDialog() {
    std::error_code ec;
    std::string start = player_.lastDialogFolder;
    if (!dialogUsed_) {
        dialogs_.information(lesson::texts::kFirstDialogHint);
        start = fs::current_path(ec).string();
    }
    dialogUsed_ = true;
    std::optional<std::string> file;
    if (chooseLessonFile) {
        file = chooseLessonFile(start);
    } else {
        QFileDialog dialog(this, QString(), QString::fromStdString(start),
                           qtFilter(texts::kLessonFileFilter));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QStringLiteral("rtf"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            file = dialog.selectedFiles().front().toStdString();
    }
    if (!file || file->empty()) return std::nullopt;
    const fs::path chosen = fs::absolute(*file, ec);
    player_.lastDialogFolder = chosen.parent_path().string();
    fs::current_path(chosen.parent_path(), ec);
    return chosen.string();
}

bool TForm1::openLesson(const std::string& file) {
    player_.loading = true;
    const bool loaded = openLessonFile(file);
    player_.loading = false;
    return loaded;
}

bool TForm1::openLessonFile(const std::string& file) {
    const fs::path path(file);
    player_.LessonFileName = path.filename().string();
    player_.LessonBaseName = lesson::lessonBaseName(player_.LessonFileName);
    if (isArchiveName(file)) return LoadArchiveLesson(file, player_.LessonFileName, false);

    // A file that cannot be read leaves the lesson on screen as it was.
    const platform::DocumentLoad load = platform::loadDocumentFile(file);
    if (!load.ok) {
        dialogs_.information(std::string(lesson::texts::kDataError) + "\r" + load.error);
        return false;
    }
    clearPlayerForLoad();
    player_.NestedArchiveCount = 0;
    player_.externalMedia = false;
    player_.SelectionArchive = false;
    std::error_code ec;
    player_.lessonFolder = fs::absolute(path, ec).parent_path().string();
    setLessonText(load.text);
    StartLesson();
    return true;
}

void TForm1::setLessonText(const platform::StyledText& text) {
    platform::setStyledText(*RichEdit3, text);
    // The text keeps the size changes made so far: "Schrift" and the screen correction's step.
    changeFontSizes(*RichEdit3, player_.fontChangeTotal + state_.scaling.FontDelta);
    lessonPlainText_ = lesson::ui::documentPlainText(*RichEdit3);
}

void TForm1::closeLesson() {
    RichEdit3->clear();
    lessonPlainText_.clear();
    player_.pages = {};
    player_.PageCount = 0;
    player_.ListMode = false;
    player_.LessonOpen = false;
    player_.ListShown = false;
    player_.resetPage();
    Panel4->media().StopSound();
    Panel4->media().hidePanel();
    clearPageView();
    RichEdit1->clear();
}

bool TForm1::LoadArchiveLesson(const std::string& archive, const std::string& lessonName,
                               bool appended) {
    std::error_code ec;
    // An archive whose directory cannot be read changes nothing, not even the work folder.
    const lesson::ArchiveDirectoryRead directory = lesson::readArchiveDirectory(archive);
    if (!directory.ok()) {
        dialogs_.information(std::string(lesson::texts::kDataError) + "\r" + archive +
                             (directory.error.empty() ? "" : ": " + directory.error));
        return false;
    }
    clearPlayerForLoad();
    const fs::path work(state_.WorkFolder);
    if (player_.SelectionArchive && fs::is_directory(work, ec)) {
        // The previous project's media go; the archives and texts of the menu stay.
        for (fs::directory_iterator it(work, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = lesson::lowerCase(it->path().filename().string());
            if (it->is_regular_file(ec) && !lesson::contains(name, "rsd") &&
                !lesson::contains(name, "rtf"))
                fs::remove(it->path(), ec);
        }
    }

    fs::path source(archive);
    if (appended) {
        setStatus(lesson::texts::kProjectDataLoading);
    } else {
        fs::create_directories(work, ec);
        const fs::path copy = work / source.filename();
        if (!fs::equivalent(source, copy, ec)) {
            ec.clear();
            fs::copy_file(source, copy, fs::copy_options::overwrite_existing, ec);
            if (!ec) source = copy;
        }
    }

    const lesson::UnpackResult unpacked = lesson::UnpackArchive(fs::absolute(source, ec), work);
    fs::current_path(work, ec);
    player_.NestedArchiveCount = unpacked.NestedArchiveCount;
    player_.externalMedia = unpacked.externalMedia;
    player_.externalMediaName = unpacked.externalMediaName;
    player_.lessonFolder = work.string();
    player_.LessonFileName = fs::path(lessonName).filename().string();
    player_.LessonBaseName = lesson::lessonBaseName(player_.LessonFileName);
    const std::string textFile = lessonFilePath(player_.LessonBaseName + ".rtf");
    const platform::DocumentLoad load = platform::loadDocumentFile(textFile);
    if (unpacked.archiveMissing || !unpacked.error.empty() || !load.ok) {
        // The work folder now holds the new archive's files: the old lesson cannot go on.
        closeLesson();
        dialogs_.information(
            std::string(lesson::texts::kDataError) + "\r" +
            (!unpacked.error.empty() ? archive + ": " + unpacked.error : load.error));
        return false;
    }
    setLessonText(load.text);
    if (appended) fs::current_path(work, ec);
    StartLesson();
    return true;
}

void TForm1::StartLesson() {
    const std::string& text = lessonPlainText_;
    switch (lesson::classifyLesson(text, player_.NestedArchiveCount)) {
        case lesson::LessonKind::Menu:
            copyDocumentRange(*RichEdit3, 0, RichEdit3->characterCount() - 1, *savedSelection_);
            player_.SelectionArchive = true;
            player_.ProjectOpen = false;
            player_.ListMode = false;
            player_.LessonOpen = false;
            Button3->setText(QString::fromUtf8(texts::kSelectionButton));
            Button3->show();
            ShowSelection();
            return;
        case lesson::LessonKind::Single:
            showSingleText();
            return;
        case lesson::LessonKind::List:
            break;
    }
    if (player_.projectPicked) setStatus(lesson::texts::kProjectLoading);
    player_.ListMode = true;
    player_.pages = lesson::splitPages(text);
    player_.PageCount = player_.pages.PageCount;
    player_.TestMode = player_.pages.TestMode;
    player_.ChildMode = player_.pages.ChildMode;
    if (player_.ChildMode) {
        player_.ShowAnswers = false;
        player_.capsLock = true;
    }
    player_.LessonOpen = true;
    ShowListPage();
}

void TForm1::ShowListPage() {
    setViewBackground(*RichEdit1, kListBackground);
    RichEdit1->clear();
    lesson::ui::clearGapFields(gapFields);
    gapTable_ = {};
    if (player_.projectPicked) {
        player_.projectPicked = false;
        setStatus(player_.LessonBaseName + ".rtf");
        const QPoint corner = RichEdit1->mapToGlobal(QPoint(50, 50));
        dialogs_.informationAt(lesson::texts::kGoToProject, {corner.x(), corner.y()});
        player_.ListShown = false;
        savedAnswers_.clear();
    }

    std::vector<std::string> titles;
    for (const auto& page : player_.pages.pages) titles.push_back(page.title);
    const auto mode = player_.TestMode    ? lesson::ListMode::Test
                      : player_.ChildMode ? lesson::ListMode::Child
                                          : lesson::ListMode::Normal;
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(14);
    format.setFontWeight(QFont::Bold);
    format.setForeground(kListText);
    QTextCursor cursor(RichEdit1->document());
    bool first = true;
    for (const std::string& paragraph : lesson::listPageParagraphs(titles, mode)) {
        // Each "\r" line is a paragraph of its own, so a click reads one line.
        for (const QString& line : QString::fromStdString(paragraph).split(QLatin1Char('\r'))) {
            if (!first) cursor.insertBlock();
            first = false;
            cursor.setBlockCharFormat(format);
            cursor.insertText(line, format);
        }
    }
    applyPageMargins();

    Label24->setText(QString::fromStdString(pageCounterText(0, player_.PageCount)));
    Label24->show();
    player_.CurrentPage = 0;
    player_.PageShown = false;
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->moveCursor(QTextCursor::Start);
    RichEdit1->verticalScrollBar()->setValue(0);
    RichEdit1->setReadOnly(true);
}

void TForm1::ChooseFromList(const std::string& clickedLine) {
    player_.calculatorOption = false;
    player_.calculatorClearsOption = false;
    player_.wordListOption = false;
    player_.ShowCorrections = true;
    player_.CaseSensitive = true;
    Panel3->hide();
    setStatus("");
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    const auto mode = player_.TestMode    ? lesson::ListMode::Test
                      : player_.ChildMode ? lesson::ListMode::Child
                                          : lesson::ListMode::Normal;
    const lesson::ListChoice choice = lesson::chooseFromList(clickedLine, player_.PageCount, mode);
    if (mode == lesson::ListMode::Test) {
        showNavigation(true, false, false);
        Label24->show();
        ShowPage(1);
        return;
    }
    if (mode == lesson::ListMode::Child) {
        showNavigation(true, true, true);
        Label24->show();
        ShowPage(1);
        return;
    }
    switch (choice.kind) {
        case lesson::ListChoice::Kind::Nothing:
            return;
        case lesson::ListChoice::Kind::ShowListAgain:
            ShowListPage();
            return;
        case lesson::ListChoice::Kind::OpenPage:
            setViewBackground(*RichEdit1, Qt::white);
            if (!player_.LaunchList) {
                showNavigation(true, true, Label4->isVisible());
                Label24->show();
            }
            ShowPage(choice.page);
            return;
    }
}

void TForm1::Button8Click() {
    switch (listStep(player_)) {
        case ListStep::Nothing:
            return;
        case ListStep::SlideShowMessage:
            dialogs_.information(texts::kSlideShowRunning);
            return;
        case ListStep::NoPageList:
            Panel4->media().endExternalViewer();
            dialogs_.information(lesson::texts::kNoPageList);
            return;
        case ListStep::ShowList:
            break;
    }
    Panel4->media().endExternalViewer();
    if (!player_.SelectionArchive) player_.ListShown = true;
    Panel4->media().StopSound();
    Panel4->media().hidePanel();
    hidePagePanels();
    showNavigation(false, false, false);
    player_.pages = lesson::splitPages(lessonPlainText_);
    ShowListPage();
    setStatus(player_.LessonFileName);
}

void TForm1::ShowSelection() {
    player_.ListShown = true;
    // The menu is on screen again: a click picks a project, not a page.
    player_.ProjectOpen = false;
    player_.ListMode = false;
    player_.LessonOpen = false;
    player_.resetPage();
    hidePagePanels();
    Panel4->media().StopSound();
    Panel4->media().hidePanel();
    Panel4->media().endExternalViewer();
    showNavigation(false, false, false);
    Label24->hide();
    lesson::ui::clearGapFields(gapFields);
    gapTable_ = {};
    setViewBackground(*RichEdit1, Qt::white);
    copyDocumentRange(*savedSelection_, 0, savedSelection_->characterCount() - 1,
                      *RichEdit1->document());
    applyPageMargins();
    player_.scriptOption = false;
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->moveCursor(QTextCursor::Start);
    if (player_.SelectionLine >= 2) {
        const QTextBlock block =
            RichEdit1->document()->findBlockByNumber(player_.SelectionLine - 1);
        if (block.isValid()) {
            QTextCursor cursor(block);
            RichEdit1->setTextCursor(cursor);
            RichEdit1->ensureCursorVisible();
        }
    }
}

void TForm1::PickProject(const std::string& clickedLine) {
    const auto name = lesson::projectArchiveName(clickedLine);
    if (!name) return;
    state_.facts.ArchiveAppended = false;
    state_.appendedArchivePath.clear();
    // The archive as it lies in the start folder, else the copy unpacked with the menu.
    std::error_code ec;
    fs::path archive = lesson::findCompanionFile(state_.StartFolder, *name);
    if (!fs::is_regular_file(archive, ec))
        archive = lesson::findCompanionFile(state_.WorkFolder, *name);
    player_.projectPicked = true;
    const bool selection = player_.SelectionArchive;
    LoadArchiveLesson(archive.string(), fs::path(*name).filename().string(), false);
    // A project is an archive of its own; the menu stays the one to return to.
    player_.SelectionArchive = selection;
    player_.projectPicked = false;
    player_.ProjectOpen = false;
}

}  // namespace textaria::player
