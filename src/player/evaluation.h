// Judging the answers of one page: comparison rules, counting and the texts shown for it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::player {

// Numeric normalisation applied to solutions and answers alike: '3,5', '3.50' and ' 3.5 '
// all become '3.5'; a text without a point or comma is only trimmed.
std::string NormalizeAnswer(std::string_view text);

// What the evaluation reads of the shown page.
struct EvaluationInput {
    int pageNumber = 0;
    std::vector<std::string> solutions;  // gap answers in text order (GapCount entries)
    std::vector<std::string> answers;    // raw texts of Edit1..EditN (missing ones count as empty)
    bool caseSensitive = true;           // false with the marker "§"
    bool showCorrections = true;         // false with "$" and on questionnaire pages
    bool childMode = false;
    bool showAnswers = true;  // in child mode it decides about corrections
    bool questionnairePage = false;
    std::string pageText;  // the displayed page text (CR LF lines), for the factor line
};

struct EvaluationResult {
    bool alternativesMode = false;
    bool wholePageMode = false;
    bool showCorrections = true;          // as applied (child mode overrides it)
    std::vector<bool> wrong;              // per gap
    std::vector<bool> corrected;          // per gap: field gets the solution and CorrectionColour
    std::vector<std::string> fieldTexts;  // per gap: what the answer field shows afterwards
    int wrongCount = 0;
    int correctCount = 0;
    int valueCount = 0;  // GapCount, or 1 on a whole-page page
    std::string percentText;
    std::string statusText;     // empty on questionnaire pages
    std::string resultLine;     // the line stored in PageResults; empty on questionnaire pages
    std::string lastAnswer;     // normalised answer of the last gap
    std::string factorLine;     // questionnaire pages only
    std::string feedbackSound;  // child mode: "erg0.mp3", "erg1.mp3" or "erg2.mp3"; else empty
};

EvaluationResult EvaluatePage(const EvaluationInput& input);

// Results kept for the whole lesson (pages 1..100) and the lesson totals.
struct ScoreBook {
    static constexpr int kPages = 100;
    std::array<std::string, kPages + 1> pageResults{};  // index = page number
    std::array<std::string, kPages + 1> lastAnswers{};
    std::array<std::string, kPages + 1> factorKeys{};  // questionnaires with factors, test mode
    std::array<std::vector<std::string>, kPages + 1> typedAnswers{};  // as typed, per page
    int totalValues = 0;
    int totalCorrect = 0;

    // Stores the page's lines and, except on questionnaire pages, adds to the totals.
    void record(const EvaluationInput& input, const EvaluationResult& result);
    void clear();
};

// The list of entered answers shown after an evaluation: one line per gap, " * " marking the
// answers whose field was not corrected.
std::vector<std::string> answerListLines(const std::vector<std::string>& savedAnswers,
                                         const std::vector<bool>& corrected, int correctCount,
                                         int gapCount);

}  // namespace textaria::player
