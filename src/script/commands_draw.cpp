// Drawing commands: coordinate systems, clearing, the spare picture, pictures, pen and text
// state, texts and labels, flood fills, arrows and the oblique projection.
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "calc/numeric_insert.h"
#include "calc/numeric_text.h"
#include "script/command_util.h"
#include "script/draw_arguments.h"
#include "script/draw_shapes.h"
#include "script/draw_surface.h"
#include "script/texts.h"

namespace textaria::script {
namespace {

using F = ArgumentForm;

bool scriptHasPageMarks(const CommandCall& call) {
    const std::size_t n = call.env.lines.lineCount();
    for (std::size_t i = 0; i < n; ++i)
        if (calc::toUpperAscii(call.env.lines.line(i)).find("PAG(0)") != std::string::npos)
            return true;
    return false;
}

void coordinates(CommandCall& call, bool clear) {
    const double mode = call.number(1);
    if (call.count() != 2 || !(mode >= 0 && mode <= 2)) {
        call.reportError();
        return;
    }
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    ctx->scriptHasPageMarks = scriptHasPageMarks(call);
    coordinateSystem(*ctx, call.number(0), static_cast<int>(mode), clear, ctx->pictureFiles);
}

void clearCommand(CommandCall& call) {
    if (call.number(0) == 0) {
        if (DrawingContext* ctx = drawingOf(call)) {
            ctx->penWidth = 1;
            ctx->penColour = platform::kBlack;
            ctx->penVisible = true;
            ctx->scriptHasPageMarks = scriptHasPageMarks(call);
            clearSurface(*ctx);
            drawPageBackHint(*ctx);
            ctx->showSurface();
        }
        call.state.CycleCounter = 0;
    }
    call.state.variables.values.fill(0.0);
    call.state.numeric.points2D.clear();
    call.state.numeric.points3D.clear();
    call.state.numeric.errorFlag = false;
}

void spare(CommandCall& call, bool save) {
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    if (save)
        saveToSpare(*ctx);
    else
        restoreFromSpare(*ctx);
    ctx->showSurface();
}

void loadPicture(CommandCall& call) {
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr || ctx->pictureFiles == nullptr) return;
    std::filesystem::path path(std::string(calc::trimBlanks(call.typed)));
    if (path.is_relative() && !call.state.dataFolder.empty())
        path = std::filesystem::path(call.state.dataFolder) / path;
    if (!loadPictureIntoSurface(*ctx, *ctx->pictureFiles, path.string())) {
        call.env.dialogs.informationTitled(texts::kDataError, texts::kProblemTitle);
        return;
    }
    ctx->backgroundPicture = path.string();
    ctx->showSurface();
}

void pen(CommandCall& call) {
    const double width = call.number(0);
    const double colour = call.number(1);
    if (!(width >= 1 && width <= 100) || !(colour >= -1 && colour <= 8)) {
        call.reportError();
        return;
    }
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    ctx->penWidth = roundToInt(width);
    const int code = roundToInt(colour);
    ctx->penVisible = code != -1;
    if (const auto rgb = colourOfCode(code)) ctx->penColour = *rgb;
}

void textColour(CommandCall& call) {
    const double colour = call.number(0);
    if (call.count() != 1 || !(colour >= -1 && colour <= 8)) {
        call.reportError();
        return;
    }
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    if (const auto rgb = colourOfCode(roundToInt(colour))) ctx->textColour = *rgb;
}

void fill(CommandCall& call) {
    const std::size_t n = call.count();
    const double border = call.number(2);
    bool ok = (n == 4 || n == 6) && border >= 0 && border <= 8;
    for (std::size_t i = 3; ok && i < n; ++i)
        ok = call.number(i) >= 0 && call.number(i) <= (n == 4 ? 8 : 255);
    if (!ok) {
        call.reportError();
        return;
    }
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    const platform::Rgb fillColour =
        n == 4 ? *colourOfCode(roundToInt(call.number(3)))
               : platform::Rgb{static_cast<std::uint8_t>(roundToInt(call.number(3))),
                               static_cast<std::uint8_t>(roundToInt(call.number(4))),
                               static_cast<std::uint8_t>(roundToInt(call.number(5)))};
    fillArea(*ctx, {call.number(0), call.number(1)}, *colourOfCode(roundToInt(border)), fillColour);
    ctx->showSurface();
}

void fontName(CommandCall& call) {
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    std::string name(calc::trimBlanks(call.typed));
    std::replace(name.begin(), name.end(), '_', ' ');
    if (name.empty()) return;
    const std::string upper = calc::toUpperAscii(name);
    ctx->textFont.family = name;
    ctx->textFont.bold = upper != "COURIER" && upper != "COURIER NEW" && upper != "MS LINEDRAW";
}

void fontStyle(CommandCall& call) {
    const double bold = call.number(0);
    if (call.count() != 1 || (bold != 0 && bold != 1)) {
        call.reportError();
        return;
    }
    if (DrawingContext* ctx = drawingOf(call)) ctx->textFont.bold = bold == 1;
}

void fontSize(CommandCall& call) {
    const double size = call.number(0);
    if (!(size >= 1 && size <= 500)) {
        call.reportError();
        return;
    }
    if (DrawingContext* ctx = drawingOf(call)) ctx->textFont.points = roundToInt(size);
}

void textBox(CommandCall& call) {
    if (DrawingContext* ctx = drawingOf(call)) ctx->textBox = call.number(0) != 0;
}

// TXT and TEX: x and y may be variables; the text follows the second comma.
void positionedText(CommandCall& call, bool expand) {
    const auto x = variableOrNumber(call.items.item(0), call.state.variables);
    const auto y = variableOrNumber(call.items.item(1), call.state.variables);
    if (!x || !y) {
        call.reportError();
        return;
    }
    DrawingContext* ctx = drawingOf(call);
    std::string text;
    if (expand) {
        const std::string typed = typedArgument(call);
        call.rewrittenSource = call.env.lines.line(call.line);
        const calc::InsertOutcome inserted =
            calc::InsertValues(afterComma(typed, 2), call.state.variables, call.state.numeric);
        if (inserted.evaluationError) {
            call.reportError();
            return;
        }
        text = inserted.text;
        if (text.find('(') == std::string::npos) text = calc::toLowerAscii(text);
    } else {
        text = rebuildCommandText(afterComma(call.arguments, 2));
    }
    if (ctx == nullptr) return;
    writeText(*ctx, ctx->worldToPixel(*x, *y), text, ctx->textColour);
    ctx->showSurface();
}

// TXZ and TXV: a text row, the text as typed.
void rowText(CommandCall& call, bool expand) {
    const std::string typed = typedArgument(call);
    const auto row = calc::readNumber(calc::SubstituteVariables(
        calc::trimBlanks(typed.substr(0, typed.find(','))), call.state.variables));
    std::string text(afterComma(typed, 1));
    if (expand) {
        const calc::InsertOutcome inserted =
            calc::InsertValues(text, call.state.variables, call.state.numeric);
        if (inserted.evaluationError) {
            call.reportError();
            return;
        }
        text = inserted.text;
    } else {
        const std::string upper = calc::toUpperAscii(calc::trimBlanks(text));
        if (upper == "FUNTEX1") text = "y = " + call.state.numeric.functionSlot(1);
        if (upper == "FUNTEX2") text = "y = " + call.state.numeric.functionSlot(2);
    }
    text += ' ';
    call.rewrittenSource = call.env.lines.line(call.line);
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    const int n = row && std::fabs(*row) < 1e6 ? roundToInt(*row) : 1;
    writeText(*ctx, textRowCorner(*ctx, n), text, ctx->textColour);
    ctx->showSurface();
}

std::string labelOf(std::string_view item) { return calc::toLowerAscii(calc::trimBlanks(item)); }

void segmentLabel(CommandCall& call) {
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    const Point2 a = pointAt(call, 0);
    const Point2 b = pointAt(call, 1);
    const Point2 m = midpoint(a, b);
    writeText(*ctx, ctx->worldToPixel(m.x, m.y), labelOf(call.items.item(call.items.count() - 1)),
              ctx->penColour);
    ctx->showSurface();
}

void angleLabel(CommandCall& call) {
    // A, S, B as points, then r (a variable or a number), then the label.
    MixedArguments args;
    std::size_t i = 0;
    for (int p = 0; p < 3; ++p) {
        const std::string_view item = call.items.item(i);
        if (!item.empty() && calc::isAsciiLetter(item.front())) {
            args.points.push_back(call.state.numeric.points2D[item.front()]);
            ++i;
        } else {
            const auto x = calc::readNumber(item);
            const auto y = calc::readNumber(call.items.item(i + 1));
            if (!x || !y) {
                call.reportError();
                return;
            }
            args.points.push_back({*x, *y});
            i += 2;
        }
    }
    const auto r = variableOrNumber(call.items.item(i), call.state.variables);
    if (!r || *r == 0 || i + 1 >= call.items.count()) {
        call.reportError();
        return;
    }
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    writeAngleLabel(*ctx, args.points[0], args.points[1], args.points[2], *r,
                    labelOf(call.items.item(call.items.count() - 1)));
    ctx->showSurface();
}

void arrow(CommandCall& call) {
    const auto args = readMixed(call, 2);
    if (!args || args->values.size() != 2 || !(args->values[1] >= 0 && args->values[1] <= 8)) {
        call.reportError();
        return;
    }
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    const double width = std::clamp(args->values[0], 1.0, 100.0);
    drawArrow(*ctx, args->points[0], args->points[1], roundToInt(width),
              *colourOfCode(roundToInt(args->values[1])));
    ctx->showSurface();
}

void obliqueSetup(CommandCall& call) {
    if (call.count() != 2) {
        call.reportError();
        return;
    }
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr) return;
    ctx->projectionFactor = call.number(0);
    ctx->projectionAngle = call.number(1);
    drawObliqueAxis(*ctx);
    ctx->showSurface();
}

