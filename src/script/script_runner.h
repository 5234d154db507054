// Evaluating one script line, running a script, and the clean-up of old results.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "script/script_environment.h"
#include "script/script_state.h"

namespace textaria::script {

// What became of an evaluated line.
enum class LineOutcome {
    Done,        // evaluated, or nothing to do (an empty line, a comment)
    Failed,      // a calculation failed (a division by zero, an argument out of range)
    Unreadable,  // no command, assignment, expression or point definition could be read
};

// LineEvaluator: evaluates the line at index (trimmedLine is its trimmed text) and writes the
// outcome back into the text: assignments, expressions, point definitions, commands.
LineOutcome evaluateLine(std::size_t index, std::string_view trimmedLine, ScriptState& state,
                         ScriptEnvironment& env);

struct RunOptions {
    // Lines executed before the run is ended as Escape would end it; 0 for no limit.
    std::uint64_t maxSteps = 0;
    // Told of every line the run could not read (keyword and label lines are never such a
    // line), with its index at that moment. A run stays silent about them otherwise.
    std::function<void(std::size_t index)> unreadableLine;
};

enum class RunEnd {
    EndOfText,    // ran past the last line
    EndMarker,    // an "end." line
    Exit,         // an exit line
    Escape,       // Escape before a line, in a box, an input or a wait
    InputAbort,   // an empty text input ("Abbruch: Fehler 1")
    WaitStopped,  // a wait line without a time
    StepBudget,   // maxSteps lines were executed
};

struct RunResult {
    RunEnd end = RunEnd::EndOfText;
    std::uint64_t steps = 0;  // lines executed
};

// ScriptRunner: runs from the caret's line to "end.", exit, the end of the text or an abort.
RunResult runScript(ScriptState& state, ScriptEnvironment& env, const RunOptions& options = {});

// Empties old results from first on (assignment and result lines; persistent lines keep their
// formula), reduces runs of empty lines to one, optionally collapses blank runs, and puts the
// caret on first. stopAtEnd: the keyword form, whose first pass stops at an "end." line.
void compress(ScriptLines& lines, std::size_t first, bool collapseBlanks, bool stopAtEnd = false);

// Before a command line is evaluated on its own: removes the command's previous output below it.
void cleanBelow(ScriptLines& lines, std::size_t line);

}  // namespace textaria::script
