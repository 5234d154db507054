#include "script/draw_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "platform/canvas_fill.h"
#include "platform/codepage.h"
#include "script/draw_shapes.h"
#include "script/texts.h"

namespace textaria::script {

namespace {

constexpr platform::Rgb kAxisBlue{0, 0, 255};
constexpr int kJpegQuality = 90;

std::string numberLabel(long long value) { return " " + std::to_string(value) + " "; }

// The value right-aligned in three characters.
std::string gridLabel(long long value) {
    std::string text = std::to_string(value);
    if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
    return text;
}

int labelPoints(const DrawingContext& ctx) { return ctx.screen.height >= 1024 ? 10 : 8; }

void drawFrame(DrawingContext& ctx, int width) {
    ctx.paint([&](platform::Canvas& canvas) {
        platform::Pen pen;
        pen.width = width;
        canvas.setPen(pen);
        const int inset = width / 2;
        canvas.drawRectangle({inset, inset, ctx.width() - inset, ctx.height() - inset});
    });
}

// Texts of the coordinate system: blue, plain, in the label size.
void writeAxisText(DrawingContext& ctx, platform::CanvasPoint at, const std::string& text,
                   int points) {
    ctx.paint([&](platform::Canvas& canvas) {
        canvas.setFont({ctx.textFont.family, static_cast<double>(points), false});
        canvas.drawText(at, text, kAxisBlue);
        canvas.setFont(ctx.textFont);
    });
}

platform::TextExtent axisTextExtent(DrawingContext& ctx, const std::string& text, int points) {
    ctx.surface.setFont({ctx.textFont.family, static_cast<double>(points), false});
    const platform::TextExtent extent = ctx.surface.textExtent(text);
    ctx.surface.setFont(ctx.textFont);
    return extent;
}

void drawAxes(DrawingContext& ctx, platform::PenStyle style = platform::PenStyle::Solid) {
    const int cx = ctx.width() / 2;
    const int cy = ctx.height() / 2;
    ctx.paint([&](platform::Canvas& canvas) {
        platform::Pen pen;
        pen.color = kAxisBlue;
        pen.style = style;
        canvas.setPen(pen);
        canvas.drawLine({0, cy}, {ctx.width() - 1, cy});
        canvas.drawLine({cx, 0}, {cx, ctx.height() - 1});
    });
}

void labelledAxes(DrawingContext& ctx) {
    const int w = ctx.width();
    const int h = ctx.height();
    const int cx = w / 2;
    const int cy = h / 2;
    const int points = labelPoints(ctx);
    const long long r = ctx.range;
    drawAxes(ctx);
    const std::string zero = numberLabel(0);
    writeAxisText(ctx, {cx - axisTextExtent(ctx, zero, points).width, cy + 2}, zero, points);
    writeAxisText(ctx, {cx + 2, 2}, numberLabel(r), points);
    const std::string bottom = numberLabel(-r);
    writeAxisText(ctx, {cx + 2, h - axisTextExtent(ctx, bottom, points).height - 2}, bottom,
                  points);
    writeAxisText(ctx, {2, cy + 2}, numberLabel(-r), points);
    const std::string right = numberLabel(r);
    writeAxisText(ctx, {w - axisTextExtent(ctx, right, points).width - 2, cy + 2}, right, points);
    const platform::CanvasPoint one = ctx.worldToPixel(1, 0);
    ctx.paint([&](platform::Canvas& canvas) {
        platform::Pen pen;
        pen.color = kAxisBlue;
        canvas.setPen(pen);
        canvas.drawLine({one.x, cy - 3}, {one.x, cy + 3});
    });
    const std::string oneLabel = numberLabel(1);
    writeAxisText(ctx, {one.x - axisTextExtent(ctx, oneLabel, points).width / 2, cy + 4}, oneLabel,
                  points);
}

void gridAxes(DrawingContext& ctx) {
    const int w = ctx.width();
    const int h = ctx.height();
    const int cx = w / 2;
    const int cy = h / 2;
    const int points = labelPoints(ctx);
    const int s = gridSpacing(ctx.range);
    drawFrame(ctx, 3);
    ctx.paint([&](platform::Canvas& canvas) {
        platform::Pen pen;
        pen.color = kAxisBlue;
        pen.style = platform::PenStyle::Dot;
        canvas.setPen(pen);
        for (long long v = -(ctx.range / s) * s; v <= ctx.range; v += s) {
            if (v == 0) continue;
            const platform::CanvasPoint p =
                ctx.worldToPixel(static_cast<double>(v), static_cast<double>(v));
            canvas.drawLine({p.x, 0}, {p.x, h - 1});
            canvas.drawLine({0, p.y}, {w - 1, p.y});
        }
    });
    for (long long v = -(ctx.range / s) * s; v <= ctx.range; v += s) {
        if (v == 0 || std::llabs(v) == ctx.range) continue;
        const platform::CanvasPoint p =
            ctx.worldToPixel(static_cast<double>(v), static_cast<double>(v));
        const std::string label = gridLabel(v);
        writeAxisText(ctx, {p.x - axisTextExtent(ctx, label, points).width / 2, cy + 3}, label,
                      points);
        writeAxisText(ctx,
                      {cx - axisTextExtent(ctx, label, points).width - 3,
                       p.y - axisTextExtent(ctx, label, points).height / 2},
                      label, points);
    }
    drawAxes(ctx);
    const std::string xAxis = texts::kXAxis;
    writeAxisText(ctx, {5, cy - axisTextExtent(ctx, xAxis, points).height - 2}, xAxis, points);
    const std::string yAxis = texts::kYAxis;
    writeAxisText(ctx, {cx + 4, h - axisTextExtent(ctx, yAxis, points).height - 6}, yAxis, points);
    drawFrame(ctx, 3);
}

void drawBackground(DrawingContext& ctx, platform::PictureFiles& files) {
    const auto picture = files.load(ctx.backgroundPicture);
    if (!picture || picture->empty()) return;
    const double scale = ctx.width() / 513.024;
    const int w = std::max(1, static_cast<int>(std::lround(picture->width * scale)));
    const int h = std::max(1, static_cast<int>(std::lround(picture->height * scale)));
    ctx.surface.stretchDraw({0, 0, w, h}, *picture);
}

}  // namespace

void clearSurface(DrawingContext& ctx) {
    ctx.surface.fill(platform::kWhite);
    ctx.surface.setBrush(platform::Brush{});
    ctx.copyToLesson();
}

int gridSpacing(int range) {
    if (range <= 5) return 1;
    if (range <= 20) return 2;
    if (range <= 40) return 4;
    if (range <= 60) return 6;
    if (range <= 80) return 8;
    // Beyond 100 about ten to twenty lines per axis, in whole tens.
    return 10 * ((range + 99) / 100);
}

void coordinateSystem(DrawingContext& ctx, double range, int mode, bool clear,
                      platform::PictureFiles* files) {
    const double rounded = std::fabs(std::nearbyint(range));
    ctx.range =
        rounded < 1 || !std::isfinite(rounded) || rounded > 1e9 ? 10 : static_cast<int>(rounded);
    ctx.penWidth = 1;
    ctx.penColour = platform::kBlack;
    ctx.textColour = platform::kBlack;
    if (clear) {
        ctx.surface.fill(platform::kWhite);
        if (files != nullptr && !ctx.backgroundPicture.empty()) drawBackground(ctx, *files);
    }
    const bool mirror = ctx.lessonMode;
    ctx.lessonMode = false;  // the finished surface is copied over at the end
    switch (mode) {
        case 1:
            drawFrame(ctx, 1);
            labelledAxes(ctx);
            break;
        case 2:
            gridAxes(ctx);
            break;
        default:
            drawFrame(ctx, 1);
            break;
    }
    drawPageBackHint(ctx);
    ctx.lessonMode = mirror;
    ctx.showSurface();
    ctx.copyToLesson();
}

void drawPageBackHint(DrawingContext& ctx) {
    if (!ctx.scriptHasPageMarks) return;
    const std::string hint = texts::kPageBackHint;
    const int points = static_cast<int>(ctx.textFont.points);
    const platform::TextExtent extent = axisTextExtent(ctx, hint, points);
    writeAxisText(ctx, {ctx.width() - extent.width - 2, ctx.height() - extent.height - 2}, hint,
                  points);
}

std::string rebuildCommandText(std::string_view text) {
    std::string out;
    bool capital = false;
    for (const char c : text) {
        if (c == '"') {
            capital = true;
            continue;
        }
        char d = c == '_' ? ' ' : c;
        if (d >= 'A' && d <= 'Z') d = static_cast<char>(d - 'A' + 'a');
        if (capital && d >= 'a' && d <= 'z') {
            d = static_cast<char>(d - 'a' + 'A');
            capital = false;
        }
        if (d == ' ' && !out.empty() && out.back() == ' ') continue;
        out += d;
    }
    return out;
}

void writeText(DrawingContext& ctx, platform::CanvasPoint at, std::string_view text,
               platform::Rgb colour) {
    ctx.paint([&](platform::Canvas& canvas) {
        if (ctx.textBox) {
            const platform::TextExtent extent = canvas.textExtent(text);
            platform::Pen pen;
            pen.visible = false;
            canvas.setPen(pen);
            canvas.setBrush({false, platform::kWhite});
            canvas.drawRectangle({at.x, at.y, at.x + extent.width + 1, at.y + extent.height + 1});
            canvas.setBrush(platform::Brush{});
            canvas.setPen(ctx.currentPen());
        }
        canvas.drawText(at, text, colour);
    });
}

platform::CanvasPoint textRowCorner(const DrawingContext& ctx, int row) {
    if (row < 1 || row > 25) row = 1;
    return {ctx.width() / 46 + 10, (ctx.height() / 26) * row - 2};
}

std::string symbolFontText(std::string_view text) {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size())
        platform::appendUtf8(out, platform::symbolToUnicode(platform::nextUtf8(text, pos)));
    return out;
}

