#include "player/evaluation.h"

#include <charconv>
#include <cstdio>

#include "lesson/markup_text.h"
#include "player/texts.h"

namespace textaria::player {

namespace {

using lesson::asciiLowerCase;
// Reads the whole text as a number the way a decimal-point locale would, or fails.
bool parseNumber(std::string_view s, double& value) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty() || s.front() == '+') return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

std::string fixed2(double value, int width) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%*.2f", width, value);
    return std::string(lesson::trim(buf));
}

}  // namespace

std::string NormalizeAnswer(std::string_view text) {
    const std::string fallback(lesson::trim(text));
    std::string s = fallback;
    if (const auto comma = s.find(','); comma != std::string::npos) s[comma] = '.';
    if (s.find('.') != std::string::npos) {
        double value = 0;
        if (!parseNumber(s, value)) return fallback;
        s = fixed2(value, 0);
        for (int i = 0; i < 2; ++i)
            if (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    if (const auto comma = s.find(','); comma != std::string::npos) s[comma] = '.';
    return s;
}

namespace {

std::string caseFolded(std::string_view s, bool caseSensitive) {
    return caseSensitive ? std::string(s) : asciiLowerCase(s);
}

// The first line of the page that, trimmed and lower-cased, contains "?f", without its first
// character.
std::string factorLineOf(std::string_view pageText) {
    std::size_t start = 0;
    while (start <= pageText.size()) {
        std::size_t end = pageText.find("\r\n", start);
        if (end == std::string_view::npos) end = pageText.size();
        const std::string_view line = lesson::trim(pageText.substr(start, end - start));
        if (asciiLowerCase(line).find("?f") != std::string::npos)
            return std::string(line.substr(line.empty() ? 0 : 1));
        if (end == pageText.size()) break;
        start = end + 2;
    }
    return {};
}

}  // namespace

EvaluationResult EvaluatePage(const EvaluationInput& in) {
    EvaluationResult r;
    const int gapCount = static_cast<int>(in.solutions.size());
    std::string allSolutions;
    for (const auto& sol : in.solutions) {
        allSolutions += sol;
        if (lesson::trim(sol) == "+") r.wholePageMode = true;
    }
    r.alternativesMode = allSolutions.find('\\') != std::string::npos;
    r.showCorrections = in.childMode ? in.showAnswers : in.showCorrections;

    r.wrong.assign(gapCount, false);
    r.corrected.assign(gapCount, false);
    r.fieldTexts.resize(gapCount);
    for (int j = 0; j < gapCount; ++j) {
        const std::string& sol = in.solutions[j];
        const std::string rawAnswer = j < static_cast<int>(in.answers.size()) ? in.answers[j] : "";
        const std::string normSol = NormalizeAnswer(caseFolded(sol, in.caseSensitive));
        const std::string normAns =
            NormalizeAnswer(caseFolded(lesson::trim(rawAnswer), in.caseSensitive));
        r.lastAnswer = normAns;
        bool wrong;
        if (r.alternativesMode) {
            const std::string haystack = "\\" + caseFolded(sol, in.caseSensitive) + "\\";
            wrong = normAns.empty() || haystack.find("\\" + normAns + "\\") == std::string::npos;
        } else {
            wrong = normSol != normAns;
        }
        r.wrong[j] = wrong;
        r.fieldTexts[j] = rawAnswer;
        if (wrong) {
            ++r.wrongCount;
            if (r.showCorrections) {
                r.corrected[j] = true;
                r.fieldTexts[j] = sol;
            }
        }
    }

    if (in.questionnairePage) {
        r.factorLine = factorLineOf(in.pageText);
        return r;
    }

    const std::string page = std::to_string(in.pageNumber);
    if (!r.wholePageMode) {
        r.valueCount = gapCount;
        r.correctCount = gapCount - r.wrongCount;
        const double percent = gapCount > 0 ? r.correctCount * 100.0 / gapCount : 0.0;
        r.percentText = fixed2(percent, 5);
        r.statusText = "< " + std::to_string(r.correctCount) + texts::kStatusOf +
                       std::to_string(gapCount) + texts::kStatusValuesCorrect + r.percentText +
                       "% >";
        if (in.childMode) {
            r.feedbackSound = r.correctCount == gapCount ? "erg2.mp3"
                              : r.correctCount > 0       ? "erg1.mp3"
                                                         : "erg0.mp3";
        }
    } else {
        const bool right = r.wrongCount == 0;
        r.statusText = right ? texts::kWholePageRight : texts::kWholePageWrong;
        r.percentText = right ? "100" : "0";
        r.correctCount = right ? 1 : 0;
        r.valueCount = 1;
    }
    r.resultLine = " Seite (" + page + "):  " + std::to_string(r.correctCount) + " richtig von " +
                   std::to_string(r.valueCount) + "  (" + r.percentText + "%)";
    return r;
}

void ScoreBook::record(const EvaluationInput& input, const EvaluationResult& result) {
    const bool inRange = input.pageNumber >= 1 && input.pageNumber <= kPages;
    if (inRange) lastAnswers[input.pageNumber] = result.lastAnswer;
    if (inRange) typedAnswers[input.pageNumber] = input.answers;
    if (input.questionnairePage) {
        if (inRange) pageResults[input.pageNumber] = result.factorLine;
        return;
    }
    if (inRange) pageResults[input.pageNumber] = result.resultLine;
    totalValues += result.valueCount;
    totalCorrect += result.correctCount;
}

void ScoreBook::clear() { *this = ScoreBook{}; }

std::vector<std::string> answerListLines(const std::vector<std::string>& savedAnswers,
                                         const std::vector<bool>& corrected, int correctCount,
                                         int gapCount) {
    std::vector<std::string> lines{" "};
    for (int j = 0; j < gapCount; ++j) {
        std::string line = std::to_string(j + 1) + ": ";
        if (j < static_cast<int>(savedAnswers.size())) line += savedAnswers[j];
        const bool wasCorrected = j < static_cast<int>(corrected.size()) && corrected[j];
        if (!wasCorrected) line += " * ";
        lines.push_back(std::move(line));
    }
    lines.emplace_back("-------------------------");
    lines.push_back(std::to_string(correctCount) + " von " + std::to_string(gapCount) +
                    " richtig (*)");
    return lines;
}

}  // namespace textaria::player
