// A canvas that records what is drawn on it, with a pixel buffer for fills and probes.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace textaria::testing {

struct DrawnCall {
    std::string what;  // "line", "polyline", "rect", "ellipse", "arc", "pie", "text", ...
    std::vector<platform::CanvasPoint> points;
    platform::Pen pen;
    std::string text;
    platform::Rgb colour;
};

class FakeCanvas final : public platform::Canvas {
  public:
    FakeCanvas(int w, int h) : w_(w), h_(h), pixels_(static_cast<std::size_t>(w) * h, 0xFFFFFF) {}

    std::vector<DrawnCall> calls;

    int width() const override { return w_; }
    int height() const override { return h_; }
    void setPen(const platform::Pen& pen) override { pen_ = pen; }
    void setBrush(const platform::Brush& brush) override { brush_ = brush; }
    void setFont(const platform::CanvasFont& font) override { font_ = font; }
    const platform::Pen& pen() const override { return pen_; }
    const platform::Brush& brush() const override { return brush_; }
    const platform::CanvasFont& font() const override { return font_; }

    void drawLine(platform::CanvasPoint a, platform::CanvasPoint b) override {
        record("line", {a, b});
    }
    void drawPolyline(const std::vector<platform::CanvasPoint>& points) override {
        record("polyline", points);
    }
    void drawRectangle(const platform::CanvasRect& r) override {
        record("rect", {{r.left, r.top}, {r.right, r.bottom}});
    }
    void drawEllipse(const platform::CanvasRect& r) override {
        record("ellipse", {{r.left, r.top}, {r.right, r.bottom}});
    }
    void drawArc(const platform::CanvasRect& r, platform::CanvasPoint s,
                 platform::CanvasPoint e) override {
        record("arc", {{r.left, r.top}, {r.right, r.bottom}, s, e});
    }
    void drawPie(const platform::CanvasRect& r, platform::CanvasPoint s,
                 platform::CanvasPoint e) override {
        record("pie", {{r.left, r.top}, {r.right, r.bottom}, s, e});
    }
    void drawText(platform::CanvasPoint at, std::string_view text, platform::Rgb colour) override {
        record("text", {at});
        calls.back().text = std::string(text);
        calls.back().colour = colour;
    }
    platform::TextExtent textExtent(std::string_view text) const override {
        return {static_cast<int>(text.size()) * 8, 16};
    }
    platform::Rgb pixel(int x, int y) const override {
        return platform::Rgb::fromPacked(pixels_[static_cast<std::size_t>(y) * w_ + x]);
    }
    void fill(platform::Rgb c) override {
        std::fill(pixels_.begin(), pixels_.end(), c.packed());
        record("fill", {});
    }
    void stretchDraw(const platform::CanvasRect& r, const platform::CanvasImage&) override {
        record("image", {{r.left, r.top}, {r.right, r.bottom}});
    }
    platform::CanvasImage snapshot() const override { return {w_, h_, pixels_}; }
    std::optional<platform::PixelView> pixels() override {
        return platform::PixelView{pixels_.data(), w_, h_, w_};
    }
    void set(int x, int y, platform::Rgb c) {
        pixels_[static_cast<std::size_t>(y) * w_ + x] = c.packed();
    }

    std::vector<DrawnCall> callsOf(const std::string& what) const {
        std::vector<DrawnCall> out;
        for (const auto& c : calls)
            if (c.what == what) out.push_back(c);
        return out;
    }

  private:
    void record(const char* what, std::vector<platform::CanvasPoint> points) {
        calls.push_back({what, std::move(points), pen_, {}, {}});
    }

    int w_;
    int h_;
    std::vector<std::uint32_t> pixels_;
    platform::Pen pen_;
    platform::Brush brush_;
    platform::CanvasFont font_;
};

}  // namespace textaria::testing
