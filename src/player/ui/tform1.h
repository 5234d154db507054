// The main lesson window. Making it sets up the folders, the program-file facts and the
// screen scaling; its first activation may start a lesson carried by the program file; closing
// it cleans the work folder and ends the program.
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lesson/gaps.h"
#include "lesson/markup_options.h"
#include "lesson/scaling.h"
#include "lesson/startup_facts.h"
#include "lesson/ui/place_gap_fields.h"
#include "platform/styled_text.h"
#include "player/evaluation.h"
#include "player/player_state.h"

class QFrame;
class QLabel;
class QPushButton;
class QTextDocument;
class QTextEdit;

namespace textaria::platform {
class UserDialogs;
}

namespace textaria::player {

class ExternalPrograms;
class Panel4;

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

    // The lesson player (tform1_*.cpp).
    QPushButton* Button3 = nullptr;   // "Laden" / "Auswahl"
    QPushButton* Button8 = nullptr;   // "Liste"
    QPushButton* Button6 = nullptr;   // "Bewerten"
    QPushButton* Button5 = nullptr;   // "Lücken"
    QPushButton* Button13 = nullptr;  // "Schrift"
    QLabel* Label20 = nullptr;        // "[ Dn ]"
    QLabel* Label21 = nullptr;        // "[ Up ]"
    QLabel* Label4 = nullptr;         // "[ Rep ]"
    QLabel* Label24 = nullptr;        // page counter
    QLabel* Panel1 = nullptr;         // status panel
    QFrame* Panel3 = nullptr;         // answer and word list
    QLabel* Label13 = nullptr;
    QTextEdit* RichEdit2 = nullptr;
    QFrame* Panel5 = nullptr;  // picture
    QLabel* Image1 = nullptr;
    player::Panel4* Panel4 = nullptr;
    QTextDocument* RichEdit3 = nullptr;  // the whole lesson text, never shown
    lesson::ui::GapFields gapFields{};   // Edit1 .. Edit20
    QColor CorrectionColour;

    PlayerState& player() { return player_; }
    const ScoreBook& scores() const { return scores_; }
    const lesson::GapTable& gapTable() const { return gapTable_; }
    const std::string& lastFeedbackSound() const { return lastFeedbackSound_; }
    // Replaces the file dialog of "Laden" (tests choose the file this way).
    std::function<std::optional<std::string>(const std::string& startFolder)> chooseLessonFile;

    void Button3Click();
    void Button8Click();
    void Button6Click();
    void Button5Click();
    void Button13Click();
    void Label20Click();
    void Label21Click();
    void Label4Click();
    void ShowPage(int n);
    void ShowListPage();
    void ChooseFromList(const std::string& clickedLine);
    void ShowSelection();
    void PickProject(const std::string& clickedLine);
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void FormDblClick(QLineEdit* field);
    // F11: a new screen correction factor K, asked for on the contents screen.
    void screenCorrection();
    void RichEdit1MouseDown(const QPoint& viewportPoint);
    // Loads a lesson file without asking (--open, a later start of the program).
    bool openLesson(const std::string& file);

  signals:
    // The first activation after start has run; with an appended archive the lesson loader
    // writes and loads it now.
    void firstActivation();
    // A lesson file was named while the program runs.
    void openRequested(const QString& file);
    // The window has closed and cleaned up; the program ends.
    void closed();
    // "[ Dn ]", "[ Up ]", "[ Rep ]" or the page view was clicked: the calculator's next
    // opening starts from the variables outside it.
    void calculatorReset();
    // The calculator is to open modally; its result goes into `field` when one is given.
    void calculatorRequested(QLineEdit* field, bool clearVariables);

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

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

    // The lesson player.
    void createLessonControls();
    void layoutLessonControls();
    void connectLessonLoader();
    std::optional<std::string> OpenLessonDialog();
    bool LoadArchiveLesson(const std::string& archive, const std::string& lessonName,
                           bool appended);
    bool openLessonFile(const std::string& file);
    void setLessonText(const platform::StyledText& text);
    void closeLesson();
    void StartLesson();
    void showSingleText();
    void clearPlayerForLoad();
    void hidePagePanels();
    // No page: panels, navigation labels, counter and answer fields hidden, view white.
    void clearPageView();
    void showNavigation(bool down, bool up, bool rep);
    void setStatus(const std::string& text);
    void showPicture(const std::string& path);
    // Gaps found, answer fields laid over them, word list and calculator hint.
    void prepareAnswerFields(const lesson::PageOptions& options);
    void startPageMedia(const lesson::MediaLine& media, bool keepPicture);
    void showWordList(const std::vector<std::string>& words);
    void showAnswerList(const EvaluationResult& result);
    void runPageCommand(const PageCommand& command);
    void childJumpInput();
    bool pageTextEmpty() const;
    std::string lessonFilePath(const std::string& name) const;
    bool isGapField(QObject* object) const;

    PlayerState player_;
    ScoreBook scores_;
    lesson::GapTable gapTable_;
    std::vector<std::string> savedAnswers_;
    std::string lastFeedbackSound_;
    std::string lessonPlainText_;  // RichEdit3 as CR LF text
    QTextDocument* savedSelection_ = nullptr;
    bool dialogUsed_ = false;

    lesson::StartupState& state_;
    platform::UserDialogs& dialogs_;
    ExternalPrograms& programs_;
    bool closedDown_ = false;
};

}  // namespace textaria::player
