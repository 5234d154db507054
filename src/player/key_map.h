// The main window's key map: which command a released key starts, and the condition under
// which it does. A key with a modifier combination of its own matches no entry.
#pragma once

#include <string_view>

namespace textaria::player {

enum class Key {
    PageDown,
    PageUp,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    Escape,
    Enter
};

// The modifier state read with each key: none, Shift alone, Ctrl alone, or anything else.
enum class Modifier { None, Shift, Ctrl, Other };

enum class KeyAction {
    None,
    NextPage,              // Page Down, as "[ Dn ]"
    PreviousPage,          // Page Up, as "[ Up ]"
    TogglePicture,         // F1
    OpenScriptEditor,      // Ctrl F1
    ChildLastPage,         // F2
    ChildFirstPage,        // Shift F2
    PictureWithoutZoom,    // F3
    AskPictureZoom,        // F4
    PrintPicture,          // F5
    PrintTextAndPictures,  // F6: separate sheets
    PrintTextAndPicture,   // Ctrl F6: one sheet
    PrintSlides,           // Shift F6
    ToggleMediaPanel,      // F7
    ToggleFullScreen,      // F8
    ChildJump,             // F9
    GraphicsTextStandard,  // F10
    GraphicsTextLarger,    // Shift F10
    GraphicsTextSmaller,   // Ctrl F10
    ScreenCorrection,      // F11
    Calculator,            // F12
    Refuse,                // a message instead of the command
};

// What the conditions of the key map read from the player.
struct KeyFacts {
    bool lessonOpen = false;
    bool pageShown = false;  // a page of the lesson is shown (not the list page)
    bool testMode = false;
    bool childMode = false;
    bool slideShowRunning = false;
    bool pageHasPicture = false;     // its picture file exists, or the script draws it
    bool scriptPage = false;         // option "@"
    bool limitedListening = false;   // option "|"
    bool calculatorAllowed = false;  // option "%"
    bool fullScreenMode = false;
    bool contentsShown = false;  // the list page or project menu, where rescaling is allowed
};

struct KeyCommand {
    KeyAction action = KeyAction::None;
    std::string_view message;  // for Refuse
};

// The command of a released key; None when the key has no entry or its condition fails.
KeyCommand keyCommand(Key key, Modifier modifier, const KeyFacts& facts);

}  // namespace textaria::player
