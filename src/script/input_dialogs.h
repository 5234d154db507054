// The two input dialogs that scripts (and questionnaire pages) open: the data entry grid and
// the selection box. The logic owns this interface; the windows TForm27 and TForm28 implement
// it, tests use a scripted fake and the command line answers from a file.
//
// Messages, questions, hold boxes and text input go through platform::UserDialogs.
#pragma once

#include <optional>
#include <string>

namespace textaria::script {

// Where a dialog opens and where the last one was closed (screen pixels).
struct DialogPosition {
    int left = 0;
    int top = 0;
};

// What a script asks the data entry grid for (the arguments of PrepareEntry).
struct EntryRequest {
    int kind = 1;                    // 1: plain prompt; 2, 3: point or vector coordinates
    int count = 1;                   // cells, at least 1
    std::string names;               // comma-separated names (the prompt of kinds 2 and 3)
    std::string prompt;              // the prompt of kind 1
    std::string defaults;            // comma-separated initial cell contents
    bool calculatorAllowed = false;  // a double click on a cell may open the calculator
};

// What the selection box is asked (SelectMode, SelectCount, SelectPrompt, SelectNoZero).
struct SelectRequest {
    int mode = 0;
    int count = 1;
    std::string prompt;
    bool noZero = false;
};

class InputDialogs {
  public:
    virtual ~InputDialogs() = default;

    // Shows the data entry grid; returns EntryResult (the cells joined by ","), or nothing
    // when the dialog was escaped.
    virtual std::optional<std::string> enterData(const EntryRequest& request) = 0;

    // Shows the selection box; returns SelectResult (-1 when escaped).
    virtual int select(const SelectRequest& request) = 0;

    // The shared DialogPosition: both dialogs open at it and store theirs when they close.
    DialogPosition position;
};

}  // namespace textaria::script
