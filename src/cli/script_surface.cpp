#include "cli/script_surface.h"

#include <QGuiApplication>

namespace textaria::cli {

namespace {

// Texts need a QGuiApplication; without a display it runs on the offscreen platform.
void ensureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "textaria-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace

ScriptSurface::ScriptSurface(int side) {
    ensureGuiApplication();
    canvas_ = std::make_unique<platform::QtCanvas>(side, side);
    const int screenHeight = static_cast<int>(std::lround(side / 0.67));
    drawing_ =
        std::make_unique<script::DrawingContext>(*canvas_, script::ScreenFacts{screenHeight, 96.0});
    drawing_->pictureFiles = &files_;
    host_ = std::make_unique<script::DrawingHost>(*drawing_);
}

ScriptSurface::~ScriptSurface() = default;

bool ScriptSurface::save(const std::string& png, const std::string& jpeg, std::string& error) {
    const platform::CanvasImage image = canvas_->snapshot();
    if (!png.empty() && !files_.save(image, png, platform::PictureFormat::Png, 0)) {
        error = png + ": cannot be written";
        return false;
    }
    if (!jpeg.empty() && !files_.save(image, jpeg, platform::PictureFormat::Jpeg, 90)) {
        error = jpeg + ": cannot be written";
        return false;
    }
    return true;
}

}  // namespace textaria::cli
