// The help memo of the main window.
#pragma once

#include <string>
#include <vector>

namespace textaria::player {

// Its lines, in order: the boxed title, the commands in their groups, the description.
std::vector<std::string> helpLines();

}  // namespace textaria::player
