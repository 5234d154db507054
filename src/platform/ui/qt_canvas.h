// The canvas on a QImage, and picture files through Qt's image plugins (JPEG by libjpeg).
#pragma once

#include <QImage>

#include "platform/canvas.h"

class QPainter;

namespace textaria::platform {

class QtCanvas final : public Canvas {
  public:
    // A white picture of the given size, at 96 pixels per inch.
    QtCanvas(int width, int height);

    // Replaces the picture by a white one of the new size; pen, brush and font stay.
    void resize(int width, int height);
    const QImage& image() const { return image_; }

    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    void setPen(const Pen& pen) override { pen_ = pen; }
    void setBrush(const Brush& brush) override { brush_ = brush; }
    void setFont(const CanvasFont& font) override { font_ = font; }
    const Pen& pen() const override { return pen_; }
    const Brush& brush() const override { return brush_; }
    const CanvasFont& font() const override { return font_; }

    void drawLine(CanvasPoint from, CanvasPoint to) override;
    void drawPolyline(const std::vector<CanvasPoint>& points) override;
    void drawRectangle(const CanvasRect& rect) override;
    void drawEllipse(const CanvasRect& bounds) override;
    void drawArc(const CanvasRect& bounds, CanvasPoint start, CanvasPoint end) override;
    void drawPie(const CanvasRect& bounds, CanvasPoint start, CanvasPoint end) override;
    void drawText(CanvasPoint topLeft, std::string_view text, Rgb color) override;
    TextExtent textExtent(std::string_view text) const override;

    Rgb pixel(int x, int y) const override;
    void fill(Rgb color) override;
    void stretchDraw(const CanvasRect& target, const CanvasImage& image) override;
    CanvasImage snapshot() const override;
    std::optional<PixelView> pixels() override;

  private:
    // Sets up a painter with the pen, brush and raster mode; false when nothing would show.
    void preparePainter(QPainter& painter, bool withBrush) const;

    QImage image_;
    Pen pen_;
    Brush brush_;
    CanvasFont font_;
};

class QtPictureFiles final : public PictureFiles {
  public:
    bool save(const CanvasImage& image, const std::string& path, PictureFormat format,
              int quality) override;
    std::optional<CanvasImage> load(const std::string& path) override;
};

// Conversions between the logic's picture and Qt's.
QImage toQImage(const CanvasImage& image);
CanvasImage fromQImage(const QImage& image);

}  // namespace textaria::platform
