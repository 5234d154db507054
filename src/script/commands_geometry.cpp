// Geometry commands: points, lines, circles, conics, distances and angles, transformations of
// points and polygons.
#include <cmath>
#include <numbers>

#include "calc/numeric_algebra.h"
#include "calc/numeric_text.h"
#include "script/command_util.h"
#include "script/draw_arguments.h"
#include "script/draw_shapes.h"
#include "script/draw_surface.h"
#include "script/plot.h"
#include "script/texts.h"

namespace textaria::script {
namespace {

using F = ArgumentForm;
constexpr double kDegrees = 180.0 / std::numbers::pi;

char letterOf(const CommandCall& call, std::size_t item) {
    const std::string_view text = call.items.item(item);
    return !text.empty() && calc::isAsciiLetter(text.front()) ? text.front() : 0;
}

void writeLineForm(CommandCall& call, const Line& line) {
    if (line.vertical) {
        call.writeValue('k', kVerticalSlope);
        call.writeValue('d', kVerticalSlope);
        return;
    }
    call.writeValue('k', line.k);
    call.writeValue('d', line.d);
}

void plotLineOf(DrawingContext& ctx, const Line& line) {
    plotLine(ctx, line.k, line.d, line.vertical);
}

void pointCommand(CommandCall& call) {
    const char letter = letterOf(call, 0);
    const std::size_t n = call.spaceMode() ? 3 : 2;
    if (call.count() < n) {
        call.reportError();
        return;
    }
    call.writePoint(letter != 0 ? static_cast<char>(std::toupper(letter)) : 'Z',
                    call.numbers.values.data(), n);
    if (!call.spaceMode() && letter != 0)
        if (DrawingContext* ctx = drawingOf(call); ctx != nullptr && ctx->shown)
            markWorldPoint(*ctx, pointAt(call, 0), std::string(1, letter));
}

void renamePoint(CommandCall& call) {
    const char target = letterOf(call, 0);
    const std::size_t n = call.spaceMode() ? 3 : 2;
    if (target == 0 || call.count() < 2 * n) {
        call.reportError();
        return;
    }
    const double* old = call.numbers.values.data() + n;
    if (call.spaceMode())
        call.state.numeric.points3D[target] = {old[0], old[1], old[2]};
    else
        call.state.numeric.points2D[target] = {old[0], old[1]};
    call.writePoint(target, old, n);
    if (!call.spaceMode())
        if (DrawingContext* ctx = drawingOf(call); ctx != nullptr && ctx->shown)
            markWorldPoint(*ctx, {old[0], old[1]}, std::string(1, target));
}

void coordinatesOf(CommandCall& call) {
    call.writeValue('x', call.number(0));
    call.writeValue('y', call.number(1));
    if (call.spaceMode()) call.writeValue('z', call.number(2));
}

void polyline(CommandCall& call) {
    std::vector<Point2> points;
    for (std::size_t i = 0; i + 1 < call.count(); i += 2) points.push_back(pointAt(call, i / 2));
    if (points.empty()) return;
    char last = 0;
    for (std::size_t i = 0; i < call.items.count(); ++i)
        if (const char c = letterOf(call, i)) last = c;
    onSurface(call, [&](DrawingContext& ctx) {
        drawWorldPolyline(ctx, points);
        ctx.lastPolygon = points;
        ctx.nextPolygonLetter =
            last != 0 && std::toupper(last) < 'Z' ? static_cast<char>(std::toupper(last) + 1) : 'A';
    });
}

void circleThrough(CommandCall& call, bool outer) {
    const Point2 a = pointAt(call, 0), b = pointAt(call, 1), c = pointAt(call, 2);
    const auto circle = outer ? circumcircle(a, b, c) : incircle(a, b, c);
    if (!circle) {
        if (!call.running()) call.reportError();
        return;
    }
    call.writePoint(outer ? 'U' : 'I', circle->centre);
    call.writeValue('r', circle->radius);
    onSurface(call, [&](DrawingContext& ctx) { drawCircle(ctx, circle->centre, circle->radius); });
}

void sector(CommandCall& call, bool pie) {
    const Point2 m = pointAt(call, 0);
    const double r = call.number(2);
    call.writePoint('P', pointOnCircle(m, std::fabs(r), call.number(3)));
    call.writePoint('Q', pointOnCircle(m, std::fabs(r), call.number(4)));
    onSurface(call, [&](DrawingContext& ctx) {
        drawSector(ctx, m, r, call.number(3), call.number(4), pie);
    });
}

void ellipticArc(CommandCall& call) {
    const auto args = readMixed(call, 1);
    if (!args || args->values.size() != 4 || args->values[0] == 0) {
        call.reportError();
        return;
    }
    const auto& v = args->values;
    onSurface(call, [&](DrawingContext& ctx) {
        drawEllipticArc(ctx, args->points[0], v[0], v[1], v[2], v[3]);
    });
}

void conic(CommandCall& call, Conic kind) {
    onSurface(call,
              [&](DrawingContext& ctx) { drawConic(ctx, kind, call.number(0), call.number(1)); });
}

void conicThroughPoints(CommandCall& call, Conic kind) {
    const auto axes = conicThrough(kind, pointAt(call, 0), pointAt(call, 1));
    if (!axes) {
        call.writeLine(kind == Conic::Ellipse ? texts::kNoEllipse : texts::kNoHyperbola);
        return;
    }
    call.writeValue('a', axes->a);
    call.writeValue('b', axes->b);
    onSurface(call, [&](DrawingContext& ctx) { drawConic(ctx, kind, axes->a, axes->b); });
}

void parabolaThroughPoint(CommandCall& call) {
    const auto p = parabolaThrough(pointAt(call, 0));
    if (!p) {
        call.writeLine(texts::kNoParabola);
        return;
    }
    call.writeValue('p', *p);
    onSurface(call, [&](DrawingContext& ctx) { drawConic(ctx, Conic::Parabola, *p, 0); });
}

void arcCommand(CommandCall& call) {
    onSurface(call, [&](DrawingContext& ctx) {
        drawArcThrough(ctx, pointAt(call, 0), pointAt(call, 1), pointAt(call, 2));
    });
}

void regularPolygon(CommandCall& call) {
    const double n = std::nearbyint(call.number(0));
    const double r = call.number(1);
    if (!(n > 0 && n <= 256) || !(r > 0)) {
        call.reportError();
        return;
    }
    const int corners = static_cast<int>(n);
    std::vector<Point2> points;
    for (int k = 0; k <= corners; ++k) {
        const Point2 p = pointOnCircle({0, 0}, r, 360.0 * k / corners);
        points.push_back(p);
        // Only A..Z are letters; further corners are drawn without a name.
        if (k < corners && k < 26) call.state.numeric.points2D[static_cast<char>('A' + k)] = p;
    }
    call.writeValue('z', std::sqrt(2 * r * r * (1 - std::cos(360.0 / corners / kDegrees))));
    onSurface(call, [&](DrawingContext& ctx) {
        drawWorldPolyline(ctx, points);
        points.pop_back();
        ctx.lastPolygon = points;
        ctx.nextPolygonLetter = corners < 26 ? static_cast<char>('A' + corners) : 'A';
    });
}

void markWithLetter(DrawingContext& ctx, const CommandCall& call, std::size_t item, Point2 p) {
    const char c = letterOf(call, item);
    markWorldPoint(ctx, p, c != 0 ? std::string(1, c) : std::string());
}

void lineThroughPoints(CommandCall& call) {
    const Point2 a = pointAt(call, 0), b = pointAt(call, 1);
    const Line line = lineThrough(a, b);
    if (!line.vertical)
        call.writeLine("y = " + call.format(line.k) + " * x + " + call.format(line.d));
    writeLineForm(call, line);
    onSurface(call, [&](DrawingContext& ctx) {
        markWithLetter(ctx, call, 0, a);
        markWithLetter(ctx, call, 1, b);
        plotLineOf(ctx, line);
    });
}

void perpendicular(CommandCall& call) {
    const Point2 p = pointAt(call, 0);
    const Point2 a = pointAt(call, 1), b = pointAt(call, 2);
    const Point2 foot = perpendicularFoot(p, a, b);
    const Line line = lineWithDirection(p, -(b.y - a.y), b.x - a.x);
    call.writePoint('S', foot);
    writeLineForm(call, line);
    onSurface(call, [&](DrawingContext& ctx) {
        plotLineOf(ctx, line);
        markWorldPoint(ctx, foot, "S");
    });
}

void lineWithLength(CommandCall& call) {
    const auto args = readMixed(call, 2);
    if (!args || args->values.size() != 1 || args->values[0] == 0) {
        call.reportError();
        return;
    }
    const Line line = lineThrough(args->points[0], args->points[1]);
    if (line.vertical) {
        writeLineForm(call, line);
        call.writeValue('x', args->points[0].x);
    } else {
        call.writeLine("y = " + call.format(line.k) + " * X + " + call.format(line.d));
        writeLineForm(call, line);
    }
    onSurface(call, [&](DrawingContext& ctx) { plotLineOf(ctx, line); });
}

void bisector(CommandCall& call, bool ofAngle) {
    const Line line = ofAngle ? angleBisector(pointAt(call, 0), pointAt(call, 1), pointAt(call, 2))
                              : perpendicularBisector(pointAt(call, 0), pointAt(call, 1));
    writeLineForm(call, line);
    if (!ofAngle) call.writePoint('Z', midpoint(pointAt(call, 0), pointAt(call, 1)));
    onSurface(call, [&](DrawingContext& ctx) { plotLineOf(ctx, line); });
}

void lineIntersection(CommandCall& call) {
    double v[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const auto e = calc::EvaluateFormula(call.items.item(i), call.state.variables);
        if (!calc::evaluationSucceeded(e.code) || call.items.count() != 4) {
            call.reportError();
            return;
        }
        v[i] = e.value;
    }
    const auto s = intersect({v[0], v[1], false}, {v[2], v[3], false});
    if (!s) {
        call.writeLine(texts::kNoIntersection);
        return;
    }
    call.writePoint('S', *s);
}

void writeTwoPoints(CommandCall& call, const std::vector<Point2>& points) {
    if (points.empty()) {
        call.writeText(texts::kNoIntersections);
        return;
    }
    call.writePoint('S', points[0]);
    call.writePoint('T', points.size() > 1 ? points[1] : points[0]);
    onSurface(call, [&](DrawingContext& ctx) {
        markWorldPoint(ctx, points[0], "S");
        markWorldPoint(ctx, points.size() > 1 ? points[1] : points[0], "T");
    });
}

void circleAndLine(CommandCall& call) {
    // M, then r, k, d as variables, numbers or formulas.
    const std::string_view first = call.items.item(0);
    Point2 m;
    std::size_t i = 0;
    if (!first.empty() && calc::isAsciiLetter(first.front()) && first.size() == 1) {
        m = call.state.numeric.points2D[first.front()];
        i = 1;
    } else {
        const auto x = calc::readNumber(first);
        const auto y = calc::readNumber(call.items.item(1));
        if (!x || !y) {
            call.reportError();
            return;
        }
        m = {*x, *y};
        i = 2;
    }
    double v[3];
    for (int k = 0; k < 3; ++k) {
        const auto e = calc::EvaluateFormula(call.items.item(i + k), call.state.variables);
        if (!calc::evaluationSucceeded(e.code)) {
            call.reportError();
            return;
        }
        v[k] = e.value;
    }
    const double r = v[0], k = v[1], d = v[2];
    const double a = 1 + k * k;
    const double b = 2 * (k * (d - m.y) - m.x);
    const double c = m.x * m.x + (d - m.y) * (d - m.y) - r * r;
    const double disc = b * b - 4 * a * c;
    std::vector<Point2> points;
    if (disc >= 0) {
        for (const double sign : {1.0, -1.0}) {
            const double x = (-b + sign * std::sqrt(disc)) / (2 * a);
            points.push_back({x, k * x + d});
        }
    }
    writeTwoPoints(call, points);
}

void twoCircles(CommandCall& call) {
    const Point2 m1 = pointAt(call, 0);
    const double r1 = std::fabs(call.number(2));
    const Point2 m2 = {call.number(3), call.number(4)};
    const double r2 = std::fabs(call.number(5));
    const double dist = distance(m1, m2);
    std::vector<Point2> points;
    if (dist > 0 && dist <= r1 + r2 && dist >= std::fabs(r1 - r2)) {
        const double along = (dist * dist + r1 * r1 - r2 * r2) / (2 * dist);
        const double h = std::sqrt(std::max(0.0, r1 * r1 - along * along));
        const double ux = (m2.x - m1.x) / dist, uy = (m2.y - m1.y) / dist;
        const Point2 base{m1.x + along * ux, m1.y + along * uy};
        points = {{base.x - h * uy, base.y + h * ux}, {base.x + h * uy, base.y - h * ux}};
    }
    writeTwoPoints(call, points);
}

// HAP, SWP: the mean of the given points.
void meanPoint(CommandCall& call, std::size_t points) {
    const std::size_t n = call.spaceMode() ? 3 : 2;
    double mean[3] = {0, 0, 0};
    for (std::size_t p = 0; p < points; ++p)
        for (std::size_t k = 0; k < n; ++k) mean[k] += call.number(p * n + k) / points;
    call.writePoint('Z', mean, n);
}

void dividingPoint(CommandCall& call) {
    const auto args = readMixed(call, 2);
    if (!args || args->values.size() != 1 || args->values[0] == -1) {
        call.reportError();
        return;
    }
    const double t = args->values[0];
    const Point2 a = args->points[0], b = args->points[1];
    call.writePoint('Z', Point2{(a.x + t * b.x) / (1 + t), (a.y + t * b.y) / (1 + t)});
}

void angleAt(CommandCall& call) {
    const Point2 a = pointAt(call, 0), s = pointAt(call, 1), b = pointAt(call, 2);
    const double u = distance(s, a), v = distance(s, b);
    if (u == 0 || v == 0) {
        call.reportError();
        return;
    }
    const double cosine = ((a.x - s.x) * (b.x - s.x) + (a.y - s.y) * (b.y - s.y)) / (u * v);
    call.writeValue('z', std::acos(std::clamp(cosine, -1.0, 1.0)) * kDegrees);
}

void triangleArea(CommandCall& call) {
    const Point2 a = pointAt(call, 0), b = pointAt(call, 1), c = pointAt(call, 2);
    call.writeValue('z', std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2);
}

void slopeAngle(CommandCall& call) {
    const Point2 a = pointAt(call, 0), b = pointAt(call, 1);
    call.writeValue('z', b.x == a.x ? 90.0 : std::atan((b.y - a.y) / (b.x - a.x)) * kDegrees);
}

// The transformation of a point (SCH, DRE, SPI, STR) or of the last polygon (NSC, ...).
enum class Transform { Translate, Rotate, Reflect, Stretch };

std::optional<std::function<Point2(Point2)>> transformOf(const CommandCall& call, Transform kind,
                                                         std::size_t pointsBefore) {
    const std::size_t needs =
        kind == Transform::Translate ? 0 : (kind == Transform::Reflect ? 2 : 1);
    const auto args = readMixed(call, pointsBefore + needs);
    const std::size_t values =
        kind == Transform::Translate ? 2 : (kind == Transform::Reflect ? 0 : 1);
    if (!args || args->values.size() != values) return std::nullopt;
    const auto& p = args->points;
    const auto& v = args->values;
    switch (kind) {
        case Transform::Translate:
            return [dx = v[0], dy = v[1]](Point2 q) { return translate(q, dx, dy); };
        case Transform::Rotate:
            return [c = p[pointsBefore], a = v[0]](Point2 q) { return rotate(q, c, a); };
        case Transform::Reflect:
            return [a = p[pointsBefore], b = p[pointsBefore + 1]](Point2 q) {
                return reflect(q, a, b);
            };
        case Transform::Stretch:
            return [c = p[pointsBefore], f = v[0]](Point2 q) { return stretch(q, c, f); };
    }
    return std::nullopt;
}

void transformPoint(CommandCall& call, Transform kind) {
    const auto args = readMixed(call, 1);
    const auto f = transformOf(call, kind, 1);
    if (!args || !f) {
        call.reportError();
        return;
    }
    call.writePoint('P', (*f)(args->points[0]));
}

void transformPolygon(CommandCall& call, Transform kind) {
    DrawingContext* ctx = drawingOf(call);
    if (ctx == nullptr || ctx->lastPolygon.empty()) return;
    const auto f = transformOf(call, kind, 0);
    if (!f) {
        call.reportError();
        return;
    }
    std::vector<Point2> image;
    char letter = ctx->nextPolygonLetter;
    for (const Point2& p : ctx->lastPolygon) {
        image.push_back((*f)(p));
        call.writePoint(letter, image.back());
        letter = letter < 'Z' ? static_cast<char>(letter + 1) : 'A';
    }
    image.push_back(image.front());
    drawWorldPolyline(*ctx, image);
    ctx->showSurface();
}

}  // namespace

void registerCommands_geometry(CommandTable& table) {
    table.add({"PNT", F::Points, count(2, 3), pointCommand});
    table.add({"UMS", F::Points, count(4, 6), renamePoint});
    table.add({"KXY", F::Points, count(2, 3), coordinatesOf});
    table.add({"LIN", F::Points, countRange(2, 100, 2), polyline});
    table.add({"REC", F::Points, count(4), [](CommandCall& c) {
                   onSurface(c, [&](DrawingContext& ctx) {
                       drawWorldRectangle(ctx, pointAt(c, 0), pointAt(c, 1));
                   });
               }});
    table.add({"KRS", F::Points, count(3), [](CommandCall& c) {
                   onSurface(c, [&](DrawingContext& ctx) {
                       drawCircle(ctx, pointAt(c, 0), c.number(2));
                   });
               }});
    table.add({"KRU", F::Points, count(6), [](CommandCall& c) { circleThrough(c, true); }});
    table.add({"KRI", F::Points, count(6), [](CommandCall& c) { circleThrough(c, false); }});
    table.add({"KSE", F::Points, count(5), [](CommandCall& c) { sector(c, true); }});
    table.add({"KBO", F::Points, count(5), [](CommandCall& c) { sector(c, false); }});
    table.add({"EBO", F::Text, anyCount(), ellipticArc});
    table.add({"ELL", F::Numbers, count(2), [](CommandCall& c) { conic(c, Conic::Ellipse); }});
    table.add({"HYP", F::Numbers, count(2), [](CommandCall& c) { conic(c, Conic::Hyperbola); }});
    table.add({"PAR", F::Numbers, count(1), [](CommandCall& c) { conic(c, Conic::Parabola); }});
    table.add({"EL2", F::Points, count(4),
               [](CommandCall& c) { conicThroughPoints(c, Conic::Ellipse); }});
    table.add({"HY2", F::Points, count(4),
               [](CommandCall& c) { conicThroughPoints(c, Conic::Hyperbola); }});
    table.add({"PA1", F::Points, count(2), parabolaThroughPoint});
    table.add({"BOG", F::Points, count(6), arcCommand});
    table.add({"RVE", F::Numbers, count(2), regularPolygon});
    table.add({"GER", F::Points, count(4), lineThroughPoints});
    table.add({"LOT", F::Points, count(6), perpendicular});
    table.add({"GWG", F::Text, anyCount(), lineWithLength});
    table.add({"SSM", F::Points, count(4), [](CommandCall& c) { bisector(c, false); }});
    table.add({"SYM", F::Points, count(6), [](CommandCall& c) { bisector(c, true); }});
    table.add({"SGG", F::Text, anyCount(), lineIntersection});
    table.add({"SKG", F::Text, anyCount(), circleAndLine});
    table.add({"SKK", F::Points, count(6), twoCircles});
    table.add({"HAP", F::Points, count(4, 6), [](CommandCall& c) { meanPoint(c, 2); }});
    table.add({"SWP", F::Points, count(6, 9), [](CommandCall& c) { meanPoint(c, 3); }});
    table.add({"STP", F::Text, anyCount(), dividingPoint});
    table.add({"LNG", F::Points, count(4),
               [](CommandCall& c) { c.writeValue('z', distance(pointAt(c, 0), pointAt(c, 1))); }});
    table.add({"WIN", F::Points, count(6), angleAt});
    table.add({"FLA", F::Points, count(6), triangleArea});
    table.add({"STW", F::Points, count(4), slopeAngle});
    table.add({"SCH", F::Text, anyCount(),
               [](CommandCall& c) { transformPoint(c, Transform::Translate); }});
    table.add(
        {"DRE", F::Text, anyCount(), [](CommandCall& c) { transformPoint(c, Transform::Rotate); }});
    table.add({"SPI", F::Text, anyCount(),
               [](CommandCall& c) { transformPoint(c, Transform::Reflect); }});
    table.add({"STR", F::Text, anyCount(),
               [](CommandCall& c) { transformPoint(c, Transform::Stretch); }});
    table.add({"NSC", F::Text, anyCount(),
               [](CommandCall& c) { transformPolygon(c, Transform::Translate); }});
    table.add({"NDR", F::Text, anyCount(),
               [](CommandCall& c) { transformPolygon(c, Transform::Rotate); }});
    table.add({"NSP", F::Text, anyCount(),
               [](CommandCall& c) { transformPolygon(c, Transform::Reflect); }});
    table.add({"NST", F::Text, anyCount(),
               [](CommandCall& c) { transformPolygon(c, Transform::Stretch); }});
}

}  // namespace textaria::script
