// What a script run needs from the outside: its text, the dialogs, the keyboard, and the few
// services of the window (printing, the calculator, the drawing surface). The window, the
// command line and the tests each provide their own; nothing here is global.
#pragma once

#include <cstdint>

#include "calc/calculator_interrupt.h"
#include "platform/user_dialogs.h"
#include "script/input_dialogs.h"
#include "script/script_lines.h"

namespace textaria::script {

// Keys that a run reads from the keyboard state after a box or a wait.
enum class ScriptKey { Escape, F2, F4, F5, F7 };

// The keyboard as a run sees it. escapePressed (from calc::InterruptPoll) is asked by long
// computations inside a command; escapeHeld once before every line.
class ScriptKeys : public calc::InterruptPoll {
  public:
    // Escape is held down now (asked before each line).
    virtual bool escapeHeld() { return escapePressed(); }
    // The key was pressed while the last box was open; reading it forgets it.
    virtual bool takeKey(ScriptKey /*key*/) { return false; }
    // Waits the given time while the window stays alive; true when Escape ended the wait.
    virtual bool waitMilliseconds(std::int64_t /*milliseconds*/) { return false; }
};

// Never pressed, never waits: for callers without a keyboard.
class NoKeys final : public ScriptKeys {
  public:
    bool escapePressed() override { return false; }
};

// Services of the script window that the runner and its keywords call. The defaults do
// nothing, as when no window is there.
class ScriptHost {
  public:
    virtual ~ScriptHost() = default;
    virtual void printDrawing() {}        // F4 in a box
    virtual void printLessonPicture() {}  // F5 in a box
    virtual void openCalculator() {}      // F7 in a box
    virtual void clearDrawing() {}        // the surface cleared to white
    // A plane point was defined by a line or an input: drawn marked and labelled if shown.
    virtual void pointDefined(char /*letter*/, double /*x*/, double /*y*/) {}
    virtual void resetDrawingDefaults() {}  // pen, colours and fonts as at a run's start
};

// The drawing surface with its pen, fonts and world window; defined by the drawing commands.
struct DrawingContext;

struct ScriptEnvironment {
    ScriptLines& lines;
    platform::UserDialogs& dialogs;  // messages, hold boxes and text input
    InputDialogs& input;             // the data entry grid and the selection box
    ScriptKeys& keys;
    ScriptHost& host;
    DrawingContext* drawing = nullptr;  // none: drawing commands draw nothing
};

}  // namespace textaria::script
