#include "player/ui/tform1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>
#include <QTextFrame>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "lesson/folders.h"
#include "lesson/startup_setup.h"
#include "lesson/texts.h"
#include "platform/ui/qt_canvas.h"
#include "platform/user_dialogs.h"
#include "platform/wtools_u.h"
#include "player/media_programs.h"
#include "player/ui/page_printer.h"
#include "player/ui/panel4.h"
#include "script/draw_context.h"

namespace textaria::player {

namespace {

// Controls move down by this much in the borderless full-screen window.
constexpr int kFullScreenShift = 24;
// The page view's place in the 1366 x 768 design.
constexpr QRect kPageViewDesign{0, 40, 1366, 700};

QScreen* screenOf(const QWidget* widget) {
    QScreen* screen = widget->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

lesson::ScreenMetrics metricsOf(const QScreen* screen) {
    if (!screen) return {};
    const QRect area = screen->geometry();
    return {area.width(), area.height(),
            static_cast<int>(std::lround(screen->logicalDotsPerInch()))};
}

void scaleFont(QWidget* widget, lesson::ScaleStep step) {
    QFont font = widget->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * step.multiplier / step.divisor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, lesson::scaleValue(font.pixelSize(), step)));
    widget->setFont(font);
}

QRect scaleRect(const QRect& r, lesson::ScaleStep step) {
    return {lesson::scaleValue(r.x(), step), lesson::scaleValue(r.y(), step),
            lesson::scaleValue(r.width(), step), lesson::scaleValue(r.height(), step)};
}

}  // namespace

TForm1::TForm1(lesson::StartupState& state, platform::UserDialogs& dialogs,
               ExternalPrograms& programs, QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs), programs_(programs) {
    FormCreate();
    connectLessonLoader();
}

TForm1::~TForm1() {
    if (player_) {
        // The player may outlive the window.
        player_->setPrinter(nullptr);
        player_->setSlideTimer(nullptr);
    }
    if (!closedDown_) FormClose();
}

void TForm1::attach(LessonPlayer& player) {
    player_ = &player;
    player.setMedia(&Panel4->media());
    printer_ = std::make_unique<DialogPagePrinter>(this, *RichEdit3, lessonPlainText_,
                                                   RichEdit1->document(), choosePrinter);
    player.setPrinter(printer_.get());
    // Page scripts draw on a surface as large as the script editor's on this screen.
    const QScreen* screen = screenOf(this);
    const int side = script::surfaceSideForScreen(screen ? screen->geometry().height() : 1080);
    scriptCanvas_ = std::make_unique<platform::QtCanvas>(side, side);
    player.setScriptCanvas(scriptCanvas_.get());
    player.setSlideTimer(this);
    updatePictureRoom();
}

void TForm1::FormCreate() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TEXTARIA"));
    resize(lesson::kReferenceWidth, lesson::kReferenceHeight);
    QFont windowFont = font();
    windowFont.setPointSize(lesson::kWindowFontPoints);
    setFont(windowFont);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(kPageViewDesign);
    RichEdit1->setReadOnly(true);
    createLessonControls();

    for (const auto& message :
         lesson::setUpStartupState(state_, platform::TempFolder(), platform::VolumeProgramName()))
        dialogs_.information(message);

    ScaleMainWindow();
    lesson::rememberRestoreSize(state_, width(), height());

    RichEdit1->setPlainText(QStringLiteral("\n") + QString::fromUtf8(lesson::texts::kPleaseWait));
    applyPageMargins();

    if (state_.FullScreenMode) enterFullScreen();
}

void TForm1::ScaleMainWindow() {
    const auto steps = lesson::scaleMainWindowSteps(
        metricsOf(screenOf(this)), state_.scaling.ScaleFactorK, state_.scaling.inversePass);
    applyScaleSteps(steps);
    if (!state_.FullScreenMode) setWindowState(Qt::WindowMaximized);
}

void TForm1::rescale(double newK) {
    lesson::beginRescale(state_.scaling);
    ScaleMainWindow();
    lesson::finishRescale(state_.scaling, newK);
    ScaleMainWindow();
    applyPageMargins();
}

void TForm1::applyScaleSteps(const std::vector<lesson::ScaleStep>& steps) {
    for (const auto& step : steps) {
        if (step.divisor <= 0 || step.multiplier <= 0) continue;
        for (QWidget* child : findChildren<QWidget*>()) {
            if (child->isWindow()) continue;
            child->setGeometry(scaleRect(child->geometry(), step));
            if (child->testAttribute(Qt::WA_SetFont)) scaleFont(child, step);
        }
        resize(lesson::scaleValue(width(), step), lesson::scaleValue(height(), step));
        scaleFont(this, step);
    }
}

void TForm1::applyPageMargins() {
    const QScreen* screen = screenOf(this);
    const auto margins =
        lesson::pageMarginsFor(screen ? screen->geometry().height() : lesson::kReferenceHeight);
    QTextFrameFormat format = RichEdit1->document()->rootFrame()->frameFormat();
    format.setLeftMargin(margins.left);
    format.setTopMargin(margins.top);
    format.setRightMargin(margins.right);
    format.setBottomMargin(margins.bottom);
    RichEdit1->document()->rootFrame()->setFrameFormat(format);
}

void TForm1::enterFullScreen() {
    setWindowFlag(Qt::FramelessWindowHint, true);
    if (const QScreen* screen = screenOf(this)) setGeometry(screen->geometry());
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow()) child->move(child->x(), child->y() + kFullScreenShift);
    setWindowState(Qt::WindowFullScreen);
}

void TForm1::leaveFullScreen() {
    setWindowFlag(Qt::FramelessWindowHint, false);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow()) child->move(child->x(), child->y() - kFullScreenShift);
    resize(state_.restoreWidth, state_.restoreHeight);
    setWindowState(Qt::WindowMaximized);
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Without a window manager a window is never activated; the first showing then counts.
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TForm1::FormActivate() {
    // Later activations (after a dialog, for instance) must not load the lesson again.
    if (!lesson::takeFirstActivation(state_)) return;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(80, 100, 140));
    setPalette(colours);
    setAutoFillBackground(true);
    if (state_.facts.ArchiveAppended && state_.workFolderUsable && !writeAppendedArchive()) return;
    emit firstActivation();
}

bool TForm1::writeAppendedArchive() {
    const std::string error = lesson::unpackAppendedArchive(state_);
    if (error.empty()) return true;
    dialogs_.information(error);
    QTimer::singleShot(0, this, &QWidget::close);
    return false;
}

void TForm1::requestOpen(const std::string& file) {
    if (player_) player_->requestOpen(file);
    emit openRequested(QString::fromStdString(file));
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
    emit closed();
}

void TForm1::FormClose() {
    if (closedDown_) return;
    closedDown_ = true;
    if (player_) player_->close();
    programs_.endExternalViewer();
    if (state_.workFolderUsable && lesson::isOwnFolder(state_.WorkFolder))
        platform::EmptyFolder(state_.WorkFolder);
}

}  // namespace textaria::player
