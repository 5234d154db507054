#include "player/lesson_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "lesson/texts.h"
#include "player/media_control.h"
#include "player/media_fakes.h"
#include "player/texts.h"
#include "script/input_dialogs.h"
#include "support/fake_user_dialogs.h"

namespace textaria::player {
namespace {

using testing::FakeMediaPlayer;
using testing::FakeUserDialogs;
using testing::TempFolder;

// Keeps what the player last told it to show.
struct RecordingView : PlayerView {
    std::string status, counter;
    std::array<bool, 3> navigation{};
    bool picturePanel = false;
    std::optional<SideList> sideList;
    std::vector<std::string> sideLines;
    std::vector<std::string> plainText;
    int pages = 0;
    bool ended = false;

    void showPageText(const PageText&, bool) override { ++pages; }
    void showPlainText(const std::vector<std::string>& lines, bool) override { plainText = lines; }
    void setStatus(const std::string& text) override { status = text; }
    void setCounter(const std::string& text) override { counter = text; }
    void setNavigation(bool d, bool u, bool r) override { navigation = {d, u, r}; }
    void showSideList(SideList kind, const std::vector<std::string>& lines) override {
        sideList = kind;
        sideLines = lines;
    }
    void hideSideList() override { sideList.reset(); }
    bool showPicture(const std::string&) override { return picturePanel = true; }
    void showPicturePanel(bool visible) override { picturePanel = visible; }
    void endProgram() override { ended = true; }
};

struct FakeSelection : script::InputDialogs {
    std::deque<int> choices;
    std::vector<script::SelectRequest> asked;
    std::optional<std::string> enterData(const script::EntryRequest&) override { return {}; }
    int select(const script::SelectRequest& r) override {
        asked.push_back(r);
        if (choices.empty()) return -1;
        const int c = choices.front();
        choices.pop_front();
        return c;
    }
};

struct PlayerFixture : ::testing::Test {
    TempFolder folder;
    lesson::StartupState startup;
    RecordingView view;
    FakeUserDialogs dialogs;
    FakeMediaPlayer mediaPlayer;
    MediaControl media{mediaPlayer};
    FakeSelection selection;
    LessonPlayer player{startup, view, dialogs};

    PlayerFixture() {
        startup.WorkFolder = folder.path() + "/work";
        startup.ProtocolFolder = folder.path() + "/protokolle";
        std::filesystem::create_directories(startup.ProtocolFolder);
        media.setDialogs(&dialogs);
        player.setMedia(&media);
        player.setInputDialogs(&selection);
        player.setClock([] { return *ProtocolStamp::parse("07.12.2026 09:30:15"); });
        player.seed(7);
    }
    // The protocol texts written so far (".txt"), in name order.
    std::vector<std::string> protocols() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(startup.ProtocolFolder))
            if (entry.path().extension() == ".txt") names.push_back(entry.path().string());
        std::sort(names.begin(), names.end());
        std::vector<std::string> texts;
        for (const auto& name : names) {
            std::ifstream in(name, std::ios::binary);
            texts.emplace_back(std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>());
        }
        return texts;
    }
    // A lesson of plain RTF paragraphs.
    std::string lesson(const std::string& name, const std::vector<std::string>& lines) {
        std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs28\n";
        for (const auto& l : lines) rtf += l + "\\par\n";
        return folder.file(name, rtf + "}");
    }
    void open(const std::string& path, int page) {
        ASSERT_TRUE(player.openLesson(path));
        player.clickLine("   " + std::string(page < 10 ? "0" : "") + std::to_string(page), 1);
        ASSERT_EQ(player.state().CurrentPage, page);
    }
};

