// The picture panel Panel5 and the slide-show panel Panel2 of the main window: they paint what
// the player lays out and hand clicks, drags and timer ticks back to it.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "lesson/scaling.h"
#include "player/texts.h"
#include "player/ui/tform1.h"

namespace textaria::player {

namespace {

// The slide show's buttons stand over the page labels, which refuse while a show runs.
constexpr QRect kSlidePanelDesign{548, 5, 302, 30};

QLabel* makeSlideLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    return label;
}

QFont captionFont(int pointSize) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(std::max(1, pointSize));
    return font;
}

// The caption of a slide on a grey band across the picture's bottom.
void drawCaption(QImage& image, const std::string& text, int dpi) {
    const QSize shown = image.deviceIndependentSize().toSize();
    const CaptionOnPicture caption = captionOnPicture(
        shown.height(), dpi, [](int points) { return QFontMetrics(captionFont(points)).height(); });
    QPainter painter(&image);
    const QColor grey(kCaptionBandGrey, kCaptionBandGrey, kCaptionBandGrey);
    painter.setPen(QPen(grey, kCaptionBandBorder));
    painter.setBrush(grey);
    painter.drawRect(0, caption.bandTop, shown.width(), shown.height() - caption.bandTop);
    const QFont font = captionFont(caption.pointSize);
    painter.setFont(font);
    painter.setPen(Qt::yellow);
    painter.drawText(caption.textAt.x, caption.textAt.y + QFontMetrics(font).ascent(),
                     QString::fromStdString(text));
}

}  // namespace

void TForm1::createPictureControls() {
    Panel5 = new QFrame(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFrameShape(QFrame::Panel);
    Panel5->setFrameShadow(QFrame::Raised);
    Panel5->setAutoFillBackground(true);
    Panel5->setCursor(Qt::SizeAllCursor);
    Image1 = new QLabel(Panel5);
    Image1->setObjectName(QStringLiteral("Image1"));
    Label18 = new QLabel(QString::fromUtf8(texts::kPictureCaptionLine), Panel5);
    Label18->setObjectName(QStringLiteral("Label18"));
    Label34 = new QLabel(QString::fromUtf8(texts::kPictureDragLine), Panel5);
    Label34->setObjectName(QStringLiteral("Label34"));
    for (QWidget* part : {static_cast<QWidget*>(Panel5), static_cast<QWidget*>(Image1),
                          static_cast<QWidget*>(Label18), static_cast<QWidget*>(Label34)})
        part->installEventFilter(this);
    Panel5->resize(kPictureArea.width + kPanelMarginWidth,
                   kPictureArea.height + kPanelMarginHeight);
    // The panel's lines are smaller than the window's text, so that they fit a small picture.
    QFont lineFont = font();
    lineFont.setPointSize(std::max(6, lineFont.pointSize() - 5));
    Label18->setFont(lineFont);
    Label34->setFont(lineFont);
    Panel5->hide();

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(kSlidePanelDesign);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setAutoFillBackground(true);
    QPalette colours = Panel2->palette();
    colours.setColor(QPalette::Window, QColor(40, 60, 100));
    Panel2->setPalette(colours);
    Label1 = makeSlideLabel(Panel2, "Label1", texts::kSlideForward);
    Label2 = makeSlideLabel(Panel2, "Label2", texts::kSlideBack);
    Label3 = makeSlideLabel(Panel2, "Label3", texts::kSlidePause);
    const int third = kSlidePanelDesign.width() / 3;
    Label2->setGeometry(0, 0, third, kSlidePanelDesign.height());
    Label1->setGeometry(third, 0, third, kSlidePanelDesign.height());
    Label3->setGeometry(2 * third, 0, third, kSlidePanelDesign.height());
    for (QLabel* label : {Label1, Label2, Label3}) label->installEventFilter(this);
    Panel2->hide();

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer2, &QTimer::timeout, this, [this] { player_->Timer2Timer(); });
}

