// The drawing commands' pictures, probed pixel by pixel on the QImage canvas at positions
// computed from the world mapping.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>

#include "calc/eval_u.h"
#include "platform/ui/qt_canvas.h"
#include "script/draw_shapes.h"
#include "script/draw_surface.h"
#include "script/plot.h"

namespace textaria::script {
namespace {

using platform::Rgb;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 128, 0};

struct Surface {
    platform::QtCanvas canvas{724, 724};
    DrawingContext ctx{canvas};

    Rgb at(double x, double y) const {
        const auto p = ctx.worldToPixel(x, y);
        return canvas.pixel(p.x, p.y);
    }
    // The colour occurs within one pixel of the world point.
    bool near(double x, double y, Rgb colour) const {
        const auto p = ctx.worldToPixel(x, y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (canvas.pixel(p.x + dx, p.y + dy) == colour) return true;
        return false;
    }
};

TEST(DrawingPixels, CoordinateSystemFrameAndAxes) {
    Surface s;
    coordinateSystem(s.ctx, 10, 1, true);
    EXPECT_EQ(s.canvas.pixel(0, 100), platform::kBlack);
    EXPECT_EQ(s.canvas.pixel(723, 500), platform::kBlack);
    EXPECT_EQ(s.canvas.pixel(362, 100), kBlue);
    EXPECT_EQ(s.canvas.pixel(100, 362), kBlue);
    EXPECT_EQ(s.at(5, 5), platform::kWhite);
    coordinateSystem(s.ctx, 10, 0, true);
    EXPECT_EQ(s.canvas.pixel(362, 100), platform::kWhite);  // mode 0: the frame alone
    coordinateSystem(s.ctx, 4, 2, true);
    EXPECT_TRUE(s.near(1, 3.5, kBlue) || s.near(1, 3.4, kBlue));  // a dotted grid line at x = 1
}

TEST(DrawingPixels, PlotFollowsTheCurve) {
    Surface s;
    s.ctx.penColour = kRed;
    calc::FormulaVariables vars;
    const TermFunction f("x^2/4-3", vars);
    plotFunction(s.ctx, [&](double x) { return f(x); });
    for (const double x : {-6.0, -2.5, 0.0, 1.0, 3.3, 6.0})
        EXPECT_TRUE(s.near(x, x * x / 4 - 3, kRed)) << x;
    EXPECT_EQ(s.at(0, 3), platform::kWhite);

    Surface poles;
    const TermFunction inverse("1/x", vars);
    plotFunction(poles.ctx, [&](double x) { return inverse(x); });
    // No vertical stroke joins the branches at x = 0.
    for (const double y : {-5.0, -1.0, 1.0, 5.0}) EXPECT_EQ(poles.at(0, y), platform::kWhite) << y;
    EXPECT_TRUE(poles.near(0.2, 5, platform::kBlack));
}

TEST(DrawingPixels, CircleFilledInsideItsOutline) {
    Surface s;
    drawCircle(s.ctx, {0, 0}, 5);
    EXPECT_TRUE(s.near(5, 0, platform::kBlack));
    EXPECT_TRUE(s.near(0, -5, platform::kBlack));
    fillArea(s.ctx, {2, 2}, platform::kBlack, kGreen);
    EXPECT_EQ(s.at(-3, -2), kGreen);
    EXPECT_EQ(s.at(3.4, 3.4), kGreen);
    EXPECT_EQ(s.at(4, 4), platform::kWhite);
    EXPECT_EQ(s.at(0, 0), platform::kBlack);  // the centre mark
}

TEST(DrawingPixels, ArcsRunCounterClockwise) {
    Surface s;
    drawSector(s.ctx, {0, 0}, 5, 0, 90, false);
    const double d = 5 / std::sqrt(2.0);
    EXPECT_TRUE(s.near(d, d, platform::kBlack));
    EXPECT_FALSE(s.near(-d, -d, platform::kBlack));
    EXPECT_FALSE(s.near(0, 0, platform::kBlack));  // an arc has no radii

    Surface bog;
    drawArcThrough(bog.ctx, {0, 0}, {0, 4}, {4, 0});  // from the top over the left to the right
    EXPECT_TRUE(bog.near(-4, 0, platform::kBlack));
    EXPECT_TRUE(bog.near(0, -4, platform::kBlack));
    EXPECT_FALSE(bog.near(4 / std::sqrt(2.0), 4 / std::sqrt(2.0), platform::kBlack));

    Surface ellipse;
    ASSERT_TRUE(drawEllipticArc(ellipse.ctx, {0, 0}, 6, 3, 90, 180));
    EXPECT_TRUE(ellipse.near(-6 / std::sqrt(2.0), 3 / std::sqrt(2.0), platform::kBlack));
    EXPECT_FALSE(ellipse.near(6 / std::sqrt(2.0), -3 / std::sqrt(2.0), platform::kBlack));
}

TEST(DrawingPixels, ArrowInvertsAndTwiceRestores) {
    Surface s;
    coordinateSystem(s.ctx, 10, 1, true);
    const QImage before = s.canvas.image().copy();
    drawArrow(s.ctx, {-5, -5}, {5, 5}, 3, kRed);
    EXPECT_TRUE(s.near(2, 2, kRed));  // ~(red ^ white) on the white surface
    EXPECT_NE(s.canvas.image(), before);
    drawArrow(s.ctx, {-5, -5}, {5, 5}, 3, kRed);
    EXPECT_EQ(s.canvas.image(), before);
}

TEST(DrawingPixels, TextBoxAndInvisiblePen) {
    Surface s;
    s.ctx.penColour = kRed;
    s.ctx.penWidth = 9;
    drawWorldRectangle(s.ctx, {-8, -8}, {8, 8});
    fillArea(s.ctx, {0, 0}, kRed, kRed);
    EXPECT_EQ(s.at(0, 0), kRed);
    s.ctx.textBox = true;
    writeText(s.ctx, s.ctx.worldToPixel(-5, 5), "Hallo", platform::kBlack);
    const auto corner = s.ctx.worldToPixel(-5, 5);
    EXPECT_EQ(s.canvas.pixel(corner.x + 1, corner.y + 1), platform::kWhite);

    Surface hidden;
    hidden.ctx.penVisible = false;
    drawWorldPolyline(hidden.ctx, {{-5, 0}, {5, 0}});
    EXPECT_EQ(hidden.at(0, 0), platform::kWhite);
}

TEST(DrawingPixels, PicturesSavedAndLoaded) {
    QTemporaryDir dir;
    Surface s;
    coordinateSystem(s.ctx, 10, 2, true);
    s.ctx.pictureCounter = 7;
    EXPECT_EQ(nextPictureName(s.ctx), "pic7");
    platform::QtPictureFiles files;
    const std::string jpeg = dir.filePath("pic7.jpg").toStdString();
    ASSERT_TRUE(saveSurface(s.ctx, files, jpeg, platform::PictureFormat::Jpeg));
    EXPECT_EQ(s.ctx.pictureCounter, 8);
    const std::string png = dir.filePath("surface.png").toStdString();
    ASSERT_TRUE(saveSurface(s.ctx, files, png, platform::PictureFormat::Png));
    EXPECT_EQ(s.ctx.pictureCounter, 8);
    EXPECT_FALSE(saveSurface(s.ctx, files, dir.filePath("none/x.jpg").toStdString(),
                             platform::PictureFormat::Jpeg));

    Surface loaded;
    ASSERT_TRUE(loadPictureIntoSurface(loaded.ctx, files, png));
    EXPECT_EQ(loaded.canvas.image(), s.canvas.image());
    EXPECT_TRUE(loaded.ctx.textFont.bold);
    EXPECT_FALSE(
        loadPictureIntoSurface(loaded.ctx, files, dir.filePath("missing.jpg").toStdString()));
    const auto decoded = files.load(jpeg);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 724);
}

TEST(DrawingPixels, HostileInputGivesPictures) {
    Surface s;
    calc::FormulaVariables vars;
    coordinateSystem(s.ctx, 1000000, 2, true);
    const TermFunction f("x*x", vars);
    plotFunction(s.ctx, [&](double x) { return f(x); });
    coordinateSystem(s.ctx, 1, 2, true);
    drawCircle(s.ctx, {1e300, -1e300}, 1e300);
    drawWorldPolyline(s.ctx, {{-1e300, 0}, {1e300, 1}});
    drawConic(s.ctx, Conic::Hyperbola, 1e-300, 1e300);
    writeText(s.ctx, {10, 10}, std::string(10000, 'W'), platform::kBlack);
    fillArea(s.ctx, {0.5, 0.5}, platform::kBlack, kGreen);
    SUCCEED();
}

TEST(DrawingPixels, DerivativeAndMovedGraphs) {
    calc::FormulaVariables vars;
    const TermFunction f("x^2/4", vars);
    Surface derivative;
    plotFunction(derivative.ctx, [&](double x) { return f.derivative(1, x); });
    for (const double x : {-6.0, 0.0, 4.0})
        EXPECT_TRUE(derivative.near(x, x / 2, platform::kBlack)) << x;

    // y = x turned by 90 degrees is y = -x, then shifted up by 2.
    const TermFunction line("x", vars);
    Surface moved;
    plotMoved(
        moved.ctx, [&](double x) { return line(x); }, 0, 2, 90);
    for (const double x : {-5.0, 1.0, 6.0})
        EXPECT_TRUE(moved.near(x, 2 - x, platform::kBlack)) << x;
    EXPECT_FALSE(moved.near(3, 3, platform::kBlack));
}

}  // namespace
}  // namespace textaria::script
