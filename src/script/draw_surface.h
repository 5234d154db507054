// Whole-surface operations: clearing, the coordinate systems, texts and labels, flood fills,
// the spare picture, the oblique axis, and pictures saved to and loaded from files.
#pragma once

#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "script/draw_context.h"
#include "script/geometry.h"

namespace textaria::script {

// White, brush hollow; the lesson picture gets a copy.
void clearSurface(DrawingContext& ctx);

// KOR (clear true: the surface cleared first, with the background picture) and RAS. The range
// is taken to the nearest integer and its absolute value, below 1 it is 10; mode 0..2 (the
// caller has tested it). Pen and text colours go back to black, pen width to 1.
void coordinateSystem(DrawingContext& ctx, double range, int mode, bool clear,
                      platform::PictureFiles* files = nullptr);
// The grid spacing of mode 2 for a range.
int gridSpacing(int range);

// "<F2=Back>" in the bottom right corner when the script has page marks.
void drawPageBackHint(DrawingContext& ctx);

// A text line of a script command rebuilt from its upper-case, blank-free form: lower case, a
// double quote makes the next letter a capital, "_" is a blank, blank runs collapsed.
std::string rebuildCommandText(std::string_view text);

// A text with its top-left corner at the pixel, in the colour, with the white box behind it
// when the text box option is on.
void writeText(DrawingContext& ctx, platform::CanvasPoint at, std::string_view text,
               platform::Rgb colour);
// The top-left corner of text row n (1..25; anything else is row 1).
platform::CanvasPoint textRowCorner(const DrawingContext& ctx, int row);

// A text as the "Symbol" font shows it: Latin letters as Greek ones (UTF-8).
std::string symbolFontText(std::string_view text);
// The label of the angle a-s-b, near the angle at distance |r| from s.
void writeAngleLabel(DrawingContext& ctx, Point2 a, Point2 s, Point2 b, double r,
                     std::string_view label);

// Flood fill from the world point over everything not of the border colour.
void fillArea(DrawingContext& ctx, Point2 at, platform::Rgb border, platform::Rgb fill);

void saveToSpare(DrawingContext& ctx);
void restoreFromSpare(DrawingContext& ctx);

// The receding x axis y = tan(angle) x of the oblique projection, blue, labelled "x-Achse".
void drawObliqueAxis(DrawingContext& ctx);

// "pic" and the picture counter: the name proposed for the next JPEG picture.
std::string nextPictureName(const DrawingContext& ctx);
// Saves the surface (JPEG at quality 90, which counts the picture, or PNG).
bool saveSurface(DrawingContext& ctx, platform::PictureFiles& files, const std::string& path,
                 platform::PictureFormat format);
// A picture file onto the surface's top-left corner, scaled down proportionally when larger;
// the graphics text becomes bold. False when the file cannot be read.
bool loadPictureIntoSurface(DrawingContext& ctx, platform::PictureFiles& files,
                            const std::string& path);

}  // namespace textaria::script
