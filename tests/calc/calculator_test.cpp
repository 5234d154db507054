// The calculator session: assignments, keys, the running sum, decimals, the variable list and
// what survives between two openings of the window.
#include "calc/calculator.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/calculator_window.h"
#include "support/fake_user_dialogs.h"

namespace textaria::calc {
namespace {

constexpr std::size_t idx(char letter) { return static_cast<std::size_t>(letter - 'a'); }

TEST(CalculatorAssignments, StoreEitherWayRoundAndReportTheLetter) {
    FormulaVariables variables;
    Calculator calculator(variables);
    const LineAnswer a = calculator.evaluate("a=2");
    EXPECT_EQ(a.text, "2");
    EXPECT_EQ(a.changedVariable, 0);
    EXPECT_EQ(calculator.evaluate("a*3").text, "6");

    const LineAnswer b = calculator.evaluate(" 2,5 = B ");
    EXPECT_EQ(b.text, "2.5");
    EXPECT_EQ(b.changedVariable, 1);
    EXPECT_DOUBLE_EQ(variables['b'], 2.5);

    // Full precision is stored although the line shows two decimals.
    EXPECT_EQ(calculator.evaluate("z=1/3").text, "0.33");
    EXPECT_DOUBLE_EQ(variables['z'], 1.0 / 3);

    // An empty side counts as 0.
    EXPECT_EQ(calculator.evaluate("a=").text, "0");
    EXPECT_DOUBLE_EQ(variables['a'], 0.0);

    for (const char* bad : {"ab=2", "2=3", "a=1/0", "a=b=3", "=", "a=sqrt(-1)"}) {
        const LineAnswer failed = calculator.evaluate(bad);
        EXPECT_EQ(failed.text, " Fehler") << bad;
        EXPECT_EQ(failed.changedVariable, -1) << bad;
    }
    EXPECT_DOUBLE_EQ(variables['b'], 2.5);
}

TEST(CalculatorKeys, ModifiersSelectTheVariantsOfF6F7AndF9) {
    struct Case {
        EntryKey key;
        KeyModifiers modifiers;
        EntryAction action;
    };
    const KeyModifiers none{}, shift{true, false, false}, ctrl{false, true, false};
    const KeyModifiers shiftCtrl{true, true, false}, shiftAlt{true, false, true};
    const Case cases[] = {
        {EntryKey::F1, shift, EntryAction::Evaluate},
        {EntryKey::F6, none, EntryAction::None},
        {EntryKey::F6, shift, EntryAction::ToggleCommandLabels},
        {EntryKey::F6, shiftAlt, EntryAction::None},
        {EntryKey::F7, shift, EntryAction::ChooseDecimals},
        {EntryKey::F7, ctrl, EntryAction::None},
        {EntryKey::F9, none, EntryAction::ShowCount},
        {EntryKey::F9, shift, EntryAction::ShowSum},
        {EntryKey::F9, ctrl, EntryAction::ShowSquareSum},
        {EntryKey::F9, shiftCtrl, EntryAction::ShowCount},
        {EntryKey::Other, ctrl, EntryAction::None},
        {EntryKey::Escape, none, EntryAction::Close},
        {EntryKey::F2, ctrl, EntryAction::Close},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entryActionFor(c.key, c.modifiers), c.action) << static_cast<int>(c.key);
}

TEST(CalculatorEditing, PreparationKeepsTheCaretOnTheSameCharacter) {
    struct Case {
        EntryLine in;
        EntryLine out;
    };
    const Case cases[] = {
        {{"  2^^3 ", 4, 0}, {"2^3", 2, 0}}, {{"  2^^3 ", 7, 0}, {"2^3", 3, 0}},
        {{"  2^^3 ", 0, 0}, {"2^3", 0, 0}}, {{"2^^^^3", 6, 0}, {"2^^3", 4, 0}},
        {{" abc ", 1, 3}, {"abc", 0, 3}},   {{"", 0, 0}, {"", 0, 0}},
    };
    for (const Case& c : cases) {
        const EntryLine out = prepareEntryLine(c.in);
        EXPECT_EQ(out.text, c.out.text) << c.in.text;
        EXPECT_EQ(out.selectionStart, c.out.selectionStart) << c.in.text;
        EXPECT_EQ(out.selectionLength, c.out.selectionLength) << c.in.text;
    }
}

TEST(CalculatorEditing, InsertionsReplaceTheSelectionAndPlaceTheCaret) {
    EntryLine line = insertAtCaret({"12", 1, 0}, "^2");
    EXPECT_EQ(line.text, "1^22");
    EXPECT_EQ(line.selectionStart, 3u);
    line = insertAtCaret({"abcd", 1, 2}, "X");
    EXPECT_EQ(line.text, "aXd");
    EXPECT_EQ(line.selectionStart, 2u);
    line = insertAtCaret({"ab", 9, 9}, "X");  // stale positions stay inside the text
    EXPECT_EQ(line.text, "abX");

    line = insertSquareRoot({"2*", 2, 0});
    EXPECT_EQ(line.text, "2*sqrt()");
    EXPECT_EQ(line.selectionStart, 7u);
    // The caret goes into the first "()" of the line, wherever that is.
    line = insertSquareRoot({"()+1", 4, 0});
    EXPECT_EQ(line.text, "()+1sqrt()");
    EXPECT_EQ(line.selectionStart, 1u);
}

TEST(CalculatorSums, CountSumAndSquaresOfPlainNumbers) {
    FormulaVariables variables;
    Calculator calculator(variables);
    for (const char* number : {"2", "3", "4"}) EXPECT_EQ(calculator.addToSum(number), number);
    // Formulas and texts are not numbers here; they leave the sums alone.
    EXPECT_EQ(calculator.addToSum("2+2"), " Fehler ");
    EXPECT_EQ(calculator.addToSum("zwei"), " Fehler ");
    EXPECT_EQ(calculator.addToSum(""), " Fehler ");
    EXPECT_EQ(calculator.countText(), "n = 3");
    EXPECT_EQ(calculator.sumText(), "x = 9.00");
    EXPECT_EQ(calculator.squareSumText(), "y = 29.00");

    calculator.addToSum("-1.5");
    EXPECT_EQ(calculator.sumText(), "x = 7.50");

    calculator.clear();
    EXPECT_EQ(calculator.countText(), "n = 0");
    EXPECT_EQ(calculator.squareSumText(), "y = 0.00");
}

TEST(CalculatorDecimals, F7AsksAndRewritesTheNumberInTheLine) {
    FormulaVariables variables;
    Calculator calculator(variables);
    testing::FakeUserDialogs dialogs;
    calculator.setDialogs(&dialogs);
    calculator.activate();

    dialogs.inputAnswers = {" 4 "};
    EXPECT_EQ(calculator.chooseDecimals("0.5"), "0.5000");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, " Dezimalstellen (0...14) ");
    EXPECT_EQ(dialogs.shown[0].text, "gültig nur für den aktuellen Aufruf des Rechners");
    EXPECT_EQ(dialogs.shown[0].defaultText, "2");
    EXPECT_EQ(calculator.evaluate("1/3").text, "0.3333");
    EXPECT_EQ(calculator.evaluate("1/2").text, "0.5");
    EXPECT_EQ(calculator.variableList()[0], " a = 0.0000");

