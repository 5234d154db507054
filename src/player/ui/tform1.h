// The main lesson window. Making it sets up the folders, the program-file facts and the
// screen scaling; its first activation may start a lesson carried by the program file; closing
// it cleans the work folder and ends the program.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>
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
#include "player/lesson_player.h"
#include "player/player_state.h"
#include "player/player_view.h"
#include "player/slide_show.h"
#include "player/ui/picture_cache.h"

class QFrame;
class QKeyEvent;
class QPainter;
class QLabel;
class QMouseEvent;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QTextDocument;
class QTextEdit;
class QTimer;

namespace textaria::platform {
class QtCanvas;
class UserDialogs;
}  // namespace textaria::platform

namespace textaria::player {

class ExternalPrograms;
class Panel4;
class DialogPagePrinter;

class TForm1 : public QWidget, public PlayerView, public SlideTimer {
    Q_OBJECT

  public:
    // The state lives as long as the program; the window only holds a reference to it.
    TForm1(lesson::StartupState& state, platform::UserDialogs& dialogs, ExternalPrograms& programs,
           QWidget* parent = nullptr);
    ~TForm1() override;

    // The lesson player this window shows; set before the window is first shown.
    void attach(LessonPlayer& player);
    LessonPlayer& lesson() { return *player_; }

    lesson::StartupState& state() { return state_; }

    // The page view.
    QTextEdit* RichEdit1 = nullptr;

    // Scales every control by the screen fit and font resolution (one pass; the direction
    // follows the state's inverse-pass flag).
    void ScaleMainWindow();
    // Rescales with a new K: the net effect is K(new) / K(old). Sets the font step.
    void rescale(double newK) override;

    // A lesson file to load (from --open or from a later start of the program).
    void requestOpen(const std::string& file);

    QPushButton* Button1 = nullptr;   // "Hilfe"
    QPushButton* Button3 = nullptr;   // "Laden" / "Auswahl"
    QPushButton* Button8 = nullptr;   // "Liste"
    QPushButton* Button6 = nullptr;   // "Bewerten"
    QPushButton* Button5 = nullptr;   // "Lücken"
    QPushButton* Button13 = nullptr;  // "Schrift"
    QPushButton* Button4 = nullptr;   // "Drucken"
    QPushButton* Button7 = nullptr;   // "Beenden"
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
    QLabel* Label18 = nullptr;  // the picture's caption line
    QLabel* Label34 = nullptr;  // the picture's drag line
    QFrame* Panel2 = nullptr;   // the slide show's buttons
    QLabel* Label1 = nullptr;   // "[ >> ]"
    QLabel* Label2 = nullptr;   // "[ << ]"
    QLabel* Label3 = nullptr;   // "[  ||  ]"
    QTimer* Timer2 = nullptr;   // the automatic slide show
    player::Panel4* Panel4 = nullptr;
    QTextDocument* RichEdit3 = nullptr;  // the whole lesson text, never shown
    QPlainTextEdit* Memo1 = nullptr;     // the help
    lesson::ui::GapFields gapFields{};   // Edit1 .. Edit20
    QColor CorrectionColour;

    const PlayerState& player() const { return player_->state(); }
    const ScoreBook& scores() const { return player_->scores(); }
    const lesson::GapTable& gapTable() const { return player_->gapTable(); }
    const std::string& lastFeedbackSound() const { return player_->lastFeedbackSound(); }
    // Replaces the file dialog of "Laden" (tests choose the file this way).
    std::function<std::optional<std::string>(const std::string& startFolder)> chooseLessonFile;
    // Replaces the print dialog and printer (tests print into a PDF file).
    std::function<void(QTextDocument& document)> printDocument;
    // Replaces the print dialog of the print commands: sets up the printer, false cancels.
    std::function<bool(QPrinter& printer)> choosePrinter;

    // The events of the window, forwarded to the player.
    void Button3Click() { player_->Button3Click(); }
    void Label4Click() { player_->Label4Click(); }
    void ShowPage(int n) { player_->ShowPage(n); }
    bool openLesson(const std::string& file) { return player_->openLesson(file); }
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void RichEdit1MouseDown(const QPoint& viewportPoint, Qt::MouseButton button = Qt::LeftButton,
                            Qt::KeyboardModifiers modifiers = {});
    void Image1MouseDown(const QPoint& point, Qt::MouseButton button,
                         Qt::KeyboardModifiers modifiers);

