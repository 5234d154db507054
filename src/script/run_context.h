// The state of one run of runScript, shared by the run loop and its keywords.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "script/label_index.h"
#include "script/script_environment.h"
#include "script/script_runner.h"
#include "script/script_state.h"

namespace textaria::script {

struct RunContext {
    ScriptState& state;
    ScriptEnvironment& env;
    LabelIndexedLines& labels;  // env.lines, with the labels found so far
    std::size_t startLine = 0;
    std::size_t index = 0;      // the line being executed
    bool jumped = false;        // a keyword moved index to a jump target
    std::optional<RunEnd> end;  // set when a keyword ends the run
    bool hasPageMarks = false;  // the script contains "pag(0)": F2 in boxes goes back a page

    // The HoldBox with its keys (F2, F4, F5, F7, Escape) acted on after it closed.
    void holdBox(std::string_view text);
    // The keys pressed while a box was open.
    void afterBox();
    // Jumps to a target: an integer is relative, anything else a label "_name".
    void jumpTo(std::string_view target, bool formulaFirst);
    // Escape in an input: the surface cleared, variables and points reset, the run ended.
    void abortInput();
};

// Input keywords: select, invar, input2/input3, intex1/intex2.
void selectKeyword(RunContext& run, std::string_view argument);
void invarKeyword(RunContext& run, std::string_view argument);
void pointInputKeyword(RunContext& run, std::string_view argument, int dimension);
void textInputKeyword(RunContext& run, std::string_view argument, int slot);

// Function slot keywords.
void setFunctionKeyword(RunContext& run, std::string_view term, int slot);
void cyclicChoiceKeyword(RunContext& run);
void randomChoiceKeyword(RunContext& run, int slot);

}  // namespace textaria::script
