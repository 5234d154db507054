// The help memo of the main window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace textaria::player {

// Its lines, in order: the boxed title, the commands in their groups, the description.
std::vector<std::string> helpLines();

// What the help says of one command, as it is written there ("<Bewerten>", "[Dn]",
// "<Strg F6>"): the rest of its line, trimmed; empty for a command the help does not name.
std::string helpFor(std::string_view command);

}  // namespace textaria::player
