// How the drawing and plotting commands read their arguments: points and variables mixed,
// function terms, and the drawing surface if there is one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/command_table.h"
#include "script/draw_context.h"
#include "script/geometry.h"

namespace textaria::script {

// The surface the run draws on; nothing when it runs without one.
inline DrawingContext* drawingOf(CommandCall& call) { return call.env.drawing; }

// Draws when there is a surface, and shows it.
template <typename Draw>
void onSurface(CommandCall& call, Draw&& draw) {
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    draw(*ctx);
    ctx->showSurface();
}

// Point i (0-based) of the numbers read in point form.
inline Point2 pointAt(const CommandCall& call, std::size_t i) {
    return {call.number(2 * i), call.number(2 * i + 1)};
}

// Arguments made of `points` plane points (each a letter or two numbers) followed by values
// that may be variables or numbers. Nothing when an item is neither.
struct MixedArguments {
    std::vector<Point2> points;
    std::vector<double> values;
    std::vector<char> letters;  // the letter of each point, or 0 when given as numbers
};
std::optional<MixedArguments> readMixed(const CommandCall& call, std::size_t points);

// A function argument: FUNTEX1 or FUNTEX2 (any case) for the slot, else the formula itself.
std::string functionTerm(const CommandCall& call, std::string_view item);

// The part of the argument text after the n-th comma (n >= 1), as it stands in `text`.
std::string_view afterComma(std::string_view text, int n);

// The command line as it stands in the editor, from the first "(" to the last ")" exclusive.
std::string typedArgument(const CommandCall& call);

}  // namespace textaria::script