TEST_F(PlayerFixture, LoadingAnotherLessonLeavesNothingOfTheFirstOnScreen) {
    folder.file("bild.jpg");
    const std::string sound = folder.file("ton.mp3");
    mediaPlayer.lengths[sound] = 5000;
    open(lesson("a.rtf", {"#01, Eins;bild.jpg, ton.mp3", "Ein [Haus].", "#00"}), 1);
    EXPECT_TRUE(view.picturePanel);
    EXPECT_TRUE(media.view().panelVisible);
    player.setAnswer(1, "Haus");
    player.Button6Click();
    EXPECT_EQ(view.status, "< 1 von 1 Werten richtig  =  100.00% >");
    dialogs.inputAnswers = {std::string("2")};
    player.Button13Click();
    EXPECT_EQ(player.state().fontChangeTotal, 2);

    ASSERT_TRUE(player.openLesson(lesson("b.rtf", {"#01, Zwei", "Text [a].", "#00"})));
    EXPECT_EQ(view.status, "");
    EXPECT_FALSE(view.picturePanel);
    EXPECT_FALSE(media.view().panelVisible);
    EXPECT_EQ(media.soundFile(), "");  // "Sound on/off" cannot bring it back
    EXPECT_EQ(view.navigation, (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(player.state().fontChangeTotal, 0);
    EXPECT_EQ(player.scores().totalValues, 0);
}

TEST_F(PlayerFixture, PagingClearsTheScoreAndHidesTheMediaPanelWhereListeningIsLimited) {
    const std::string sound = folder.file("ton.mp3");
    mediaPlayer.lengths[sound] = 5000;
    open(lesson("a.rtf", {"#01, Eins;, ton.mp3", "Ein [Haus].", "#02, Zwei;, ton.mp3",
                          "Nur [zweimal].", "|", "#00"}),
         1);
    EXPECT_TRUE(media.view().panelVisible);
    player.Button6Click();
    EXPECT_NE(view.status, "");
    player.Label20Click();
    EXPECT_EQ(view.status, "");
    EXPECT_FALSE(media.view().panelVisible);
    EXPECT_TRUE(media.isPlaying());  // it plays, but cannot be replayed at will
}

TEST_F(PlayerFixture, ChildModeHidesTheMediaPanel) {
    const std::string sound = folder.file("ton.mp3");
    mediaPlayer.lengths[sound] = 5000;
    open(lesson("k.rtf", {"#01!, Eins;, ton.mp3", "Ein [Haus].", "#00"}), 1);
    EXPECT_FALSE(media.view().panelVisible);
    EXPECT_TRUE(media.isPlaying());
}

TEST_F(PlayerFixture, WordListReturnsOnTheNextPageAfterItWasHidden) {
    open(lesson("w.rtf",
                {"#01, Eins", "[Katze] und [Maus]", "&", "#02, Zwei", "[Hund]", "&", "#00"}),
         1);
    EXPECT_EQ(view.sideList, SideList::Words);
    player.Button5Click();  // answers off
    player.Button6Click();
    EXPECT_FALSE(view.sideList);
    player.Label20Click();
    EXPECT_EQ(view.sideList, SideList::Words);
    EXPECT_EQ(view.sideLines, std::vector<std::string>{" Hund"});
}

TEST_F(PlayerFixture, LueckenActsOnlyOnAPageWithAnswerFields) {
    const std::string path =
        lesson("l.rtf", {"#01, Eins", "Ein [Haus].", "#02, Zwei", "Nur Text.", "#00"});
    ASSERT_TRUE(player.openLesson(path));
    player.Button5Click();  // list page
    player.clickLine("   02", 1);
    player.Button5Click();  // no gaps
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(player.state().ShowAnswers);
}

TEST_F(PlayerFixture, BeendenInEveryState) {
    // Training: the program ends only after a yes.
    open(lesson("t.rtf", {"#01, Eins", "Ein [Haus].", "#00"}), 1);
    player.Button7Click();
    EXPECT_EQ(dialogs.shown.back().text, texts::kEndProgram);
    EXPECT_FALSE(view.ended);
    dialogs.yesNoAnswers = {true};
    player.Button7Click();
    EXPECT_TRUE(view.ended);

    // A test, ended on page 2 of 3: the name is asked until it has an inner comma.
    view.ended = false;
    open(lesson("p.rtf", {"#01_, Eins", "Ein [Haus].", "#02, Zwei", "Zwei [Hunde].", "#03, Drei",
                          "Drei [Katzen].", "#00"}),
         1);
    player.setAnswer(1, "Haus");
    player.Button6Click();
    player.Label20Click();
    player.Button7Click();  // no
    EXPECT_TRUE(player.state().TestMode);
    dialogs.yesNoAnswers = {true, false};
    dialogs.inputAnswers = {std::string(",Hans"), std::string("Muster,"),
                            std::string("Muster Hans"), std::string(" Muster , Hans ")};
    player.Button7Click();
    ASSERT_EQ(protocols().size(), 1u);
    const std::string protocol = protocols()[0];
    EXPECT_NE(protocol.find("Testperson:  Muster,Hans\r\n"), std::string::npos);
    EXPECT_NE(protocol.find(std::string("      ") + texts::kTestAborted), std::string::npos);
    EXPECT_NE(protocol.find("Resultat:     1 von   1 richtig (100.00%)\r\n"
                            "      Seite (1):  1 richtig von 1  (100.00%)\r\n     \r\n     \r\n"),
              std::string::npos);
    ASSERT_FALSE(view.plainText.empty());
    EXPECT_EQ(view.plainText[2], "      Testname  :  p.rtf");
    EXPECT_FALSE(player.state().TestMode);
    EXPECT_TRUE(player.state().TestFinished);
    // Finished: nothing pages or scores any more; "Beenden" now ends the program.
    player.Label20Click();
    player.Button6Click();
    EXPECT_EQ(player.state().CurrentPage, 2);
    dialogs.yesNoAnswers = {true};
    player.Button7Click();
    EXPECT_EQ(dialogs.shown.back().text, texts::kEndProgram);
    EXPECT_TRUE(view.ended);

    // Cancelling the name gives the default, which is accepted.
    open(lesson("q.rtf", {"#01_, Eins", "Ein [Haus].", "#00"}), 1);
    dialogs.yesNoAnswers = {true, false};
    player.Button7Click();
    ASSERT_EQ(protocols().size(), 2u);
    const std::string second = protocols()[1];
    EXPECT_NE(second.find("Testperson:  xxx,yyy"), std::string::npos);
    EXPECT_NE(second.find("Der Test wurde vollst"), std::string::npos);  // code page 1252
}

TEST_F(PlayerFixture, AProtocolThatCannotBeWrittenIsReportedAndStaysShown) {
    startup.ProtocolFolder = folder.path() + "/fehlt";
    open(lesson("p.rtf", {"#01_, Eins", "Ein [Haus].", "#00"}), 1);
    dialogs.yesNoAnswers = {true, false};
    dialogs.inputAnswers = {std::string("Muster,Hans")};
    player.Button7Click();
    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_EQ(dialogs.messages().back().rfind(texts::kFileNotWritten, 0), 0u);
    EXPECT_NE(dialogs.messages().back().find("fehlt"), std::string::npos);
    EXPECT_FALSE(view.plainText.empty());
    EXPECT_TRUE(player.state().TestFinished);
}

TEST_F(PlayerFixture, ALessonNamedBeforeTheFirstActivationWaitsForIt) {
    const std::string first = lesson("eins.rtf", {"#01, Eins", "Ein [Haus].", "#00"});
    const std::string second = lesson("zwei.rtf", {"#01_, Zwei", "Ein [Baum].", "#00"});
    player.requestOpen(first);
    EXPECT_EQ(startup.openFile, first);
    EXPECT_FALSE(player.state().LessonOpen);
    startup.activated = true;
    player.startAppendedLesson();  // the first activation
    EXPECT_EQ(player.state().LessonFileName, "eins.rtf");

    player.requestOpen(second);  // a later start: opened at once
    EXPECT_EQ(player.state().LessonFileName, "zwei.rtf");
    ASSERT_TRUE(player.state().TestMode);
    player.requestOpen(first);  // but never over a running test
    EXPECT_EQ(player.state().LessonFileName, "zwei.rtf");
    EXPECT_EQ(dialogs.messages().back(), lesson::texts::kFinishTestFirst);
}

TEST_F(PlayerFixture, QuestionnaireAsksWithTheSelectionBoxAndRefusesOtherAnswers) {
    const std::string path = lesson("f.rtf", {"#01_, Info",
                                              "EN",
                                              "#02, F01",
                                              "?F01 <E>: Gern unter Leuten.",
                                              "~",
                                              "Antwort: [ x ]",
                                              "?3",
                                              "#03, F02",
                                              "?F02 <N>: Oft Sorgen.",
                                              "~",
                                              "Antwort: [ x ]",
                                              "?3",
                                              "#04, F03",
                                              "?F03 <E>: Wie sehr?",
                                              "~",
                                              "[ x ]",
                                              "?5",
                                              "#05, Ende",
                                              "ENDE",
                                              "#00"});
    selection.choices = {2, -1, 3};
    open(path, 1);
    player.Label20Click();
    ASSERT_EQ(selection.asked.size(), 1u);
    EXPECT_EQ(selection.asked[0].prompt, " Verschiebbare Auswahlbox");
    EXPECT_EQ(selection.asked[0].count, 3);
    EXPECT_EQ(selection.asked[0].mode, 6);
    EXPECT_EQ(player.answer(1), "ja");
    EXPECT_EQ(view.navigation[0], false);  // the box replaces "[ Dn ]"
    player.Button6Click();
    ASSERT_EQ(player.state().CurrentPage, 3);  // the evaluation moves on
    EXPECT_EQ(player.answer(1), "");           // escaped

    for (const char* wrong : {"", "vielleicht", "Ja"}) {
        player.setAnswer(1, wrong);
        player.Button6Click();
        EXPECT_EQ(dialogs.messages().back(), texts::kWrongAnswer) << wrong;
        EXPECT_EQ(player.state().CurrentPage, 3);
        EXPECT_FALSE(player.state().PageEvaluated);
    }
    player.setAnswer(1, "nein");
    player.Button6Click();
    ASSERT_EQ(player.state().CurrentPage, 4);
    // Once a 5-level page is seen, the 5 levels win.
    EXPECT_EQ(selection.asked.back().mode, 3);
    EXPECT_EQ(selection.asked.back().count, 5);
    EXPECT_EQ(player.answer(1), "3");
    player.Button6Click();
    ASSERT_EQ(player.state().CurrentPage, 5);
    EXPECT_EQ(player.scores().factorKeys[2], "E");
    EXPECT_EQ(player.scores().factorKeys[3], "N");

    dialogs.yesNoAnswers = {true, false};
    dialogs.inputAnswers = {std::string("A,B")};
    player.Button7Click();
    ASSERT_EQ(protocols().size(), 1u);
    EXPECT_NE(protocols()[0].find("5-stufiges Merkmalsprofil"), std::string::npos);
    EXPECT_NE(protocols()[0].find("Summe <E>  =   3 von   8"), std::string::npos);
    // A questionnaire stays in test mode: the next "Beenden" only ends the program.
    EXPECT_TRUE(player.state().TestMode);
    player.Button7Click();
    EXPECT_EQ(dialogs.shown.back().text, texts::kEndProgramFinally);
}

}  // namespace
}  // namespace textaria::player
