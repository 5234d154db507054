#include "player/questionnaire_profile.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "calc/numeric_number.h"
#include "lesson/markup_text.h"
#include "platform/codepage.h"
#include "player/texts.h"

namespace textaria::player {

namespace {

constexpr const char* kIndent = "     ";

struct Norm {
    double mean;
    double spread;
};
constexpr Norm kEnrNorms[3] = {{19.55, 4.71}, {21.45, 5.28}, {18.91, 5.47}};

std::optional<int> integerAnswer(std::string_view answer) {
    answer = lesson::trim(answer);
    if (!answer.empty() && answer.front() == '+') answer.remove_prefix(1);
    int v = 0;
    const auto [end, ec] = std::from_chars(answer.data(), answer.data() + answer.size(), v);
    if (answer.empty() || ec != std::errc() || end != answer.data() + answer.size())
        return std::nullopt;
    return v;
}

// The value of an answer on the lesson's scale; none for answers that are no level.
std::optional<int> answerValue(int levels, std::string_view answer) {
    if (levels == 5 || levels == 7) return integerAnswer(answer);
    answer = lesson::trim(answer);
    if (answer == "ja") return 2;
    if (answer == "?") return 1;
    if (answer == "nein") return 0;
    return std::nullopt;
}

std::string padded(const std::string& line, std::size_t width) {
    const std::size_t chars = lesson::characterCount(line);
    return chars >= width ? line : line + std::string(width - chars, ' ');
}

// " - - | - - " with the value's position marked.
std::string scaleLine(int levels, std::optional<int> value) {
    std::string scale = levels == 7 ? " - - - | - - - " : " - - | - - ";
    if (value && *value >= 0 && *value < levels)
        scale[static_cast<std::size_t>(2 * *value + 1)] = '*';
    return scale;
}

std::string answerListSuffix(int levels, const std::string& answer) {
    if (levels == 5 || levels == 7) {
        const auto value = integerAnswer(answer);
        // An answer that is no single number (it passed the substring test) is shown as typed.
        const std::string shown = value ? std::to_string(*value) : answer;
        return "   =" + (shown.size() < 2 ? " " + shown : shown) + " [" + scaleLine(levels, value) +
               "]";
    }
    const std::string a(lesson::trim(answer));
    if (a == "ja") return "  [ja  ] = 2";
    if (a == "?") return "  [?   ] = 1";
    if (a == "nein") return "  [nein] = 0";
    return {};
}

const char* formText(int levels) {
    return levels == 7 ? texts::kForm7 : levels == 5 ? texts::kForm5 : texts::kForm3;
}

}  // namespace

std::string enrBand(double z) {
    if (z <= -2) return texts::kBandStrongBelow;
    if (z <= -1) return texts::kBandSlightBelow;
    if (z < 1) return texts::kBandAverage;
    if (z < 2) return texts::kBandSlightAbove;
    return texts::kBandStrongAbove;
}

QuestionnaireProtocol questionnaireProtocol(const QuestionnaireInput& in) {
    QuestionnaireProtocol out;
    const int levels = in.levels == 5 || in.levels == 7 ? in.levels : 3;
    const std::string header(lesson::trim(in.factorHeader));
    const bool hasFactors = !header.empty();
    std::string upperHeader = header;
    for (char& c : upperHeader)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const bool enr = upperHeader == "ENR";
    out.suffix = hasFactors ? '0' : static_cast<char>('0' + levels);
    out.writesQuestionFile = !hasFactors;

    const int pageTotal = std::max(0, in.pageCount - 1);
    std::vector<QuestionnairePageEntry> pages(static_cast<std::size_t>(pageTotal));
    for (std::size_t i = 0; i < pages.size() && i < in.pages.size(); ++i) pages[i] = in.pages[i];

    int answered = 0, yes = 0, unsure = 0, no = 0, sum = 0;
    std::size_t width = 0;
    for (const auto& p : pages) {
        if (!p.questionLine.empty()) {
            ++answered;
            width = std::max(width, lesson::characterCount(p.questionLine));
            if (p.answer == "ja") ++yes;
            if (p.answer == "?") ++unsure;
            if (p.answer == "nein") ++no;
        }
        if (const auto v = integerAnswer(p.answer)) sum += *v;
    }
    int score = 0, maximum = 0;
    if (levels == 3) {
        maximum = 2 * (yes + unsure + no);
        score = 2 * yes + unsure;
    } else {
        maximum = (levels - 1) * answered;
        score = sum;
    }

    std::string questionsText = std::to_string(in.questionCount);
    if (levels == 3)
        questionsText = "ja = " + std::to_string(yes) + ", ? = " + std::to_string(unsure) +
                        ", nein = " + std::to_string(no) + "   (" + width3(in.questionMarkCount) +
                        " )";
    const std::size_t factorCount = lesson::characterCount(header);
    if (hasFactors)
        questionsText = std::to_string(in.questionMarkCount) + " aus " +
                        std::to_string(factorCount) + texts::kFactorAreas;
    std::string points = width3(score) + " von " + width3(maximum);
    if (hasFactors) points += " aus " + width3(in.questionMarkCount) + " Fragen";

    auto& lines = out.lines;
    lines = {kIndent,
             kIndent,
             "     Testname   : " + in.lessonFileName,
             "     Testdatum  : " + in.stamp.date() + " - " + in.stamp.time(),
             "     Testperson : " + in.person,
             std::string("     Testform   : ") + formText(levels),
             "     Fragen (F) : " + questionsText + " ",
             kIndent + testStatusText(in.currentPage, in.pageCount),
             "     Punktesumme: " + points,
             ""};  // the answer list begins with an empty line, also when it has no entries
    auto& record = out.record;
    record.levels = levels;
    record.form = formText(levels);
    record.score = score;
    record.maximum = maximum;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const auto& p = pages[i];
        if (!p.questionLine.empty() || !p.answer.empty())
            record.questions.push_back(
                {static_cast<int>(i) + 1, p.questionLine, p.answer, answerValue(levels, p.answer)});
        if (enr || p.answer.empty()) continue;
        const std::string suffix = answerListSuffix(levels, p.answer);
        if (!suffix.empty()) lines.push_back(kIndent + padded(p.questionLine, width) + suffix);
    }
    lines.push_back(kIndent);
    if (!hasFactors) return out;

