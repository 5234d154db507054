#include "calc/numeric_insert.h"

#include <array>
#include <cmath>

#include "calc/numeric_number.h"
#include "calc/numeric_text.h"

namespace textaria::calc {

namespace {

constexpr std::string_view kAcuteAccent = "\xC2\xB4";  // "´" marks the image of a point

std::string valueText(double value) { return CleanNumber(formatFixed(value, 20, 16)); }

std::string coordinateText(double value, const NumberFormat& format) {
    return CleanNumber(formatFixedTrimmed(value, format.width, format.decimals));
}

std::string numberPlaceholder(std::string_view inner, const FormulaVariables& variables,
                              const NumericContext& context) {
    if (findFrom("FUNTEX", inner, 1, false) != 0) {
        // Read without case, since texts reach us both as typed and upper-cased.
        const std::string name = toUpperAscii(inner);
        if (name == "FUNTEX1") return context.functionSlot(1);
        if (name == "FUNTEX2") return context.functionSlot(2);
        return std::string(inner);
    }
    std::string number = CleanNumber(SubstituteVariables(inner, variables));
    if (number.find('.') == std::string::npos) return number;  // integer text or empty
    const double value = readNumber(number).value_or(0.0);
    const NumberFormat& format = context.format;
    if (format.decimals == 0) return formatFixedTrimmed(std::nearbyint(value), 0, 0);
    return formatFixedTrimmed(value, format.width, format.decimals);
}

// The name of a point placeholder; a trailing "´" writes it in lower case.
std::string pointName(std::string_view inner) {
    const bool image = inner.size() >= kAcuteAccent.size() &&
                       inner.substr(inner.size() - kAcuteAccent.size()) == kAcuteAccent;
    return image ? toLowerAscii(inner) : std::string(inner);
}

// Replaces each open...close part, left to right, by what replace makes of the inner text.
// Inserted texts are not searched again, and an open mark without a close mark ends the pass.
// replace returns false to stop the pass at a part it cannot replace.
template <typename Replace>
bool expandPlaceholders(std::string& text, char open, char close, Replace replace) {
    std::size_t from = 0;
    while (true) {
        const auto begin = text.find(open, from);
        if (begin == std::string::npos) return true;
        const auto end = text.find(close, begin + 1);
        if (end == std::string::npos) return true;
        std::string replacement;
        if (!replace(std::string_view(text).substr(begin + 1, end - begin - 1), replacement)) {
            return false;
        }
        text.replace(begin, end - begin + 1, replacement);
        from = begin + replacement.size();
    }
}

}  // namespace

std::string SubstituteVariables(std::string_view text, const FormulaVariables& variables) {
    // Values never contain letters, so one pass gives the same as replacing letter by letter.
    // Each value is written once, when its letter first occurs.
    std::array<std::string, 26> values;
    std::array<bool, 26> written{};
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (!isAsciiLetter(c)) {
            result += c;
            continue;
        }
        const std::size_t i = FormulaVariables::index(c);
        if (!written[i]) {
            values[i] = valueText(variables.values[i]);
            written[i] = true;
        }
        result += values[i];
    }
    return result;
}

NumberList readNumberArguments(std::string_view text, const FormulaVariables& variables,
                               NumericContext& context) {
    return ParseNumbers(SubstituteVariables(text, variables), ',', context);
}

NumberList readPointArguments(std::string_view text, NumericContext& context, bool space) {
    const ItemList items = SplitItems(text, context);
    return space ? ItemsToSpaceNumbers(items, context) : ItemsToPlaneNumbers(items, context);
}

InsertOutcome InsertValues(std::string_view text, const FormulaVariables& variables,
                           const NumericContext& context) {
    InsertOutcome outcome{std::string(text), false};
    const NumberFormat& format = context.format;

    expandPlaceholders(outcome.text, '<', '>', [&](std::string_view inner, std::string& out) {
        out = numberPlaceholder(inner, variables, context);
        return true;
    });

    const bool planeDone =
        expandPlaceholders(outcome.text, '[', ']', [&](std::string_view inner, std::string& out) {
            const NumberList numbers = ItemsToPlaneNumbers(SplitItems(inner), context.points2D);
            if (numbers.count != 2) return false;
            out = pointName(inner) + "(" + coordinateText(numbers.value(0), format) + "/" +
                  coordinateText(numbers.value(1), format) + ")";
            return true;
        });
    if (!planeDone) {
        outcome.evaluationError = true;
        return outcome;
    }

    const bool spaceDone =
        expandPlaceholders(outcome.text, '{', '}', [&](std::string_view inner, std::string& out) {
            const NumberList numbers = ItemsToSpaceNumbers(SplitItems(inner), context.points3D);
            if (numbers.count != 3) return false;
            out = pointName(inner) + "(" + coordinateText(numbers.value(0), format) + "/" +
                  coordinateText(numbers.value(1), format) + "/" +
                  coordinateText(numbers.value(2), format) + ")";
            return true;
        });
    outcome.evaluationError = !spaceDone;
    return outcome;
}

}  // namespace textaria::calc
