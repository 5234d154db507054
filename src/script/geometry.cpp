#include "script/geometry.h"

#include <cmath>
#include <numbers>

#include "calc/numeric_algebra.h"

namespace textaria::script {

namespace {

Point2 unit(Point2 from, Point2 to) {
    const double length = distance(from, to);
    if (length == 0) return {0, 0};
    return {(to.x - from.x) / length, (to.y - from.y) / length};
}

}  // namespace

double degreesToRadians(double degrees) { return degrees * std::numbers::pi / 180.0; }

double distance(Point2 a, Point2 b) { return std::hypot(b.x - a.x, b.y - a.y); }

Point2 midpoint(Point2 a, Point2 b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

std::optional<Circle> circumcircle(Point2 a, Point2 b, Point2 c) {
    calc::NumericMatrix m(2, 3);
    m(1, 1) = 2 * (b.x - a.x);
    m(1, 2) = 2 * (b.y - a.y);
    m(1, 3) = b.x * b.x + b.y * b.y - a.x * a.x - a.y * a.y;
    m(2, 1) = 2 * (c.x - a.x);
    m(2, 2) = 2 * (c.y - a.y);
    m(2, 3) = c.x * c.x + c.y * c.y - a.x * a.x - a.y * a.y;
    bool failed = false;
    const auto values = calc::SolveLinearSystem(m, 2, failed);
    if (failed || values.size() != 2) return std::nullopt;
    const Point2 centre{values[0], values[1]};
    const double r = distance(centre, a);
    if (!(r > 0) || !std::isfinite(r)) return std::nullopt;
    return Circle{centre, r};
}

std::optional<Circle> incircle(Point2 a, Point2 b, Point2 c) {
    const Point2 ua1 = unit(a, b);
    const Point2 ua2 = unit(a, c);
    const Point2 ub1 = unit(b, a);
    const Point2 ub2 = unit(b, c);
    const Line atA = lineWithDirection(a, ua1.x + ua2.x, ua1.y + ua2.y);
    const Line atB = lineWithDirection(b, ub1.x + ub2.x, ub1.y + ub2.y);
    const std::optional<Point2> centre = intersect(atA, atB);
    if (!centre) return std::nullopt;
    const double r = distance(*centre, perpendicularFoot(*centre, a, b));
    if (!(r > 1e-12) || !std::isfinite(r)) return std::nullopt;
    return Circle{*centre, r};
}

Line lineThrough(Point2 a, Point2 b) { return lineWithDirection(a, b.x - a.x, b.y - a.y); }

Line lineWithDirection(Point2 p, double dx, double dy) {
    if (dx == 0) return {kVerticalSlope, p.x, true};
    const double k = dy / dx;
    return {k, p.y - k * p.x, false};
}

Point2 perpendicularFoot(Point2 p, Point2 a, Point2 b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    if (length2 == 0) return p;
    const double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
    return {a.x + t * dx, a.y + t * dy};
}

Line perpendicularBisector(Point2 a, Point2 b) {
    return lineWithDirection(midpoint(a, b), -(b.y - a.y), b.x - a.x);
}

Line angleBisector(Point2 a, Point2 b, Point2 c) {
    const Point2 u = unit(b, a);
    const Point2 v = unit(b, c);
    double dx = u.x + v.x;
    double dy = u.y + v.y;
    // A straight angle: the bisector is the perpendicular.
    if (std::fabs(dx) < 1e-15 && std::fabs(dy) < 1e-15) {
        dx = -u.y;
        dy = u.x;
    }
    return lineWithDirection(b, dx, dy);
}

std::optional<Point2> intersect(const Line& first, const Line& second) {
    if (first.vertical && second.vertical) return std::nullopt;
    if (first.vertical) return Point2{first.d, second.k * first.d + second.d};
    if (second.vertical) return Point2{second.d, first.k * second.d + first.d};
    if (first.k == second.k) return std::nullopt;
    const double x = (second.d - first.d) / (first.k - second.k);
    return Point2{x, first.k * x + first.d};
}

Point2 translate(Point2 p, double dx, double dy) { return {p.x + dx, p.y + dy}; }

Point2 rotate(Point2 p, Point2 centre, double degrees) {
    const double a = degreesToRadians(degrees);
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double x = p.x - centre.x;
    const double y = p.y - centre.y;
    return {centre.x + x * c - y * s, centre.y + x * s + y * c};
}

Point2 reflect(Point2 p, Point2 a, Point2 b) {
    const Point2 foot = perpendicularFoot(p, a, b);
    return {2 * foot.x - p.x, 2 * foot.y - p.y};
}

Point2 stretch(Point2 p, Point2 centre, double factor) {
    return {centre.x + factor * (p.x - centre.x), centre.y + factor * (p.y - centre.y)};
}

Point2 obliqueProjection(Point3 p, double factor, double degrees) {
    const double a = degreesToRadians(degrees);
    return {p.y - p.x * factor * std::cos(a), p.z - p.x * factor * std::sin(a)};
}

Point2 pointOnCircle(Point2 m, double r, double degrees) {
    const double a = degreesToRadians(degrees);
    return {m.x + r * std::cos(a), m.y + r * std::sin(a)};
}

}  // namespace textaria::script
