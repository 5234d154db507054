// The sound recorder window: the learner records his own speech and plays it back.
#pragma once

#include <QDialog>
#include <memory>

#include "player/media_recorder.h"

class QLabel;
class QPushButton;
class QTimer;

namespace textaria::platform {
class UserDialogs;
}

namespace textaria::player {

class QtRecorderDevice;

class TForm30 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm30(QWidget* parent = nullptr);
    // With another recording folder, for tests and for a data root of its own.
    TForm30(const std::string& folder, QWidget* parent = nullptr);
    ~TForm30() override;

    // Ends the volume control when the window opens and closes; may be null.
    void setPrograms(ExternalPrograms* programs);
    // Messages go here when set; otherwise a message box at the window's centre.
    void setDialogs(platform::UserDialogs* dialogs) { dialogs_ = dialogs; }

    Recorder& recorder() { return *recorder_; }
    QtRecorderDevice& device() { return *device_; }

    QPushButton* Button1;  // "Rec"
    QPushButton* Button2;  // "Play/Stop"
    QPushButton* Button3;  // "Quit"
    QLabel* Panel2;        // recorded seconds
    QTimer* Timer1;

    void Button1Click();
    void Button2Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

  private:
    void FormCreate(const std::string& folder);
    void FormActivate();
    void FormClose();
    void react(const RecorderReaction& reaction);
    void refresh();

    QtRecorderDevice* device_;
    std::unique_ptr<Recorder> recorder_;
    ExternalPrograms* programs_ = nullptr;
    platform::UserDialogs* dialogs_ = nullptr;
    bool closed_ = true;
};

}  // namespace textaria::player
