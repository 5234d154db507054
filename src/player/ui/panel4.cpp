#include "player/ui/panel4.h"

#include <QDialog>
#include <QEventLoop>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "player/texts.h"
#include "player/ui/media_qt_player.h"

namespace textaria::player {

namespace {

struct ButtonLook {
    PlayerButton button;
    QStyle::StandardPixmap icon;
    const char* name;
};

constexpr ButtonLook kButtons[] = {
    {PlayerButton::Play, QStyle::SP_MediaPlay, "Play"},
    {PlayerButton::Pause, QStyle::SP_MediaPause, "Pause"},
    {PlayerButton::Stop, QStyle::SP_MediaStop, "Stop"},
    {PlayerButton::Next, QStyle::SP_MediaSkipForward, "Next"},
    {PlayerButton::Prev, QStyle::SP_MediaSkipBackward, "Prev"},
    {PlayerButton::Step, QStyle::SP_MediaSeekForward, "Step"},
    {PlayerButton::Back, QStyle::SP_MediaSeekBackward, "Back"},
};

// Lets window events run for a moment while a slide show waits for its sound.
void pumpEvents() {
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

Panel4::Panel4(QWidget* parent) : QFrame(parent), ownPlayer_(std::make_unique<QtMediaPlayer>()) {
    media_ = std::make_unique<MediaControl>(*ownPlayer_);
    build();
}

Panel4::Panel4(MediaPlayer& player, QWidget* parent)
    : QFrame(parent), media_(std::make_unique<MediaControl>(player)) {
    build();
}

Panel4::~Panel4() {
    // No more redraws once the widgets are on their way out.
    media_->setViewSink(nullptr);
}

void Panel4::build() {
    setObjectName(QStringLiteral("Panel4"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(1);
    for (const auto& look : kButtons) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1("MediaPlayer1") + QString::fromLatin1(look.name));
        b->setIcon(style()->standardIcon(look.icon));
        b->setToolTip(QString::fromLatin1(look.name));
        const PlayerButton which = look.button;
        connect(b, &QToolButton::clicked, this,
                [this, which] { media_->MediaPlayer1Click(which); });
        buttons_[static_cast<std::size_t>(which)] = b;
        buttonRow->addWidget(b);
    }
    buttonRow->addStretch();

    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(0, 100);
    ScrollBar1->setPageStep(10);
    ScrollBar1->setFocusPolicy(Qt::StrongFocus);
    ScrollBar1->installEventFilter(this);
    connect(ScrollBar1, &QScrollBar::sliderPressed, this, [this] { media_->ScrollBar1Enter(); });
    // actionTriggered comes only from the user; the slider position already holds the target.
    connect(ScrollBar1, &QScrollBar::actionTriggered, this,
            [this](int) { media_->ScrollBar1Scroll(ScrollBar1->sliderPosition()); });

    Label17 = new QLabel(QString::fromUtf8(texts::kSoundStopped), this);
    Label17->setObjectName(QStringLiteral("Label17"));
    Label17->setMinimumWidth(110);

    auto* barRow = new QHBoxLayout;
    barRow->addWidget(ScrollBar1, 1);
    barRow->addWidget(Label17);

    Button12 = new QPushButton(QString::fromUtf8(texts::kVolumeButton), this);
    Button12->setObjectName(QStringLiteral("Button12"));
    Button10 = new QPushButton(QString::fromUtf8(texts::kSoundOnOffButton), this);
    Button10->setObjectName(QStringLiteral("Button10"));
    Button11 = new QPushButton(QString::fromUtf8(texts::kRecorderButton), this);
    Button11->setObjectName(QStringLiteral("Button11"));
    connect(Button12, &QPushButton::clicked, this, [this] { media_->Button12Click(); });
    connect(Button10, &QPushButton::clicked, this, [this] { media_->Button10Click(); });
    connect(Button11, &QPushButton::clicked, this, [this] { Button11Click(); });
    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(Button12);
    commandRow->addWidget(Button10);
    commandRow->addWidget(Button11);

    DragLabel = new QLabel(QString::fromUtf8(texts::kMediaPanelDrag), this);
    DragLabel->setObjectName(QStringLiteral("DragLabel"));
    DragLabel->setCursor(Qt::SizeAllCursor);
    DragLabel->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addLayout(buttonRow);
    layout->addLayout(barRow);
    layout->addLayout(commandRow);
    layout->addWidget(DragLabel);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { media_->Timer1Timer(); });

    media_->setEventPump(pumpEvents);
    media_->setViewSink(this);
    adjustSize();
}

QToolButton* Panel4::playerButton(PlayerButton button) const {
    return buttons_[static_cast<std::size_t>(button)];
}

void Panel4::showMedia(const MediaView& view) {
    if (view.panelVisible == isHidden()) {
        setVisible(view.panelVisible);
        if (view.panelVisible) raise();
    }
    Label17->setVisible(view.labelVisible);
    Label17->setText(QString::fromStdString(view.positionLabel));
    if (!ScrollBar1->isSliderDown()) ScrollBar1->setValue(view.barPosition);
    ScrollBar1->setEnabled(view.barEnabled);
    if (view.timerRunning && !Timer1->isActive()) Timer1->start();
    if (!view.timerRunning && Timer1->isActive()) Timer1->stop();
}

void Panel4::Button11Click() {
    media_->Button11Click();
    if (recorder_) recorder_->exec();
}

bool Panel4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScrollBar1 && event->type() == QEvent::FocusIn) {
        // Entered by the learner, not by the window handing out focus on its own.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
            reason == Qt::BacktabFocusReason) {
            media_->ScrollBar1Enter();
        }
    } else if (watched == DragLabel) {
        // The label moves the whole panel within the main window.
        const bool isMouse = event->type() == QEvent::MouseButtonPress ||
                             event->type() == QEvent::MouseMove ||
                             event->type() == QEvent::MouseButtonRelease;
        auto* mouse = isMouse ? static_cast<QMouseEvent*>(event) : nullptr;
        switch (isMouse ? event->type() : QEvent::None) {
            case QEvent::MouseButtonPress:
                if (mouse->button() == Qt::LeftButton) {
                    dragging_ = true;
                    dragOffset_ = mouse->globalPosition().toPoint() - pos();
                    return true;
                }
                break;
            case QEvent::MouseMove:
                if (dragging_) {
                    QPoint target = mouse->globalPosition().toPoint() - dragOffset_;
                    if (parentWidget()) {
                        const QRect area = parentWidget()->rect();
                        target.setX(std::clamp(target.x(), 0, std::max(0, area.width() - width())));
                        target.setY(
                            std::clamp(target.y(), 0, std::max(0, area.height() - height())));
                    }
                    move(target);
                    return true;
                }
                break;
            case QEvent::MouseButtonRelease:
                dragging_ = false;
                break;
            default:
                break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace textaria::player
