// The lesson player: every rule of loading, paging, evaluating and ending a lesson. It owns the
// player state, the gaps and the results, asks the user through the dialog interfaces and
// tells a PlayerView what to show. The main window and textaria-cli both drive it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "lesson/gaps.h"
#include "lesson/page_prep.h"
#include "lesson/project_list.h"
#include "lesson/startup_facts.h"
#include "player/click_tasks.h"
#include "player/evaluation.h"
#include "player/key_map.h"
#include "player/page_script.h"
#include "player/picture_panel.h"
#include "player/player_state.h"
#include "player/player_view.h"
#include "player/print_jobs.h"
#include "player/protocol_json.h"
#include "player/questionnaire.h"
#include "player/slide_show.h"
#include "player/test_protocol.h"

namespace textaria::platform {
class Canvas;
class UserDialogs;
}  // namespace textaria::platform
namespace textaria::script {
class DrawingHost;
class InputDialogs;
struct DrawingContext;
}  // namespace textaria::script

namespace textaria::player {

class MediaControl;

// The date and time protocols use; the machine's clock unless fixed.
using Clock = std::function<ProtocolStamp()>;

class LessonPlayer {
  public:
    LessonPlayer(lesson::StartupState& startup, PlayerView& view, platform::UserDialogs& dialogs);
    ~LessonPlayer();

    // Optional services; without them sounds stay silent and questionnaire pages get no box.
    void setMedia(MediaControl* media) { media_ = media; }
    void setInputDialogs(script::InputDialogs* dialogs) { inputDialogs_ = dialogs; }
    void setClock(Clock clock) { clock_ = std::move(clock); }
    void setPrinter(PagePrinter* printer) { printer_ = printer; }
    // Every random choice (the letters of protocol names, page scripts) repeats for the same
    // seed.
    void seed(std::uint64_t seed);
    // The calculator's variables: a page script gives them the values the page shows.
    void setFormulaVariables(calc::FormulaVariables* variables) {
        calculatorVariables_ = variables;
    }
    // The surface page scripts draw on, shown as the picture of "@@" and "*" pages; without
    // one page scripts draw nothing.
    void setScriptCanvas(platform::Canvas* canvas);
    void setSlideTimer(SlideTimer* timer) { slideTimer_ = timer; }
    // The script graphics whose text size F10 changes; without them the player keeps a size
    // of its own.
    void setScriptDrawing(script::DrawingContext* drawing) { drawing_ = drawing; }

    const PlayerState& state() const { return s_; }
    const ScoreBook& scores() const { return scores_; }
    const lesson::GapTable& gapTable() const { return gapTable_; }
    const std::string& lastFeedbackSound() const { return lastFeedbackSound_; }
    const std::string& pageText() const { return pageText_; }
    const std::string& answer(int field) const;
    bool capsLockOn() const { return s_.ChildMode && s_.capsLock; }
    const PictureState& pictures() const { return pictures_; }
    const SlideShow& slideShow() const { return slides_; }

    // Loading.
    void Button3Click();                          // "Laden" / "Auswahl"
    bool openLesson(const std::string& file);     // without asking (--open, a later start)
    void openRequested(const std::string& file);  // a later start names a file
    // A lesson named by --open or by a later start: kept until the first activation opens it,
    // opened at once afterwards.
    void requestOpen(const std::string& file);
    void startAppendedLesson();  // the program's own archive, at first activation
    // A click on a line of the page view: a project of the menu or a page of the list.
    void clickLine(const std::string& line, int lineNumber);

    // Paging.
    void ShowPage(int n);
    void Label20Click();  // "[ Dn ]", Page Down
    void Label21Click();  // "[ Up ]", Page Up
    void Label4Click();   // "[ Rep ]"
    void childJumpFirst();
    void childJumpLast();
    void childJumpInput();    // F9
    void Button13Click();     // "Schrift"
    void Button8Click();      // "Liste"
    void screenCorrection();  // F11

    // Answers and evaluation.
    void setAnswer(int field, const std::string& text);  // field 1-based
    void Button6Click();                                 // "Bewerten"
    void Button5Click();                                 // "Lücken"
    void Button7Click();                                 // "Beenden"
    void calculatorKey();                                // F12
    void calculatorFromField(int field);                 // double click on an answer field