    // A line that is no plain number stays as it is; a cancelled box keeps the offer.
    dialogs.inputAnswers = {std::nullopt};
    EXPECT_EQ(calculator.chooseDecimals("z = 1"), "z = 1");
    EXPECT_EQ(calculator.decimals(), 4);
    EXPECT_EQ(dialogs.shown.back().defaultText, "4");

    for (const char* wrong : {"15", "-1", "3.5", "x", ""}) {
        dialogs.inputAnswers = {std::string(wrong)};
        calculator.chooseDecimals("1");
        EXPECT_EQ(calculator.decimals(), 2) << wrong;
    }
    dialogs.inputAnswers = {"0"};
    EXPECT_EQ(calculator.chooseDecimals("2.5"), "2");
    dialogs.inputAnswers = {"14"};
    calculator.chooseDecimals("1");
    EXPECT_EQ(calculator.decimals(), 14);

    // The choice holds for this opening only.
    calculator.close("");
    EXPECT_EQ(calculator.decimals(), 2);
}

TEST(CalculatorLifecycle, OwnValuesSurviveClosingWhileTheSharedOnesHoldTheOuterValues) {
    FormulaVariables variables;
    Calculator calculator(variables);
    calculator.outerVariables()[idx('p')] = 5;
    variables['p'] = 5;

    calculator.activate();
    EXPECT_DOUBLE_EQ(variables['p'], 0.0);  // the calculator's own (still empty) values
    calculator.evaluate("a=7");
    calculator.close("  z = 7*1  ");
    EXPECT_EQ(calculator.calculatorResult(), "z = 7*1");
    EXPECT_DOUBLE_EQ(variables['a'], 0.0);
    EXPECT_DOUBLE_EQ(variables['p'], 5.0);
    EXPECT_DOUBLE_EQ(calculator.calculatorVariables()[idx('a')], 7.0);

    calculator.activate();
    EXPECT_DOUBLE_EQ(variables['a'], 7.0);
    calculator.close("");

    // After a page change the calculator starts from the page's values, once.
    calculator.setResetOnOpen(true);
    calculator.activate();
    EXPECT_DOUBLE_EQ(variables['a'], 0.0);
    EXPECT_DOUBLE_EQ(variables['p'], 5.0);
    calculator.close("5");
    EXPECT_FALSE(calculator.resetOnOpen());
    calculator.activate();
    EXPECT_DOUBLE_EQ(variables['p'], 5.0);  // saved at the last close

    calculator.clear();
    for (double v : variables.values) EXPECT_DOUBLE_EQ(v, 0.0);
    calculator.evaluate("p=1");
    calculator.close("");
    calculator.clearSavedVariables();
    EXPECT_DOUBLE_EQ(variables['p'], 5.0);  // the shared values are the player's business
    calculator.activate();
    EXPECT_DOUBLE_EQ(variables['p'], 0.0);
}

TEST(CalculatorTextMemoryAndHelp, F3KeepsOnlyNonEmptyLinesAndShiftF6NeedsF5) {
    FormulaVariables variables;
    Calculator calculator(variables);
    calculator.storeText("a*2");
    calculator.storeText("");
    EXPECT_EQ(calculator.textMemory(), "a*2");

    EXPECT_FALSE(calculator.toggleCommandLabels());
    EXPECT_FALSE(calculator.commandLabelsVisible());
    calculator.toggleCommandHelp();
    EXPECT_TRUE(calculator.toggleCommandLabels());
    EXPECT_TRUE(calculator.commandLabelsVisible());
    calculator.toggleCommandHelp();
    EXPECT_FALSE(calculator.toggleCommandLabels());
    EXPECT_TRUE(calculator.commandLabelsVisible());
}

TEST(CalculatorVariableList, LinesAndClicks) {
    FormulaVariables variables;
    Calculator calculator(variables);
    variables['b'] = 1.5;
    variables['z'] = -2;
    const auto lines = calculator.variableList();
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0], " a = 0.00");
    EXPECT_EQ(lines[1], " b = 1.50");
    EXPECT_EQ(lines[25], " z = -2.00");
    EXPECT_EQ(Calculator::entryForListLine(lines[2]), "c = ");
    EXPECT_EQ(Calculator::entryForListLine(""), std::nullopt);
    EXPECT_EQ(Calculator::entryForListLine(" = 1"), std::nullopt);
}

