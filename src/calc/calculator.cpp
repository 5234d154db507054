#include "calc/calculator.h"

#include <algorithm>
#include <charconv>
#include <iostream>

#include "calc/calculator_commands.h"
#include "calc/numeric_number.h"
#include "calc/numeric_text.h"
#include "calc/texts.h"
#include "platform/user_dialogs.h"

namespace textaria::calc {

// Commands in the order they are looked for; the first name found anywhere in the line wins.
struct CalculatorCommand {
    std::string_view name;
    bool takesTerm;  // the term may hold parentheses: the arguments run to the last ")"
    std::string (*run)(std::string_view, CommandContext&);
};

namespace {

bool alone(bool modifier, KeyModifiers m) {
    return modifier && int(m.shift) + int(m.ctrl) + int(m.alt) == 1;
}

bool isVariableLetter(std::string_view text) {
    return text.size() == 1 && text[0] >= 'a' && text[0] <= 'z';
}

constexpr CalculatorCommand kCommands[] = {
    {"pfz", false, primeFactorsCommand},
    {"qua", false, quadraticCommand},
    {"dif", true, derivativeCommand},
    {"int", true, integralCommand},
    {"nul", true, zeroCommand},
    {"kom", false, combinationsCommand},
    {"gau", false, normalDistributionCommand},
};

std::optional<std::string_view> commandArguments(std::string_view line, bool takesTerm) {
    const auto open = line.find('(');
    if (open == std::string_view::npos) return std::nullopt;
    if (takesTerm) {
        if (line.size() < open + 2 || line.back() != ')') return std::nullopt;
        return line.substr(open + 1, line.size() - open - 2);
    }
    const auto close = line.find(')', open + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return line.substr(open + 1, close - open - 1);
}

std::optional<int> readInteger(std::string_view text) {
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

EntryAction entryActionFor(EntryKey key, KeyModifiers m) {
    switch (key) {
        case EntryKey::Enter:
        case EntryKey::F1:
            return EntryAction::Evaluate;
        case EntryKey::F2:
        case EntryKey::Escape:  // closes as F2 does; during a command it only stops that
            return EntryAction::Close;
        case EntryKey::F3:
            return EntryAction::StoreText;
        case EntryKey::F4:
            return EntryAction::InsertText;
        case EntryKey::F5:
            return EntryAction::ToggleCommandHelp;
        case EntryKey::F6:
            return alone(m.shift, m) ? EntryAction::ToggleCommandLabels : EntryAction::None;
        case EntryKey::F7:
            return m.ctrl ? EntryAction::None : EntryAction::ChooseDecimals;
        case EntryKey::F8:
            return EntryAction::AddToSum;
        case EntryKey::F9:
            if (alone(m.shift, m)) return EntryAction::ShowSum;
            if (alone(m.ctrl, m)) return EntryAction::ShowSquareSum;
            return EntryAction::ShowCount;
        case EntryKey::F10:
            return EntryAction::StartExternal;
        case EntryKey::F11:
            return EntryAction::InsertSqrt;
        case EntryKey::F12:
            return EntryAction::InsertSquare;
        case EntryKey::Other:
            break;
    }
    return EntryAction::None;
}

std::string prepareEntryText(std::string_view text) {
    return prepareEntryLine({std::string(text)}).text;
}

EntryLine prepareEntryLine(const EntryLine& line) {
    const std::string& in = line.text;
    std::size_t first = 0;
    while (first < in.size() && isBlank(in[first])) ++first;
    std::size_t last = in.size();
    while (last > first && isBlank(in[last - 1])) --last;

    // Walk the kept part once, dropping the second "^" of every "^^" and moving the selection
    // ends along with the text before them.
    std::size_t start = line.selectionStart;
    std::size_t end = line.selectionStart + line.selectionLength;
    EntryLine out;
    std::size_t newStart = 0;
    std::size_t newEnd = 0;
    for (std::size_t i = first; i < last; ++i) {
        if (i == start) newStart = out.text.size();
        if (i == end) newEnd = out.text.size();
        out.text += in[i];
        if (in[i] == '^' && i + 1 < last && in[i + 1] == '^') {
            ++i;
            if (i == start) newStart = out.text.size();
            if (i == end) newEnd = out.text.size();
        }
    }
    if (start >= last) newStart = out.text.size();
    if (end >= last) newEnd = out.text.size();
    out.selectionStart = newStart;
    out.selectionLength = newEnd > newStart ? newEnd - newStart : 0;
    return out;
}

EntryLine insertAtCaret(const EntryLine& line, std::string_view insert) {
    const std::size_t start = std::min(line.selectionStart, line.text.size());
    const std::size_t length = std::min(line.selectionLength, line.text.size() - start);
    EntryLine out;
    out.text = line.text.substr(0, start);
    out.text += insert;
    out.text += line.text.substr(start + length);
    out.selectionStart = start + insert.size();
    return out;
}

EntryLine insertSquareRoot(const EntryLine& line) {
    EntryLine out = insertAtCaret(line, "sqrt()");
    out.selectionStart = out.text.find("()") + 1;
    return out;
}

Calculator::Calculator(FormulaVariables& variables) : variables_(variables) {}

LineAnswer Calculator::evaluate(std::string_view line) {
    std::string text = toLowerAscii(trimBlanks(line));
    // A single comma is a decimal comma, except in kom(n,k) whose comma separates.
    if (std::count(text.begin(), text.end(), ',') == 1 && text.find("kom") == std::string::npos)
        std::replace(text.begin(), text.end(), ',', '.');

    for (const CalculatorCommand& command : kCommands)
        if (text.find(command.name) != std::string::npos) return {runCommand(command, text), -1};
    if (text.find('=') != std::string::npos) return assign(text);
    return {formula(text), -1};
}

std::string Calculator::runCommand(const CalculatorCommand& command, std::string_view line) {
    const auto arguments = commandArguments(line, command.takesTerm);
    if (!arguments) return texts::kCalcError;
    CommandContext context{variables_, decimals(), *interrupt_, dialogs_, overflowOut_};
    std::string answer = command.run(*arguments, context);
    commandError_ = context.errorFlag;
    return answer;
}

std::string Calculator::formula(std::string_view line) {
    const Evaluation e = EvaluateFormula(line, variables_, *overflowOut_);
    if (!evaluationSucceeded(e.code)) return texts::kCalcError;
    return CleanNumber(formatFixedTrimmed(e.value, format_->width, decimals()));
}

LineAnswer Calculator::assign(std::string_view line) {
    const auto equals = line.find('=');
    std::string left(trimBlanks(line.substr(0, equals)));
    std::string right(trimBlanks(line.substr(equals + 1)));
    if (left.empty()) left = "0";
    if (right.empty()) right = "0";

    // Variable=Wert first, then Wert=Variable.
    char target = 0;
    double value = 0;
    if (const Evaluation e = EvaluateFormula(right, variables_, *overflowOut_);
        evaluationSucceeded(e.code) && isVariableLetter(left)) {
        target = left[0];
        value = e.value;
    } else if (const Evaluation f = EvaluateFormula(left, variables_, *overflowOut_);
               evaluationSucceeded(f.code) && isVariableLetter(right)) {
        target = right[0];
        value = f.value;
    } else {
        return {texts::kCalcAssignmentError, -1};
    }
    variables_[target] = value;
    return {CleanNumber(formatFixedTrimmed(value, format_->width, decimals())), target - 'a'};
}

void Calculator::storeText(std::string_view line) {
    if (!line.empty()) textMemory_ = std::string(line);
}

bool Calculator::toggleCommandLabels() {
    if (!commandHelpEnabled_) return false;
    commandLabelsVisible_ = !commandLabelsVisible_;
    return true;
}

std::string Calculator::chooseDecimals(std::string_view line) {
    const std::string current = std::to_string(decimals());
    // A cancelled box keeps the number it offered.
    std::optional<std::string> answer;
    if (dialogs_)
        answer = dialogs_->inputBox(texts::kCalcDecimalsTitle, texts::kCalcDecimalsPrompt, current);
    const auto chosen = readInteger(trimBlanks(answer.value_or(current)));
    format_->decimals = chosen && *chosen >= 0 && *chosen <= NumberFormat::kMaxDecimals
                            ? *chosen
                            : NumberFormat::kDefaultDecimals;
    if (const auto value = readNumber(trimBlanks(line)))
        return formatFixedTrimmed(*value, 20, decimals());
    return std::string(line);
}

std::string Calculator::addToSum(std::string_view line) {
    const auto value = readNumber(trimBlanks(line));
    if (!value) return texts::kCalcError;
    ++sums_.count;
    sums_.sum += *value;
    sums_.sumOfSquares += *value * *value;
    return std::string(line);
}

std::string Calculator::countText() const {
    return texts::kCalcCountPrefix + std::to_string(sums_.count);
}

std::string Calculator::sumText() const {
    return texts::kCalcSumPrefix + formatFixedTrimmed(sums_.sum, format_->width, decimals());
}

std::string Calculator::squareSumText() const {
    return texts::kCalcSquareSumPrefix +
           formatFixedTrimmed(sums_.sumOfSquares, format_->width, decimals());
}

bool Calculator::startExternalCalculator(std::string_view searchPath, ProgramLauncher& launcher) {
    if (const auto program = findDesktopCalculator(searchPath);
        program && launcher.startDetached(*program))
        return true;
    if (dialogs_) dialogs_->information(texts::kCalcExternalNotFound);
    return false;
}

std::vector<std::string> Calculator::variableList() const {
    std::vector<std::string> lines;
    lines.reserve(26);
    for (int i = 0; i < 26; ++i) {
        std::string line = " ";
        line += static_cast<char>('a' + i);
        line += " = ";
        line += formatFixedTrimmed(variables_.values[static_cast<std::size_t>(i)], format_->width,
                                   decimals());
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<std::string> Calculator::entryForListLine(std::string_view lineText) {
    const std::string_view text = trimBlanks(lineText);
    if (text.empty() || text[0] < 'a' || text[0] > 'z') return std::nullopt;
    return std::string(1, text[0]) + " = ";
}

void Calculator::activate() {
    savedDecimals_ = decimals();
    variables_.values = resetOnOpen_ ? outerVariables_ : calculatorVariables_;
}

void Calculator::clearSavedVariables() {
    outerVariables_.fill(0.0);
    calculatorVariables_.fill(0.0);
}

void Calculator::clear() {
    variables_.values.fill(0.0);
    sums_ = {};
}

void Calculator::close(std::string_view line) {
    resetOnOpen_ = false;
    calculatorVariables_ = variables_.values;
    variables_.values = outerVariables_;
    format_->decimals = savedDecimals_;
    calculatorResult_ = std::string(trimBlanks(line));
}

}  // namespace textaria::calc