    // Click-click and the picture tasks. A mouse press on the page view comes here before
    // clickLine(); true when it switched the drop mode and nothing more may follow. `column`
    // is the byte offset of the clicked character in the line.
    bool pickAt(const std::string& line, int lineNumber, std::size_t column, bool rightButton,
                bool noModifiers);
    void RichEdit2MouseDown(const std::string& line);  // a line of the word list
    void FormClick(int field);                         // answer field `field`, 0: the window
    void pictureMouseDown(int x, int y, bool rightButton, bool noModifiers);     // shown pixels
    void pictureClickAt(PixelPoint source, bool rightButton, bool noModifiers);  // file pixels
    void stepPick(int direction);            // without a mouse: the next (+1) or previous (-1) word
    void toggleAppendMode();                 // without a mouse: the right click's switch
    bool pickWord(const std::string& text);  // clicks the first list word reading `text`
    const RegionTask& regionTask() const { return regionTask_; }

    // Printing; in test mode none of these prints.
    void Button4Click();                             // "Drucken"
    void printShownPicture();                        // F5
    void printTextAndPictures();                     // F6
    void PrintTextAndPicture();                      // Ctrl F6
    void printSlides(const std::string& slideBase);  // Shift F6, during a slide show
    double pictureScale() const { return pictureScale_; }
    void setPictureScale(double scale) { pictureScale_ = scale; }

    // Page scripts. A right click on the picture of a coordinate-system page ("@" and "@@")
    // shows the clicked point's coordinates; x, y and the size are those of the shown picture.
    void showCoordinates(int x, int y, int shownWidth, int shownHeight);
    const PageScripts& pageScripts() const { return pageScripts_; }

    // Pictures (lesson_player_pictures.cpp).
    void togglePicture();       // F1
    void pictureWithoutZoom();  // F3
    void askPictureZoom();      // F4
    // The window's size and scaling, for the panel's layout.
    void setPictureRoom(const PictureRoom& room) { room_ = room; }
    // The learner dragged the picture panel: the next picture opens there.
    void picturePanelMoved(PixelPoint at);

    // The slide show (lesson_player_slides.cpp).
    void Label1Click();     // "[ >> ]"
    void Label2Click();     // "[ << ]"
    void Label3Click();     // "[  ||  ]"
    void Timer2Timer();     // a tick of the automatic show
    void Image1DblClick();  // halts or resumes an automatic show
    void askPrintSlides();  // Shift F6
    // The keys of the main window: a released key, and Enter pressed in an answer field.
    void keyUp(Key key, Modifier modifier);
    void enterInField(int field);
    void Button1Click();  // "Hilfe"

    // Closing the window: nothing of the lesson may stay behind.
    void close();

