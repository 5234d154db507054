#include "player/ui/tavsound1_u.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "platform/ui/accessibility.h"
#include "platform/user_dialogs.h"
#include "player/texts.h"
#include "player/ui/media_qt_recorder.h"

namespace textaria::player {

namespace {

// Layout at 1024 x 768, 96 dpi; scaled to the screen when the window is made.
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 30;
constexpr int kGap = 10;

std::string defaultFolder() {
    return recordingFolder(QDir::tempPath().toStdString(), QDir::homePath().toStdString());
}

}  // namespace

TForm30::TForm30(QWidget* parent) : TForm30(defaultFolder(), parent) {}

TForm30::TForm30(const std::string& folder, QWidget* parent)
    : QDialog(parent), device_(new QtRecorderDevice(this)) {
    FormCreate(folder);
}

TForm30::~TForm30() {
    if (!closed_) FormClose();
}

void TForm30::FormCreate(const std::string& folder) {
    setWindowTitle(QString::fromUtf8(texts::kRecorderCaption));
    setObjectName(QStringLiteral("Form30"));
    setModal(true);

    double scale = 1.0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        scale = recorderScale(screen->geometry().width(), screen->geometry().height(),
                              static_cast<int>(std::lround(screen->logicalDotsPerInch())));
    }
    auto px = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };

    Panel2 = new QLabel(QStringLiteral("0"), this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setAutoFillBackground(true);
    Panel2->setGeometry(px(kGap), px(kGap), px(3 * kButtonWidth + 2 * kGap), px(kButtonHeight));

    Button1 = new QPushButton(QString::fromUtf8(texts::kRecButton), this);
    Button2 = new QPushButton(QString::fromUtf8(texts::kPlayStopButton), this);
    Button3 = new QPushButton(QString::fromUtf8(texts::kQuitButton), this);
    const int top = 2 * kGap + kButtonHeight;
    QPushButton* row[] = {Button1, Button2, Button3};
    for (int i = 0; i < 3; ++i) {
        row[i]->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        row[i]->setAutoDefault(false);
        row[i]->setGeometry(px(kGap + i * (kButtonWidth + kGap)), px(top), px(kButtonWidth),
                            px(kButtonHeight));
    }
    // The client area ends 10 pixels beyond "Quit".
    setFixedSize(Button3->geometry().right() + 1 + px(kGap),
                 Button3->geometry().bottom() + 1 + px(kGap));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(pal);
    setAutoFillBackground(true);

    platform::describeForScreenReaders(Panel2, texts::kAccessibleRecordedSeconds);
    Button1->setAccessibleDescription(QString::fromUtf8(texts::kDescribeRecord));
    Button2->setAccessibleDescription(QString::fromUtf8(texts::kDescribePlayStop));
    Button3->setAccessibleDescription(QString::fromUtf8(texts::kDescribeQuit));
    platform::chainTabOrder({Button1, Button2, Button3});
    platform::FocusFrame::install(this);

    connect(Button1, &QPushButton::clicked, this, &TForm30::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm30::Button2Click);
    connect(Button3, &QPushButton::clicked, this, [this] { close(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] {
        recorder_->Timer1Timer();
        refresh();
    });

    recorder_ = std::make_unique<Recorder>(*device_, folder, programs_);
}

void TForm30::setPrograms(ExternalPrograms* programs) {
    programs_ = programs;
    recorder_->setPrograms(programs);
}

void TForm30::refresh() {
    Panel2->setText(QString::fromStdString(recorder_->counterText()));
    Panel2->setAccessibleDescription(Panel2->text());
    if (recorder_->timerRunning() && !Timer1->isActive()) Timer1->start();
    if (!recorder_->timerRunning() && Timer1->isActive()) Timer1->stop();
}

void TForm30::FormActivate() {
    recorder_->FormActivate();
    closed_ = false;
    refresh();
}

void TForm30::FormClose() {
    recorder_->FormClose();
    closed_ = true;
    refresh();
}

void TForm30::Button1Click() { react(recorder_->Button1Click()); }

void TForm30::Button2Click() { react(recorder_->Button2Click()); }

void TForm30::react(const RecorderReaction& reaction) {
    refresh();
    if (!reaction.message.empty()) {
        const QPoint centre = mapToGlobal(rect().center());
        if (dialogs_) {
            dialogs_->informationAt(reaction.message, {centre.x(), centre.y()});
        } else {
            QMessageBox box(QMessageBox::Information, windowTitle(),
                            QString::fromStdString(reaction.message), QMessageBox::Ok, this);
            box.adjustSize();
            box.move(centre - QPoint(box.width() / 2, box.height() / 2));
            box.exec();
        }
    }
    QPushButton* target = reaction.focus == RecorderButton::Rec        ? Button1
                          : reaction.focus == RecorderButton::PlayStop ? Button2
                                                                       : nullptr;
    if (target) {
        target->setFocus();
        QCursor::setPos(target->mapToGlobal(target->rect().center()));
    }
}

// Activation of the window in the original sense is its opening: message boxes of its own
// must not reset a running recording.
void TForm30::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void TForm30::closeEvent(QCloseEvent* event) {
    if (!closed_) FormClose();
    QDialog::closeEvent(event);
}

void TForm30::done(int result) {
    if (!closed_) FormClose();
    QDialog::done(result);
}

}  // namespace textaria::player