void writeAngleLabel(DrawingContext& ctx, Point2 a, Point2 s, Point2 b, double r,
                     std::string_view label) {
    const double radius = std::fabs(r);
    auto towards = [&](Point2 p) {
        const double length = distance(s, p);
        if (length == 0) return s;
        return Point2{s.x + (p.x - s.x) * radius / length, s.y + (p.y - s.y) * radius / length};
    };
    const Point2 pa = towards(a);
    const Point2 pb = towards(b);
    const Point2 corner{pa.x + pb.x - s.x, pa.y + pb.y - s.y};
    platform::CanvasPoint at = ctx.worldToPixel(corner.x, corner.y);
    at.x -= 5;
    at.y -= 10;
    const platform::CanvasFont saved = ctx.textFont;
    ctx.textFont.family = "Symbol";
    writeText(ctx, at, symbolFontText(label), ctx.penColour);
    ctx.textFont = saved;
}

void fillArea(DrawingContext& ctx, Point2 at, platform::Rgb border, platform::Rgb fill) {
    const platform::CanvasPoint p = ctx.worldToPixel(at.x, at.y);
    platform::floodFill(ctx.surface, p, border, fill);
    if (ctx.mirroring()) platform::floodFill(*ctx.lessonPicture, p, border, fill);
}