    // PlayerView.
    std::string setLessonText(const platform::StyledText& text, int fontDelta) override;
    void clearLessonText() override;
    void changeLessonFontSizes(int delta) override;
    void keepSelection() override;
    void showSelection(int line) override;
    void showPageText(const PageText& page, bool readingPage) override;
    void showListPage(const std::vector<std::string>& paragraphs) override;
    void showPlainText(const std::vector<std::string>& lines, bool protocolLook) override;
    void clearPageView() override;
    bool placeAnswerFields(const lesson::GapTable& gaps, int fontChange) override;
    void setFieldText(int field, const std::string& text, bool corrected) override;
    void focusField(int field) override;
    void setStatus(const std::string& text) override;
    void setCounter(const std::string& text) override;
    void setNavigation(bool down, bool up, bool rep) override;
    void setLoadButton(const std::string& text, bool visible) override;
    void showSideList(SideList kind, const std::vector<std::string>& lines) override;
    void hideSideList() override;
    bool displayPicture(const PictureDisplay& picture) override;
    void showPicturePanel(bool visible) override;
    void showSlidePanel(bool visible) override;
    platform::ScreenPoint picturePointOnScreen(int x, int y) override;
    std::optional<std::string> askLessonFile(const std::string& startFolder) override;
    platform::ScreenPoint pageCorner() override;
    void openCalculator(int field, bool clearVariables) override;
    void showHelp(const std::vector<std::string>& lines) override;
    void hideHelp() override;
    void openScriptEditor() override;
    void setFullScreen(bool fullScreen) override;
    void printPageView() override;
    void highlightPick(int line, LineRange range) override;
    void highlightWordListLine(int index) override;
    void selectFieldText(int field) override;
    void drawPictureRectangle(const PixelRect& rect) override;
    void drawPictureNumbers(const std::vector<PictureLabel>& labels) override;
    void restorePicture() override;
    platform::ScreenPoint pictureCorner() override;
    void endProgram() override;

    // SlideTimer.
    void startSlideTimer(int intervalMs) override;
    void stopSlideTimer() override;
    bool escapeHeld() override;
    bool altHeld() override;

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
    // Ctrl F1: the script editor is to open modally.
    void scriptEditorRequested();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

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
    void leaveFullScreen();

    void createLessonControls();
    void createPictureControls();
    // Mouse events of the picture panel and the slide-show buttons; true when handled.
    bool pictureEvent(QObject* watched, QEvent* event);
    // Tells the player how large the picture area is at the window's present scale.
    void updatePictureRoom();
    void describeControls();  // names for screen readers, tab order, focus frame
    void connectLessonLoader();
    void createHelpControls();
    void setUpKeyboard();
    // A key pressed or released in any control of the window; true when it was used here.
    bool keyEvent(QObject* watched, QKeyEvent* key);
    int gapFieldIndex(QObject* object) const;  // 1-based, 0 when none
    bool pickKey(QObject* watched, const QKeyEvent& key);
    void paintOnPicture(const std::function<void(QPainter&)>& paint);

    LessonPlayer* player_ = nullptr;
    std::string lessonPlainText_;  // RichEdit3 as CR LF text
    QTextDocument* savedSelection_ = nullptr;
    std::unique_ptr<DialogPagePrinter> printer_;
    QSize pictureSource_;                               // the shown picture's size in its file
    QPixmap cleanPicture_;                              // the shown picture without marks
    qint64 markedPictureKey_ = 0;                       // the marked copy in Image1
    std::unique_ptr<platform::QtCanvas> scriptCanvas_;  // what page scripts draw on

    lesson::StartupState& state_;
    platform::UserDialogs& dialogs_;
    ExternalPrograms& programs_;
    bool closedDown_ = false;

    PictureCache pictureCache_;
    bool pictureDragging_ = false;
    QPoint pictureDragOffset_;
    bool escapeDown_ = false;
};

}  // namespace textaria::player
