#include <gtest/gtest.h>

#include "player/lesson_player.h"
#include "player/media_fakes.h"
#include "player/print_jobs.h"
#include "player/texts.h"
#include "support/fake_user_dialogs.h"

namespace textaria::player {
namespace {

using testing::FakeUserDialogs;
using testing::TempFolder;

struct QuietView : PlayerView {
    std::vector<std::string> pictures;
    std::string setLessonText(const platform::StyledText& text, int) override {
        return platform::plainText(text);
    }
    void clearLessonText() override {}
    void changeLessonFontSizes(int) override {}
    void keepSelection() override {}
    void showSelection(int) override {}
    void showPageText(const PageText&, bool) override {}
    void showListPage(const std::vector<std::string>&) override {}
    void showPlainText(const std::vector<std::string>&, bool) override {}
    void clearPageView() override {}
    bool placeAnswerFields(const lesson::GapTable&, int) override { return true; }
    void setFieldText(int, const std::string&, bool) override {}
    void focusField(int) override {}
    void setStatus(const std::string&) override {}
    void setCounter(const std::string&) override {}
    void setNavigation(bool, bool, bool) override {}
    void setLoadButton(const std::string&, bool) override {}
    void showSideList(SideList, const std::vector<std::string>&) override {}
    void hideSideList() override {}
    bool showPicture(const std::string& path) override {
        pictures.push_back(path);
        return true;
    }
    void showPicturePanel(bool) override {}
    std::optional<std::string> askLessonFile(const std::string&) override { return {}; }
    void endProgram() override {}
};

std::string rtfBraces(std::string text) {
    for (std::size_t at = text.find_first_of("{}"); at != std::string::npos;
         at = text.find_first_of("{}", at + 2))
        text.insert(at, 1, '\\');
    return text;
}

// The print form without the page's closing line end.
std::string oneLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

// Writes down every job; the print dialog answers from a queue (empty: confirmed).
struct RecordingPrinter : PagePrinter {
    std::deque<bool> dialogAnswers;
    int dialogs = 0;
    std::vector<std::string> jobs;
    bool choosePrinter() override {
        ++dialogs;
        if (dialogAnswers.empty()) return true;
        const bool ok = dialogAnswers.front();
        dialogAnswers.pop_front();
        return ok;
    }
    void printWorksheet(const PageText&, const lesson::PrintFormPlan& form, int delta) override {
        jobs.push_back("worksheet " + std::to_string(delta) + " " + oneLine(form.text));
    }
    void printPicture(const std::string& path, double scale, const std::string& caption) override {
        jobs.push_back("picture " + pictureName(path) + " " + std::to_string(scale).substr(0, 4) +
                       " " + caption);
    }
    void printTextAndPicture(const PageText&, const lesson::PrintFormPlan& form,
                             const std::string& picture) override {
        jobs.push_back("one sheet " + pictureName(picture) + " " + oneLine(form.text));
    }
    void printTextSheets(const TextSheets& sheets) override {
        jobs.push_back("text sheets " + std::to_string(sheets.parts.size()) +
                       (sheets.page ? " page" : " lines"));
    }
};

struct PrintFixture : ::testing::Test {
    TempFolder folder;
    lesson::StartupState startup;
    QuietView view;
    FakeUserDialogs dialogs;
    RecordingPrinter printer;
    LessonPlayer player{startup, view, dialogs};

