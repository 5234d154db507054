// Click-click and the picture tasks through the lesson player, with a recording view.
#include <gtest/gtest.h>

#include <map>

#include "lesson/markup_text.h"
#include "player/lesson_player.h"
#include "player/media_fakes.h"
#include "support/fake_user_dialogs.h"

namespace textaria::player {
namespace {

using testing::FakeUserDialogs;
using testing::TempFolder;

struct ClickView : PlayerView {
    std::string status;
    std::map<int, std::string> fields;
    int selectedField = 0;
    std::vector<PixelRect> rectangles;
    int restored = 0;
    bool picture = false;

    void setStatus(const std::string& text) override { status = text; }
    void setFieldText(int field, const std::string& text, bool) override { fields[field] = text; }
    void selectFieldText(int field) override { selectedField = field; }
    bool showPicture(const std::string&) override { return picture = true; }
    void showPicturePanel(bool visible) override { picture = visible; }
    void drawPictureRectangle(const PixelRect& r) override { rectangles.push_back(r); }
    void restorePicture() override { ++restored; }
};

struct ClickFixture : ::testing::Test {
    TempFolder folder;
    lesson::StartupState startup;
    ClickView view;
    FakeUserDialogs dialogs;
    LessonPlayer player{startup, view, dialogs};

    ClickFixture() { startup.WorkFolder = folder.path() + "/work"; }
    void open(const std::vector<std::string>& lines, int page) {
        std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs28\n";
        for (const auto& l : lines) rtf += l + "\\par\n";
        ASSERT_TRUE(player.openLesson(folder.file("lektion.rtf", rtf + "}")));
        player.clickLine("   0" + std::to_string(page), 1);
        ASSERT_EQ(player.state().CurrentPage, page);
    }
    // A click on the first occurrence of `word` in the shown page.
    void click(const std::string& word, bool right = false) {
        const std::string& text = player.pageText();
        const auto lines = lesson::splitLines(text);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string line(lesson::lineText(text, lines[i]));
            if (const auto at = line.find(word); at != std::string::npos) {
                if (!player.pickAt(line, static_cast<int>(i) + 1, at, right, true))
                    player.clickLine(line, static_cast<int>(i) + 1);
                return;
            }
        }
        FAIL() << word;
    }
};

const std::vector<std::string> kListPage = {"#01, Ohne",    "Nur [Text].", "#02, Anf\\'fcgen",
                                            "((ab, c, d))", "Wort: [abc]", "~",
                                            "#03, Ohne",    "Nur [Text].", "#00"};

TEST_F(ClickFixture, AppendModeFromTheOptionAndTheRightClick) {
    open(kListPage, 2);
    EXPECT_TRUE(player.state().AppendMode);
    click("ab");
    player.FormClick(1);
    click("c,");
    player.FormClick(1);
    EXPECT_EQ(player.answer(1), "abc");
    EXPECT_EQ(view.selectedField, 1);

    click("d", true);  // a right click switches, picks nothing
    EXPECT_FALSE(player.state().AppendMode);
    EXPECT_EQ(player.state().PickedText, "");
    click("d", true);
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Klick-Klick-Technik mit ERSETZEN in den Lücken!",
                                        "Klick-Klick-Technik mit ANFÜGEN in den Lücken!"}));
    player.Label20Click();  // every page display takes the mode from its own option
    EXPECT_FALSE(player.state().AppendMode);
    click("Text", true);  // no list on this page: no switch
    EXPECT_FALSE(player.state().AppendMode);
    EXPECT_EQ(dialogs.messages().size(), 2u);
    player.Label21Click();
    EXPECT_TRUE(player.state().AppendMode);
}

TEST_F(ClickFixture, QuestionnairePickAnswersAtOnce) {
    open({"#01, F01", "?F01: Gern unter Menschen? ~", "((  0 ,  1 ,  2 ,  3 ,  4  ))",
          "Antwort: [ 0 ]", " ?5", "#00"},
         1);
    player.setAnswer(1, "2");
    click("3");
    EXPECT_EQ(player.answer(1), "3");
    EXPECT_EQ(view.fields[1], "3");
    click("Gern");  // beside the list: the answer stays
    EXPECT_EQ(player.answer(1), "3");
}

struct RegionFixture : ClickFixture {
    void openRegions(const std::string& options, const std::string& table) {
        // The head of a 200 x 200 JPEG is all the player reads of it.
        const char head[] = "\xFF\xD8\xFF\xC0\x00\x11\x08\x00\xC8\x00\xC8\x03";
        folder.file("bild.jpg", std::string(head, sizeof head - 1) + std::string(16, '\0'));
        folder.file("search.txt", table);
        open({"#01, Bild;bild.jpg", "Zeige die Teile. [1] [2]", options, "#02, Weiter", "x", "#00"},
             1);
    }
};

TEST_F(RegionFixture, FindingTaskToItsResult) {
    openRegions("/",
                "#1\r\n0,0,100,100,1\r\n100,0,200,100,2\r\n0,100,100,200,3\r\n"
                "100,100,200,200,4\r\n#2\r\n");
    ASSERT_EQ(player.regionTask().RegionCount(), 4);
    player.pictureMouseDown(50, 50, true, true);   // hit
    player.pictureMouseDown(50, 50, false, true);  // left button: not counted
    player.pictureMouseDown(50, 50, true, false);  // with a modifier: not counted
    player.pictureMouseDown(50, 50, true, true);   // miss
    EXPECT_EQ(view.status, "2. Klick von 4 = FALSCH  (25.00% richtig)");
    ASSERT_EQ(view.rectangles.size(), 1u);
    EXPECT_EQ(view.rectangles[0], (PixelRect{100, 0, 200, 100}));
    EXPECT_EQ(view.restored, 1);
    player.pictureMouseDown(50, 150, true, true);  // hit
    player.pictureMouseDown(0, 0, true, true);     // miss
    const std::string result = "Ergebnis: 2 RICHTIG von 4  (50.00 %) ";
    EXPECT_EQ(view.status, result);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Weiter", "Weiter", result}));
    player.pictureMouseDown(150, 150, true, true);
    EXPECT_EQ(player.regionTask().ClickIndex(), 4);
    player.Label4Click();  // the page anew: the task starts again
    EXPECT_EQ(player.regionTask().ClickIndex(), 0);
}

TEST_F(RegionFixture, NoTaskWithoutTheTableSectionOrPicture) {
    openRegions("/", "#1\r\n0,0,200,200,1\r\n");  // no header "#2": no section
    EXPECT_EQ(player.regionTask().RegionCount(), 0);
    player.pictureMouseDown(50, 50, true, true);
    EXPECT_EQ(view.status, "");
    EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
}  // namespace textaria::player
