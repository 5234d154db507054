#include "player/questionnaire.h"

#include "lesson/markup_text.h"
#include "platform/codepage.h"
#include "player/texts.h"
#include "script/select_dialog.h"

namespace textaria::player {

QuestionCollection collectQuestions(std::string_view text) {
    QuestionCollection out;
    for (std::size_t at = text.find("?F"); at != std::string_view::npos;
         at = text.find("?F", at + 2)) {
        ++out.questionMarkCount;
        const auto start = at + 2;
        const auto end = text.find('~', start);
        // A mark without a closing "~" names no question.
        if (end == std::string_view::npos) continue;
        std::string q(text.substr(start, end - start));
        for (char& c : q)
            if (c == '\t' || c == '\r' || c == '\n') c = ' ';
        out.questions.emplace_back(lesson::trim(q));
    }
    return out;
}

bool QuestionnaireLevels::see(std::string_view optionText) {
    const bool three = optionText.find("?3") != std::string_view::npos;
    const bool five = optionText.find("?5") != std::string_view::npos;
    const bool seven = optionText.find("?7") != std::string_view::npos;
    levels3 = levels3 || three;
    levels5 = levels5 || five;
    levels7 = levels7 || seven;
    return three || five || seven;
}

int QuestionnaireLevels::levels() const {
    if (levels7) return 7;
    if (levels5) return 5;
    if (levels3) return 3;
    return 0;
}

std::string allowedAnswers(int levels) {
    switch (levels) {
        case 7:
            return texts::kAllowedAnswers7;
        case 5:
            return texts::kAllowedAnswers5;
        case 3:
            return texts::kAllowedAnswers3;
        default:
            return {};
    }
}

bool answerAllowed(std::string_view answer, std::string_view allowed) {
    return !answer.empty() && allowed.find(answer) != std::string_view::npos;
}

script::SelectRequest questionnaireSelectRequest(int levels) {
    const char* text = levels == 7   ? texts::kQuestionnaireBox7
                       : levels == 5 ? texts::kQuestionnaireBox5
                                     : texts::kQuestionnaireBox3;
    const auto parsed = script::parseSelectText(text);
    return {levels == 5 || levels == 7 ? 3 : 6, parsed.count, parsed.prompt, false};
}

std::string answerFromChoice(int levels, int index) {
    if (index < 0) return {};
    if (levels == 5 || levels == 7) return std::to_string(index);
    static constexpr const char* kThree[] = {"nein", "?", "ja"};
    return index < 3 ? kThree[index] : std::string();
}

std::string factorKey(std::string_view questionLine) {
    const auto lt = questionLine.find('<');
    if (lt == std::string_view::npos || lt + 1 >= questionLine.size()) return {};
    std::size_t pos = lt + 1;
    std::string key;
    platform::appendUtf8(key, platform::nextUtf8(questionLine, pos));
    return key;
}

std::string pageFactorKey(bool testMode, int page, std::string_view factorHeader,
                          std::string_view questionLine) {
    if (!testMode || page < 2 || lesson::trim(factorHeader).empty()) return {};
    return factorKey(questionLine);
}

AnswerStep questionnaireAnswerStep(std::string_view lastAnswer, int levels, int currentPage,
                                   int pageCount) {
    if (!answerAllowed(lastAnswer, allowedAnswers(levels))) return AnswerStep::WrongAnswer;
    return currentPage < pageCount - 1 ? AnswerStep::ShowNextPage : AnswerStep::StayOnLastPage;
}

}  // namespace textaria::player
