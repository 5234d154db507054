// The player's protocol writer: turns what a finished test or questionnaire leaves
// (TestOutcome) into the protocol text, writes it with its JSON twin, and for a questionnaire
// without factors the question file once.
//
// Usage (whoever sets up the player):
//   player.setProtocolWriter(makeProtocolWriter([&] {
//       return ProtocolContext{protocolFolder, collectQuestions(lessonText), pageTitles};
//   }));
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "player/lesson_player.h"
#include "player/questionnaire.h"
#include "player/test_protocol.h"

namespace textaria::player {

// What the outcome does not carry: where protocols go and facts of the loaded lesson.
struct ProtocolContext {
    std::string folder;                   // ProtocolFolder, absolute
    QuestionCollection questions;         // QuestionList and QuestionMarkCount
    std::vector<std::string> pageTitles;  // by page number (index 0 unused), for the twin
};

ProtocolWriter makeProtocolWriter(std::function<ProtocolContext()> context);

// Three-letter draws from the player's random engine (the same seed, the same letters).
LetterSource engineLetters(std::mt19937& random);

}  // namespace textaria::player