  private:
    void clearForLoad(bool keepFontChange);
    bool openLessonFile(const std::string& file);
    bool loadArchiveLesson(const std::string& archive, const std::string& lessonName,
                           bool appended);
    void acceptLessonText(const platform::StyledText& text);
    void closeLesson();
    void startLesson();
    void showListPage();
    void showSelection();
    void chooseFromList(const std::string& line);
    void pickProject(const std::string& line);
    void showSingleText();
    void resetPageOptions();
    void applyOptions(const lesson::PageOptions& options, std::string_view optionSource);
    void prepareAnswerFields(const lesson::PreparedPage& page);
    void startPageMedia(const lesson::MediaLine& media, bool keepPicture);
    lesson::PageScriptOutcome runPageScript(int page, std::string_view pageText);
    bool showScriptPicture();  // false when the page shows no picture of its script
    void stopPageMedia();
    void endExternalViewer();
    void showAnswerList(const EvaluationResult& result);
    void askQuestionnaireAnswer();
    void checkQuestionnaireAnswer();
    int questionnaireLevels() const;
    void setNavigation(bool down, bool up, bool rep);
    void run(const PageCommand& command);
    void EndTest();
    void EndQuestionnaire();
    // Shows the protocol, offers to print it and writes it with its twin; a file that cannot
    // be written is reported.
    void finishProtocol(const std::vector<std::string>& lines, ProtocolRecord record,
                        const std::string& person, const ProtocolStamp& stamp, char suffix);
    ProtocolRecord protocolRecord(const std::string& person, const ProtocolStamp& stamp) const;
    std::string lessonFilePath(const std::string& name) const;
    bool pageTextEmpty() const;
    void rememberShownPage(const PageText& page);
    void printProtocol();
    void printTextSheets();
    bool printPictureAsShown(const std::string& path);
    lesson::ListMode listMode() const;
    struct PickCandidate;
    std::vector<PickCandidate> pickCandidates() const;
    void takePick(const std::string& text);
    void loadRegionTable();
    void readRegions(const lesson::PageOptions& options);
    void DrawRegionNumbers();
    PictureGeometry shownPictureGeometry() const;
    // Pictures and links.
    bool showPictureFile(const std::string& path);
    bool displayPictureFile(const std::string& path, const std::string& captionLine,
                            const std::string& dragLine, const std::string& caption,
                            const std::string& next = {});
    PictureLayout pictureLayout(const std::string& path) const;
    // Lays the panel out at its place and shows it; false when the picture cannot be shown.
    bool displayPicture(PictureDisplay& picture);
    void hidePicture();
    void runPageLinks(const std::string& line);
    void pictureLink(const std::string& name);
    void externalLink(const std::string& name);
    bool pagePictureShown() const;
    // The slide show.
    void startSlideShow(const std::string& name);
    // Shows slide `index`; `withSound` false shows it anew (zoom, print) without its sound.
    void showSlide(int index, bool withSound = true);
    void endSlideShow();
    void volumeIfAltHeld();
    KeyFacts keyFacts() const;
    void hideHelp();
    void stepGraphicsTextSize(int step);
    void toggleFullScreen();

    lesson::StartupState& startup_;
    PlayerView& view_;
    platform::UserDialogs& dialogs_;
    MediaControl* media_ = nullptr;
    script::InputDialogs* inputDialogs_ = nullptr;
    Clock clock_ = ProtocolStamp::now;
    LetterSource letters_ = seededLetterSource(std::random_device{}());

    PlayerState s_;
    ScoreBook scores_;
    lesson::GapTable gapTable_;
    std::array<std::string, lesson::kMaxGaps> answers_{};
    std::vector<std::string> savedAnswers_;
    std::string lastFeedbackSound_;
    std::string lessonText_;  // the lesson's plain text, CR LF lines
    std::string pageText_;    // the page view's plain text
    QuestionCollection questions_;
    bool dialogUsed_ = false;
    std::array<bool, 3> nav_{};  // "[ Dn ]", "[ Up ]", "[ Rep ]" shown

    PagePrinter* printer_ = nullptr;
    PageText shownPage_;                        // the page in the page view, for printing
    std::vector<std::string> shownPlainLines_;  // the protocol, when the page view shows it
    std::string shownPicture_;                  // the picture in the picture panel
    double pictureScale_ = kStartPictureScale;

    std::string regionTable_;  // "search.txt" of the lesson
    RegionTask regionTask_;
    std::vector<std::string> wordList_;  // the "&" list of the shown page
    int pickStep_ = -1;                  // the word picked last by stepPick

    PageScripts pageScripts_;
    calc::FormulaVariables* calculatorVariables_ = nullptr;
    std::unique_ptr<script::DrawingContext> scriptDrawing_;
    std::unique_ptr<script::DrawingHost> scriptHost_;
    std::string pageScriptMessage_;  // about the script of the page being shown
    bool pageScriptRan_ = false;

    PictureState pictures_;
    PictureRoom room_;
    std::string pagePicture_;   // the page's own picture, from its media line
    std::string linkPicture_;   // the picture a link opened
    std::string linkExternal_;  // the file a link opened with its associated program
    SlideShow slides_;
    SlideTimer* slideTimer_ = nullptr;
    script::DrawingContext* drawing_ = nullptr;
    int graphicsTextSize_ = 0;  // without script graphics
};

}  // namespace textaria::player