void obliquePoint(CommandCall& call) {
    Point3 p;
    const std::string_view item = call.items.item(0);
    if (call.items.count() == 1 && !item.empty() && calc::isAsciiLetter(item.front())) {
        p = call.state.numeric.points3D[item.front()];
    } else {
        const auto x = variableOrNumber(call.items.item(0), call.state.variables);
        const auto y = variableOrNumber(call.items.item(1), call.state.variables);
        const auto z = variableOrNumber(call.items.item(2), call.state.variables);
        if (!x || !y || !z || call.items.count() != 3) {
            call.reportError();
            return;
        }
        p = {*x, *y, *z};
    }
    DrawingContext* ctx = drawingOf(call);
    const double factor = ctx != nullptr ? ctx->projectionFactor : 0.5;
    const double angle = ctx != nullptr ? ctx->projectionAngle : 45.0;
    const Point2 image = obliqueProjection(p, factor, angle);
    call.writePoint('Z', image);
    if (ctx == nullptr) return;
    markWorldPoint(*ctx, image, "");
    ctx->showSurface();
}

}  // namespace

void registerCommands_draw(CommandTable& table) {
    table.add({"KOR", F::Numbers, always(count(2)), [](CommandCall& c) { coordinates(c, true); }});
    table.add({"RAS", F::Numbers, always(count(2)), [](CommandCall& c) { coordinates(c, false); }});
    table.add({"CLR", F::Numbers, count(1), clearCommand});
    table.add({"SCS", F::None, anyCount(), [](CommandCall& c) { spare(c, true); }});
    table.add({"SCR", F::None, anyCount(), [](CommandCall& c) { spare(c, false); }});
    table.add({"LPC", F::Text, anyCount(), loadPicture});
    table.add({"PEN", F::Numbers, count(2), pen});
    table.add({"PFA", F::Numbers, always(count(1)), textColour});
    table.add({"FIL", F::Numbers, countRange(4, 6, 2), fill});
    table.add({"TXN", F::Text, anyCount(), fontName});
    table.add({"TXF", F::Numbers, always(count(1)), fontStyle});
    table.add({"TXG", F::Numbers, count(1), fontSize});
    table.add({"TXR", F::Numbers, anyCount(), textBox});
    table.add({"TXT", F::Text, anyCount(), [](CommandCall& c) { positionedText(c, false); }});
    table.add({"TEX", F::Text, anyCount(), [](CommandCall& c) { positionedText(c, true); }});
    table.add({"TXZ", F::Text, anyCount(), [](CommandCall& c) { rowText(c, false); }});
    table.add({"TXV", F::Text, anyCount(), [](CommandCall& c) { rowText(c, true); }});
    table.add({"LIB", F::Points, countRange(4, 6), segmentLabel});
    table.add({"WIB", F::Text, anyCount(), angleLabel});
    table.add({"PFL", F::Text, anyCount(), arrow});
    table.add({"SRD", F::Numbers, always(count(2)), obliqueSetup});
    table.add({"SRK", F::Text, anyCount(), obliquePoint});
}

}  // namespace textaria::script
