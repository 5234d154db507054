// Page scripts in the player: the run before the gaps are read, the script's picture, and the
// coordinates of a point on that picture.
#include "calc/numeric_number.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/texts.h"
#include "script/draw_context.h"
#include "script/draw_host.h"
#include "script/draw_surface.h"
#include "script/headless_run.h"

namespace textaria::player {

LessonPlayer::~LessonPlayer() = default;

void LessonPlayer::seed(std::uint64_t seed) {
    letters_ = seededLetterSource(seed);
    pageScripts_.seed(seed);
}

void LessonPlayer::setScriptCanvas(platform::Canvas* canvas) {
    scriptHost_.reset();
    scriptDrawing_.reset();
    if (canvas == nullptr) return;
    scriptDrawing_ = std::make_unique<script::DrawingContext>(
        *canvas, script::screenForSurfaceSide(canvas->width()));
    scriptHost_ = std::make_unique<script::DrawingHost>(*scriptDrawing_);
}

lesson::PageScriptOutcome LessonPlayer::runPageScript(int page, std::string_view pageText) {
    // Without the selection box of the window, a script's boxes are escaped.
    script::ScriptedAnswers nobody;
    script::InputDialogs& input = inputDialogs_ ? *inputDialogs_ : nobody;
    PageScriptServices services{dialogs_, input};
    services.calculator = calculatorVariables_;
    if (scriptDrawing_) {
        // Every page display starts from a white picture.
        scriptDrawing_->shown = false;
        // The graphics text size is the script editor's (F10).
        if (drawing_) scriptDrawing_->graphicsTextSize = drawing_->graphicsTextSize;
        script::clearSurface(*scriptDrawing_);
        services.drawing = scriptDrawing_.get();
        services.host = scriptHost_.get();
    }
    PageScripts::Outcome outcome = pageScripts_.PreparePageScript(page, pageText, services);
    pageScriptRan_ = outcome.page.status != lesson::PageScriptStatus::NotRun;
    pageScriptMessage_ = std::move(outcome.message);
    return outcome.page;
}

bool LessonPlayer::showScriptPicture() {
    if (!pageScriptRan_ || !scriptDrawing_) return false;
    // A coordinate-system page shows the script's graphic; a "*" page shows it unless it
    // has a picture file of its own.
    if (!s_.coordinatePage && !(s_.scriptPicture && pagePicture_.empty())) return false;
    PictureDisplay picture;
    picture.image = scriptDrawing_->surface.snapshot();
    // No quick zoom: the coordinates of a click rely on the picture as the script drew it.
    picture.layout = layoutPicture({picture.image.width, picture.image.height}, room_.area,
                                   room_.screenHeight, std::nullopt, room_.captionHeight);
    picture.captionLine = texts::kPictureCaptionLine;
    picture.dragLine = texts::kPictureDragLine;
    return displayPicture(picture);
}

void LessonPlayer::showCoordinates(int x, int y, int shownWidth, int shownHeight) {
    if (!s_.coordinatePage || !scriptDrawing_ || shownWidth <= 0 || shownHeight <= 0) return;
    const double r = scriptDrawing_->range;
    const double w = shownWidth;
    const double h = shownHeight;
    const double px = (2.0 * r * x - r * w) / w;
    const double py = (-2.0 * r * y + r * h) / h;
    const std::string text = texts::pointCoordinates(calc::formatFixedTrimmed(px, 8, 2),
                                                     calc::formatFixedTrimmed(py, 8, 2));
    platform::ScreenPoint at = view_.picturePointOnScreen(x, y);
    at.x += 5;
    at.y += 30;
    dialogs_.informationAt(text, at);
}

}  // namespace textaria::player
