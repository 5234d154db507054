#include "script/draw_arguments.h"

#include "calc/numeric_insert.h"
#include "calc/numeric_number.h"
#include "calc/numeric_text.h"

namespace textaria::script {

std::optional<MixedArguments> readMixed(const CommandCall& call, std::size_t points) {
    MixedArguments out;
    std::size_t i = 0;
    const auto& numeric = call.state.numeric;
    auto numberAt = [&](std::size_t index) -> std::optional<double> {
        return calc::readNumber(
            calc::SubstituteVariables(call.items.item(index), call.state.variables));
    };
    while (out.points.size() < points) {
        const std::string_view item = call.items.item(i);
        if (item.empty()) return std::nullopt;
        if (calc::isAsciiLetter(item.front())) {
            out.points.push_back(numeric.points2D[item.front()]);
            out.letters.push_back(item.front());
            ++i;
        } else {
            const auto x = calc::readNumber(item);
            const auto y = calc::readNumber(call.items.item(i + 1));
            if (!x || !y) return std::nullopt;
            out.points.push_back({*x, *y});
            out.letters.push_back(0);
            i += 2;
        }
    }
    for (; i < call.items.count(); ++i) {
        const auto value = numberAt(i);
        if (!value) return std::nullopt;
        out.values.push_back(*value);
    }
    return out;
}

std::string functionTerm(const CommandCall& call, std::string_view item) {
    const std::string upper = calc::toUpperAscii(calc::trimBlanks(item));
    if (upper == "FUNTEX1") return call.state.numeric.functionSlot(1);
    if (upper == "FUNTEX2") return call.state.numeric.functionSlot(2);
    return std::string(calc::trimBlanks(item));
}

std::string_view afterComma(std::string_view text, int n) {
    std::size_t from = 0;
    for (int k = 0; k < n; ++k) {
        const std::size_t comma = text.find(',', from);
        if (comma == std::string_view::npos) return {};
        from = comma + 1;
    }
    return text.substr(from);
}

std::string typedArgument(const CommandCall& call) {
    const std::string line = call.env.lines.line(call.line);
    const std::size_t open = line.find('(');
    const std::size_t close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close <= open) return {};
    return line.substr(open + 1, close - open - 1);
}

}  // namespace textaria::script
