// Showing a page of the lesson, paging, the child-mode jumps, "Schrift" and F11.
#include <filesystem>

#include "lesson/markup_options.h"
#include "lesson/markup_pages.h"
#include "lesson/scaling.h"
#include "lesson/texts.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/media_control.h"
#include "player/texts.h"

namespace textaria::player {

namespace fs = std::filesystem;
using lesson::Marker;

namespace {

bool fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

}  // namespace

bool LessonPlayer::pageTextEmpty() const { return lesson::trim(pageText_).empty(); }

void LessonPlayer::resetPageOptions() {
    s_.ShowCorrections = true;
    s_.CaseSensitive = true;
    s_.wordListOption = false;
    s_.calculatorOption = false;
    s_.calculatorClearsOption = false;
    s_.scriptOption = false;
    s_.limitedListening = false;
    s_.coordinatePage = false;
    s_.scriptPicture = false;
}

void LessonPlayer::applyOptions(const lesson::PageOptions& options, std::string_view body) {
    if (s_.levels.see(lesson::optionText(body))) s_.QuestionnairePage = true;
    s_.ShowCorrections = !(s_.QuestionnairePage || options.has(Marker::NoCorrections));
    s_.CaseSensitive = !options.has(Marker::IgnoreCase);
    s_.wordListOption = options.has(Marker::WordList);
    s_.calculatorOption = options.has(Marker::Calculator);
    s_.calculatorClearsOption = options.has(Marker::CalculatorClears);
    s_.scriptOption = options.has(Marker::Script);
    s_.limitedListening = options.has(Marker::LimitedSound);
    s_.coordinatePage = s_.scriptOption && options.has(Marker::ScriptGraphic);
    s_.scriptPicture = options.has(Marker::KeepPicture);
}

void LessonPlayer::ShowPage(int n) {
    endExternalViewer();
    if (s_.slideShowRunning) {
        dialogs_.information(texts::kSlideShowRunning);
        return;
    }
    // Paging past either end is silently ignored; the shown page stays as it is.
    if (n <= 0 || n >= s_.PageCount || n > static_cast<int>(s_.pages.pages.size())) return;

    if (media_) media_->StopSound();
    resetPageOptions();
    s_.PageEvaluated = false;
    s_.readingPage = false;
    s_.hasAnswerFields = false;
    view_.hideSideList();
    hidePicture();
    shownPicture_.clear();
    pagePicture_.clear();
    linkPicture_.clear();
    pictures_.PicturePanelOn = false;
    gapTable_ = {};
    answers_.fill({});
    savedAnswers_.clear();
    // The previous page's score must not stand beside this one.
    view_.setStatus({});

    const lesson::PageSpan& span = s_.pages.pages[static_cast<std::size_t>(n - 1)];
    const std::string_view body =
        std::string_view(lessonText_).substr(span.body.begin, span.body.end - span.body.begin);
    s_.CurrentPage = n;
    view_.setCounter(pageCounterText(n, s_.PageCount));

    const bool hasText = !lesson::trim(body).empty();
    PageText page;
    page.number = n;
    page.title = span.title;
    page.range = span.body;
    lesson::PreparedPage prepared;
    if (hasText) {
        prepared = lesson::prepareListPage(body, n);
        page.removed = lesson::optionLineRanges(body);
        page.text = prepared.text;
        if (n == 1) s_.headerLine = lesson::headerLineOf(body);
        applyOptions(prepared.options, body);
    } else {
        page.text = std::string(body);
    }
    page.keepLength = page.text.size();
    pageText_ = page.text;
    view_.showPageText(page, prepared.readingPage);
    rememberShownPage(page);

    if (hasText) {
        prepareAnswerFields(prepared);
        if (media_) {
            media_->context().childMode = s_.ChildMode;
            media_->beginPage(s_.limitedListening);
        }
        startPageMedia(span.media, prepared.options.has(Marker::KeepPicture));
    } else {
        view_.placeAnswerFields(gapTable_, s_.fontChangeTotal);
        stopPageMedia();
    }

    if (s_.scriptOption) setNavigation(nav_[0], nav_[1], !s_.TestMode);
    s_.PageShown = true;
    s_.ListShown = false;
    if (s_.SelectionArchive) s_.ProjectOpen = true;

    // The questionnaire's selection box takes the place of "[ Dn ]" in a test.
    if (s_.TestMode && n < s_.PageCount - 1) {
        setNavigation(!s_.QuestionnairePage, nav_[1], nav_[2]);
        if (s_.QuestionnairePage && s_.hasAnswerFields) askQuestionnaireAnswer();
    }
    if (s_.hasAnswerFields) view_.focusField(1);
}

void LessonPlayer::setNavigation(bool down, bool up, bool rep) {
    nav_ = {down, up, rep};
    view_.setNavigation(down, up, rep);
}

void LessonPlayer::prepareAnswerFields(const lesson::PreparedPage& page) {
    if (page.readingPage) {
        s_.readingPage = true;
        view_.placeAnswerFields(gapTable_, s_.fontChangeTotal);
    } else if (page.gapError != lesson::GapError::None) {
        view_.placeAnswerFields(gapTable_, s_.fontChangeTotal);
        dialogs_.information(lesson::gapErrorMessage(page.gapError));
    } else {
        gapTable_ = page.gaps;
        if (!view_.placeAnswerFields(gapTable_, s_.fontChangeTotal)) {
            dialogs_.information(lesson::texts::kGapPositionError);
            gapTable_ = {};
            view_.placeAnswerFields(gapTable_, s_.fontChangeTotal);
        }
        s_.hasAnswerFields = gapTable_.GapCount() > 0;
    }
    if (s_.wordListOption) view_.showSideList(SideList::Words, page.wordList);
    if (s_.calculatorOption) view_.setStatus(calculatorHint(s_.hasAnswerFields));
}

void LessonPlayer::startPageMedia(const lesson::MediaLine& media, bool keepPicture) {
    const std::string picture = media.picture.empty() ? "" : lessonFilePath(media.picture);
    if (fileExists(picture) && showPictureFile(picture)) {
        pagePicture_ = picture;
    } else if (keepPicture) {
        // The page's script draws into the panel: it counts as the page's picture.
        view_.showPicturePanel(true);
        pictures_.panelShown = pictures_.PicturePanelOn = true;
    } else {
        hidePicture();
    }
    if (!media_) return;
    const std::string sound = media.sound.empty() ? "" : lessonFilePath(media.sound);
    if (fileExists(sound)) {
        // The panel stays hidden for children and on pages that limit listening.
        if (!s_.ChildMode && !s_.limitedListening)
            media_->showPanel();
        else
            media_->hidePanel();
        media_->playSound(sound);
    } else {
        stopPageMedia();
    }
    const std::string external = media.external.empty() ? "" : lessonFilePath(media.external);
    if (fileExists(external)) media_->openExternal(external);
}

void LessonPlayer::showSingleText() {
    s_.LaunchList = s_.ListShown = lesson::contains(lesson::lowerCase(lessonText_), "exe");
    s_.ListMode = false;
    s_.LessonOpen = false;
    s_.CurrentPage = 0;
    s_.PageEvaluated = false;
    s_.readingPage = false;
    s_.hasAnswerFields = false;
    setNavigation(false, false, false);
    view_.setCounter({});
    view_.hideSideList();
    gapTable_ = {};
    answers_.fill({});
    savedAnswers_.clear();

    const lesson::PreparedPage prepared = lesson::prepareSingleText(lessonText_);
    PageText page;
    page.range = {0, lessonText_.size()};
    page.text = prepared.text;
    page.keepLength = page.text.size();
    pageText_ = page.text;
    resetPageOptions();
    // A single text is never a questionnaire.
    applyOptions(prepared.options, {});
    s_.ShowCorrections = !prepared.options.has(Marker::NoCorrections);
    view_.showPageText(page, prepared.readingPage);
    rememberShownPage(page);
    prepareAnswerFields(prepared);

    endExternalViewer();
    const std::string picture = lessonFilePath(s_.LessonBaseName + ".jpg");
    shownPicture_.clear();
    pagePicture_.clear();
    linkPicture_.clear();
    pictures_.PicturePanelOn = false;
    if (fileExists(picture) && showPictureFile(picture))
        pagePicture_ = picture;
    else
        hidePicture();
    if (media_) {
        const std::string sound = lessonFilePath(s_.LessonBaseName + ".mp3");
        if (fileExists(sound)) {
            media_->showPanel();
            media_->playSound(sound);
        } else {
            stopPageMedia();
        }
        if (s_.externalMedia) {
            const std::string external = lessonFilePath(s_.externalMediaName);
            if (fileExists(external)) media_->openExternal(external);
        }
    }
    s_.PageShown = true;
    if (s_.hasAnswerFields) view_.focusField(1);
}

void LessonPlayer::run(const PageCommand& command) {
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

void LessonPlayer::Label20Click() { run(pageDown(s_.navigation())); }
void LessonPlayer::Label21Click() { run(pageUp(s_.navigation())); }
void LessonPlayer::Label4Click() { run(repeatPage(s_.navigation())); }
void LessonPlayer::childJumpFirst() { run(player::childJumpFirst(s_.navigation())); }
void LessonPlayer::childJumpLast() { run(player::childJumpLast(s_.navigation())); }

void LessonPlayer::childJumpInput() {
    if (!s_.ChildMode || s_.CurrentPage == 0) return;
    s_.capsLock = false;
    const auto typed = dialogs_.inputBox(texts::kChildJumpTitle, childJumpPrompt(s_.PageCount),
                                         std::to_string(s_.CurrentPage));
    // A cancelled box keeps the page (and the answers typed into it).
    if (typed) ShowPage(childJumpTarget(*typed, s_.PageCount));
    s_.capsLock = true;
}

void LessonPlayer::Button13Click() {
    if (s_.slideShowRunning) {
        dialogs_.information(texts::kSlideShowRunning);
        return;
    }
    const bool listPage = s_.ListMode && s_.PageShown && s_.CurrentPage >= 1;
    const bool singleText = !s_.ListMode && !s_.SelectionArchive && s_.PageShown;
    if (!listPage && !singleText) {
        dialogs_.information(texts::kFontChangeOnlyInTextPages);
        return;
    }
    hideHelp();
    const auto typed = dialogs_.inputBox(texts::kFontChangeTitle, texts::kFontChangePrompt,
                                         s_.lastFontChangeInput);
    if (!typed) return;
    const int change = fontChangeValue(*typed);
    s_.lastFontChangeInput = std::to_string(change);
    if (change == 0) return;
    view_.changeLessonFontSizes(change);
    s_.fontChangeTotal += change;
    if (listPage)
        ShowPage(s_.CurrentPage);
    else
        showSingleText();
}

void LessonPlayer::screenCorrection() {
    if (!s_.ListShown) {
        dialogs_.information(lesson::texts::kRescaleOnlyAfterSelection);
        return;
    }
    hideHelp();
    endExternalViewer();
    if (!dialogs_.askYesNo(lesson::texts::kRescaleQuestion)) return;
    stopPageMedia();
    view_.clearPageView();
    setNavigation(false, false, s_.ChildMode && nav_[2]);
    view_.setCounter({});
    view_.hideSideList();
    view_.setStatus({});
    gapTable_ = {};
    answers_.fill({});
    view_.placeAnswerFields(gapTable_, 0);
    const double k = lesson::askScaleFactor(dialogs_, startup_.scaling.ScaleFactorK);
    const int oldDelta = startup_.scaling.FontDelta;
    view_.rescale(k);
    // The text's sizes become the author's plus the new step; "Schrift" starts again from 0.
    view_.changeLessonFontSizes(startup_.scaling.FontDelta - oldDelta - s_.fontChangeTotal);
    s_.fontChangeTotal = 0;
    if (s_.SelectionArchive && !s_.ProjectOpen)
        showSelection();
    else if (s_.ListMode)
        showListPage();
    else if (!lessonText_.empty())
        showSingleText();
}

void LessonPlayer::calculatorKey() {
    if (s_.calculatorOption) view_.openCalculator(0, false);
}

void LessonPlayer::calculatorFromField(int field) {
    if (!s_.calculatorOption) {
        dialogs_.information(texts::kCalculatorLocked);
        return;
    }
    view_.openCalculator(field, s_.calculatorClearsOption);
}

}  // namespace textaria::player
