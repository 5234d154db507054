// Loading a lesson: "Laden", archives, the list page, "Liste" and the project menu.
#include "player/lesson_player.h"

#include <filesystem>

#include "lesson/archive.h"
#include "lesson/lesson_file.h"
#include "lesson/markup_pages.h"
#include "lesson/markup_text.h"
#include "lesson/project_list.h"
#include "lesson/texts.h"
#include "platform/document_file.h"
#include "platform/user_dialogs.h"
#include "player/media_control.h"
#include "player/texts.h"
#include "script/draw_context.h"
#include "script/draw_host.h"

namespace textaria::player {

namespace fs = std::filesystem;

namespace {

bool isArchiveName(const std::string& name) {
    return lesson::lowerCase(fs::path(name).extension().string()) == ".rsd";
}

}  // namespace

LessonPlayer::LessonPlayer(lesson::StartupState& startup, PlayerView& view,
                           platform::UserDialogs& dialogs)
    : startup_(startup), view_(view), dialogs_(dialogs) {
    graphicsTextSize_ = script::standardGraphicsTextSize({});
}

const std::string& LessonPlayer::answer(int field) const {
    static const std::string none;
    if (field < 1 || field > lesson::kMaxGaps) return none;
    return answers_[static_cast<std::size_t>(field - 1)];
}

std::string LessonPlayer::lessonFilePath(const std::string& name) const {
    return lesson::findCompanionFile(s_.lessonFolder, name).string();
}

lesson::ListMode LessonPlayer::listMode() const {
    return s_.TestMode    ? lesson::ListMode::Test
           : s_.ChildMode ? lesson::ListMode::Child
                          : lesson::ListMode::Normal;
}

void LessonPlayer::endExternalViewer() {
    if (media_) media_->endExternalViewer();
}

void LessonPlayer::stopPageMedia() {
    if (!media_) return;
    media_->StopSound();
    media_->hidePanel();
    // "Sound on/off" must not bring back a sound of an earlier page.
    media_->setSoundFile({});
}

// Nothing of the previous lesson stays on screen or in the results.
void LessonPlayer::clearForLoad(bool keepFontChange) {
    // Child mode ends with its lesson; the next one shows its answers again unless it is one
    // for children too.
    if (s_.ChildMode) {
        s_.ChildMode = false;
        s_.capsLock = false;
        s_.ShowAnswers = true;
    }
    s_.TestMode = false;
    s_.TestFinished = false;
    s_.QuestionnairePage = false;
    s_.levels.clear();
    scores_.clear();
    savedAnswers_.clear();
    answers_.fill({});
    s_.resetPage();
    resetPageOptions();
    endExternalViewer();
    stopPageMedia();
    view_.hideSideList();
    hidePicture();
    setNavigation(false, false, false);
    view_.setCounter({});
    view_.setStatus({});
    // The next text is set with the sizes of its author; only a project picked from a menu
    // keeps the menu's change.
    if (!keepFontChange) {
        s_.fontChangeTotal = 0;
        s_.lastFontChangeInput = "0";
    }
}

void LessonPlayer::Button3Click() {
    const LoadStep step =
        loadStep(s_, startup_.facts.ArchiveAppended, startup_.facts.SelfContainedRun);
    if (step == LoadStep::FinishTestFirst) {
        dialogs_.information(lesson::texts::kFinishTestFirst);
        return;
    }
    // An ordinary load clears the modes and results only once the learner has said yes:
    // answering no must leave a finished test finished and the lesson's totals as they are.
    if (step != LoadStep::AskAndLoad) {
        s_.TestMode = false;
        s_.TestFinished = false;
        s_.QuestionnairePage = false;
        scores_.clear();
        savedAnswers_.clear();
    }
    if (startup_.facts.ArchiveAppended && !s_.SelectionArchive) view_.setLoadButton({}, false);

    switch (step) {
        case LoadStep::SlideShowMessage:
            dialogs_.information(texts::kSlideShowRunning);
            return;
        case LoadStep::SelfContained:
            startup_.facts.SelfContainedRun = false;
            if (s_.SelectionArchive) view_.setLoadButton(texts::kSelectionButton, true);
            loadArchiveLesson(startup_.appendedArchivePath, startup_.selfContainedLesson, true);
            return;
        case LoadStep::ShowSelection:
            showSelection();
            return;
        case LoadStep::Nothing:
        case LoadStep::FinishTestFirst:
            return;
        case LoadStep::AskAndLoad:
            break;
    }

    s_.scriptOption = false;
    hideHelp();
    if (!dialogs_.askYesNo(lesson::texts::kLoadQuestion, lesson::texts::kQuestionCaption)) return;
    startup_.facts.ArchiveAppended = false;
    startup_.appendedArchivePath.clear();
    std::string start = s_.lastDialogFolder;
    if (!dialogUsed_) {
        dialogs_.information(lesson::texts::kFirstDialogHint);
        start = startup_.StartFolder;
    }
    dialogUsed_ = true;
    // The page is reset by the load itself, so a cancelled dialog leaves the page usable.
    const auto file = view_.askLessonFile(start);
    if (!file || file->empty()) return;
    std::error_code ec;
    const fs::path chosen = fs::absolute(*file, ec);
    s_.lastDialogFolder = chosen.parent_path().string();
    openLesson(chosen.string());
}

bool LessonPlayer::openLesson(const std::string& file) {
    s_.loading = true;
    const bool loaded = openLessonFile(file);
    s_.loading = false;
    return loaded;
}

void LessonPlayer::openRequested(const std::string& file) {
    if (s_.TestMode && !s_.TestFinished) {
        dialogs_.information(lesson::texts::kFinishTestFirst);
        return;
    }
    openLesson(file);
}

void LessonPlayer::requestOpen(const std::string& file) {
    startup_.openFile = file;
    if (startup_.activated) openRequested(file);
}

bool LessonPlayer::openLessonFile(const std::string& file) {
    std::error_code ec;
    const fs::path path = fs::absolute(file, ec);
    if (isArchiveName(file))
        return loadArchiveLesson(path.string(), path.filename().string(), false);

    // A file that cannot be read leaves the lesson on screen as it was.
    const platform::DocumentLoad load = platform::loadDocumentFile(path.string());
    if (!load.ok) {
        dialogs_.informationTitled(std::string(lesson::texts::kDataError) + "\r" + load.error,
                                   lesson::texts::kDataErrorCaption);
        return false;
    }
    clearForLoad(false);
    s_.LessonFileName = path.filename().string();
    s_.LessonBaseName = lesson::lessonBaseName(s_.LessonFileName);
    s_.NestedArchiveCount = 0;
    s_.externalMedia = false;
    s_.SelectionArchive = false;
    s_.lessonFolder = path.parent_path().string();
    acceptLessonText(load.text);
    startLesson();
    return true;
}

void LessonPlayer::acceptLessonText(const platform::StyledText& text) {
    // The text keeps the size changes made so far: "Schrift" and the screen correction's step.
    lessonText_ = view_.setLessonText(text, s_.fontChangeTotal + startup_.scaling.FontDelta);
}

void LessonPlayer::closeLesson() {
    view_.clearLessonText();
    lessonText_.clear();
    pageText_.clear();
    s_.pages = {};
    s_.PageCount = 0;
    s_.ListMode = false;
    s_.LessonOpen = false;
    s_.ListShown = false;
    s_.resetPage();
    stopPageMedia();
    gapTable_ = {};
    view_.placeAnswerFields(gapTable_, 0);
    view_.clearPageView();
}

bool LessonPlayer::loadArchiveLesson(const std::string& archive, const std::string& lessonName,
                                     bool appended) {
    std::error_code ec;
    // An archive whose directory cannot be read changes nothing, not even the work folder.
    const lesson::ArchiveDirectoryRead directory = lesson::readArchiveDirectory(archive);
    if (!directory.ok()) {
        dialogs_.informationTitled(std::string(lesson::texts::kDataError) + "\r" + archive +
                                       (directory.error.empty() ? "" : ": " + directory.error),
                                   lesson::texts::kDataErrorCaption);
        return false;
    }
    // A project picked from a menu keeps the menu's font change.
    clearForLoad(s_.projectPicked);
    const fs::path work(startup_.WorkFolder);
    if (s_.SelectionArchive && fs::is_directory(work, ec)) {
        // The previous project's media go; the archives and texts of the menu stay.
        for (fs::directory_iterator it(work, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = lesson::lowerCase(it->path().filename().string());
            if (it->is_regular_file(ec) && !lesson::contains(name, "rsd") &&
                !lesson::contains(name, "rtf"))
                fs::remove(it->path(), ec);
        }
    }

    fs::path source = fs::absolute(archive, ec);
    if (appended) {
        view_.setStatus(lesson::texts::kProjectDataLoading);
    } else {
        fs::create_directories(work, ec);
        const fs::path copy = work / source.filename();
        if (!fs::equivalent(source, copy, ec)) {
            ec.clear();
            fs::copy_file(source, copy, fs::copy_options::overwrite_existing, ec);
            if (!ec) source = copy;
        }
    }

    const lesson::UnpackResult unpacked = lesson::UnpackArchive(source, work);
    s_.NestedArchiveCount = unpacked.NestedArchiveCount;
    s_.externalMedia = unpacked.externalMedia;
    s_.externalMediaName = unpacked.externalMediaName;
    s_.lessonFolder = work.string();
    s_.LessonFileName = fs::path(lessonName).filename().string();
    s_.LessonBaseName = lesson::lessonBaseName(s_.LessonFileName);
    const std::string textFile = lessonFilePath(s_.LessonBaseName + ".rtf");
    const platform::DocumentLoad load = platform::loadDocumentFile(textFile);
    if (unpacked.archiveMissing || !unpacked.error.empty() || !load.ok) {
        // The work folder now holds the new archive's files: the old lesson cannot go on.
        closeLesson();
        dialogs_.informationTitled(
            std::string(lesson::texts::kDataError) + "\r" +
                (!unpacked.error.empty() ? archive + ": " + unpacked.error : load.error),
            lesson::texts::kDataErrorCaption);
        return false;
    }
    acceptLessonText(load.text);
    startLesson();
    return true;
}

void LessonPlayer::startAppendedLesson() {
    if (startup_.appendedArchivePath.empty()) {
        if (!startup_.openFile.empty())
            openLesson(startup_.openFile);
        else
            view_.showPlainText({"", texts::kHowToLoad}, false);
        return;
    }
    // The program's own lesson: no "Laden", except to return to its project menu.
    if (!loadArchiveLesson(startup_.appendedArchivePath, startup_.selfContainedLesson, true))
        return;
    if (s_.ListMode) {
        view_.setLoadButton({}, false);
        return;
    }
    // A menu or a single text waits for "Auswahl".
    s_.ListShown = true;
    s_.LaunchList = lesson::contains(lessonText_, ".exe");
    view_.clearPageView();
    pageText_.clear();
    gapTable_ = {};
    view_.placeAnswerFields(gapTable_, 0);
    s_.hasAnswerFields = false;
    s_.PageShown = false;
    view_.setLoadButton(texts::kSelectionButton, true);
    view_.setStatus(lesson::texts::kContinueWithSelection);
}

void LessonPlayer::startLesson() {
    loadRegionTable();
    const lesson::LessonKind kind = lesson::classifyLesson(lessonText_, s_.NestedArchiveCount);
    // Only a page list has script sections; the file is read when an "@" page first needs it.
    pageScripts_.setScriptFile(kind == lesson::LessonKind::List
                                   ? lessonFilePath(s_.LessonBaseName + "_m.txt")
                                   : std::string());
    switch (kind) {
        case lesson::LessonKind::Menu:
            view_.keepSelection();
            s_.SelectionArchive = true;
            s_.ProjectOpen = false;
            s_.ListMode = false;
            s_.LessonOpen = false;
            view_.setLoadButton(texts::kSelectionButton, true);
            showSelection();
            return;
        case lesson::LessonKind::Single:
            showSingleText();
            return;
        case lesson::LessonKind::List:
            break;
    }
    if (s_.projectPicked) view_.setStatus(lesson::texts::kProjectLoading);
    questions_ = collectQuestions(lessonText_);
    s_.ListMode = true;
    s_.pages = lesson::splitPages(lessonText_);
    s_.PageCount = s_.pages.PageCount;
    s_.TestMode = s_.pages.TestMode;
    s_.ChildMode = s_.pages.ChildMode;
    if (s_.ChildMode) {
        s_.ShowAnswers = false;
        s_.capsLock = true;
    }
    s_.LessonOpen = true;
    showListPage();
}

void LessonPlayer::showListPage() {
    gapTable_ = {};
    answers_.fill({});
    view_.placeAnswerFields(gapTable_, 0);
    s_.resetPage();
    if (s_.projectPicked) {
        s_.projectPicked = false;
        view_.setStatus(s_.LessonBaseName + ".rtf");
        dialogs_.informationAt(lesson::texts::kGoToProject, view_.pageCorner());
        s_.ListShown = false;
        savedAnswers_.clear();
    }
    std::vector<std::string> titles;
    for (const auto& page : s_.pages.pages) titles.push_back(page.title);
    const auto paragraphs = lesson::listPageParagraphs(titles, listMode());
    pageText_.clear();
    for (const auto& p : paragraphs) pageText_ += (pageText_.empty() ? "" : "\r\n") + p;
    view_.showListPage(paragraphs);
    view_.setCounter(pageCounterText(0, s_.PageCount));
}

void LessonPlayer::clickLine(const std::string& line, int lineNumber) {
    const bool lessonOrMenu = s_.LessonOpen || s_.SelectionArchive;
    if (lessonOrMenu && s_.SelectionArchive && !s_.ProjectOpen && s_.ListShown) {
        s_.SelectionLine = lineNumber;
        pickProject(line);
    } else if (lessonOrMenu && s_.ListMode && !s_.PageShown) {
        chooseFromList(line);
    } else if (s_.PageShown && (s_.CurrentPage >= 1 || !s_.ListMode)) {
        // A page of the lesson or a single text: the line's links.
        runPageLinks(line);
    }
}

void LessonPlayer::chooseFromList(const std::string& line) {
    resetPageOptions();
    view_.hideSideList();
    view_.setStatus({});
    const lesson::ListChoice choice = lesson::chooseFromList(line, s_.PageCount, listMode());
    if (s_.TestMode || s_.ChildMode) {
        setNavigation(true, s_.ChildMode, s_.ChildMode);
        ShowPage(1);
        return;
    }
    switch (choice.kind) {
        case lesson::ListChoice::Kind::Nothing:
            return;
        case lesson::ListChoice::Kind::ShowListAgain:
            showListPage();
            return;
        case lesson::ListChoice::Kind::OpenPage:
            if (!s_.LaunchList) setNavigation(true, true, nav_[2]);
            ShowPage(choice.page);
            return;
    }
}

void LessonPlayer::Button8Click() {
    switch (listStep(s_)) {
        case ListStep::Nothing:
            return;
        case ListStep::SlideShowMessage:
            dialogs_.information(texts::kSlideShowRunning);
            return;
        case ListStep::NoPageList:
            endExternalViewer();
            hideHelp();
            dialogs_.information(lesson::texts::kNoPageList);
            return;
        case ListStep::ShowList:
            break;
    }
    endExternalViewer();
    hideHelp();
    if (!s_.SelectionArchive) s_.ListShown = true;
    stopPageMedia();
    view_.hideSideList();
    hidePicture();
    setNavigation(false, false, false);
    s_.pages = lesson::splitPages(lessonText_);
    showListPage();
    view_.setStatus(s_.LessonFileName);
}

void LessonPlayer::showSelection() {
    s_.ListShown = true;
    // The menu is on screen again: a click picks a project, not a page.
    s_.ProjectOpen = false;
    s_.ListMode = false;
    s_.LessonOpen = false;
    s_.resetPage();
    s_.scriptOption = false;
    view_.hideSideList();
    hidePicture();
    stopPageMedia();
    endExternalViewer();
    setNavigation(false, false, false);
    view_.setCounter({});
    gapTable_ = {};
    answers_.fill({});
    view_.placeAnswerFields(gapTable_, 0);
    view_.showSelection(s_.SelectionLine);
}

void LessonPlayer::pickProject(const std::string& line) {
    const auto name = lesson::projectArchiveName(line);
    if (!name) return;
    startup_.facts.ArchiveAppended = false;
    startup_.appendedArchivePath.clear();
    // The archive as it lies in the start folder, else the copy unpacked with the menu.
    std::error_code ec;
    fs::path archive = lesson::findCompanionFile(startup_.StartFolder, *name);
    if (!fs::is_regular_file(archive, ec))
        archive = lesson::findCompanionFile(startup_.WorkFolder, *name);
    s_.projectPicked = true;
    const bool selection = s_.SelectionArchive;
    loadArchiveLesson(archive.string(), fs::path(*name).filename().string(), false);
    // A project is an archive of its own; the menu stays the one to return to.
    s_.SelectionArchive = selection;
    s_.projectPicked = false;
    s_.ProjectOpen = false;
}

void LessonPlayer::close() {
    endExternalViewer();
    stopPageMedia();
}

}  // namespace textaria::player
