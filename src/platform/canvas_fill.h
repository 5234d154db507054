// Flood fill of a canvas: the area around a point that is bounded by pixels of one colour.
#pragma once

#include <cstddef>

#include "platform/canvas.h"

namespace textaria::platform {

// Paints every pixel that is 4-connected to start without crossing a pixel of the border
// colour with the fill colour (pixels already of the fill colour inside are crossed as well).
// Nothing happens when start is outside the canvas or itself of the border colour, or when the
// canvas keeps no pixels in memory. Returns the number of pixels painted.
std::size_t floodFill(Canvas& canvas, CanvasPoint start, Rgb border, Rgb fill);

// The same on a pixel view.
std::size_t floodFill(const PixelView& view, CanvasPoint start, Rgb border, Rgb fill);

}  // namespace textaria::platform
