#include "script/command_table.h"

#include <string>

#include "calc/numeric_insert.h"
#include "script/script_format.h"
#include "script/texts.h"

namespace textaria::script {

void registerCommandFamilies(CommandTable& table);  // generated from the commands_*.cpp files

namespace {

bool isNameChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// F: every item a formula; any failure makes the count 0, like a bad literal in N.
calc::NumberList readFormulas(const calc::ItemList& items, const calc::FormulaVariables& vars) {
    calc::NumberList list;
    for (const auto& item : items.items) {
        const auto result = calc::EvaluateFormula(item, vars);
        list.values.push_back(result.value);
        if (!calc::evaluationSucceeded(result.code)) {
            list.count = 0;
            return list;
        }
    }
    list.count = list.values.size();
    return list;
}

}  // namespace

bool isCommandName(std::string_view name) {
    if (name.size() != 3 || !isNameChar(name[0]) || !isNameChar(name[1]) || !isNameChar(name[2]))
        return false;
    std::string needle = ",";
    needle.append(name);
    needle += ',';
    return kCommandList.find(needle) != std::string_view::npos;
}

bool CommandTable::add(const CommandEntry& entry) {
    return entries_.emplace(entry.name, entry).second;
}

const CommandEntry* CommandTable::find(std::string_view name) const {
    const auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : &it->second;
}

const CommandTable& standardCommands() {
    static const CommandTable table = [] {
        CommandTable built;
        registerCommandFamilies(built);
        return built;
    }();
    return table;
}

void reportEvaluationError(ScriptState& state, platform::UserDialogs& dialogs) {
    if (state.RunningFlag)
        state.ErrorFlag() = true;
    else
        dialogs.information(texts::kEvaluationError);
}

void CommandCall::reportError() { reportEvaluationError(state, env.dialogs); }

std::string CommandCall::format(double value, int decimals) const {
    return formatValue(value, state.numeric.format, decimals);
}

void CommandCall::writeLine(std::string_view text) {
    std::string line = "    ";
    line.append(text);
    env.lines.insertLine(nextResultLine++, line);
}

void CommandCall::writeValue(char letter, double value, int decimals) {
    std::string text(1, letter);
    text += " = ";
    text += format(value, decimals);
    writeLine(text);
}

void CommandCall::writePoint(char letter, const double* values, std::size_t count) {
    std::string text = "= ";
    text += letter;
    text += '(';
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += ',';
        text += format(values[i]);
    }
    text += ')';
    writeLine(text);
}

void CommandCall::writePoint(char letter, calc::Point2 point) {
    const double values[] = {point.x, point.y};
    writePoint(letter, values, 2);
}

void CommandCall::writePoint(char letter, calc::Point3 point) {
    const double values[] = {point.x, point.y, point.z};
    writePoint(letter, values, 3);
}

void CommandCall::writeText(std::string_view text) {
    std::string line = "= ";
    line.append(text);
    writeLine(line);
}

std::optional<std::string> executeCommand(std::string_view name, std::string_view arguments,
                                          std::string_view typedArguments, std::size_t line,
                                          ScriptState& state, ScriptEnvironment& env) {
    if (!isCommandName(name)) {
        // Unknown names pass silently during a run.
        if (!state.RunningFlag) reportEvaluationError(state, env.dialogs);
        return std::nullopt;
    }
    const CommandEntry* entry = standardCommands().find(name);
    if (entry == nullptr || entry->handler == nullptr) return std::nullopt;

    CommandCall call{
        state, env, std::string(name), std::string(arguments), std::string(typedArguments), line};
    call.nextResultLine = line + 1;
    call.items = calc::SplitItems(call.arguments, state.numeric);
    switch (entry->form) {
        case ArgumentForm::None:
        case ArgumentForm::Text:
            break;
        case ArgumentForm::Numbers:
            call.numbers =
                calc::readNumberArguments(call.arguments, state.variables, state.numeric);
            break;
        case ArgumentForm::Points:
            call.numbers = calc::readPointArguments(call.arguments, state.numeric, state.SpaceMode);
            break;
        case ArgumentForm::PlanePoints:
            call.numbers = calc::readPointArguments(call.arguments, state.numeric, false);
            break;
        case ArgumentForm::Formulas:
            call.numbers = readFormulas(call.items, state.variables);
            break;
    }
    const bool testCount = entry->form != ArgumentForm::None && entry->form != ArgumentForm::Text &&
                           (!state.RunningFlag || entry->countRule.always);
    if (testCount && !entry->countRule.allows(call.numbers.count, state.SpaceMode)) {
        call.reportError();
        return std::nullopt;
    }
    entry->handler(call);
    return call.rewrittenSource;
}

}  // namespace textaria::script
