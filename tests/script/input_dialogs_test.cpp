#include <gtest/gtest.h>

#include "script/entry_dialog.h"
#include "script/select_dialog.h"
#include "support/fake_input_dialogs.h"

namespace textaria::script {
namespace {

TEST(EntryDialog, PointEntryTypedWithCommaAndEnter) {
    const auto s = PrepareEntry({2, 2, "P", "unused", "0,0"});
    EXPECT_EQ(s.cells, (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(s.prompt, "Koordinaten von Punkt (Vektor) P");
    auto cells = s.cells;
    const auto first = enterInCell("1,5", 0, 2);
    EXPECT_TRUE(first.accepted);
    EXPECT_EQ(first.nextCell, 1);
    cells[0] = first.cellText;
    const auto second = enterInCell("2", 1, 2);
    EXPECT_EQ(second.nextCell, -1);  // then "<ok>"
    cells[1] = second.cellText;
    EXPECT_EQ(joinEntryResult(cells), "1.5,2");
}

TEST(EntryDialog, EnterRulesAndJoining) {
    const struct {
        const char* text;
        const char* cell;
        bool accepted;
    } cases[] = {
        {"abc", "", false},   {"", "", false},      {"1,2,3", "", false}, {"-3", "-3", true},
        {"2,5", "2.5", true}, {" 7 ", " 7 ", true}, {"1e3", "1e3", true},
    };
    for (const auto& c : cases) {
        const auto step = enterInCell(c.text, 1, 3);
        EXPECT_EQ(step.cellText, c.cell) << c.text;
        EXPECT_EQ(step.accepted, c.accepted) << c.text;
        EXPECT_EQ(step.nextCell, c.accepted ? 2 : 1) << c.text;  // the cursor stays on refusal
    }
    EXPECT_EQ(joinEntryResult({" 1,5 ", "2", "-3"}), "1.5,2,-3");
    EXPECT_EQ(joinEntryResult({""}), "");

    const auto prompt = PrepareEntry({1, 0, "a,b", "Zahlen:", "1,,3,4"});
    EXPECT_EQ(prompt.count, 1);  // at least one cell
    EXPECT_EQ(prompt.prompt, "Zahlen:");
    EXPECT_EQ(prompt.defaults, (std::vector<std::string>{"1", "", "3", "4"}));
    EXPECT_EQ(prompt.cells, (std::vector<std::string>{"1"}));
    std::string many;
    for (int i = 0; i < 250; ++i) many += "1,";
    EXPECT_EQ(splitEntryItems(many).size(), kMaxEntryItems);
    EXPECT_TRUE(splitEntryItems("  ").empty());
}

TEST(EntryDialog, WindowSizesAndPosition) {
    EntryMetrics m;
    m.designedGridWidth = 324;
    m.gridLeft = 4;
    m.gridFrame = 4;
    m.buttonWidth = 60;
    m.promptWidth = 500;
    m.gridTop = 4;
    m.gridHeight = 30;
    m.promptHeight = 20;
    const auto one = entryGeometry(1, m);
    EXPECT_EQ(one.gridClientWidth, 81 + 30);  // a quarter of the designed width, half the button
    EXPECT_EQ(one.columnWidth, 111);          // one cell: all of it
    EXPECT_EQ(one.buttonLeft, 4 + 111 + 4 + 2);
    EXPECT_EQ(one.windowWidth, 515);  // the prompt is wider than grid and button
    EXPECT_EQ(one.windowHeight, 4 + 30 + 15 + 20 + 15);
    const auto three = entryGeometry(3, m);
    EXPECT_EQ(three.gridClientWidth, 243 + 30);
    EXPECT_EQ(three.columnWidth, 273 / 4);  // a spare column for the button
    EXPECT_EQ(three.buttonLeft, 4 + 273 + 4 - 68 + 2);
    const auto pos = entryPosition({10, 20, 300, 7});
    EXPECT_EQ(pos.left, 10);
    EXPECT_EQ(pos.top, 20 + 300 + 35);
}

TEST(SelectDialog, ButtonsAndResultsByMode) {
    const int W = 400;  // W/8 = 50
    const struct {
        int mode, count;
        bool noZero;
        std::vector<std::string> buttons;
        int columns, width;
        int chosen;
        bool escaped;
        int result;
    } cases[] = {
        {0, 3, false, {"1", "2", "3", "0"}, 4, 200, 1, false, 2},
        {0, 3, false, {"1", "2", "3", "0"}, 4, 200, 3, false, 0},
        {0, 3, false, {"1", "2", "3", "0"}, 4, 200, -1, true, -1},
        {0, 3, true, {"1", "2", "3"}, 3, 150, 2, false, 3},
        {1, 2, false, {"a", "b", "0"}, 3, 150, 0, false, 1},
        {2, 3, true, {"nein", "?", "ja"}, 3, 300, 0, false, 1},
        {2, 3, false, {"nein", "?", "ja", "0"}, 4, 200, 3, false, 0},
        {3, 4, false, {"0", "1", "2", "3"}, 4, 200, 0, false, 0},
        {3, 4, false, {"0", "1", "2", "3"}, 4, 200, -1, true, -1},
        {4, 2, false, {"1", "2"}, 2, 100, -1, true, 0},
        {5, 3, false, {"a", "b", "c"}, 3, 150, 2, false, 3},
        {6, 3, false, {"nein", "?", "ja"}, 3, 300, 2, false, 2},
        {6, 12, false, {"nein", "?", "ja"}, 1, 100, -1, false, -1},  // count outside 2..9
    };
    for (const auto& c : cases) {
        const SelectRequest r{c.mode, c.count, "", c.noZero};
        const auto layout = selectLayout(r, W);
        EXPECT_EQ(layout.buttons, c.buttons) << "mode " << c.mode;
        EXPECT_EQ(layout.columns, c.columns) << "mode " << c.mode;
        EXPECT_EQ(layout.groupWidth, c.width) << "mode " << c.mode;
        EXPECT_EQ(selectResult(r, c.chosen, c.escaped), c.result)
            << "mode " << c.mode << " chosen " << c.chosen;
    }
}

TEST(SelectDialog, PromptVariableAndCountFromText) {
    const struct {
        const char* text;
        const char* prompt;
        char variable;
        int count;
    } cases[] = {
        {"Wähle:x,12", "Wähle", 'X', 1},
        {" Verschiebbare Auswahlbox: w,5", " Verschiebbare Auswahlbox", 'W', 5},
        {"Zahl: b , 9", "Zahl", 'B', 9},
        {"Nur Text", "Nur Text", 0, 1},
        {"A:c,x", "A", 'C', 1},
    };
    for (const auto& c : cases) {
        const auto t = parseSelectText(c.text);
        EXPECT_EQ(t.prompt, c.prompt) << c.text;
        EXPECT_EQ(t.variable, c.variable) << c.text;
        EXPECT_EQ(t.count, c.count) << c.text;
    }
}

TEST(SelectDialog, FakeAppliesTheResultRules) {
    testing::FakeInputDialogs dialogs;
    dialogs.selectChoices = {3, -1};
    EXPECT_EQ(dialogs.select({0, 3, "P", false}), 0);
    EXPECT_FALSE(dialogs.selectEscaped);
    EXPECT_EQ(dialogs.select({4, 3, "P", false}), 0);
    EXPECT_TRUE(dialogs.selectEscaped);
    EXPECT_EQ(dialogs.select({3, 3, "P", false}), -1);
    EXPECT_TRUE(dialogs.ranOut);
}

}  // namespace
}  // namespace textaria::script
