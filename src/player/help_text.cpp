#include "player/help_text.h"

#include <iterator>

#include "player/texts.h"

namespace textaria::player {

std::vector<std::string> helpLines() {
    std::vector<std::string> lines;
    const auto add = [&lines](const auto& group) {
        lines.insert(lines.end(), std::begin(group), std::end(group));
        lines.emplace_back();
    };
    lines.emplace_back();
    add(texts::kHelpTitle);
    add(texts::kHelpCommands);
    // KEYBOARD-PICK: the keys that pick and drop words without a mouse join here as a group
    // of their own, once they are defined beside the other texts.
    add(texts::kHelpDescription);
    lines.pop_back();
    return lines;
}

}  // namespace textaria::player
