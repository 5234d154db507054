// The keys of the main window and its help: what a released key starts, Enter in the answer
// fields, "Hilfe", the graphics text size and the full-screen window.
#include "lesson/markup_text.h"
#include "platform/user_dialogs.h"
#include "player/help_text.h"
#include "player/lesson_player.h"
#include "player/media_control.h"
#include "player/texts.h"
#include "script/graphics_text_size.h"

namespace textaria::player {

KeyFacts LessonPlayer::keyFacts() const {
    KeyFacts f;
    f.lessonOpen = s_.LessonOpen;
    f.pageShown = s_.PageShown && s_.CurrentPage > 0;
    f.testMode = s_.TestMode;
    f.childMode = s_.ChildMode;
    f.slideShowRunning = s_.slideShowRunning;
    f.pageHasPicture =
        s_.PageShown && (pictures_.PicturePanelOn || s_.coordinatePage || s_.scriptPicture);
    f.scriptPage = s_.scriptOption;
    f.limitedListening = s_.limitedListening;
    f.calculatorAllowed = s_.calculatorOption;
    f.fullScreenMode = startup_.FullScreenMode;
    f.contentsShown = s_.ListShown;
    return f;
}

void LessonPlayer::keyUp(Key key, Modifier modifier) {
    const KeyCommand command = keyCommand(key, modifier, keyFacts());
    switch (command.action) {
        case KeyAction::None:
            return;
        case KeyAction::Refuse:
            dialogs_.information(command.message);
            return;
        case KeyAction::NextPage:
            Label20Click();
            return;
        case KeyAction::PreviousPage:
            Label21Click();
            return;
        case KeyAction::OpenScriptEditor:
            view_.openScriptEditor();
            return;
        case KeyAction::ChildLastPage:
            childJumpLast();
            return;
        case KeyAction::ChildFirstPage:
            childJumpFirst();
            return;
        case KeyAction::ChildJump:
            childJumpInput();
            return;
        case KeyAction::TogglePicture:
            togglePicture();
            return;
        case KeyAction::PictureWithoutZoom:
            pictureWithoutZoom();
            return;
        case KeyAction::AskPictureZoom:
            askPictureZoom();
            return;
        case KeyAction::PrintSlides:
            askPrintSlides();
            return;
        case KeyAction::PrintPicture:
            printShownPicture();
            return;
        case KeyAction::PrintTextAndPictures:
            printTextAndPictures();
            return;
        case KeyAction::PrintTextAndPicture:
            PrintTextAndPicture();
            return;
        case KeyAction::ToggleMediaPanel:
            if (media_) media_->togglePanel();
            return;
        case KeyAction::ToggleFullScreen:
            toggleFullScreen();
            return;
        case KeyAction::GraphicsTextStandard:
            stepGraphicsTextSize(0);
            return;
        case KeyAction::GraphicsTextLarger:
            stepGraphicsTextSize(1);
            return;
        case KeyAction::GraphicsTextSmaller:
            stepGraphicsTextSize(-1);
            return;
        case KeyAction::ScreenCorrection:
            screenCorrection();
            return;
        case KeyAction::Calculator:
            calculatorKey();
            return;
    }
}

void LessonPlayer::enterInField(int field) {
    if (s_.QuestionnairePage && field == 1) {
        s_.PickedText = std::string(lesson::trim(answer(1)));
        return;
    }
    // Only visible fields take the focus: Enter in the last one of a page stays there.
    const int next = field >= lesson::kMaxGaps ? 1 : field + 1;
    if (next <= gapTable_.GapCount()) view_.focusField(next);
}

void LessonPlayer::Button1Click() {
    if (s_.slideShowRunning) {
        dialogs_.information(texts::kSlideShowRunning);
        return;
    }
    endExternalViewer();
    s_.HelpShown = !s_.HelpShown;
    if (s_.HelpShown)
        view_.showHelp(helpLines());
    else
        view_.hideHelp();
}

void LessonPlayer::hideHelp() {
    if (!s_.HelpShown) return;
    s_.HelpShown = false;
    view_.hideHelp();
}

int LessonPlayer::graphicsTextSize() const {
    return drawing_ ? drawing_->graphicsTextSize : graphicsTextSize_;
}

void LessonPlayer::stepGraphicsTextSize(int step) {
    dialogs_.information(drawing_ ? script::stepGraphicsTextSize(*drawing_, step)
                                  : script::stepGraphicsTextSize(graphicsTextSize_, {}, step));
}

void LessonPlayer::toggleFullScreen() {
    // Without a task bar of our own to hide, a test outside full-screen mode gets the whole
    // screen the same way; the normal window always shows the desktop's panels.
    // The window starts over the whole screen in full-screen mode, normal otherwise.
    s_.fullScreenToggled = !s_.fullScreenToggled;
    view_.setFullScreen(startup_.FullScreenMode != s_.fullScreenToggled);
}

}  // namespace textaria::player
