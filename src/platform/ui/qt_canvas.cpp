#include "platform/ui/qt_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace textaria::platform {

namespace {

constexpr int kDotsPerMeter96 = 3780;  // 96 pixels per inch

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QFont toQFont(const CanvasFont& font) {
    QFont f(QString::fromStdString(font.family));
    f.setPointSizeF(font.points > 0 ? font.points : 1.0);
    f.setBold(font.bold);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QRect toQRect(const CanvasRect& r) {
    // Outlines run along the last pixel inside right and bottom.
    return QRect(r.left, r.top, std::max(0, r.right - r.left - 1),
                 std::max(0, r.bottom - r.top - 1));
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The angle (in degrees, counter-clockwise from 3 o'clock) of the point of the ellipse that
// lies on the ray from its centre towards p, in Qt's parametric form.
double rayAngle(const QRectF& box, CanvasPoint p) {
    const double cx = box.center().x();
    const double cy = box.center().y();
    const double rx = std::max(box.width() / 2, 1e-9);
    const double ry = std::max(box.height() / 2, 1e-9);
    const double dx = p.x - cx;
    const double dy = cy - p.y;
    return std::atan2(dy / ry, dx / rx) * 180.0 / std::numbers::pi;
}

// Start and span in sixteenths of a degree; equal rays give the whole ellipse.
std::pair<int, int> arcAngles(const QRectF& box, CanvasPoint start, CanvasPoint end) {
    const double a1 = rayAngle(box, start);
    double span = rayAngle(box, end) - a1;
    while (span <= 0) span += 360.0;
    while (span > 360.0) span -= 360.0;
    return {static_cast<int>(std::lround(a1 * 16)), static_cast<int>(std::lround(span * 16))};
}

}  // namespace

QtCanvas::QtCanvas(int width, int height) { resize(width, height); }

void QtCanvas::resize(int width, int height) {
    image_ = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    image_.setDotsPerMeterX(kDotsPerMeter96);
    image_.setDotsPerMeterY(kDotsPerMeter96);
    image_.fill(Qt::white);
}

void QtCanvas::preparePainter(QPainter& painter, bool withBrush) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (pen_.visible) {
        QPen pen(toQColor(pen_.color), std::max(1, pen_.width));
        pen.setStyle(pen_.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
        pen.setCapStyle(pen_.width > 1 ? Qt::RoundCap : Qt::SquareCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    if (withBrush && !brush_.hollow)
        painter.setBrush(toQColor(brush_.color));
    else
        painter.setBrush(Qt::NoBrush);
    if (pen_.mode == PenMode::NotXor)
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
}

void QtCanvas::drawLine(CanvasPoint from, CanvasPoint to) {
    if (!pen_.visible) return;
    QPainter painter(&image_);
    preparePainter(painter, false);
    painter.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QtCanvas::drawPolyline(const std::vector<CanvasPoint>& points) {
    if (!pen_.visible || points.empty()) return;
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const CanvasPoint& p : points) polygon << QPoint(p.x, p.y);
    QPainter painter(&image_);
    preparePainter(painter, false);
    if (polygon.size() == 1)
        painter.drawPoint(polygon.first());
    else
        painter.drawPolyline(polygon);
}

void QtCanvas::drawRectangle(const CanvasRect& rect) {
    QPainter painter(&image_);
    preparePainter(painter, true);
    painter.drawRect(toQRect(rect));
}

void QtCanvas::drawEllipse(const CanvasRect& bounds) {
    QPainter painter(&image_);
    preparePainter(painter, true);
    painter.drawEllipse(toQRect(bounds));
}

void QtCanvas::drawArc(const CanvasRect& bounds, CanvasPoint start, CanvasPoint end) {
    if (!pen_.visible) return;
    const QRect box = toQRect(bounds);
    const auto [a, span] = arcAngles(QRectF(box), start, end);
    QPainter painter(&image_);
    preparePainter(painter, false);
    painter.drawArc(box, a, span);
}

void QtCanvas::drawPie(const CanvasRect& bounds, CanvasPoint start, CanvasPoint end) {
    const QRect box = toQRect(bounds);
    const auto [a, span] = arcAngles(QRectF(box), start, end);
    QPainter painter(&image_);
    preparePainter(painter, true);
    painter.drawPie(box, a, span);
}

void QtCanvas::drawText(CanvasPoint topLeft, std::string_view text, Rgb color) {
    if (text.empty()) return;
    const QFont font = toQFont(font_);
    const QFontMetrics metrics(font, &image_);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(toQColor(color));
    painter.drawText(QPoint(topLeft.x, topLeft.y + metrics.ascent()), toQString(text));
}

TextExtent QtCanvas::textExtent(std::string_view text) const {
    const QFontMetrics metrics(toQFont(font_), &image_);
    return {metrics.horizontalAdvance(toQString(text)), metrics.height()};
}

Rgb QtCanvas::pixel(int x, int y) const {
    if (!image_.valid(x, y)) return kWhite;
    return Rgb::fromPacked(static_cast<std::uint32_t>(image_.pixel(x, y)));
}

void QtCanvas::fill(Rgb color) { image_.fill(toQColor(color)); }

void QtCanvas::stretchDraw(const CanvasRect& target, const CanvasImage& image) {
    if (image.empty()) return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(
        QRect(target.left, target.top, target.right - target.left, target.bottom - target.top),
        toQImage(image));
}

CanvasImage QtCanvas::snapshot() const { return fromQImage(image_); }

std::optional<PixelView> QtCanvas::pixels() {
    return PixelView{reinterpret_cast<std::uint32_t*>(image_.bits()), image_.width(),
                     image_.height(), static_cast<int>(image_.bytesPerLine() / 4)};
}

QImage toQImage(const CanvasImage& image) {
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
        const std::uint32_t* source =
            image.pixels.data() + static_cast<std::size_t>(y) * image.width;
        for (int x = 0; x < image.width; ++x) line[x] = source[x] | 0xFF000000u;
    }
    out.setDotsPerMeterX(kDotsPerMeter96);
    out.setDotsPerMeterY(kDotsPerMeter96);
    return out;
}

CanvasImage fromQImage(const QImage& image) {
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    CanvasImage out;
    out.width = rgb.width();
    out.height = rgb.height();
    out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
        std::uint32_t* target = out.pixels.data() + static_cast<std::size_t>(y) * out.width;
        for (int x = 0; x < out.width; ++x) target[x] = line[x] & 0xFFFFFFu;
    }
    return out;
}

bool QtPictureFiles::save(const CanvasImage& image, const std::string& path, PictureFormat format,
                          int quality) {
    if (image.empty()) return false;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, format == PictureFormat::Jpeg ? "jpeg" : "png");
    if (format == PictureFormat::Jpeg) writer.setQuality(quality);
    if (!writer.write(toQImage(image))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<CanvasImage> QtPictureFiles::load(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    const QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    return fromQImage(image);
}

}  // namespace textaria::platform
