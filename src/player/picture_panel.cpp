#include "player/picture_panel.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <fstream>

namespace textaria::player {

namespace {

int roundToInt(double value) { return static_cast<int>(std::lround(value)); }

PixelSize scaled(PixelSize size, double factor) {
    return {std::max(1, roundToInt(size.width * factor)),
            std::max(1, roundToInt(size.height * factor))};
}

// A caption font larger than this is never looked for, whatever the text heights say.
constexpr int kLargestCaptionPoints = 400;

}  // namespace

std::optional<double> quickZoomFactor(int level) {
    switch (level) {
        case 1:
            return 1.1;
        case 2:
            return 1.2;
        case 3:
            return 1.3;
        default:
            return std::nullopt;
    }
}

std::optional<int> pictureZoomLevel(std::string_view typed) {
    while (!typed.empty() && static_cast<unsigned char>(typed.front()) <= ' ')
        typed.remove_prefix(1);
    while (!typed.empty() && static_cast<unsigned char>(typed.back()) <= ' ')
        typed.remove_suffix(1);
    double value = 0;
    const char* end = typed.data() + typed.size();
    const auto [ptr, ec] = std::from_chars(typed.data(), end, value);
    if (typed.empty() || ec != std::errc() || ptr != end) return 0;
    if (value == 0 || value == 1 || value == 2 || value == 3) return static_cast<int>(value);
    return std::nullopt;
}

PictureLayout layoutPicture(PixelSize source, PixelSize area, int screenHeight,
                            std::optional<double> zoom, int captionHeight) {
    PictureLayout layout;
    if (source.width <= 0 || source.height <= 0) source = area;
    const int limit = roundToInt(screenHeight * kUnscaledShare);
    if (source.width <= limit && source.height <= limit) {
        layout.picture = source;
    } else {
        const double factor = source.width > source.height
                                  ? static_cast<double>(area.width) / source.width
                                  : static_cast<double>(area.height) / source.height;
        layout.picture = scaled(source, factor);
    }
    const int pictureBottom = kPictureInset + layout.picture.height;
    if (zoom) {
        layout.picture = scaled(layout.picture, *zoom);
        layout.zoomed = true;
        layout.panel = {layout.picture.width + 24, layout.picture.height + 4 * captionHeight};
        layout.captionTop = kPictureInset + layout.picture.height + kCaptionLineGap;
        layout.dragLineTop = kPictureInset + layout.picture.height + 2 * captionHeight;
        return layout;
    }
    layout.panel = {layout.picture.width + kPanelMarginWidth,
                    layout.picture.height + kPanelMarginHeight};
    layout.captionTop = pictureBottom + kCaptionLineGap;
    layout.dragLineTop = layout.captionTop + captionHeight + kDragLineGap;
    return layout;
}

PixelPoint defaultPanelPlace(PixelSize panel, PixelSize window, int pageTop, bool sideListShown) {
    const int x = window.width - panel.width - kPanelEdge;
    const int y = sideListShown ? pageTop : window.height - panel.height - kPanelEdge;
    return keepPanelInside({x, std::max(pageTop, y)}, panel, window);
}

PixelPoint keepPanelInside(PixelPoint at, PixelSize panel, PixelSize window) {
    // A panel larger than the window keeps its top left corner in view; a smaller one stays
    // wholly inside.
    const int maxX = std::max(0, window.width - panel.width);
    const int maxY = std::max(0, window.height - panel.height);
    return {std::clamp(at.x, 0, maxX), std::clamp(at.y, 0, maxY)};
}

CaptionOnPicture captionOnPicture(int pictureHeight, int dpi,
                                  const std::function<int(int pointSize)>& textHeight) {
    const int wanted = roundToInt(pictureHeight / 25.0);
    int s = 1;
    while (s < kLargestCaptionPoints && textHeight(s) <= wanted) ++s;
    const bool fine = dpi >= 120;
    int size = fine ? s : s + 2;
    if (pictureHeight > 1600)
        size = fine ? s - 8 : s - 6;
    else if (pictureHeight > 1000)
        size = fine ? s - 6 : s - 4;
    // Very small fonts stay readable: a size below 1 point cannot be drawn at all.
    size = std::max(1, size);

    CaptionOnPicture caption;
    caption.pointSize = size;
    caption.textHeight = textHeight(size);
    const double above = pictureHeight > 1600 ? 1.75 : 1.5;
    caption.bandTop = pictureHeight - 2 * caption.textHeight;
    caption.textAt = {caption.textHeight, pictureHeight - roundToInt(above * caption.textHeight)};
    return caption;
}

std::optional<PixelSize> pictureFileSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    auto byte = [&in]() -> int {
        const int c = in.get();
        return c == std::char_traits<char>::eof() ? -1 : c;
    };
    auto word = [&byte]() -> int {
        const int hi = byte();
        const int lo = byte();
        return hi < 0 || lo < 0 ? -1 : hi << 8 | lo;
    };
    const int first = byte();
    const int second = byte();
    if (first == 0x89 && second == 'P') {
        std::array<unsigned char, 22> header{};
        in.read(reinterpret_cast<char*>(header.data()), header.size());
        if (in.gcount() != static_cast<std::streamsize>(header.size())) return std::nullopt;
        auto big = [&header](std::size_t at) {
            return static_cast<long>(header[at]) << 24 | header[at + 1] << 16 |
                   header[at + 2] << 8 | header[at + 3];
        };
        const long w = big(14);
        const long h = big(18);
        if (w <= 0 || h <= 0 || w > 1 << 16 || h > 1 << 16) return std::nullopt;
        return PixelSize{static_cast<int>(w), static_cast<int>(h)};
    }
    if (first != 0xFF || second != 0xD8) return std::nullopt;
    for (;;) {
        int marker = byte();
        if (marker != 0xFF) return std::nullopt;
        while (marker == 0xFF) marker = byte();
        if (marker < 0 || marker == 0xD9 || marker == 0xDA) return std::nullopt;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
        const int length = word();
        if (length < 2) return std::nullopt;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            byte();  // sample precision
            const int h = word();
            const int w = word();
            if (w <= 0 || h <= 0) return std::nullopt;
            return PixelSize{w, h};
        }
        in.seekg(length - 2, std::ios::cur);
        if (!in) return std::nullopt;
    }
}

}  // namespace textaria::player
