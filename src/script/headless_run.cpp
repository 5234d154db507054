#include "script/headless_run.h"

#include <algorithm>
#include <charconv>

namespace textaria::script {

void ScriptedAnswers::information(std::string_view text) {
    messages.emplace_back(text);
    if (onMessage) onMessage(text);
}

std::optional<std::string> ScriptedAnswers::next() {
    if (answers.empty()) return std::nullopt;
    std::string line = std::move(answers.front());
    answers.pop_front();
    return line;
}

int ScriptedAnswers::select(const SelectRequest& request) {
    selectEscaped = false;
    while (auto line = next()) {
        int choice = -1;
        const auto [end, error] =
            std::from_chars(line->data(), line->data() + line->size(), choice);
        if (error == std::errc() && end == line->data() + line->size() && choice >= 0 &&
            choice <= std::max(request.count, 1))
            return choice;
    }
    selectEscaped = true;
    return -1;
}

}  // namespace textaria::script
