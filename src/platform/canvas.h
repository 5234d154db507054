// The drawing canvas the logic paints on: the script's drawing surface, the lesson picture and
// the printer page. Coordinates are whole pixels, (0, 0) the top-left corner, y growing
// downwards. Nothing is anti-aliased, so a picture is the same on every canvas.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::platform {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(Rgb, Rgb) = default;
    // 0xRRGGBB, the layout of one pixel in a PixelView.
    std::uint32_t packed() const { return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b; }
    static Rgb fromPacked(std::uint32_t p) {
        return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                static_cast<std::uint8_t>(p)};
    }
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

struct CanvasPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(CanvasPoint, CanvasPoint) = default;
};

// left/top inclusive, right/bottom exclusive, as the classic rectangle calls count.
struct CanvasRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const CanvasRect&, const CanvasRect&) = default;
};

enum class PenStyle { Solid, Dot };
// Copy paints the pen colour; NotXor makes a pixel ~(pen ^ pixel), so a black pen inverts and
// drawing the same line twice restores the picture.
enum class PenMode { Copy, NotXor };

struct Pen {
    Rgb color = kBlack;
    int width = 1;
    bool visible = true;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    bool hollow = true;  // shapes are outlines only, texts have no background
    Rgb color = kWhite;
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct CanvasFont {
    std::string family = "Arial";
    double points = 12.0;  // at 96 pixels per inch
    bool bold = false;
    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

// A picture in memory: 0xRRGGBB per pixel, rows top to bottom.
struct CanvasImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool empty() const { return width <= 0 || height <= 0; }
};

// Direct access to a canvas's pixels for the flood fill; each pixel 0xRRGGBB in the low bits
// (an implementation may keep 0xFF in the top byte and must accept it on writes).
struct PixelView {
    std::uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // pixels per row
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual void setFont(const CanvasFont& font) = 0;
    virtual const Pen& pen() const = 0;
    virtual const Brush& brush() const = 0;
    virtual const CanvasFont& font() const = 0;

    virtual void drawLine(CanvasPoint from, CanvasPoint to) = 0;
    virtual void drawPolyline(const std::vector<CanvasPoint>& points) = 0;
    // Filled with the brush unless it is hollow, outlined with the pen.
    virtual void drawRectangle(const CanvasRect& rect) = 0;
    virtual void drawEllipse(const CanvasRect& bounds) = 0;
    // The part of the ellipse in bounds from the ray towards start counter-clockwise (as seen
    // on the canvas) to the ray towards end; a pie closes it with two radii and fills it.
    virtual void drawArc(const CanvasRect& bounds, CanvasPoint start, CanvasPoint end) = 0;
    virtual void drawPie(const CanvasRect& bounds, CanvasPoint start, CanvasPoint end) = 0;
    // UTF-8 text with its top-left corner at the point, in the given colour, background
    // transparent.
    virtual void drawText(CanvasPoint topLeft, std::string_view text, Rgb color) = 0;
    virtual TextExtent textExtent(std::string_view text) const = 0;

    virtual Rgb pixel(int x, int y) const = 0;
    virtual void fill(Rgb color) = 0;
    virtual void stretchDraw(const CanvasRect& target, const CanvasImage& image) = 0;
    virtual CanvasImage snapshot() const = 0;

    // The pixels for direct reading and writing, when the canvas keeps them in memory.
    virtual std::optional<PixelView> pixels() { return std::nullopt; }
    // Tells the canvas that pixels were written through pixels().
    virtual void pixelsChanged() {}
};

// Saving and loading canvas pictures as files.
enum class PictureFormat { Jpeg, Png };

class PictureFiles {
  public:
    virtual ~PictureFiles() = default;
    // Written to a temporary name and renamed; false when the file could not be written.
    virtual bool save(const CanvasImage& image, const std::string& path, PictureFormat format,
                      int quality) = 0;
    // Decoded to 24-bit colour; nothing when the file cannot be read.
    virtual std::optional<CanvasImage> load(const std::string& path) = 0;
};

}  // namespace textaria::platform
