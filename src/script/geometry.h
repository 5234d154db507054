// Plane geometry of the drawing commands: circles through points, lines, perpendiculars,
// bisectors, point transformations and the oblique projection of space points.
#pragma once

#include <optional>

#include "calc/numeric_context.h"

namespace textaria::script {

using calc::Point2;
using calc::Point3;

struct Circle {
    Point2 centre;
    double radius = 0.0;
};

// A line y = k x + d; a vertical line has vertical set and x = d.
struct Line {
    double k = 0.0;
    double d = 0.0;
    bool vertical = false;
};

// What the commands write for the slope and intercept of a vertical line.
inline constexpr double kVerticalSlope = 10000000000.0;

double distance(Point2 a, Point2 b);
Point2 midpoint(Point2 a, Point2 b);

// Circumcircle from the two perpendicular-bisector equations; nothing for a degenerate
// triangle (singular system or radius 0).
std::optional<Circle> circumcircle(Point2 a, Point2 b, Point2 c);
// Incircle: the angle bisectors at a and b (each the sum of the unit vectors along the two
// sides) intersected; nothing for a degenerate triangle.
std::optional<Circle> incircle(Point2 a, Point2 b, Point2 c);

// The line through two points.
Line lineThrough(Point2 a, Point2 b);
// The line through p with the direction (dx, dy).
Line lineWithDirection(Point2 p, double dx, double dy);
// The foot of the perpendicular from p to the line through a and b (p itself when a = b).
Point2 perpendicularFoot(Point2 p, Point2 a, Point2 b);
// The perpendicular bisector of a and b.
Line perpendicularBisector(Point2 a, Point2 b);
// The bisector of the angle at b between the rays towards a and c.
Line angleBisector(Point2 a, Point2 b, Point2 c);
// The intersection of two lines; nothing when they are parallel.
std::optional<Point2> intersect(const Line& first, const Line& second);

Point2 translate(Point2 p, double dx, double dy);
Point2 rotate(Point2 p, Point2 centre, double degrees);
// Reflection in the line through a and b (p itself when a = b).
Point2 reflect(Point2 p, Point2 a, Point2 b);
Point2 stretch(Point2 p, Point2 centre, double factor);

// The image of a space point under the oblique projection: (y - x f cos a, z - x f sin a).
Point2 obliqueProjection(Point3 p, double factor, double degrees);

// The point on the circle about m with radius r at the angle (degrees).
Point2 pointOnCircle(Point2 m, double r, double degrees);

double degreesToRadians(double degrees);

}  // namespace textaria::script
