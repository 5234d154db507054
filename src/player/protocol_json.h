// The machine-readable twin of a protocol (".json" beside the ".txt", same base name), so that
// teachers can gather results in a spreadsheet. UTF-8 JSON, one object per protocol.
//
// Usage: fill a ProtocolRecord from the same inputs as the protocol text (for questionnaires
// questionnaireRecord() of questionnaire_profile.h fills the questionnaire part), then
// writeProtocolFiles(..., protocolJson(record), ...) of protocol_file.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace textaria::player {

struct ProtocolRecord {
    struct Page {
        int number = 0;
        std::string title;
        std::string resultLine;            // empty: never evaluated
        std::vector<std::string> answers;  // as the learner typed them
    };
    struct Question {
        int page = 0;
        std::string question;  // the page's question line
        std::string answer;
        std::optional<int> value;  // none when the answer counts as no level
    };
    struct Factor {
        std::string letter;
        std::string name;  // ENR lessons only
        int count = 0;     // questions of the factor
        int sum = 0;
        int maximum = 0;
        std::optional<double> z;  // ENR lessons only
        std::string band;
    };
    struct Questionnaire {
        int levels = 0;
        std::string form;
        int score = 0;
        int maximum = 0;
        std::vector<Question> questions;
        std::vector<Factor> factors;
    };

    std::string lesson;
    std::string person;
    std::string date;  // dd.mm.yyyy
    std::string time;  // hh:mm:ss
    bool complete = false;
    int totalValues = 0;
    int totalCorrect = 0;
    std::vector<Page> pages;
    std::optional<Questionnaire> questionnaire;
};

// The record as JSON text ("status" is "complete" or "aborted"; "percent" as in the protocol).
std::string protocolJson(const ProtocolRecord& record);

// A text as a JSON string literal, quotes included.
std::string jsonString(std::string_view text);

}  // namespace textaria::player