    PrintFixture() {
        startup.WorkFolder = folder.path() + "/work";
        player.setPrinter(&printer);
        startup.ProtocolFolder = folder.path();
        folder.file("bild.jpg");
        folder.file("hund.jpg");
        folder.file("katze.jpg");
    }
    void open(const std::vector<std::string>& lines, int page) {
        std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs28\n";
        for (const auto& l : lines) rtf += l + "\\par\n";
        ASSERT_TRUE(player.openLesson(folder.file("l.rtf", rtf + "}")));
        player.ShowPage(page);
        ASSERT_EQ(player.state().CurrentPage, page);
    }
};

TEST_F(PrintFixture, DruckenPrintsTheWorksheetWithGapsAsUnderscores) {
    open({"#01, Eins", "Ein [Haus] am [See].", "#00"}, 1);
    player.Button4Click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    // Two gaps on a line: each gets 2/3 of its own length.
    EXPECT_EQ(printer.jobs[0], "worksheet -2 Ein ____ am ___.");
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(PrintFixture, TextAndPicturesInOrderEachPictureOnceEachAfterItsDialog) {
    open({"#01, Eins;bild.jpg",
          rtfBraces("Der {Hund} und {katze}, {fehlt}, wieder {hund} und {bild}."), "#00"},
         1);
    player.printTextAndPictures();
    const std::vector<std::string> expected = {
        "worksheet -2 Der {Hund} und {katze}, {fehlt}, wieder {hund} und {bild}.",
        "picture bild 0.60 [ bild ]  in  [ 1 / 1 ]", "picture hund 0.60 [ hund ]  in  [ 1 / 1 ]",
        "picture katze 0.60 [ katze ]  in  [ 1 / 1 ]"};
    EXPECT_EQ(printer.jobs, expected);
    EXPECT_EQ(printer.dialogs, 4);

    // Cancelling the dialog before a picture ends the command.
    printer.jobs.clear();
    printer.dialogAnswers = {true, true, false};
    player.printTextAndPictures();
    EXPECT_EQ(printer.jobs.size(), 2u);
}

TEST_F(PrintFixture, OneSheetTakesTheFirstLinkedPictureWhenThePageHasNone) {
    open({"#01, Eins", rtfBraces("Ein {fehlt} und ein {Katze}: [Tier]."), "#00"}, 1);
    player.PrintTextAndPicture();
    EXPECT_EQ(printer.jobs,
              std::vector<std::string>{"one sheet katze Ein {fehlt} und ein {Katze}: ____."});
    EXPECT_DOUBLE_EQ(player.pictureScale(), 0.5);
    // F5 prints the picture now shown, at the larger scale.
    player.printShownPicture();
    EXPECT_EQ(printer.jobs.back(), "picture katze 0.75 [ katze ]  in  [ 1 / 1 ]");
}

TEST_F(PrintFixture, NothingPrintsInTestModeOrAfterACancelledDialog) {
    open({"#01_, Test;bild.jpg", "Ein [Haus].", "#02, Zwei", "Text", "#00"}, 1);
    ASSERT_TRUE(player.state().TestMode);
    player.Button4Click();
    player.printShownPicture();
    player.printTextAndPictures();
    player.PrintTextAndPicture();
    EXPECT_EQ(printer.dialogs, 0);
    EXPECT_TRUE(printer.jobs.empty());

    open({"#01, Eins;bild.jpg", "Ein [Haus].", "#00"}, 1);
    printer.dialogAnswers = {false, false, false, false};
    player.Button4Click();
    player.printShownPicture();
    player.printTextAndPictures();
    player.PrintTextAndPicture();
    EXPECT_EQ(printer.dialogs, 4);
    EXPECT_TRUE(printer.jobs.empty());
}

TEST_F(PrintFixture, ReadingPagesAndTheProtocolPrintAsTextSheets) {
    open({"#01, Eins", "Erste Seite \\'b5 zweite Seite", "#02, Leer", " ", "#00"}, 1);
    player.Button4Click();
    EXPECT_EQ(printer.jobs, std::vector<std::string>{"text sheets 2 page"});

    player.ShowPage(2);
    player.Button4Click();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{texts::kNoText});

    open({"#01_, Test", "Ein [Haus].", "#00"}, 1);
    printer.jobs.clear();
    dialogs.yesNoAnswers = {true, true};  // end the test, print the protocol
    player.Button7Click();
    EXPECT_EQ(printer.jobs, std::vector<std::string>{"text sheets 1 lines"});
    player.Button4Click();  // "Drucken" on the shown protocol
    EXPECT_EQ(printer.jobs.size(), 2u);
}

}  // namespace
}  // namespace textaria::player
