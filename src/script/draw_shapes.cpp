#include "script/draw_shapes.h"

#include <algorithm>
#include <cmath>

#include "calc/numeric_algebra.h"

namespace textaria::script {

namespace {

constexpr double kFarAway = 1e6;  // world units of a ray point at the angle 0

platform::CanvasRect boundsAround(const DrawingContext& ctx, Point2 m, double rx, double ry) {
    const platform::CanvasPoint topLeft = ctx.worldToPixel(m.x - rx, m.y + ry);
    const platform::CanvasPoint bottomRight = ctx.worldToPixel(m.x + rx, m.y - ry);
    return {topLeft.x, topLeft.y, bottomRight.x + 1, bottomRight.y + 1};
}

}  // namespace

void markPoint(DrawingContext& ctx, platform::CanvasPoint at, std::string_view label) {
    if (ctx.suppressMarks) return;
    ctx.paint([&](platform::Canvas& canvas) {
        platform::Pen pen = ctx.currentPen();
        pen.width = 2;
        pen.color = ctx.textColour;
        pen.visible = true;
        canvas.setPen(pen);
        canvas.drawLine({at.x - 3, at.y}, {at.x + 3, at.y});
        canvas.drawLine({at.x, at.y - 3}, {at.x, at.y + 3});
        canvas.setPen(ctx.currentPen());
        if (!label.empty()) canvas.drawText(at, label, ctx.textColour);
    });
}

void markWorldPoint(DrawingContext& ctx, Point2 p, std::string_view label) {
    markPoint(ctx, ctx.worldToPixel(p.x, p.y), label);
}

void drawWorldPolyline(DrawingContext& ctx, const std::vector<Point2>& points) {
    std::vector<platform::CanvasPoint> pixels;
    pixels.reserve(points.size());
    for (const Point2& p : points) pixels.push_back(ctx.worldToPixel(p.x, p.y));
    ctx.paint([&](platform::Canvas& canvas) { canvas.drawPolyline(pixels); });
}

void drawWorldRectangle(DrawingContext& ctx, Point2 a, Point2 b) {
    const platform::CanvasPoint p = ctx.worldToPixel(a.x, a.y);
    const platform::CanvasPoint q = ctx.worldToPixel(b.x, b.y);
    const platform::CanvasRect rect{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x) + 1,
                                    std::max(p.y, q.y) + 1};
    ctx.paint([&](platform::Canvas& canvas) { canvas.drawRectangle(rect); });
}

void drawCircle(DrawingContext& ctx, Point2 m, double r, bool markCentre) {
    const platform::CanvasPoint c = ctx.worldToPixel(m.x, m.y);
    const int rp = ctx.pixelLength(r);
    if (markCentre) markPoint(ctx, c, "");
    ctx.paint([&](platform::Canvas& canvas) {
        canvas.drawEllipse({c.x - rp, c.y - rp, c.x + rp + 1, c.y + rp + 1});
    });
}

void drawSector(DrawingContext& ctx, Point2 m, double r, double angle1, double angle2, bool pie) {
    const double radius = std::fabs(r);
    const platform::CanvasRect box = boundsAround(ctx, m, radius, radius);
    const Point2 p = pointOnCircle(m, radius, angle1);
    const Point2 q = pointOnCircle(m, radius, angle2);
    const platform::CanvasPoint start = ctx.worldToPixel(p.x, p.y);
    const platform::CanvasPoint end = ctx.worldToPixel(q.x, q.y);
    ctx.paint([&](platform::Canvas& canvas) {
        if (pie)
            canvas.drawPie(box, start, end);
        else
            canvas.drawArc(box, start, end);
    });
}

bool drawEllipticArc(DrawingContext& ctx, Point2 m, double a, double b, double angle1,
                     double angle2) {
    const double ra = std::fabs(a);
    if (ra == 0) return false;
    const double rb = std::fabs(b);
    const platform::CanvasRect box = boundsAround(ctx, m, ra, rb);
    const Point2 p = pointOnCircle(m, ra, angle1);
    const Point2 q = pointOnCircle(m, ra, angle2);
    const platform::CanvasPoint start = ctx.worldToPixel(p.x, p.y);
    const platform::CanvasPoint end = ctx.worldToPixel(q.x, q.y);
    ctx.paint([&](platform::Canvas& canvas) { canvas.drawArc(box, start, end); });
    return true;
}

