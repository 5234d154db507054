// Questionnaire pages: the question list of a lesson, the level a lesson asks in, the
// selection box that offers the answers, the check of a typed answer and the factor key of a
// question line. The protocol at the end is questionnaire_profile.h.
//
// Usage:
//   QuestionCollection q = collectQuestions(lessonPlainText);         // at load
//   QuestionnaireLevels levels; levels.see(optionText);               // on every page display
//   script::SelectRequest box = questionnaireSelectRequest(levels.levels());
//   std::string answer = answerFromChoice(levels.levels(), dialogs.select(box));  // -> Edit1
//   if (!answerAllowed(lastAnswer, allowedAnswers(levels.levels()))) ... "Falsche Eingabe"
//   std::string key = factorKey(questionLine);                         // after "Bewerten"
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "script/input_dialogs.h"

namespace textaria::player {

// The "?F ... ~" question texts of a lesson (tabs and line breaks as blanks, trimmed) and
// the number of "?F" marks.
struct QuestionCollection {
    std::vector<std::string> questions;  // QuestionList
    int questionMarkCount = 0;           // QuestionMarkCount
};
QuestionCollection collectQuestions(std::string_view lessonText);

// Levels3, Levels5, Levels7: set by the first page that carries the marker, kept until another
// lesson is loaded. Where several are set, 7 wins over 5 over 3.
struct QuestionnaireLevels {
    bool levels3 = false;
    bool levels5 = false;
    bool levels7 = false;

    // Reads the page's option text; true when it carries a questionnaire marker.
    bool see(std::string_view optionText);
    int levels() const;  // 7, 5, 3, or 0 when none is set
    void clear() { *this = {}; }
};

// AllowedAnswers: "nein,?,ja", "0,1,2,3,4" or "0,1,2,3,4,5,6".
std::string allowedAnswers(int levels);

// The typed (normalised) answer must occur in AllowedAnswers. An empty answer is refused: it
// would let a question pass unanswered.
bool answerAllowed(std::string_view answer, std::string_view allowed);

// The selection box of a question page: mode 6 ("nein", "?", "ja") for 3 levels, mode 3
// (digits from "0") for 5 and 7 levels.
script::SelectRequest questionnaireSelectRequest(int levels);

// The answer for a chosen 0-based index ("nein", "?", "ja" or the digit); Escape (-1) gives "".
std::string answerFromChoice(int levels, int index);

// The character after the first "<" of a question line ("" when there is none).
std::string factorKey(std::string_view questionLine);

// FactorKey of a page: recorded in test mode on pages after page 1 of a lesson with factors.
std::string pageFactorKey(bool testMode, int page, std::string_view factorHeader,
                          std::string_view questionLine);

// What "Bewerten" does next on a questionnaire page.
enum class AnswerStep {
    ShowNextPage,
    StayOnLastPage,
    WrongAnswer,  // "Falsche Eingabe": clear LastAnswer, PageEvaluated and Edit1, ask again
};
AnswerStep questionnaireAnswerStep(std::string_view lastAnswer, int levels, int currentPage,
                                   int pageCount);

}  // namespace textaria::player