void saveToSpare(DrawingContext& ctx) { ctx.spare = ctx.surface.snapshot(); }

void restoreFromSpare(DrawingContext& ctx) {
    if (ctx.spare.empty()) return;
    ctx.surface.stretchDraw({0, 0, ctx.spare.width, ctx.spare.height}, ctx.spare);
    ctx.copyToLesson();
}

void drawObliqueAxis(DrawingContext& ctx) {
    const double slope = std::tan(degreesToRadians(ctx.projectionAngle));
    const platform::Rgb saved = ctx.penColour;
    ctx.penColour = kAxisBlue;
    const double r = ctx.range;
    // The receding axis points to the lower left: x grows towards the viewer.
    std::vector<Point2> line;
    if (std::fabs(slope) <= 1)
        line = {{-r, -r * slope}, {r, r * slope}};
    else
        line = {{-r / slope, -r}, {r / slope, r}};
    drawWorldPolyline(ctx, line);
    ctx.penColour = saved;
    const Point2 end = line.front();
    platform::CanvasPoint at = ctx.worldToPixel(end.x, end.y);
    at.x = std::clamp(at.x, 2, std::max(2, ctx.width() - 60));
    at.y = std::clamp(at.y - 20, 2, std::max(2, ctx.height() - 20));
    writeAxisText(ctx, at, texts::kObliqueAxis, 8);
}

std::string nextPictureName(const DrawingContext& ctx) {
    return "pic" + std::to_string(ctx.pictureCounter);
}

bool saveSurface(DrawingContext& ctx, platform::PictureFiles& files, const std::string& path,
                 platform::PictureFormat format) {
    if (!files.save(ctx.surface.snapshot(), path, format, kJpegQuality)) return false;
    if (format == platform::PictureFormat::Jpeg) ++ctx.pictureCounter;
    return true;
}

bool loadPictureIntoSurface(DrawingContext& ctx, platform::PictureFiles& files,
                            const std::string& path) {
    const auto picture = files.load(path);
    if (!picture || picture->empty()) return false;
    int w = picture->width;
    int h = picture->height;
    if (w > ctx.width() || h > ctx.height()) {
        const double scale =
            std::min(static_cast<double>(ctx.width()) / w, static_cast<double>(ctx.height()) / h);
        w = std::max(1, static_cast<int>(w * scale));
        h = std::max(1, static_cast<int>(h * scale));
    }
    ctx.surface.stretchDraw({0, 0, w, h}, *picture);
    ctx.textFont.bold = true;
    ctx.copyToLesson();
    return true;
}

}  // namespace textaria::script
