#include <gtest/gtest.h>

#include <cmath>

#include "fake_canvas.h"
#include "platform/canvas_fill.h"
#include "script/draw_shapes.h"
#include "script/draw_surface.h"
#include "script/geometry.h"

namespace textaria::script {
namespace {

using platform::CanvasPoint;
using testing::FakeCanvas;

TEST(DrawingMapping, WorldToPixelAndBack) {
    FakeCanvas canvas(724, 724);
    DrawingContext ctx(canvas);
    struct Case {
        int range;
        double x, y;
        CanvasPoint pixel;
    } cases[] = {
        {10, 0, 0, {362, 362}},     {10, 10, 10, {724, 0}},
        {10, -10, -10, {0, 724}},   {10, 1, 0, {398, 362}},  // 36.2 rounds down
        {3, 1, 1, {483, 241}},                               // 482.67, 241.33
        {1, 0.5, -0.5, {543, 543}},
    };
    for (const Case& c : cases) {
        ctx.range = c.range;
        EXPECT_EQ(ctx.worldToPixel(c.x, c.y), c.pixel) << c.range << " " << c.x << "," << c.y;
    }
    ctx.range = 10;
    const calc::Point2 back = ctx.pixelToWorld(181, 543);
    EXPECT_DOUBLE_EQ(back.x, -5);
    EXPECT_DOUBLE_EQ(back.y, -5);
    EXPECT_EQ(ctx.pixelLength(-2.5), 90);  // 452.5 to the even neighbour 452
    // Hostile coordinates stay in a range every canvas can handle.
    const CanvasPoint far = ctx.worldToPixel(1e300, -1e300);
    EXPECT_EQ(far.x, 1000000);
    EXPECT_EQ(far.y, 1000000);
}

TEST(DrawingMapping, SurfaceAndTextSizesFollowTheScreen) {
    EXPECT_EQ(surfaceSideForScreen(1080), 724);
    EXPECT_EQ(surfaceSideForScreen(768), 515);
    EXPECT_EQ(standardGraphicsTextSize({1080, 96}), 14);
    EXPECT_EQ(standardGraphicsTextSize({768, 96}), 12);
    EXPECT_EQ(standardGraphicsTextSize({768, 120}), 10);
}

TEST(DrawingSurface, CoordinateSystemRangeRules) {
    FakeCanvas canvas(200, 200);
    DrawingContext ctx(canvas);
    for (const auto& [range, expected] :
         {std::pair{0.0, 10}, {0.4, 10}, {-4.6, 5}, {2.5, 2}, {1e12, 10}, {150, 150}}) {
        ctx.penColour = {255, 0, 0};
        coordinateSystem(ctx, range, 2, true);
        EXPECT_EQ(ctx.range, expected) << range;
        EXPECT_EQ(ctx.penColour, platform::kBlack);
        EXPECT_TRUE(ctx.shown);
    }
    EXPECT_EQ(gridSpacing(5), 1);
    EXPECT_EQ(gridSpacing(20), 2);
    EXPECT_EQ(gridSpacing(100), 10);
    EXPECT_EQ(gridSpacing(1000000), 100000);
}

TEST(DrawingSurface, PointMarkIsACrossInTheTextColourThenTheLabel) {
    FakeCanvas canvas(100, 100);
    DrawingContext ctx(canvas);
    ctx.textColour = {0, 0, 255};
    ctx.penColour = {255, 0, 0};
    markPoint(ctx, {50, 40}, "A");
    const auto lines = canvas.callsOf("line");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points[0], (CanvasPoint{47, 40}));
    EXPECT_EQ(lines[0].points[1], (CanvasPoint{53, 40}));
    EXPECT_EQ(lines[1].points[0], (CanvasPoint{50, 37}));
    EXPECT_EQ(lines[1].pen.width, 2);
    EXPECT_EQ(lines[1].pen.color, (platform::Rgb{0, 0, 255}));
    const auto texts = canvas.callsOf("text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "A");
    EXPECT_EQ(canvas.pen().color, (platform::Rgb{255, 0, 0}));  // the pen is back

    canvas.calls.clear();
    ctx.suppressMarks = true;
    markPoint(ctx, {50, 40}, "A");
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(DrawingSurface, LessonModeDrawsTwice) {
    FakeCanvas canvas(100, 100);
    FakeCanvas lesson(100, 100);
    DrawingContext ctx(canvas);
    ctx.lessonPicture = &lesson;
    drawWorldPolyline(ctx, {{0, 0}, {1, 1}});
    EXPECT_TRUE(lesson.calls.empty());
    ctx.lessonMode = true;
    drawWorldPolyline(ctx, {{0, 0}, {1, 1}});
    drawArrow(ctx, {0, 0}, {5, 5}, 2, {255, 0, 0});
    EXPECT_EQ(lesson.callsOf("polyline").size(), 1u);
    ASSERT_EQ(lesson.callsOf("line").size(), 3u);
    EXPECT_EQ(lesson.callsOf("line")[0].pen.mode, platform::PenMode::NotXor);
    EXPECT_EQ(lesson.pen().mode, platform::PenMode::Copy);
    coordinateSystem(ctx, 10, 1, true);  // replaces the picture: copied over, not redrawn
    EXPECT_EQ(lesson.calls.back().what, "image");
}

TEST(DrawingSurface, CommandTextIsRebuilt) {
    EXPECT_EQ(rebuildCommandText("\"HALLO_\"WELT"), "Hallo Welt");
    EXPECT_EQ(rebuildCommandText("A___B\""), "a b");
    EXPECT_EQ(rebuildCommandText("F(X)=X^2"), "f(x)=x^2");
    EXPECT_EQ(symbolFontText("abQ"), "αβΘ");
}

TEST(DrawingSurface, TextRows) {
    FakeCanvas canvas(724, 724);
    DrawingContext ctx(canvas);
    EXPECT_EQ(textRowCorner(ctx, 1), (CanvasPoint{25, 25}));
    EXPECT_EQ(textRowCorner(ctx, 25), (CanvasPoint{25, 25 * 27 - 2}));
    EXPECT_EQ(textRowCorner(ctx, 26), textRowCorner(ctx, 1));
    EXPECT_EQ(textRowCorner(ctx, 0), textRowCorner(ctx, 1));
}

TEST(FloodFill, FillsExactlyTheBoundedArea) {
    FakeCanvas canvas(20, 20);
    const platform::Rgb red{255, 0, 0};
    const platform::Rgb green{0, 128, 0};
    for (int i = 2; i <= 10; ++i) {  // a square border 2..10
        canvas.set(i, 2, red);
        canvas.set(i, 10, red);
        canvas.set(2, i, red);
        canvas.set(10, i, red);
    }
    canvas.set(5, 5, green);  // already of the fill colour: crossed like any other pixel
    canvas.set(6, 6, {0, 0, 0});
    EXPECT_EQ(platform::floodFill(canvas, {4, 4}, red, green), 49u);
    EXPECT_EQ(canvas.pixel(9, 9), green);
    EXPECT_EQ(canvas.pixel(6, 6), green);
    EXPECT_EQ(canvas.pixel(11, 11), platform::kWhite);
    EXPECT_EQ(canvas.pixel(2, 5), red);
    // On the border or outside the canvas nothing happens.
    EXPECT_EQ(platform::floodFill(canvas, {2, 2}, red, green), 0u);
    EXPECT_EQ(platform::floodFill(canvas, {-1, 4}, red, green), 0u);
    // Outside the square, the 4-connected rest of the canvas.
    EXPECT_EQ(platform::floodFill(canvas, {0, 0}, red, green), 400u - 81u);
    // A diagonal gap does not leak.
    FakeCanvas diagonal(3, 3);
    diagonal.set(1, 0, red);
    diagonal.set(0, 1, red);
    EXPECT_EQ(platform::floodFill(diagonal, {0, 0}, red, green), 1u);
}

TEST(FloodFill, LongSpiralIsFilledWithoutRecursion) {
    const int n = 301;
    FakeCanvas canvas(n, n);
    const platform::Rgb black = platform::kBlack;
    // A square spiral wall with a 1-pixel corridor between its turns.
    int left = 0, top = 0, right = n - 1, bottom = n - 1;
    while (left <= right && top <= bottom) {
        for (int x = left; x <= right; ++x) canvas.set(x, top, black);
        for (int y = top; y <= bottom; ++y) canvas.set(right, y, black);
        for (int x = left; x <= right; ++x) canvas.set(x, bottom, black);
        for (int y = top + 2; y <= bottom; ++y) canvas.set(left, y, black);
        left += 2;
        top += 2;
        right -= 2;
        bottom -= 2;
    }
    const std::size_t painted = platform::floodFill(canvas, {1, 2}, black, {0, 0, 255});
    EXPECT_GT(painted, 10000u);
}

TEST(Geometry, CirclesLinesAndTransformations) {
    const auto u = circumcircle({0, 0}, {4, 0}, {0, 4});
    ASSERT_TRUE(u);
    EXPECT_NEAR(u->centre.x, 2, 1e-12);
    EXPECT_NEAR(u->centre.y, 2, 1e-12);
    EXPECT_NEAR(u->radius, std::sqrt(8.0), 1e-12);
    const auto i = incircle({0, 0}, {4, 0}, {0, 3});
    ASSERT_TRUE(i);
    EXPECT_NEAR(i->centre.x, 1, 1e-12);
    EXPECT_NEAR(i->centre.y, 1, 1e-12);
    EXPECT_NEAR(i->radius, 1, 1e-12);
    EXPECT_FALSE(circumcircle({0, 0}, {1, 1}, {2, 2}));
    EXPECT_FALSE(incircle({0, 0}, {1, 1}, {2, 2}));

    const Point2 foot = perpendicularFoot({0, 2}, {-1, -1}, {3, 3});
    EXPECT_NEAR(foot.x, 1, 1e-12);
    EXPECT_NEAR(foot.y, 1, 1e-12);
    const Point2 mirrored = reflect({0, 2}, {-1, -1}, {3, 3});
    EXPECT_NEAR(mirrored.x, 2, 1e-12);
    EXPECT_NEAR(mirrored.y, 0, 1e-12);
    const Point2 turned = rotate({2, 1}, {1, 1}, 90);
    EXPECT_NEAR(turned.x, 1, 1e-12);
    EXPECT_NEAR(turned.y, 2, 1e-12);
    const Line bisector = angleBisector({4, 0}, {0, 0}, {0, 4});
    EXPECT_NEAR(bisector.k, 1, 1e-12);
    EXPECT_TRUE(lineThrough({1, 0}, {1, 5}).vertical);
    const Line ssm = perpendicularBisector({0, 0}, {2, 2});
    EXPECT_NEAR(ssm.k, -1, 1e-12);
    EXPECT_NEAR(ssm.d, 2, 1e-12);
    const Point2 projected = obliqueProjection({2, 1, 1}, 0.5, 45);
    EXPECT_NEAR(projected.x, 1 - std::sqrt(0.5), 1e-12);
}

TEST(Geometry, ConicsThroughPoints) {
    const auto e = conicThrough(Conic::Ellipse, {3, 0}, {0, 2});
    ASSERT_TRUE(e);
    EXPECT_NEAR(e->a, 3, 1e-12);
    EXPECT_NEAR(e->b, 2, 1e-12);
    const auto h = conicThrough(Conic::Hyperbola, {2, 0}, {4, std::sqrt(3.0)});
    ASSERT_TRUE(h);
    EXPECT_NEAR(h->a, 2, 1e-12);
    EXPECT_NEAR(h->b, 1, 1e-12);
    EXPECT_FALSE(conicThrough(Conic::Ellipse, {1, 1}, {2, 2}));
    EXPECT_NEAR(*parabolaThrough({2, 2}), 1, 1e-12);
    EXPECT_FALSE(parabolaThrough({-2, 2}));
    EXPECT_FALSE(parabolaThrough({2, 0}));
}

TEST(Geometry, ArcRayPointsFromTheXOffset) {
    const Point2 m{0, 0};
    const Point2 up = arcRayPoint(m, 2, {0, 2});
    EXPECT_NEAR(up.x, 0, 1e-12);
    EXPECT_EQ(up.y, 2);
    EXPECT_EQ(arcRayPoint(m, 2, {2, 0}).x, 1e6);
    EXPECT_EQ(arcRayPoint(m, 2, {-2, -0.1}).x, -1e6);
    const Point2 diagonal = arcRayPoint(m, 2, {std::sqrt(2.0), -std::sqrt(2.0)});
    EXPECT_NEAR(diagonal.x, 2, 1e-9);
    EXPECT_EQ(diagonal.y, -2);
    const Point2 beyond = arcRayPoint(m, 2, {5, 1});  // off the circle: along the axis
    EXPECT_EQ(beyond.x, 1e6);
}

}  // namespace
}  // namespace textaria::script