class RecordingLauncher : public ProgramLauncher {
  public:
    bool succeed = true;
    std::vector<std::string> started;
    bool startDetached(const std::string& program) override {
        started.push_back(program);
        return succeed;
    }
};

TEST(CalculatorExternal, FirstKnownCalculatorOnThePathIsStarted) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(::testing::TempDir()) / "textaria_calculator_path";
    fs::remove_all(root);
    fs::create_directories(root / "one");
    fs::create_directories(root / "two");
    const auto makeFile = [](const fs::path& path, bool executable) {
        std::ofstream(path) << "#!/bin/sh\n";
        fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read);
    };
    makeFile(root / "one" / "galculator", true);
    makeFile(root / "one" / "gnome-calculator", false);  // not executable: skipped
    makeFile(root / "two" / "kcalc", true);
    fs::create_directories(root / "two" / "qalculate-gtk");  // a folder, not a program

    const std::string path = ":" + (root / "one").string() + "::" + (root / "two").string();
    EXPECT_EQ(findDesktopCalculator(path), (root / "two" / "kcalc").string());
    EXPECT_EQ(findDesktopCalculator((root / "one").string()),
              (root / "one" / "galculator").string());
    EXPECT_EQ(findDesktopCalculator(""), std::nullopt);

    FormulaVariables variables;
    Calculator calculator(variables);
    testing::FakeUserDialogs dialogs;
    calculator.setDialogs(&dialogs);
    RecordingLauncher launcher;
    EXPECT_TRUE(calculator.startExternalCalculator(path, launcher));
    EXPECT_EQ(launcher.started, std::vector<std::string>{(root / "two" / "kcalc").string()});
    EXPECT_TRUE(dialogs.messages().empty());

    launcher.succeed = false;
    EXPECT_FALSE(calculator.startExternalCalculator(path, launcher));
    EXPECT_FALSE(calculator.startExternalCalculator((root / "none").string(), launcher));
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Calculator nicht gefunden", "Calculator nicht gefunden"}));
    fs::remove_all(root);
}

TEST(CalculatorWindow, ScreenShapeAndDensityDecideScaleSizeAndFonts) {
    struct Case {
        int width, height;
        double ppi;
        double scale;
        std::optional<int> windowWidth, windowHeight;
        int entryExtra, listExtra;
    };
    const Case cases[] = {
        {1280, 1024, 96, 1.25, 620, 480, 2, 0},
        {1024, 768, 96, 1.0, 496, 384, 4, 2},
        {1920, 1080, 96, 1.25, std::nullopt, std::nullopt, 2, 0},  // wide: no fixed size
        {1920, 1200, 144, 1.0, std::nullopt, std::nullopt, 2, 0},  // exactly 0.625
        {1600, 1200, 120, 1.25, 775, 600, 2, 0},
        {800, 600, 96, 0.78125, 388, 300, 4, 2},
        {0, 0, 96, 1.0, std::nullopt, std::nullopt, 0, 0},
    };
    for (const Case& c : cases) {
        const auto g = calculatorWindowGeometry(c.width, c.height, c.ppi, 620, 480);
        EXPECT_DOUBLE_EQ(g.scale, c.scale) << c.width << "x" << c.height;
        EXPECT_EQ(g.width, c.windowWidth) << c.width << "x" << c.height;
        EXPECT_EQ(g.height, c.windowHeight) << c.width << "x" << c.height;
        EXPECT_EQ(g.entryFontExtra, c.entryExtra) << c.width << "x" << c.height;
        EXPECT_EQ(g.listFontExtra, c.listExtra) << c.width << "x" << c.height;
    }
}

}  // namespace
}  // namespace textaria::calc
