// The script's drawing surface: a square canvas with its world window, the pen, text and
// colour state of a run, and the lesson picture that mirrors every drawing in lesson mode.
// All drawing commands go through one DrawingContext; the window, the command line and the
// tests each make their own.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/numeric_context.h"
#include "platform/canvas.h"

namespace textaria::script {

// The colour of a script colour code 0..8 (0 and 8 white); nothing for other codes.
std::optional<platform::Rgb> colourOfCode(int code);

// What the surface's size and its text sizes follow.
struct ScreenFacts {
    int height = 1080;            // screen height in pixels
    double pixelsPerInch = 96.0;  // logical density
};

// The side of the square surface: the screen height times 0.67, to the nearest pixel.
int surfaceSideForScreen(int screenHeight);
// The screen whose surface has the given side (side / 0.67 pixels high, 96 pixels per inch):
// what the command line and the tests draw for.
ScreenFacts screenForSurfaceSide(int side);
// The standard graphics text size: 12 points at 96 pixels per inch, scaled by 96 / density,
// 2 points more on screens at least 1024 pixels high.
int standardGraphicsTextSize(const ScreenFacts& screen);

// Nearest integer, halves to the even neighbour, as the rest of the program rounds.
int roundToInt(double value);

struct DrawingContext {
    DrawingContext(platform::Canvas& surfaceCanvas, ScreenFacts screenFacts = {});

    platform::Canvas& surface;
    platform::Canvas* lessonPicture = nullptr;  // mirrored in lesson mode when set
    bool lessonMode = false;
    ScreenFacts screen;

    // World window [-range, range] on both axes.
    int range = 10;

    // Pen, text and colour state of a run.
    int penWidth = 1;
    platform::Rgb penColour = platform::kBlack;
    bool penVisible = true;
    platform::Rgb textColour = platform::kBlack;
    platform::CanvasFont textFont;    // family, size, bold
    int graphicsTextSize = 12;        // the editor's size (F10); fonts start from it
    bool boldGraphics = false;        // the editor's option (F12) on low screens
    bool textBox = false;             // a white box behind texts
    double projectionFactor = 0.5;    // oblique projection of space points
    double projectionAngle = 45.0;    // degrees
    int pictureCounter = 1;           // the next JPEG picture's number
    bool suppressMarks = false;       // point marks are not drawn
    bool scriptHasPageMarks = false;  // the script holds "PAG(0)": the page-back hint is drawn

    // The surface is visible in the window; showSurface makes it so.
    bool shown = false;
    std::function<void()> onShow;

    // The spare picture of SCS/SCR.
    platform::CanvasImage spare;
    // The polygon last drawn with LIN, and the letter its image points start with.
    std::vector<calc::Point2> lastPolygon;
    char nextPolygonLetter = 'A';
    // A picture drawn under each new coordinate system (KOR), empty for none.
    std::string backgroundPicture;
    // Where picture files are read and written; none: pictures are not loaded.
    platform::PictureFiles* pictureFiles = nullptr;

    int width() const { return surface.width(); }
    int height() const { return surface.height(); }

    // The run-start defaults: pen black, width 1, visible; text black in the standard font.
    void resetDefaults();

    // World to pixel: px = round((R + x) W / 2R), py = round(H - (R + y) H / 2R).
    double pixelX(double x) const { return (range + x) * width() / (2.0 * range); }
    double pixelY(double y) const { return height() - (range + y) * height() / (2.0 * range); }
    platform::CanvasPoint worldToPixel(double x, double y) const;
    calc::Point2 pixelToWorld(int px, int py) const;
    // The length of a world distance along x in pixels: worldToPixel(|r|, 0) - worldToPixel(0, 0).
    int pixelLength(double r) const;

    // Every canvas a drawing goes to: the surface, and the lesson picture in lesson mode.
    template <typename Paint>
    void paint(Paint&& draw) {
        applyState(surface);
        draw(surface);
        if (mirroring()) {
            applyState(*lessonPicture);
            draw(*lessonPicture);
        }
    }
    bool mirroring() const { return lessonMode && lessonPicture != nullptr; }
    // Copies the whole surface to the lesson picture (commands that replace the picture).
    void copyToLesson();

    // The pen of the drawing state on a canvas (brush hollow, text font).
    void applyState(platform::Canvas& canvas) const;
    platform::Pen currentPen() const;

    void showSurface();
};

}  // namespace textaria::script
