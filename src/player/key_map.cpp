#include "player/key_map.h"

#include "lesson/texts.h"

namespace textaria::player {

namespace {

constexpr KeyCommand run(KeyAction action) { return {action, {}}; }
constexpr KeyCommand nothing() { return {}; }
constexpr KeyCommand runIf(bool condition, KeyAction action) {
    return condition ? run(action) : nothing();
}

KeyCommand unmodified(Key key, const KeyFacts& f) {
    const bool childPage = f.childMode && f.pageShown;
    switch (key) {
        case Key::F1:
            return runIf(f.pageHasPicture, KeyAction::TogglePicture);
        case Key::F2:
            return runIf(childPage, KeyAction::ChildLastPage);
        case Key::F3:
            return runIf(f.pageHasPicture, KeyAction::PictureWithoutZoom);
        case Key::F4:
            // The zoom question itself refuses on a coordinate-system page, with its message.
            return runIf(f.pageHasPicture, KeyAction::AskPictureZoom);
        case Key::F5:
            return runIf(f.pageHasPicture && !f.testMode, KeyAction::PrintPicture);
        case Key::F6:
            return runIf(!f.testMode, KeyAction::PrintTextAndPictures);
        case Key::F7:
            return runIf(!f.limitedListening && !f.scriptPage, KeyAction::ToggleMediaPanel);
        case Key::F8:
            return runIf(f.testMode || f.fullScreenMode, KeyAction::ToggleFullScreen);
        case Key::F9:
            return runIf(childPage, KeyAction::ChildJump);
        case Key::F10:
            return run(KeyAction::GraphicsTextStandard);
        case Key::F11:
            if (!f.contentsShown)
                return {KeyAction::Refuse, lesson::texts::kRescaleOnlyAfterSelection};
            return run(KeyAction::ScreenCorrection);
        case Key::F12:
            return runIf(f.calculatorAllowed, KeyAction::Calculator);
        default:
            return nothing();
    }
}

KeyCommand withShift(Key key, const KeyFacts& f) {
    switch (key) {
        case Key::F2:
            return runIf(f.childMode && f.pageShown, KeyAction::ChildFirstPage);
        case Key::F6:
            return runIf(f.lessonOpen && !f.testMode && f.slideShowRunning, KeyAction::PrintSlides);
        case Key::F10:
            return run(KeyAction::GraphicsTextLarger);
        default:
            return nothing();
    }
}

KeyCommand withCtrl(Key key, const KeyFacts& f) {
    switch (key) {
        case Key::F1:
            return run(KeyAction::OpenScriptEditor);
        case Key::F6:
            return runIf(!f.testMode, KeyAction::PrintTextAndPicture);
        case Key::F10:
            return run(KeyAction::GraphicsTextSmaller);
        default:
            return nothing();
    }
}

}  // namespace

KeyCommand keyCommand(Key key, Modifier modifier, const KeyFacts& facts) {
    // Paging takes any modifier; "[ Dn ]" and "[ Up ]" check their own conditions.
    if (key == Key::PageDown) return run(KeyAction::NextPage);
    if (key == Key::PageUp) return run(KeyAction::PreviousPage);
    switch (modifier) {
        case Modifier::None:
            return unmodified(key, facts);
        case Modifier::Shift:
            return withShift(key, facts);
        case Modifier::Ctrl:
            return withCtrl(key, facts);
        case Modifier::Other:
            break;
    }
    return nothing();
}

}  // namespace textaria::player
