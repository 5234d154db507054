// The main window's keys through the lesson player: every entry of the key map with its
// condition met and not met, Enter in the answer fields, the help and the graphics text size.
#include "player/key_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "lesson/texts.h"
#include "player/help_text.h"
#include "player/lesson_player.h"
#include "player/media_control.h"
#include "player/media_fakes.h"
#include "player/print_jobs.h"
#include "player/texts.h"
#include "script/graphics_text_size.h"
#include "support/fake_user_dialogs.h"

namespace textaria::player {
namespace {

using testing::FakeMediaPlayer;
using testing::FakeUserDialogs;
using testing::TempFolder;

// Everything the player asks of the window, as one line per event.
struct LoggingView : PlayerView {
    std::vector<std::string>* log = nullptr;
    std::vector<std::string> help;
    int focus = -1;
    double k = 0;
    void note(const std::string& line) { log->push_back(line); }
    void showPageText(const PageText& page, bool) override {
        note("page " + std::to_string(page.number));
    }
    bool showPicture(const std::string&) override { return true; }
    void focusField(int field) override { focus = field; }
    void openCalculator(int field, bool clear) override {
        note("calculator " + std::to_string(field) + (clear ? " cleared" : ""));
    }
    void openScriptEditor() override { note("script editor"); }
    void setFullScreen(bool on) override { note(on ? "full screen" : "normal window"); }
    void rescale(double newK) override { k = newK; }
    void showHelp(const std::vector<std::string>& lines) override {
        help = lines;
        note("help shown");
    }
    void hideHelp() override { note("help hidden"); }
};

struct LoggingPrinter : PagePrinter {
    std::vector<std::string>* log = nullptr;
    bool choosePrinter() override { return true; }
    void printWorksheet(const PageText&, const lesson::PrintFormPlan&, int) override {
        log->push_back("print worksheet");
    }
    void printPicture(const std::string& path, double scale, const std::string&) override {
        log->push_back("print " + pictureName(path) + " " + std::to_string(scale).substr(0, 4));
    }
    void printTextAndPicture(const PageText&, const lesson::PrintFormPlan&,
                             const std::string& picture) override {
        log->push_back("print one sheet " + pictureName(picture));
    }
    void printTextSheets(const TextSheets&) override { log->push_back("print sheets"); }
};

lesson::StartupState windowed() {
    lesson::StartupState startup;
    startup.FullScreenMode = false;
    return startup;
}

struct KeyPlayer {
    TempFolder folder;
    lesson::StartupState startup = windowed();
    std::vector<std::string> log;
    LoggingView view;
    LoggingPrinter printer;
    FakeUserDialogs dialogs;
    FakeMediaPlayer mediaPlayer;
    MediaControl media{mediaPlayer};
    LessonPlayer player{startup, view, dialogs};
    std::string training, test, child;