Point2 arcRayPoint(Point2 m, double r, Point2 p) {
    const double y = p.y >= m.y ? m.y + r : m.y - r;
    if (r == 0) return {m.x, y};
    // Beyond the circle the angle is undefined; the nearest direction along the axis is taken.
    const double cosine = std::clamp((p.x - m.x) / r, -1.0, 1.0);
    if (cosine == 1.0 || cosine == -1.0) return {p.x > m.x ? kFarAway : -kFarAway, y};
    const double phi = std::acos(cosine);
    const double degrees = phi * 180.0 / 3.14159265358979323846;
    if (degrees == 90.0) return {m.x, y};
    return {m.x + r / std::tan(phi), y};
}

void drawArcThrough(DrawingContext& ctx, Point2 m, Point2 a, Point2 b) {
    const double r = distance(m, a);
    const platform::CanvasRect box = boundsAround(ctx, m, r, r);
    const Point2 p = arcRayPoint(m, r, a);
    const Point2 q = arcRayPoint(m, r, b);
    const platform::CanvasPoint start = ctx.worldToPixel(p.x, p.y);
    const platform::CanvasPoint end = ctx.worldToPixel(q.x, q.y);
    ctx.paint([&](platform::Canvas& canvas) { canvas.drawArc(box, start, end); });
}

void drawArrow(DrawingContext& ctx, Point2 a, Point2 b, int width, platform::Rgb colour) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const Point2 c{a.x + 0.9 * dx, a.y + 0.9 * dy};
    const Point2 left{c.x - 0.05 * dy, c.y + 0.05 * dx};
    const Point2 right{c.x + 0.05 * dy, c.y - 0.05 * dx};
    const auto pa = ctx.worldToPixel(a.x, a.y);
    const auto pb = ctx.worldToPixel(b.x, b.y);
    const auto pl = ctx.worldToPixel(left.x, left.y);
    const auto pr = ctx.worldToPixel(right.x, right.y);
    ctx.paint([&](platform::Canvas& canvas) {
        platform::Pen pen;
        pen.color = colour;
        pen.width = std::clamp(width, 1, 100);
        pen.mode = platform::PenMode::NotXor;
        canvas.setPen(pen);
        canvas.drawLine(pa, pb);
        canvas.drawLine(pl, pb);
        canvas.drawLine(pr, pb);
        canvas.setPen(ctx.currentPen());
    });
}

void drawConic(DrawingContext& ctx, Conic kind, double a, double b) {
    a = std::fabs(a);
    b = std::fabs(b);
    const double r = ctx.range;
    const double step = 2 * r / ctx.width();
    // One branch over [from, to] with y = sign * g(x); the ends are included exactly.
    auto branch = [&](double from, double to, auto&& g) {
        if (!(from <= to)) return;
        for (const double sign : {1.0, -1.0}) {
            std::vector<Point2> points;
            for (double x = from; x < to; x += step) points.push_back({x, sign * g(x)});
            points.push_back({to, sign * g(to)});
            for (Point2& p : points) p.y = std::clamp(p.y, -4 * r, 4 * r);
            drawWorldPolyline(ctx, points);
        }
    };
    switch (kind) {
        case Conic::Ellipse:
            if (a == 0) return;
            branch(std::max(-a, -r), std::min(a, r),
                   [&](double x) { return b * std::sqrt(std::max(0.0, 1 - x * x / (a * a))); });
            break;
        case Conic::Hyperbola: {
            if (a == 0) return;
            auto g = [&](double x) { return b * std::sqrt(std::max(0.0, x * x / (a * a) - 1)); };
            branch(a, r, g);
            branch(-r, -a, g);
            break;
        }
        case Conic::Parabola:
            branch(0.0, r, [&](double x) { return std::sqrt(2 * a * x); });
            break;
    }
}

std::optional<SemiAxes> conicThrough(Conic kind, Point2 p1, Point2 p2) {
    const double sign = kind == Conic::Hyperbola ? -1.0 : 1.0;
    calc::NumericMatrix m(2, 3);
    m(1, 1) = p1.x * p1.x;
    m(1, 2) = sign * p1.y * p1.y;
    m(1, 3) = 1;
    m(2, 1) = p2.x * p2.x;
    m(2, 2) = sign * p2.y * p2.y;
    m(2, 3) = 1;
    bool failed = false;
    const auto values = calc::SolveLinearSystem(m, 2, failed);
    if (failed || values.size() != 2 || !(values[0] > 0) || !(values[1] > 0)) return std::nullopt;
    return SemiAxes{std::sqrt(1 / values[0]), std::sqrt(1 / values[1])};
}

std::optional<double> parabolaThrough(Point2 p) {
    if (p.y == 0 || !(p.x > 0)) return std::nullopt;
    return p.y * p.y / (2 * p.x);
}

}  // namespace textaria::script
