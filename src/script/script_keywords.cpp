// The keywords that ask the user (select, invar, input2/3, intex1/2) and those that change
// the function slots (setfun, zufun).
#include <cmath>
#include <random>
#include <string>

#include "calc/numeric_insert.h"
#include "calc/numeric_number.h"
#include "script/command_table.h"
#include "script/run_context.h"
#include "script/script_format.h"
#include "script/text_util.h"
#include "script/texts.h"

namespace textaria::script {
namespace {

std::string_view withoutLeadingQuote(std::string_view text) {
    if (!text.empty() && text.front() == '"') text.remove_prefix(1);
    return text;
}

}  // namespace

void selectKeyword(RunContext& run, std::string_view argument) {
    // Prompt:v,n with n of 2..9 (anything else 1).
    SelectRequest request;
    char variable = 0;
    const std::size_t colon = argument.find(':');
    request.prompt = std::string(argument.substr(0, colon));
    if (colon != std::string_view::npos) {
        const std::string_view rest = argument.substr(colon + 1);
        const std::size_t comma = rest.find(',');
        const std::string_view name = trimmed(rest.substr(0, comma));
        if (!name.empty()) variable = upper(name.substr(0, 1))[0];
        if (comma != std::string_view::npos) {
            const auto n = calc::readNumber(std::string(trimmed(rest.substr(comma + 1))));
            if (n && *n >= 2 && *n <= 9 && *n == std::floor(*n))
                request.count = static_cast<int>(*n);
        }
    }
    const int choice = run.env.input.select(request);
    if (choice < 0) {
        run.state.AbortFlag = true;
        return;
    }
    if (isLetter(variable)) run.state.variables[variable] = choice;
    if (choice == 0 && request.count > 1) run.env.host.clearDrawing();
    run.afterBox();
}

void invarKeyword(RunContext& run, std::string_view argument) {
    ScriptState& state = run.state;
    const std::size_t colon = argument.find(':');
    std::string_view prompt = argument;
    std::string_view list = argument;
    if (colon != std::string_view::npos) {
        prompt = argument.substr(0, colon);
        list = argument.substr(colon + 1);
    }
    const calc::ItemList names = calc::SplitItems(list);
    std::string defaults;
    for (std::size_t i = 0; i < names.count(); ++i) {
        const std::string_view name = names.item(i);
        const double value = !name.empty() && isLetter(name[0]) ? state.variables[name[0]] : 0.0;
        if (i > 0) defaults += ',';
        defaults += state.format().decimals == 0 ? formatValue(std::round(value), state.format(), 0)
                                                 : formatValue(value, state.format());
    }
    EntryRequest request;
    request.kind = 1;
    request.count = std::max<int>(1, static_cast<int>(names.count()));
    request.names = std::string(list);
    request.prompt = std::string(withoutLeadingQuote(prompt));
    request.defaults = defaults;
    request.calculatorAllowed = argument.find('?') != std::string_view::npos;
    while (true) {
        const auto answer = run.env.input.enterData(request);
        if (!answer) {
            run.abortInput();
            return;
        }
        std::string text = *answer;
        static constexpr std::pair<const char*, const char*> kPiTexts[] = {
            {"2*pi", "6.2832"}, {"pi/1", "3.1416"}, {"pi/2", "1.5708"},
            {"pi/3", "1.0472"}, {"pi/4", "0.7854"}, {"pi/6", "0.5236"}};
        for (const auto& [from, to] : kPiTexts) calc::replaceAll(text, from, to, false);
        const calc::NumberList numbers = calc::ParseNumbers(text, ',');
        if (names.count() > 0 && numbers.count == names.count()) {
            for (std::size_t i = 0; i < names.count(); ++i) {
                const std::string_view name = names.item(i);
                if (!name.empty() && isLetter(name[0])) state.variables[name[0]] = numbers.value(i);
            }
            break;
        }
        run.holdBox(texts::kWrongInput);
        if (state.AbortFlag) return;
    }
    run.afterBox();
}

void pointInputKeyword(RunContext& run, std::string_view argument, int dimension) {
    ScriptState& state = run.state;
    const std::string name(withoutLeadingQuote(upper(argument)));
    const char letter = name.empty() ? ' ' : name[0];
    EntryRequest request;
    request.kind = dimension;
    request.count = dimension;
    request.names = name;
    request.prompt = texts::kPointInputPrompt + name;
    if (dimension == 2) {
        const calc::Point2 p = state.numeric.points2D[letter];
        request.defaults =
            formatValue(p.x, state.format()) + "," + formatValue(p.y, state.format());
    } else {
        const calc::Point3 p = state.numeric.points3D[letter];
        request.defaults = formatValue(p.x, state.format()) + "," +
                           formatValue(p.y, state.format()) + "," +
                           formatValue(p.z, state.format());
    }
    while (true) {
        const auto answer = run.env.input.enterData(request);
        if (!answer) {
            run.abortInput();
            return;
        }
        std::string text = *answer;
        calc::replaceAll(text, "/", ",", false);
        const calc::NumberList numbers = calc::ParseNumbers(text, ',');
        if (numbers.count == static_cast<std::size_t>(dimension)) {
            if (dimension == 2) {
                state.numeric.points2D[letter] = {numbers.value(0), numbers.value(1)};
                state.SpaceMode = false;
                run.env.host.pointDefined(letter, numbers.value(0), numbers.value(1));
            } else {
                state.numeric.points3D[letter] = {numbers.value(0), numbers.value(1),
                                                  numbers.value(2)};
            }
            return;
        }
        run.holdBox(texts::kWrongInput);
        if (state.AbortFlag) return;
    }
}

void textInputKeyword(RunContext& run, std::string_view argument, int slot) {
    ScriptState& state = run.state;
    std::string& text = state.numeric.functionSlot(slot);
    std::string& last = state.LastIntexAnswer[static_cast<std::size_t>(slot - 1)];
    const std::string caption =
        argument.empty() ? texts::kTextInputDefaultCaption : std::string(argument);
    const auto answer = run.env.dialogs.inputBox(texts::kTextInputTitle, caption, text);
    if (!answer) {
        state.RunningFlag = false;
        run.abortInput();
        return;
    }
    if (answer->empty()) {
        state.InputAbortFlag = true;
    } else if (*answer == "w") {
        text = last;
        state.RepeatFlag = true;
    } else {
        text = *answer;
        last = *answer;
        state.RepeatFlag = false;
    }
}

void setFunctionKeyword(RunContext& run, std::string_view term, int slot) {
    ScriptState& state = run.state;
    if (slot > 2) {
        state.numeric.functionSlot(slot) = std::string(term);
        return;
    }
    std::string text(term);
    for (int n = 1; n <= 2; ++n) {
        const std::string name = "funtex" + std::to_string(n);
        const std::string& value = state.numeric.functionSlot(n);
        calc::replaceAll(text, "-" + name, "-(" + value + ")", true);
        calc::replaceAll(text, name, value, true);
    }
    const auto inserted = calc::InsertValues(text, state.variables, state.numeric);
    if (inserted.evaluationError) reportEvaluationError(state, run.env.dialogs);
    state.numeric.functionSlot(slot) = inserted.text;
}

void cyclicChoiceKeyword(RunContext& run) {
    ScriptState& state = run.state;
    const calc::ItemList first = calc::SplitItems(state.numeric.functionSlot(1));
    const std::size_t n = first.count();
    if (n == 0) return;
    if (state.CycleCounter < 0 || static_cast<std::size_t>(state.CycleCounter) >= n)
        state.CycleCounter = 0;
    const auto chosen = static_cast<std::size_t>(state.CycleCounter);
    state.numeric.functionSlot(1) = std::string(first.item(chosen));
    ++state.CycleCounter;
    for (int slot = 2; slot <= 5; ++slot) {
        std::string& text = state.numeric.functionSlot(slot);
        if (text.empty()) break;
        const calc::ItemList items = calc::SplitItems(text);
        if (items.count() != n) break;
        text = std::string(items.item(chosen));
    }
}

void randomChoiceKeyword(RunContext& run, int slot) {
    std::string& text = run.state.numeric.functionSlot(slot);
    const calc::ItemList items = calc::SplitItems(text);
    if (items.count() == 0) return;
    std::uniform_int_distribution<std::size_t> pick(0, items.count() - 1);
    text = std::string(items.item(pick(run.state.random)));
}

}  // namespace textaria::script
