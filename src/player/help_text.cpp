#include "player/help_text.h"

#include <iterator>

#include "lesson/markup_text.h"
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

std::string helpFor(std::string_view command) {
    for (std::string_view line : texts::kHelpCommands) {
        line = lesson::trim(line);
        if (line.substr(0, command.size()) != command || line.size() == command.size()) continue;
        // The name is followed by blanks, not by more of a longer name ("<F1>" / "<F12>").
        if (line[command.size()] != ' ') continue;
        return std::string(lesson::trim(line.substr(command.size())));
    }
    return {};
}

}  // namespace textaria::player
