#include "platform/canvas_fill.h"

#include <cstdint>
#include <vector>

namespace textaria::platform {

namespace {

constexpr std::uint32_t kColourBits = 0xFFFFFF;

struct Seed {
    int x;
    int y;
};

}  // namespace

std::size_t floodFill(const PixelView& view, CanvasPoint start, Rgb border, Rgb fill) {
    const int w = view.width;
    const int h = view.height;
    if (view.bits == nullptr || start.x < 0 || start.y < 0 || start.x >= w || start.y >= h)
        return 0;
    const std::uint32_t borderBits = border.packed();
    const std::uint32_t fillBits = fill.packed() | 0xFF000000u;
    auto row = [&](int y) { return view.bits + static_cast<std::ptrdiff_t>(y) * view.stride; };
    if ((row(start.y)[start.x] & kColourBits) == borderBits) return 0;

    // A pixel may already have the fill colour and still lead on, so painted pixels are
    // remembered apart from their colour.
    std::vector<std::uint8_t> done(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    auto open = [&](int x, int y) {
        return done[static_cast<std::size_t>(y) * w + x] == 0 &&
               (row(y)[x] & kColourBits) != borderBits;
    };

    std::size_t painted = 0;
    std::vector<Seed> seeds{{start.x, start.y}};
    while (!seeds.empty()) {
        const Seed seed = seeds.back();
        seeds.pop_back();
        if (!open(seed.x, seed.y)) continue;
        int left = seed.x;
        while (left > 0 && open(left - 1, seed.y)) --left;
        int right = seed.x;
        while (right + 1 < w && open(right + 1, seed.y)) ++right;
        std::uint32_t* line = row(seed.y);
        std::uint8_t* mark = done.data() + static_cast<std::size_t>(seed.y) * w;
        for (int x = left; x <= right; ++x) {
            line[x] = fillBits;
            mark[x] = 1;
        }
        painted += static_cast<std::size_t>(right - left + 1);
        // One seed per open run in the rows above and below.
        for (const int y : {seed.y - 1, seed.y + 1}) {
            if (y < 0 || y >= h) continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool isOpen = open(x, y);
                if (isOpen && !inRun) seeds.push_back({x, y});
                inRun = isOpen;
            }
        }
    }
    return painted;
}

std::size_t floodFill(Canvas& canvas, CanvasPoint start, Rgb border, Rgb fill) {
    const std::optional<PixelView> view = canvas.pixels();
    if (!view) return 0;
    const std::size_t painted = floodFill(*view, start, border, fill);
    if (painted > 0) canvas.pixelsChanged();
    return painted;
}

}  // namespace textaria::platform
