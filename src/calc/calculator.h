// The calculator: one entry line, the 26 variables, a running sum, a text memory and the
// number of decimals, with the state it keeps between two openings of its window. The window
// only forwards keys and clicks here and shows what comes back.
#pragma once

#include <array>
#include <cstddef>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator_external.h"
#include "calc/calculator_interrupt.h"
#include "calc/eval_u.h"
#include "calc/numeric_context.h"

namespace textaria::platform {
class UserDialogs;
}

namespace textaria::calc {

struct CalculatorCommand;

using VariableValues = std::array<double, 26>;

struct SumStatistics {
    long long count = 0;
    double sum = 0.0;
    double sumOfSquares = 0.0;
};

// The keys of the entry line the calculator reacts to.
enum class EntryKey { Other, Enter, Escape, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12 };

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

enum class EntryAction {
    None,
    Evaluate,             // Enter, F1
    Close,                // F2, Escape
    StoreText,            // F3
    InsertText,           // F4
    ToggleCommandHelp,    // F5
    ToggleCommandLabels,  // Shift+F6
    ChooseDecimals,       // F7
    AddToSum,             // F8
    ShowCount,            // F9
    ShowSum,              // Shift+F9
    ShowSquareSum,        // Ctrl+F9
    StartExternal,        // F10
    InsertSqrt,           // F11
    InsertSquare,         // F12
};

// "Shift" and "Ctrl" mean that modifier alone; keys without a variant ignore modifiers.
EntryAction entryActionFor(EntryKey key, KeyModifiers modifiers);

// The entry line with its selection; positions are byte offsets into the UTF-8 text. Without a
// selection, selectionStart is the caret and selectionLength 0.
struct EntryLine {
    std::string text;
    std::size_t selectionStart = 0;
    std::size_t selectionLength = 0;
};

// Trimmed, with every "^^" made "^": what every key handler works on.
std::string prepareEntryText(std::string_view text);

// prepareEntryText with the selection moved along and kept inside the text.
EntryLine prepareEntryLine(const EntryLine& line);

// `insert` replaces the selection (or goes in at the caret); the caret ends after it.
EntryLine insertAtCaret(const EntryLine& line, std::string_view insert);

// F11: "sqrt()" at the caret, the caret then right after the "(" of the first "()".
EntryLine insertSquareRoot(const EntryLine& line);

struct LineAnswer {
    std::string text;          // the new entry line
    int changedVariable = -1;  // 0..25 after an assignment: the list line to put the caret on
};

class Calculator {
  public:
    explicit Calculator(FormulaVariables& variables);

    // The scripts share the number format; until they hand theirs over the calculator has one.
    void shareNumberFormat(NumberFormat& format) { format_ = &format; }
    NumberFormat& numberFormat() { return *format_; }
    int decimals() const { return format_->decimals; }

    void setInterruptPoll(InterruptPoll& poll) { interrupt_ = &poll; }
    void setDialogs(platform::UserDialogs* dialogs) { dialogs_ = dialogs; }
    // Where the evaluator reports a stack overflow; standard output unless told otherwise.
    void setOverflowOutput(std::ostream& out) { overflowOut_ = &out; }

    // Enter or F1 on a non-empty line.
    LineAnswer evaluate(std::string_view line);

    // F3 keeps a non-empty line; F4 inserts what was kept.
    void storeText(std::string_view line);
    const std::string& textMemory() const { return textMemory_; }

    // F5 and Shift+F6. toggleCommandLabels returns whether the command help labels changed.
    void toggleCommandHelp() { commandHelpEnabled_ = !commandHelpEnabled_; }
    bool commandHelpEnabled() const { return commandHelpEnabled_; }
    bool toggleCommandLabels();
    bool commandLabelsVisible() const { return commandLabelsVisible_; }

    // F7: asks for the number of decimals; returns the entry line, its number rewritten.
    std::string chooseDecimals(std::string_view line);

    // F8, F9, Shift+F9, Ctrl+F9.
    std::string addToSum(std::string_view line);
    std::string countText() const;
    std::string sumText() const;
    std::string squareSumText() const;
    const SumStatistics& sumStatistics() const { return sums_; }

    // F10: the first desktop calculator on the search path; false (after the message) if none
    // could be started.
    bool startExternalCalculator(std::string_view searchPath, ProgramLauncher& launcher);

    // The variable list: 26 lines " a = 1.00".
    std::vector<std::string> variableList() const;
    // A click on a list line: "a = " ready for a new value, or nothing for a line without one.
    static std::optional<std::string> entryForListLine(std::string_view lineText);

    // Window lifecycle.
    void activate();  // on opening: loads the variables, remembers the decimals
    void clear();     // "Löschen"
    bool toggleVariableList() { return variableListVisible_ = !variableListVisible_; }
    bool variableListVisible() const { return variableListVisible_; }
    void close(std::string_view line);  // saves, restores the outer values, keeps the result

    // What the lesson player and the data entry dialog use.
    VariableValues& outerVariables() { return outerVariables_; }
    VariableValues& calculatorVariables() { return calculatorVariables_; }
    void clearSavedVariables();  // both saved copies to 0, as before a "%%" page opens it
    void setResetOnOpen(bool reset) { resetOnOpen_ = reset; }
    bool resetOnOpen() const { return resetOnOpen_; }
    const std::string& calculatorResult() const { return calculatorResult_; }
    bool commandErrorFlag() const { return commandError_; }

  private:
    std::string runCommand(const CalculatorCommand& command, std::string_view line);
    LineAnswer assign(std::string_view line);
    std::string formula(std::string_view line);

    FormulaVariables& variables_;
    NumberFormat ownFormat_;
    NumberFormat* format_ = &ownFormat_;
    NoInterrupt noInterrupt_;
    InterruptPoll* interrupt_ = &noInterrupt_;
    platform::UserDialogs* dialogs_ = nullptr;
    std::ostream* overflowOut_ = &std::cout;

    VariableValues outerVariables_{};
    VariableValues calculatorVariables_{};
    int savedDecimals_ = NumberFormat::kDefaultDecimals;
    std::string textMemory_;
    SumStatistics sums_;
    std::string calculatorResult_;
    bool resetOnOpen_ = false;
    bool variableListVisible_ = false;
    bool commandHelpEnabled_ = false;
    bool commandLabelsVisible_ = false;
    bool commandError_ = false;
};

}  // namespace textaria::calc
