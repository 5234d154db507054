// The movable media panel of the main window: player buttons, progress bar, position label,
// "Volume", "Sound on/off" and "Recorder". The main window embeds it and drives the sounds
// through media(); the panel redraws itself whenever the media state changes.
#pragma once

#include <QFrame>
#include <QPoint>
#include <array>
#include <memory>

#include "player/media_control.h"

class QDialog;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;

namespace textaria::player {

class QtMediaPlayer;

class Panel4 : public QFrame, public MediaViewSink {
    Q_OBJECT

  public:
    // With its own Qt media player.
    explicit Panel4(QWidget* parent = nullptr);
    // With a player supplied by the caller, who keeps it alive longer than the panel.
    explicit Panel4(MediaPlayer& player, QWidget* parent = nullptr);
    ~Panel4() override;

    MediaControl& media() { return *media_; }

    // The window "Recorder" opens modally; without one the button only silences the lesson.
    void setRecorderWindow(QDialog* recorder) { recorder_ = recorder; }

    QToolButton* playerButton(PlayerButton button) const;

    void showMedia(const MediaView& view) override;

    QScrollBar* ScrollBar1;
    QLabel* Label17;
    QPushButton* Button10;  // "Sound on/off"
    QPushButton* Button11;  // "Recorder"
    QPushButton* Button12;  // "Volume"
    QLabel* DragLabel;
    QTimer* Timer1;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void Button11Click();

    std::unique_ptr<QtMediaPlayer> ownPlayer_;
    std::unique_ptr<MediaControl> media_;
    std::array<QToolButton*, 7> buttons_{};
    QDialog* recorder_ = nullptr;
    QPoint dragOffset_;
    bool dragging_ = false;
};

}  // namespace textaria::player
