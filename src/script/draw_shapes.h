// Figures drawn in world coordinates: point marks, polylines, rectangles, circles, sectors,
// arcs, elliptic arcs, arrows and the conics in main position.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "script/draw_context.h"
#include "script/geometry.h"

namespace textaria::script {

// A cross of two 6-pixel strokes in the text colour at pen width 2, then the label with its
// top-left corner at the point; nothing while point marks are suppressed.
void markPoint(DrawingContext& ctx, platform::CanvasPoint at, std::string_view label);
void markWorldPoint(DrawingContext& ctx, Point2 p, std::string_view label);

void drawWorldPolyline(DrawingContext& ctx, const std::vector<Point2>& points);
void drawWorldRectangle(DrawingContext& ctx, Point2 a, Point2 b);
// A circle about m; the centre is marked without a label.
void drawCircle(DrawingContext& ctx, Point2 m, double r, bool markCentre = true);
// From angle1 to angle2 (degrees) counter-clockwise; a pie or only its arc.
void drawSector(DrawingContext& ctx, Point2 m, double r, double angle1, double angle2, bool pie);
// The elliptic arc about m with the semi-axes |a|, |b|; false when |a| = 0.
bool drawEllipticArc(DrawingContext& ctx, Point2 m, double a, double b, double angle1,
                     double angle2);
// The arc about m through the direction of a to the direction of b (radius |a - m|).
void drawArcThrough(DrawingContext& ctx, Point2 m, Point2 a, Point2 b);
// The ray point the arc primitive is given for p, from its x offset alone.
Point2 arcRayPoint(Point2 m, double r, Point2 p);
// An arrow from a to b in the inverting pen of the given width and colour.
void drawArrow(DrawingContext& ctx, Point2 a, Point2 b, int width, platform::Rgb colour);

enum class Conic { Ellipse, Hyperbola, Parabola };
// x^2/a^2 + y^2/b^2 = 1, x^2/a^2 - y^2/b^2 = 1 or y^2 = 2 a x (absolute values), one pixel
// per step in x over the visible part, each branch on its own.
void drawConic(DrawingContext& ctx, Conic kind, double a, double b);

struct SemiAxes {
    double a = 0.0;
    double b = 0.0;
};
// The ellipse or hyperbola in main position through two points; nothing when there is none.
std::optional<SemiAxes> conicThrough(Conic kind, Point2 p1, Point2 p2);
// The parabola y^2 = 2 p x through a point; nothing unless y != 0 and x > 0.
std::optional<double> parabolaThrough(Point2 p);

}  // namespace textaria::script