    KeyPlayer() {
        view.log = &log;
        printer.log = &log;
        startup.WorkFolder = folder.path() + "/work";
        player.setMedia(&media);
        player.setPrinter(&printer);
        folder.file("bild.jpg");
        mediaPlayer.lengths[folder.file("ton.mp3")] = 5000;
        training = lesson("kurs.rtf", {"#01, Bild;bild.jpg, ton.mp3", "Ein [Haus] steht.", "%",
                                       "#02, Koordinaten", "Zwei [Baum].", "@@", "#03, Leise",
                                       "Drei [Hund].", "|", "#04, Lesen", "Nur Text.", "#00"});
        test = lesson("test.rtf",
                      {"#01_, Bild;bild.jpg", "Ein [Haus].", "#02, Zwei", "Zwei [Baum].", "#00"});
        child = lesson("kind.rtf", {"#01!, Eins", "Ein [Haus].", "#02, Zwei", "Zwei [Baum].",
                                    "#03, Drei", "Drei [Hund].", "#00"});
    }
    std::string lesson(const std::string& name, const std::vector<std::string>& lines) {
        std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs28\n";
        for (const auto& l : lines) rtf += l + "\\par\n";
        return folder.file(name, rtf + "}");
    }
    void showContents() {
        ASSERT_TRUE(player.openLesson(training));
        player.Button8Click();
    }
    void show(const std::string& file, int page) {
        ASSERT_TRUE(player.openLesson(file));
        player.clickLine("   01", 1);
        if (page != 1) player.ShowPage(page);
        ASSERT_EQ(player.state().CurrentPage, page);
    }
    // What one key did: the window's events, the dialogs shown, the print jobs, the media
    // panel and the picture print scale when they changed.
    std::string press(Key key, Modifier modifier) {
        log.clear();
        dialogs.shown.clear();
        const bool panel = media.view().panelVisible;
        const bool picture = player.pictures().panelShown;
        const double scale = player.pictureScale();
        player.keyUp(key, modifier);
        for (const auto& shown : dialogs.shown) log.push_back(shown.text);
        if (media.view().panelVisible != panel)
            log.push_back(panel ? "media hidden" : "media shown");
        if (player.pictures().panelShown != picture)
            log.push_back(picture ? "picture hidden" : "picture shown");
        if (player.pictureScale() != scale)
            log.push_back("scale " + std::to_string(player.pictureScale()).substr(0, 4));
        std::string all;
        for (const auto& line : log) all += (all.empty() ? "" : " | ") + line;
        return all;
    }
};

struct KeyFixture : ::testing::Test, KeyPlayer {};

TEST_F(KeyFixture, EveryKeyActsOnlyWhenItsConditionHolds) {
    using Setup = std::function<void(KeyPlayer&)>;
    const auto page = [](std::string KeyPlayer::*file, int n) {
        return Setup([file, n](KeyPlayer& f) { f.show(f.*file, n); });
    };
    const Setup listPage = [](KeyPlayer& f) { ASSERT_TRUE(f.player.openLesson(f.training)); };
    const Setup contents = [](KeyPlayer& f) { f.showContents(); };
    const Setup fullScreenMode = [](KeyPlayer& f) {
        f.startup.FullScreenMode = true;
        f.show(f.training, 1);
    };
    const std::string graphics = "Schriftgröße in Grafiken: ";
    // Rows without a condition have no `unmet` set-up.
    struct Row {
        Key key;
        Modifier modifier;
        Setup met, unmet;
        std::string acts, otherwise;
    };
    const Setup always;
    const Row rows[] = {
        {Key::PageDown, Modifier::None, page(&KeyPlayer::training, 1), listPage,
         "page 2 | media hidden | picture hidden", ""},
        {Key::PageDown, Modifier::Ctrl, page(&KeyPlayer::training, 1), listPage,
         "page 2 | media hidden | picture hidden", ""},
        {Key::PageDown, Modifier::None, page(&KeyPlayer::training, 4), page(&KeyPlayer::test, 1),
         "", texts::kEvaluateFirst},
        {Key::PageUp, Modifier::Shift, page(&KeyPlayer::training, 2), page(&KeyPlayer::test, 2),
         "page 1 | media shown | picture shown", ""},
        {Key::F1, Modifier::Ctrl, listPage, always, "script editor", ""},
        {Key::F1, Modifier::None, page(&KeyPlayer::training, 1), page(&KeyPlayer::training, 4),
         "picture hidden", ""},
        {Key::F3, Modifier::None, page(&KeyPlayer::training, 1), page(&KeyPlayer::training, 4),
         "scale 0.75", ""},
        {Key::F4, Modifier::None, page(&KeyPlayer::training, 1), page(&KeyPlayer::training, 4),
         texts::kPictureZoomPrompt + std::string(" | scale 0.75"), ""},
        {Key::F4, Modifier::None, page(&KeyPlayer::training, 2), page(&KeyPlayer::training, 3),
         texts::kNoZoomOnCoordinates, ""},
        {Key::F2, Modifier::None, page(&KeyPlayer::child, 1), page(&KeyPlayer::training, 1),
         "page 3", ""},
        {Key::F2, Modifier::Shift, page(&KeyPlayer::child, 2), page(&KeyPlayer::training, 2),
         "page 1", ""},
        {Key::F2, Modifier::Ctrl, page(&KeyPlayer::child, 1), page(&KeyPlayer::child, 1), "", ""},
        {Key::F5, Modifier::None, page(&KeyPlayer::training, 1), page(&KeyPlayer::test, 1),
         "print bild 0.75 | scale 0.75", ""},
        {Key::F6, Modifier::None, page(&KeyPlayer::training, 1), page(&KeyPlayer::test, 1),
         "print worksheet | print bild 0.60", ""},
        {Key::F6, Modifier::Ctrl, page(&KeyPlayer::training, 1), page(&KeyPlayer::test, 1),
         "print one sheet bild | scale 0.50", ""},
        {Key::F7, Modifier::None, page(&KeyPlayer::training, 1), page(&KeyPlayer::training, 2),
         "media hidden", ""},
        {Key::F7, Modifier::None, page(&KeyPlayer::training, 4), page(&KeyPlayer::training, 3),
         "media shown", ""},
        {Key::F8, Modifier::None, page(&KeyPlayer::test, 1), page(&KeyPlayer::training, 1),
         "full screen", ""},
        {Key::F8, Modifier::None, fullScreenMode, page(&KeyPlayer::child, 1), "normal window", ""},
        {Key::F9, Modifier::None, page(&KeyPlayer::child, 2), page(&KeyPlayer::training, 2),
         childJumpPrompt(4), ""},
        {Key::F10, Modifier::None, listPage, always,
         " Aktuelle " + graphics + "14\r Standard-" + graphics + "14", ""},
        {Key::F10, Modifier::Shift, listPage, always,
         " Aktuelle " + graphics + "15\r Standard-" + graphics + "14", ""},
        {Key::F10, Modifier::Ctrl, listPage, always,
         " Aktuelle " + graphics + "13\r Standard-" + graphics + "14", ""},
        {Key::F11, Modifier::None, contents, page(&KeyPlayer::training, 1),
         lesson::texts::kRescaleQuestion, lesson::texts::kRescaleOnlyAfterSelection},
        {Key::F12, Modifier::None, page(&KeyPlayer::training, 1), page(&KeyPlayer::training, 4),
         "calculator 0", ""},
        {Key::Escape, Modifier::None, page(&KeyPlayer::training, 1), listPage, "", ""},
    };
    for (const Row& row : rows) {
        for (const bool met : {true, false}) {
            if (!met && !row.unmet) continue;
            KeyPlayer f;
            (met ? row.met : row.unmet)(f);
            // Function keys answer only to their own modifier; Alt with anything is none.
            if (row.key != Key::PageDown && row.key != Key::PageUp) {
                EXPECT_EQ(f.press(row.key, Modifier::Other), "") << static_cast<int>(row.key);
            }
            EXPECT_EQ(f.press(row.key, row.modifier), met ? row.acts : row.otherwise)
                << "key " << static_cast<int>(row.key) << " modifier "
                << static_cast<int>(row.modifier) << (met ? " met" : " unmet");
        }
    }
}

// The picture keys call the picture panel's commands, which the table above cannot watch;
// their conditions are the map's own.
TEST(KeyMap, PictureKeysNeedAPictureAndShiftF6ARunningSlideShow) {
    KeyFacts picture;
    picture.pageHasPicture = true;
    KeyFacts show;
    show.lessonOpen = true;
    show.slideShowRunning = true;
    KeyFacts showInTest = show;
    showInTest.testMode = true;
    struct Case {
        Key key;
        Modifier modifier;
        KeyFacts facts;
        KeyAction action;
    };
    const Case cases[] = {
        {Key::F1, Modifier::None, picture, KeyAction::TogglePicture},
        {Key::F1, Modifier::None, {}, KeyAction::None},
        {Key::F1, Modifier::Shift, picture, KeyAction::None},
        {Key::F3, Modifier::None, picture, KeyAction::PictureWithoutZoom},
        {Key::F3, Modifier::Ctrl, picture, KeyAction::None},
        {Key::F4, Modifier::None, picture, KeyAction::AskPictureZoom},
        {Key::F4, Modifier::None, {}, KeyAction::None},
        {Key::F6, Modifier::Shift, show, KeyAction::PrintSlides},
        {Key::F6, Modifier::Shift, showInTest, KeyAction::None},
        {Key::F6, Modifier::Shift, picture, KeyAction::None},
        {Key::Enter, Modifier::None, picture, KeyAction::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keyCommand(c.key, c.modifier, c.facts).action, c.action)
            << static_cast<int>(c.key);
}

TEST_F(KeyFixture, EnterMovesToTheNextVisibleFieldOnly) {
    show(lesson("drei.rtf", {"#01, Drei", "[a] [b] [c]", "#00"}), 1);
    struct Case {
        int field, focus;
    };
    // Field 4 is hidden: Enter in the last visible field stays; field 20 goes round to 1.
    for (const Case c : {Case{1, 2}, Case{2, 3}, Case{3, -1}, Case{20, 1}}) {
        view.focus = -1;
        player.enterInField(c.field);
        EXPECT_EQ(view.focus, c.focus) << c.field;
    }
}

TEST_F(KeyFixture, ScreenCorrectionAsksAgainUntilTheFactorIsANumberInRange) {
    showContents();
    dialogs.yesNoAnswers = {true};
    dialogs.inputAnswers = {std::string("1,5"), std::string("1.3"), std::string("1.1")};
    player.keyUp(Key::F11, Modifier::None);
    EXPECT_EQ(dialogs.inputAnswers.size(), 0u);
    EXPECT_DOUBLE_EQ(view.k, 1.1);
}

TEST_F(KeyFixture, HelpShowsAndHidesAndGoesAwayWithBewerten) {
    player.Button1Click();
    ASSERT_EQ(log, std::vector<std::string>{"help shown"});
    EXPECT_EQ(view.help, helpLines());
    player.Button1Click();
    EXPECT_EQ(log.back(), "help hidden");

    // "Bewerten" puts the help away; nothing is hidden when nothing is shown.
    show(training, 1);
    player.Button1Click();
    log.clear();
    player.Button6Click();
    EXPECT_EQ(std::count(log.begin(), log.end(), "help hidden"), 1);
    log.clear();
    player.Button6Click();
    EXPECT_EQ(std::count(log.begin(), log.end(), "help hidden"), 0);
}

TEST(HelpText, GroupsOfCommandsBetweenTheTitleAndTheDescription) {
    const auto lines = helpLines();
    const auto at = [&lines](const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) - lines.begin();
    };
    const auto beenden = at("  <Beenden>    Programm beenden");
    const auto f1 = at("  <F1>         Grafik ein-/ausblenden");
    const auto rep = at("  [Rep]        Wiederholung einer Seite");
    ASSERT_LT(rep, static_cast<long>(lines.size()));
    EXPECT_LT(at("  <Hilfe>      Hilfstext ein-/ausblenden"), beenden);
    EXPECT_EQ(lines[beenden + 1], "");
    EXPECT_EQ(lines[beenden + 2], "  <F12>        Taschenrechner einblenden");
    EXPECT_EQ(lines[f1 + 1], "");
    EXPECT_EQ(lines[f1 + 2], "  [Dn]         Zur nachfolgenden Seite");
    // The title's box is closed: its lines are equally wide (in characters, not bytes).
    const auto width = [](const std::string& s) {
        return std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; });
    };
    EXPECT_EQ(width(lines[1]), width(lines[2]));
    EXPECT_EQ(width(lines[2]), width(lines[3]));
    EXPECT_LT(3, at("  <Hilfe>      Hilfstext ein-/ausblenden"));
    EXPECT_GT(static_cast<long>(lines.size()), rep + 3);  // the description follows
}

TEST(GraphicsTextSize, StepsFromTheStandardOfTheScreenWithinItsLimits) {
    struct Case {
        int size;
        script::ScreenFacts screen;
        int step, after;
    };
    const Case cases[] = {
        {20, {1080, 96.0}, 0, 14},  // standard: 12 + 2 on high screens
        {20, {768, 96.0}, 0, 12},   {20, {1080, 120.0}, 0, 12}, {14, {1080, 96.0}, 1, 15},
        {14, {1080, 96.0}, -1, 13}, {4, {1080, 96.0}, -1, 4},   {72, {1080, 96.0}, 1, 72},
    };
    for (const Case& c : cases) {
        int size = c.size;
        const std::string message = script::stepGraphicsTextSize(size, c.screen, c.step);
        EXPECT_EQ(size, c.after) << c.size << " " << c.step;
        EXPECT_EQ(message, " Aktuelle Schriftgröße in Grafiken: " + std::to_string(c.after) +
                               "\r Standard-Schriftgröße in Grafiken: " +
                               std::to_string(script::standardGraphicsTextSize(c.screen)));
    }
}

}  // namespace
}  // namespace textaria::player
