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
    add(texts::kKeyboardPickHelp);
    add(texts::kHelpDescription);
    lines.pop_back();
    return lines;
}

}  // namespace textaria::player
