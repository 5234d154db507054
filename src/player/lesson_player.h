// The lesson player: every rule of loading, paging, evaluating and ending a lesson. It owns the
// player state, the gaps and the results, asks the user through the dialog interfaces and
// tells a PlayerView what to show. The main window and textaria-cli both drive it.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "lesson/gaps.h"
#include "lesson/page_prep.h"
#include "lesson/project_list.h"
#include "lesson/startup_facts.h"
#include "player/evaluation.h"
#include "player/player_state.h"
#include "player/player_view.h"
#include "player/print_jobs.h"

namespace textaria::platform {
class UserDialogs;
}
namespace textaria::script {
class InputDialogs;
}

namespace textaria::player {

class MediaControl;

// Date "dd.mm.yyyy" and time "hh:mm:ss", whatever the locale.
struct ClockReading {
    std::string date;
    std::string time;
};
using Clock = std::function<ClockReading()>;
ClockReading systemClock();

// What a finished test or questionnaire leaves for its protocol.
struct TestOutcome {
    std::string lessonFileName;
    std::string person;  // as typed, blanks removed
    ClockReading when;
    bool complete = false;  // ended on the last page
    std::string status;     // "Der Test wurde abgebrochen!" or "... vollständig ausgeführt!"
    int totalValues = 0;
    int totalCorrect = 0;
    int pageCount = 0;
    int questionnaireLevels = 0;  // 3, 5 or 7 for a questionnaire, else 0
    std::string headerLine;       // the factor letters of a questionnaire
    // Per page 1 .. pageCount - 1: the result line (a question line on questionnaire pages),
    // the normalised last answer and the factor key.
    std::vector<std::string> pageResults;
    std::vector<std::string> lastAnswers;
    std::vector<std::string> factorKeys;
};

struct ProtocolResult {
    std::vector<std::string> lines;    // shown in the page view
    std::vector<std::string> written;  // files written (protocol, its twin, question file)
    std::vector<std::string> errors;   // files that could not be written, with the reason
};

// Builds and writes the protocol of a finished test; its random choices come from `random`.
using ProtocolWriter = std::function<ProtocolResult(const TestOutcome&, std::mt19937& random)>;

class LessonPlayer {
  public:
    LessonPlayer(lesson::StartupState& startup, PlayerView& view, platform::UserDialogs& dialogs);

    // Optional services; without them sounds stay silent and questionnaire pages get no box.
    void setMedia(MediaControl* media) { media_ = media; }
    void setInputDialogs(script::InputDialogs* dialogs) { inputDialogs_ = dialogs; }
    void setClock(Clock clock) { clock_ = std::move(clock); }
    void setProtocolWriter(ProtocolWriter writer) { protocolWriter_ = std::move(writer); }
    void setPrinter(PagePrinter* printer) { printer_ = printer; }
    void seed(unsigned seed) { random_.seed(seed); }
    std::mt19937& random() { return random_; }

    const PlayerState& state() const { return s_; }
    const ScoreBook& scores() const { return scores_; }
    const lesson::GapTable& gapTable() const { return gapTable_; }
    const std::string& lastFeedbackSound() const { return lastFeedbackSound_; }
    const std::string& pageText() const { return pageText_; }
    const std::string& answer(int field) const;
    bool capsLockOn() const { return s_.ChildMode && s_.capsLock; }
    // The slide show owns this flag; the player only reads it for its refusals.
    void setSlideShowRunning(bool running) { s_.slideShowRunning = running; }

    // Loading.
    void Button3Click();                          // "Laden" / "Auswahl"
    bool openLesson(const std::string& file);     // without asking (--open, a later start)
    void openRequested(const std::string& file);  // a later start names a file
    void startAppendedLesson();                   // the program's own archive, at first activation
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
    void enterInField(int field);                        // Enter in an answer field
    void Button6Click();                                 // "Bewerten"
    void Button5Click();                                 // "Lücken"
    void Button7Click();                                 // "Beenden"
    void calculatorKey();                                // F12
    void calculatorFromField(int field);                 // double click on an answer field

    // Printing; in test mode none of these prints.
    void Button4Click();                             // "Drucken"
    void printShownPicture();                        // F5
    void printTextAndPictures();                     // F6
    void PrintTextAndPicture();                      // Ctrl F6
    void printSlides(const std::string& slideBase);  // Shift F6, during a slide show
    double pictureScale() const { return pictureScale_; }
    void setPictureScale(double scale) { pictureScale_ = scale; }

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
    void applyOptions(const lesson::PageOptions& options);
    void prepareAnswerFields(const lesson::PreparedPage& page);
    void startPageMedia(const lesson::MediaLine& media, bool keepPicture);
    void stopPageMedia();
    void endExternalViewer();
    void showAnswerList(const EvaluationResult& result);
    void askQuestionnaireAnswer();
    void checkQuestionnaireAnswer();
    int questionnaireLevels() const;
    std::string allowedAnswers() const;
    void setNavigation(bool down, bool up, bool rep);
    void run(const PageCommand& command);
    void EndTest();
    std::string askPersonName();
    std::string lessonFilePath(const std::string& name) const;
    bool pageTextEmpty() const;
    void rememberShownPage(const PageText& page);
    void printProtocol();
    void printTextSheets();
    bool printPictureAsShown(const std::string& path);
    lesson::ListMode listMode() const;

    lesson::StartupState& startup_;
    PlayerView& view_;
    platform::UserDialogs& dialogs_;
    MediaControl* media_ = nullptr;
    script::InputDialogs* inputDialogs_ = nullptr;
    Clock clock_ = systemClock;
    ProtocolWriter protocolWriter_;
    std::mt19937 random_{std::random_device{}()};

    PlayerState s_;
    ScoreBook scores_;
    lesson::GapTable gapTable_;
    std::array<std::string, lesson::kMaxGaps> answers_{};
    std::vector<std::string> savedAnswers_;
    std::string lastFeedbackSound_;
    std::string lessonText_;  // the lesson's plain text, CR LF lines
    std::string pageText_;    // the page view's plain text
    bool dialogUsed_ = false;
    std::array<bool, 3> nav_{};  // "[ Dn ]", "[ Up ]", "[ Rep ]" shown

    PagePrinter* printer_ = nullptr;
    PageText shownPage_;                        // the page in the page view, for printing
    std::vector<std::string> shownPlainLines_;  // the protocol, when the page view shows it
    std::string shownPicture_;                  // the picture in the picture panel
    double pictureScale_ = kStartPictureScale;
};

}  // namespace textaria::player