void TForm1::updatePictureRoom() {
    if (!player_) return;
    // The window's scale against the 1366 x 768 design.
    const double scale = static_cast<double>(width()) / lesson::kReferenceWidth;
    const auto scaled = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
    PictureRoom room;
    room.area = {scaled(kPictureArea.width), scaled(kPictureArea.height)};
    room.pageTop = RichEdit1->y() + kPanelEdge;
    room.window = {width(), height()};
    room.captionHeight = Label18->fontMetrics().height();
    if (const QScreen* screen = this->screen()) room.screenHeight = screen->geometry().height();
    player_->setPictureRoom(room);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updatePictureRoom();
}

bool TForm1::displayPicture(const PictureDisplay& picture) {
    const qreal ratio = Image1->devicePixelRatioF();
    const QSize shown(picture.layout.picture.width, picture.layout.picture.height);
    QImage image = pictureCache_.image(QString::fromStdString(picture.path), shown * ratio);
    if (image.isNull()) {
        showPicturePanel(false);
        return false;
    }
    image.setDevicePixelRatio(ratio);
    if (!picture.caption.empty()) {
        const QScreen* screen = this->screen();
        const int dpi = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
        drawCaption(image, picture.caption, dpi);
    }
    Image1->setPixmap(QPixmap::fromImage(image));
    Image1->setGeometry(picture.layout.pictureAt.x, picture.layout.pictureAt.y, shown.width(),
                        shown.height());
    const int lineWidth = picture.layout.panel.width - 10;
    Label18->setText(QString::fromStdString(picture.captionLine));
    Label18->setGeometry(8, picture.layout.captionTop, lineWidth, Label18->sizeHint().height());
    Label34->setText(QString::fromStdString(picture.dragLine));
    Label34->setGeometry(8, picture.layout.dragLineTop, lineWidth, Label34->sizeHint().height());
    Panel5->setGeometry(picture.at.x, picture.at.y, picture.layout.panel.width,
                        picture.layout.panel.height);
    Panel5->show();
    Panel5->raise();
    if (Panel2->isVisible()) Panel2->raise();
    // The next slide is decoded while this one is looked at.
    if (!picture.nextPath.empty()) {
        pictureCache_.prefetch(QString::fromStdString(picture.nextPath),
                               QSize(picture.nextSize.width, picture.nextSize.height) * ratio);
    }
    return true;
}

void TForm1::showPicturePanel(bool visible) {
    if (!visible) Image1->clear();
    Panel5->setVisible(visible);
    if (visible) Panel5->raise();
}

void TForm1::showSlidePanel(bool visible) {
    Panel2->setVisible(visible);
    if (visible) Panel2->raise();
}

void TForm1::startSlideTimer(int intervalMs) { Timer2->start(intervalMs); }
void TForm1::stopSlideTimer() { Timer2->stop(); }

// A press of Escape counts until the next tick looks at it: a short tap between two ticks ends
// the show as well.
bool TForm1::escapeHeld() { return std::exchange(escapeDown_, false); }

bool TForm1::altHeld() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
}

bool TForm1::pictureEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        // Ticks of an automatic show look whether Escape is held down.
        if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            escapeDown_ = Timer2->isActive();
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == Label1 || watched == Label2 || watched == Label3) {
        if (type != QEvent::MouseButtonRelease || mouse->button() != Qt::LeftButton) return true;
        if (watched == Label1) player_->Label1Click();
        if (watched == Label2) player_->Label2Click();
        if (watched == Label3) player_->Label3Click();
        return true;
    }
    if (watched != Panel5 && watched != Image1 && watched != Label18 && watched != Label34)
        return false;
    if (type == QEvent::MouseButtonDblClick && watched == Image1) {
        player_->Image1DblClick();
        return true;
    }
    const QPoint global = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        pictureDragging_ = true;
        pictureDragOffset_ = global - Panel5->pos();
    } else if (type == QEvent::MouseMove && pictureDragging_) {
        const PixelPoint at = keepPanelInside(
            {global.x() - pictureDragOffset_.x(), global.y() - pictureDragOffset_.y()},
            {Panel5->width(), Panel5->height()}, {width(), height()});
        Panel5->move(at.x, at.y);
    } else if (type == QEvent::MouseButtonRelease && pictureDragging_) {
        pictureDragging_ = false;
        player_->picturePanelMoved({Panel5->x(), Panel5->y()});
    }
    return true;
}

}  // namespace textaria::player
