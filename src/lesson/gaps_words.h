// The word list of a page's answers for the click-click technique.
#pragma once

#include <string>
#include <vector>

#include "lesson/gaps.h"

namespace textaria::lesson {

// " " + answer for every gap; exact duplicates dropped; sorted without regard to case (for
// German text: "ä" sorts with "a", "ß" as "ss"). One entry per line of the word list.
std::vector<std::string> BuildAnswerWordList(const GapTable& table);

}  // namespace textaria::lesson
