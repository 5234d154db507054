// The lesson player's state in the main window and the rules of its buttons that are not
// paging or scoring proper: which step "Laden", "Liste", "Bewerten" and "Lücken" take.
#pragma once

#include <string>
#include <string_view>

#include "lesson/markup_pages.h"
#include "player/navigation.h"
#include "player/questionnaire.h"

namespace textaria::player {

// One record for the whole run; the main window owns it.
struct PlayerState {
    // Load state.
    std::string LessonFileName;    // chosen file, without folder
    std::string LessonBaseName;    // B
    std::string lessonFolder;      // where B's companion files lie
    std::string lastDialogFolder;  // empty until the file dialog was used once
    bool ListMode = false;
    bool SelectionArchive = false;
    bool ProjectOpen = false;
    bool ListShown = false;
    int SelectionLine = 0;
    int NestedArchiveCount = 0;
    bool externalMedia = false;
    std::string externalMediaName;
    bool LaunchList = false;
    bool projectPicked = false;  // the list page is shown for a project just picked
    bool loading = false;

    // Lesson and page.
    bool LessonOpen = false;
    bool PageShown = false;
    int CurrentPage = 0;
    int PageCount = 0;
    lesson::PageList pages;
    std::string headerLine;

    // Modes.
    bool TestMode = false;
    bool ChildMode = false;
    bool TestFinished = false;
    bool QuestionnairePage = false;
    QuestionnaireLevels levels;  // kept until another lesson is loaded
    std::string PickedText;
    bool capsLock = false;  // child mode types capitals

    // Per-page options and flags, reset on every page display.
    bool ShowCorrections = true;
    bool CaseSensitive = true;
    bool wordListOption = false;
    bool calculatorOption = false;        // "%": the calculator may be opened
    bool calculatorClearsOption = false;  // "%%": its variables start at 0 from an answer field
    bool scriptOption = false;
    bool limitedListening = false;  // "|"
    bool coordinatePage = false;    // "@" with "@@": the script's graphic is the picture
    bool scriptPicture = false;     // "*": the script draws the page's picture
    bool readingPage = false;
    bool hasAnswerFields = false;
    bool PageEvaluated = false;

    // Evaluation settings.
    bool ShowAnswers = true;

    // "Schrift".
    int fontChangeTotal = 0;
    std::string lastFontChangeInput = "0";

    bool slideShowRunning = false;  // owned by the slide show; read here for the refusals

    // The main window.
    bool HelpShown = false;          // the help memo is in front
    bool fullScreenToggled = false;  // F8 turned the window from its start form

    NavigationState navigation() const;
    // Clears the page state the way loading another lesson does.
    void resetPage();
};

// "[ n / m ]" of the page counter; m is the last page number.
std::string pageCounterText(int page, int pageCount);

// The status line of a page that allows the calculator.
std::string calculatorHint(bool hasAnswerFields);

// What "Bewerten" does, by its checks in order.
enum class EvaluateStep { Nothing, SlideShowMessage, AlreadyEvaluated, NoText, Evaluate };
// `pageTextEmpty`: the page view holds nothing but blanks.
EvaluateStep evaluateStep(const PlayerState& s, bool pageTextEmpty);

// What "Lücken" does.
enum class AnswersToggleStep { Nothing, SlideShowMessage, NoText, Toggle };
AnswersToggleStep answersToggleStep(const PlayerState& s, bool pageTextEmpty);

// What "Liste" does.
enum class ListStep { Nothing, SlideShowMessage, NoPageList, ShowList };
ListStep listStep(const PlayerState& s);

// What "Laden" does before anything is asked.
enum class LoadStep {
    FinishTestFirst,  // a test is running
    SlideShowMessage,
    SelfContained,  // first press in a self-contained program: load its own archive
    ShowSelection,  // back to the project menu
    Nothing,        // the program's own archive is loaded and no menu to return to
    AskAndLoad,     // the ordinary load
};
LoadStep loadStep(const PlayerState& s, bool archiveAppended, bool selfContainedRun);

// Child mode's Caps Lock: letters typed into answer fields become capitals (ASCII and the
// German umlauts; "ß" has no capital of its own and stays).
std::string capsLockText(std::string_view typed);

}  // namespace textaria::player
