#include "player/protocol_writer.h"

#include "player/protocol_file.h"
#include "player/protocol_json.h"
#include "player/questionnaire_profile.h"
#include "player/test_protocol.h"

namespace textaria::player {

namespace {

ProtocolStamp stampOf(const ClockReading& when) {
    if (auto stamp = ProtocolStamp::parse(when.date + " " + when.time)) return *stamp;
    return ProtocolStamp::now();
}

std::string at(const std::vector<std::string>& v, std::size_t i) {
    return i < v.size() ? v[i] : std::string();
}

void collect(ProtocolResult& result, const ProtocolFiles& files) {
    if (!files.textPath.empty()) result.written.push_back(files.textPath);
    if (!files.jsonPath.empty()) result.written.push_back(files.jsonPath);
    if (files.failure) result.errors.push_back(files.failure->path + "\r" + files.failure->reason);
}

}  // namespace

LetterSource engineLetters(std::mt19937& random) {
    return [&random] {
        // Rejection keeps the letters uniform; the engine's sequence makes them repeatable.
        constexpr std::uint32_t kLimit = std::mt19937::max() - std::mt19937::max() % 26;
        std::uint32_t v = random();
        while (v >= kLimit) v = random();
        return static_cast<char>('a' + v % 26);
    };
}

ProtocolWriter makeProtocolWriter(std::function<ProtocolContext()> context) {
    return [context = std::move(context)](const TestOutcome& o, std::mt19937& random) {
        const ProtocolContext c = context();
        const ProtocolStamp stamp = stampOf(o.when);
        // The outcome knows only whether the last page was reached.
        const int currentPage = o.complete ? o.pageCount - 1 : 0;
        std::vector<std::string> lines;
        ProtocolRecord record;
        char suffix = '1';
        bool questionFile = false;
        if (o.questionnaireLevels == 0) {
            TestProtocolInput in{o.lessonFileName, o.person,       stamp, currentPage,  o.pageCount,
                                 o.totalValues,    o.totalCorrect, {""},  c.pageTitles, {{}}};
            in.pageResults.insert(in.pageResults.end(), o.pageResults.begin(), o.pageResults.end());
            for (const auto& answer : o.lastAnswers)
                in.pageAnswers.push_back(answer.empty() ? std::vector<std::string>{}
                                                        : std::vector<std::string>{answer});
            lines = testProtocolLines(in);
            record = testProtocolRecord(in);
        } else {
            QuestionnaireInput in;
            in.lessonFileName = o.lessonFileName;
            in.person = o.person;
            in.stamp = stamp;
            in.levels = o.questionnaireLevels;
            in.factorHeader = o.headerLine;
            in.currentPage = currentPage;
            in.pageCount = o.pageCount;
            in.questionCount = static_cast<int>(c.questions.questions.size());
            in.questionMarkCount = c.questions.questionMarkCount;
            for (std::size_t i = 0; i < o.pageResults.size(); ++i)
                in.pages.push_back({o.pageResults[i], at(o.lastAnswers, i), at(o.factorKeys, i)});
            const auto protocol = questionnaireProtocol(in);
            lines = protocol.lines;
            suffix = protocol.suffix;
            questionFile = protocol.writesQuestionFile;
            record = questionnaireProtocolRecord(in, protocol, c.pageTitles);
        }
        ProtocolResult result;
        result.lines = lines;
        const auto baseName = [&](std::string_view letters) {
            return protocolBaseName(o.lessonFileName, o.person, stamp, letters, suffix);
        };
        collect(result, writeProtocolFiles(c.folder, baseName, lines, protocolJson(record),
                                           engineLetters(random)));
        if (questionFile) {
            const auto q = writeQuestionFileOnce(c.folder, o.lessonFileName, c.questions.questions);
            if (q.written) result.written.push_back(q.path);
            if (q.failure) result.errors.push_back(q.failure->path + "\r" + q.failure->reason);
        }
        return result;
    };
}

}  // namespace textaria::player
