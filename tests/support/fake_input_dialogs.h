// A scripted stand-in for the data entry grid and the selection box: answers come from queues
// filled by the test, every request is recorded.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "script/input_dialogs.h"
#include "script/select_dialog.h"

namespace textaria::testing {

class FakeInputDialogs : public script::InputDialogs {
  public:
    // What the learner enters: the joined cells, or nothing for Escape.
    std::deque<std::optional<std::string>> entryAnswers;
    // The 0-based button the learner chooses; -1 is Escape. The box's result rules apply.
    std::deque<int> selectChoices;

    std::vector<script::EntryRequest> entries;
    std::vector<script::SelectRequest> selects;
    bool ranOut = false;  // a dialog found its queue empty (answered with Escape)

    std::optional<std::string> enterData(const script::EntryRequest& request) override {
        entries.push_back(request);
        if (entryAnswers.empty()) {
            ranOut = true;
            return std::nullopt;
        }
        auto answer = entryAnswers.front();
        entryAnswers.pop_front();
        return answer;
    }

    int select(const script::SelectRequest& request) override {
        selects.push_back(request);
        int choice = -1;
        if (selectChoices.empty())
            ranOut = true;
        else {
            choice = selectChoices.front();
            selectChoices.pop_front();
        }
        selectEscaped = choice < 0;
        return script::selectResult(request, choice, selectEscaped);
    }
};

}  // namespace textaria::testing
