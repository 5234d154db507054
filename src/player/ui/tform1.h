// The main lesson window. Making it sets up the folders, the program-file facts and the
// screen scaling; its first activation may start a lesson carried by the program file; closing
// it cleans the work folder and ends the program.
#pragma once

#include <QWidget>
#include <vector>

#include "lesson/scaling.h"
#include "lesson/startup_facts.h"

class QTextEdit;

namespace textaria::platform {
class UserDialogs;
}

namespace textaria::player {

class ExternalPrograms;

class TForm1 : public QWidget {
    Q_OBJECT

  public:
    // The state lives as long as the program; the window only holds a reference to it.
    TForm1(lesson::StartupState& state, platform::UserDialogs& dialogs, ExternalPrograms& programs,
           QWidget* parent = nullptr);
    ~TForm1() override;

    lesson::StartupState& state() { return state_; }

    // The page view.
    QTextEdit* RichEdit1 = nullptr;

    // Scales every control by the screen fit and font resolution (one pass; the direction
    // follows the state's inverse-pass flag).
    void ScaleMainWindow();
    // Rescales with a new K: the net effect is K(new) / K(old). Sets the font step.
    void rescale(double newK);

    // A lesson file to load (from --open or from a later start of the program).
    void requestOpen(const std::string& file);

  signals:
    // The first activation after start has run; with an appended archive the lesson loader
    // writes and loads it now.
    void firstActivation();
    // A lesson file was named while the program runs.
    void openRequested(const QString& file);
    // The window has closed and cleaned up; the program ends.
    void closed();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void FormActivate();
    void FormClose();
    // Writes the archive carried by the program file into the work folder and unpacks it;
    // false when it could not be written (the window then closes).
    bool writeAppendedArchive();
    void applyScaleSteps(const std::vector<lesson::ScaleStep>& steps);
    void applyPageMargins();
    void enterFullScreen();

    lesson::StartupState& state_;
    platform::UserDialogs& dialogs_;
    ExternalPrograms& programs_;
    bool closedDown_ = false;
};

}  // namespace textaria::player
