// The protocol of a questionnaire: answer list with scale lines, scores, factor profiles and,
// for the factor set "ENR", the standardised results in five bands.
//
// Usage (the player, when "Beenden" ends a questionnaire):
//   QuestionnaireInput in{...};                       // pages 1..PageCount-1 with their lines
//   QuestionnaireProtocol p = questionnaireProtocol(in);
//   // p.lines go to the page view and, with protocolBaseName(..., p.suffix), to the file;
//   // p.record is the questionnaire part of the JSON twin.
//   if (p.writesQuestionFile) writeQuestionFileOnce(folder, lessonFileName, questions);
#pragma once

#include <string>
#include <vector>

#include "player/protocol_json.h"
#include "player/test_protocol.h"

namespace textaria::player {

struct QuestionnairePageEntry {
    std::string questionLine;  // QuestionLine (set by "Bewerten"; empty when none)
    std::string answer;        // LastAnswer
    std::string factorKey;     // FactorKey
};

struct QuestionnaireInput {
    std::string lessonFileName;
    std::string person;
    ProtocolStamp stamp;
    int levels = 3;            // QuestionnaireLevels::levels()
    std::string factorHeader;  // FactorHeader: the first line of page 1, trimmed
    int currentPage = 0;
    int pageCount = 0;
    int questionCount = 0;      // QuestionCount
    int questionMarkCount = 0;  // QuestionMarkCount
    // Index 0 is page 1; missing pages count as unanswered.
    std::vector<QuestionnairePageEntry> pages;
};

struct QuestionnaireProtocol {
    std::vector<std::string> lines;
    char suffix = '3';                // the file name's last character
    bool writesQuestionFile = false;  // a questionnaire without factors
    ProtocolRecord::Questionnaire record;
};

QuestionnaireProtocol questionnaireProtocol(const QuestionnaireInput& input);

// The JSON twin of a questionnaire protocol: the common facts and the questionnaire part.
// `titles` by page number (index 0 unused), for the page list.
ProtocolRecord questionnaireProtocolRecord(const QuestionnaireInput& input,
                                           const QuestionnaireProtocol& protocol,
                                           const std::vector<std::string>& titles = {});

// The band of a standardised value, chosen from the unrounded z.
std::string enrBand(double z);

}  // namespace textaria::player