    // Factor profile: one letter of the header per factor, in order.
    std::vector<std::string> letters;
    for (std::size_t pos = 0; pos < header.size();) {
        std::string letter;
        platform::appendUtf8(letter, platform::nextUtf8(header, pos));
        letters.push_back(letter);
    }
    for (std::size_t d = 0; d < letters.size(); ++d) {
        int count = 0, fYes = 0, fUnsure = 0, fNo = 0, fSum = 0;
        for (const auto& p : pages) {
            if (p.factorKey != letters[d]) continue;
            ++count;
            const std::string a(lesson::trim(p.answer));
            if (a == "ja") ++fYes;
            if (a == "?") ++fUnsure;
            if (a == "nein") ++fNo;
            if (levels != 3)
                if (const auto v = integerAnswer(a)) fSum += *v;
        }
        if (levels == 3) fSum = 2 * fYes + fUnsure;
        const int fMax = (levels - 1) * count;
        ProtocolRecord::Factor factor{letters[d], {}, count, fSum, fMax, std::nullopt, {}};
        if (levels == 3) {
            const std::string rest = "Summe <" + letters[d] + "> = " + width3(fSum) + " von " +
                                     width3(fMax) + "  (ja=" + std::to_string(fYes) +
                                     ",?=" + std::to_string(fUnsure) +
                                     ",nein=" + std::to_string(fNo) + ")";
            if (enr && d < 3)
                lines.push_back(kIndent + std::string(texts::kEnrNames[d]) + "  " + rest);
            else
                lines.push_back(kIndent + rest);
        } else {
            lines.push_back("     Summe <" + letters[d] + ">  = " + width3(fSum) + " von " +
                            width3(fMax));
        }
        if (enr && d < 3) {
            factor.name = texts::kEnrNames[d];
            factor.z = (fSum - kEnrNorms[d].mean) / kEnrNorms[d].spread;
            factor.band = enrBand(*factor.z);
        }
        record.factors.push_back(std::move(factor));
    }
    if (enr) {
        lines.push_back("");
        lines.push_back(texts::kStandardised);
        lines.push_back("");
        for (const auto& f : record.factors)
            lines.push_back(kIndent + f.name + " " + calc::formatFixed(*f.z, 5, 2) + " = " +
                            f.band + " ");
    }
    lines.push_back(kIndent);
    return out;
}

ProtocolRecord questionnaireProtocolRecord(const QuestionnaireInput& in,
                                           const QuestionnaireProtocol& protocol,
                                           const std::vector<std::string>& titles) {
    ProtocolRecord r;
    r.lesson = in.lessonFileName;
    r.person = in.person;
    r.date = in.stamp.date();
    r.time = in.stamp.time();
    r.complete = testComplete(in.currentPage, in.pageCount);
    for (int page = 1; page < in.pageCount; ++page) {
        const auto i = static_cast<std::size_t>(page);
        const std::string answer = i - 1 < in.pages.size() ? in.pages[i - 1].answer : "";
        r.pages.push_back(
            {page, i < titles.size() ? titles[i] : "", "",
             answer.empty() ? std::vector<std::string>{} : std::vector<std::string>{answer}});
    }
    r.questionnaire = protocol.record;
    return r;
}

}  // namespace textaria::player
