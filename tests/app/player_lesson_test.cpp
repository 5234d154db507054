// The lesson player end to end: the real main window, offscreen, driven by clicks and keys.
#include <gtest/gtest.h>

#include <QDir>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTimer>

#include "app/application.h"
#include "calc/ui/tavkal_u.h"
#include "lesson/archive.h"
#include "lesson/texts.h"
#include "player/texts.h"
#include "player/ui/panel4.h"
#include "player_test_support.h"

namespace textaria::testing {
namespace {

using Kind = FakeUserDialogs::Kind;

QString u8(const char* text) { return QString::fromUtf8(text); }

class DemoLesson : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(demoArchive())) GTEST_SKIP() << "demo.rsd not built";
        ASSERT_TRUE(w->openLesson(demoArchive()));
    }
    void openPage(const char* title) {
        ASSERT_TRUE(w.clickLine(u8(title))) << title;
        QApplication::processEvents();
    }
    PlayerWindow w;
};

TEST_F(DemoLesson, ListPageShowsHeadingAndTitlesInListColours) {
    const QString text = w->RichEdit1->toPlainText();
    EXPECT_TRUE(text.contains(u8("   Auswahl anzeigen mit <Liste>.  ")));
    EXPECT_TRUE(text.contains(u8("   05, Wörter wählen")));
    EXPECT_FALSE(text.contains(u8("#00")));
    EXPECT_EQ(w.counter(), u8("[ 0 / 14 ]"));
    EXPECT_EQ(w->RichEdit1->palette().color(QPalette::Base), QColor(220, 220, 240));

    QTextCursor cursor(w->RichEdit1->document()->findBlockByNumber(2));
    cursor.movePosition(QTextCursor::NextCharacter);
    const QTextCharFormat format = cursor.charFormat();
    EXPECT_EQ(format.foreground().color(), QColor(128, 0, 0));
    EXPECT_EQ(format.fontPointSize(), 14);
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    EXPECT_EQ(w->player().CurrentPage, 0);
}

TEST_F(DemoLesson, ScoresAPageCorrectsWrongFieldsAndRefusesASecondEvaluation) {
    openPage("03, Rechnen");
    EXPECT_EQ(w.counter(), u8("[ 3 / 14 ]"));
    ASSERT_EQ(w->gapTable().GapCount(), 4);
    EXPECT_FALSE(w->RichEdit1->toPlainText().contains(u8("%")));  // option line hidden
    EXPECT_EQ(w.status(), u8("<In Editierfeldern mit \"Doppelklick\" den Rechner öffnen>"));
    EXPECT_TRUE(w.field(1)->isVisible());
    EXPECT_TRUE(w.field(1)->hasFocus());

    w.type(1, "3,5");
    w.type(2, "10.50");
    w.type(3, "41");
    w.press(w->Button6);
    EXPECT_EQ(w.status(), u8("< 2 von 4 Werten richtig  =  50.00% >"));
    EXPECT_FALSE(w.corrected(1));
    EXPECT_FALSE(w.corrected(2));
    EXPECT_TRUE(w.corrected(3));
    EXPECT_EQ(w.field(3)->text(), u8("42"));
    EXPECT_TRUE(w.corrected(4));
    EXPECT_EQ(w.field(4)->text(), u8("0.25"));
    EXPECT_EQ(w->scores().totalValues, 4);
    EXPECT_EQ(w->scores().totalCorrect, 2);
    EXPECT_EQ(w->scores().pageResults[3], " Seite (3):  2 richtig von 4  (50.00%)");

    // The answer list: raw answers, the right ones starred.
    EXPECT_TRUE(w->Panel3->isVisible());
    EXPECT_EQ(w->RichEdit2->toPlainText(),
              u8(" \n1: 3,5 * \n2: 10.50 * \n3: 41\n4: \n-------------------------\n"
                 "2 von 4 richtig (*)"));
    EXPECT_TRUE(w->Label13->text().contains(u8("Liste der eingegebenen Lückentexte.")));

    w.press(w->Button6);
    EXPECT_EQ(w.dialogs.messages().back(), player::texts::kAlreadyEvaluated);
    EXPECT_EQ(w->scores().totalValues, 4);

    // "[ Rep ]" rebuilds the page: empty white fields, evaluable again.
    w->Label4Click();
    EXPECT_TRUE(w.field(3)->text().isEmpty());
    EXPECT_FALSE(w.corrected(3));
    w.type(1, "3.5");
    w.type(2, "10,5");
    w.type(3, "42");
    w.type(4, ",25");
    w.press(w->Button6);
    EXPECT_EQ(w.status(), u8("< 4 von 4 Werten richtig  =  100.00% >"));
    EXPECT_EQ(w->scores().totalValues, 8);
    EXPECT_EQ(w->scores().totalCorrect, 6);
}

TEST_F(DemoLesson, PageOptionsChangeTheJudgement) {
    // "§": any case; one "\" switches the page to alternatives.
    openPage("04, Groß und klein");
    w.type(1, "heim");
    w.type(2, "BLAU");
    w.type(3, "Abend");
    w.press(w->Button6);
    EXPECT_EQ(w.status(), u8("< 2 von 3 Werten richtig  =  66.67% >"));
    EXPECT_EQ(w.field(3)->text(), u8("Tag\\Morgen\\Mittag"));

    // "$": no corrections; the list stars every line, so it does not tell what was wrong.
    w.key(Qt::Key_PageDown);
    w.key(Qt::Key_PageDown);
    ASSERT_EQ(w->player().CurrentPage, 6);
    w.type(1, "Berlin");
    w.type(2, "Donau");
    w.press(w->Button6);
    EXPECT_EQ(w.status(), u8("< 1 von 2 Werten richtig  =  50.00% >"));
    EXPECT_EQ(w.field(2)->text(), u8("Donau"));
    EXPECT_FALSE(w.corrected(2));
    EXPECT_TRUE(w->RichEdit2->toPlainText().contains(u8("1: Berlin * \n2: Donau * \n")));

    // "+": the page is one value.
    w.press(w->Label20);
    ASSERT_EQ(w->player().CurrentPage, 7);
    const int values = w->scores().totalValues;
    w.type(1, u8("drei"));
    w.type(2, u8("vier"));
    w.type(3, u8("fünf"));
    w.type(4, "+");
    w.press(w->Button6);
    EXPECT_EQ(w.status(), u8(" << richtig >> "));
    EXPECT_EQ(w->scores().totalValues, values + 1);
}

TEST_F(DemoLesson, AnAnswerLongerThanItsGapWidensTheField) {
    openPage("02, Im Hafen");
    const int width = w.field(1)->width();
    const QString answer = u8("ein sehr langes Segelschiff mit drei Masten");
    w.type(1, answer);
    EXPECT_GT(w.field(1)->width(), width);
    EXPECT_GE(w.field(1)->width(), w.field(1)->fontMetrics().horizontalAdvance(answer));
}

TEST_F(DemoLesson, PagesShowPictureSoundWordListAndReadingPages) {
    openPage("01, Willkommen");
    EXPECT_TRUE(w->player().readingPage);
    EXPECT_EQ(w->gapTable().GapCount(), 0);
    EXPECT_EQ(w->RichEdit1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(w->Panel5->isVisible());
    EXPECT_FALSE(w->Image1->pixmap().isNull());
    EXPECT_TRUE(w->Panel4->media().view().panelVisible);
    w.press(w->Button6);  // nothing to evaluate
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w->scores().totalValues, 0);

    w.press(w->Label21);  // page 1 cannot be left backwards
    EXPECT_EQ(w->player().CurrentPage, 1);

    w->ShowPage(5);
    EXPECT_TRUE(w->Panel3->isVisible());
    EXPECT_EQ(w->RichEdit2->toPlainText(), u8(" Hund\n Katze\n Maus"));
    EXPECT_FALSE(w->Panel5->isVisible());
    EXPECT_FALSE(w->Panel4->media().view().panelVisible);

    w->ShowPage(14);
    w.press(w->Label20);  // the last page stays
    EXPECT_EQ(w->player().CurrentPage, 14);
    w.key(Qt::Key_PageUp);
    EXPECT_EQ(w->player().CurrentPage, 13);
}

TEST_F(DemoLesson, ListButtonReturnsToTheListPageAndTitlesOpenByNumber) {
    openPage("02, Im Hafen");
    w.press(w->Button8);
    EXPECT_EQ(w->player().CurrentPage, 0);
    EXPECT_FALSE(w.field(1)->isVisible());
    EXPECT_FALSE(w->Label20->isVisible());
    EXPECT_EQ(w.status(), u8("demo.rsd"));
    EXPECT_TRUE(w->RichEdit1->toPlainText().contains(u8("08, Das Haus")));
    // The heading box holds no page number: nothing happens.
    ASSERT_TRUE(w.clickLine(u8("Eine Textseite")));
    EXPECT_EQ(w->player().CurrentPage, 0);
    openPage("08, Das Haus");
    EXPECT_EQ(w->player().CurrentPage, 8);
}

TEST_F(DemoLesson, FontChangeAccumulatesAndIgnoresOutOfRangeInput) {
    openPage("03, Rechnen");
    auto sizeAt = [&] {
        QTextCursor c(w->RichEdit1->document()->findBlockByNumber(0));
        c.movePosition(QTextCursor::NextCharacter);
        return c.charFormat().fontPointSize();
    };
    const double before = sizeAt();
    w.dialogs.inputAnswers = {std::string("+2"), std::string("7"), std::string("-2")};
    w.press(w->Button13);
    EXPECT_EQ(w.dialogs.shown.back().caption, player::texts::kFontChangeTitle);
    EXPECT_DOUBLE_EQ(sizeAt(), before + 2);
    EXPECT_EQ(w->player().CurrentPage, 3);
    EXPECT_EQ(w->gapTable().GapCount(), 4);
    w.press(w->Button13);
    EXPECT_EQ(w.dialogs.shown.back().defaultText, "2");
    EXPECT_DOUBLE_EQ(sizeAt(), before + 2);
    w.press(w->Button13);
    EXPECT_DOUBLE_EQ(sizeAt(), before);

    w.press(w->Button8);
    w.press(w->Button13);
    EXPECT_EQ(w.dialogs.messages().back(), player::texts::kFontChangeOnlyInTextPages);
}

TEST_F(DemoLesson, ScreenCorrectionOnlyFromTheContentsScreenAndItResetsTheFontChange) {
    auto key = [&](Qt::Key k) {
        QTest::keyClick(w->RichEdit1, k);
        QApplication::processEvents();
    };
    auto sizeAt = [&] {
        QTextCursor c(w->RichEdit1->document()->findBlockByNumber(0));
        c.movePosition(QTextCursor::NextCharacter);
        return c.charFormat().fontPointSize();
    };
    openPage("03, Rechnen");
    const double pageSize = sizeAt();
    w.dialogs.inputAnswers = {std::string("+2")};
    w.press(w->Button13);
    ASSERT_DOUBLE_EQ(sizeAt(), pageSize + 2);
    key(Qt::Key_F11);
    EXPECT_EQ(w.dialogs.messages().back(), lesson::texts::kRescaleOnlyAfterSelection);

    w.press(w->Button8);  // the contents screen
    w.dialogs.yesNoAnswers = {false};
    key(Qt::Key_F11);
    EXPECT_EQ(w.dialogs.shown.back().text, lesson::texts::kRescaleQuestion);
    EXPECT_EQ(w->state().scaling.ScaleFactorK, 1.0) << "No changes nothing";

    w.dialogs.yesNoAnswers = {true};
    w.dialogs.inputAnswers = {std::string("1,1"), std::string("1.25"), std::string("1.1")};
    key(Qt::Key_F11);
    EXPECT_EQ(w.dialogs.inputAnswers.size(), 0u) << "asked until K is a number in range";
    EXPECT_DOUBLE_EQ(w->state().scaling.ScaleFactorK, 1.1);
    EXPECT_EQ(w->state().scaling.FontDelta, 1);
    EXPECT_TRUE(w->player().ListShown);
    EXPECT_TRUE(w.clickLine(u8("01, Willkommen"))) << "the contents screen again";
    w.press(w->Button8);
    openPage("03, Rechnen");
    EXPECT_DOUBLE_EQ(sizeAt(), pageSize + 1) << "the author's size plus the step, no \"Schrift\"";
}

TEST_F(DemoLesson, LueckenSwitchesTheAnswerListOff) {
    openPage("05, Wörter wählen");
    EXPECT_TRUE(w->Panel3->isVisible());  // the word list
    w.press(w->Button5);
    EXPECT_EQ(w.dialogs.messages().back(), player::texts::kAnswersHidden);
    w.type(1, "Katze");
    w.press(w->Button6);
    EXPECT_FALSE(w->Panel3->isVisible());
    EXPECT_EQ(w.field(2)->text(), u8("Maus"));  // corrections still shown

    w.press(w->Button5);
    EXPECT_EQ(w.dialogs.messages().back(), player::texts::kAnswersShown);
    w.key(Qt::Key_PageDown);
    w.type(1, "Berlin");
    w.press(w->Button6);
    EXPECT_TRUE(w->Panel3->isVisible());
    EXPECT_TRUE(w->RichEdit2->toPlainText().contains(u8("1 von 2 richtig (*)")));

    // A whole-page page shows no list.
    w.key(Qt::Key_PageDown);
    w.type(1, "drei");
    w.press(w->Button6);
    EXPECT_EQ(w.status(), u8(" << falsch >> "));
    EXPECT_FALSE(w->Panel3->isVisible());
}

TEST(PlayerLoad, LaterLoadAsksFirstAndReportsUnreadableFiles) {
    PlayerWindow w;
    const std::string lessonFile =
        writeLesson(w.temp.path(), "klein.rtf", {"Ein [Haus] und ein [Baum].", "$"});
    w.dialogs.yesNoAnswers = {false};
    w.press(w->Button3);
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.dialogs.shown[0].text, lesson::texts::kLoadQuestion);
    EXPECT_EQ(w.dialogs.shown[0].caption, "Frage");

    std::string offered;
    w->chooseLessonFile = [&](const std::string& folder) {
        offered = folder;
        return std::optional<std::string>(lessonFile);
    };
    w.dialogs.yesNoAnswers = {true};
    w.press(w->Button3);
    EXPECT_EQ(w.dialogs.messages().back(), lesson::texts::kFirstDialogHint);
    // A single text: one page, its option lines stay visible and still count.
    EXPECT_EQ(w->gapTable().GapCount(), 2);
    EXPECT_TRUE(w->RichEdit1->toPlainText().contains(u8("$")));
    w.type(1, "Haus");
    w.type(2, "Birke");
    w.press(w->Button6);
    EXPECT_EQ(w.status(), u8("< 1 von 2 Werten richtig  =  50.00% >"));
    EXPECT_EQ(w.field(2)->text(), u8("Birke"));

    w.press(w->Button8);
    EXPECT_EQ(w.dialogs.messages().back(), lesson::texts::kNoPageList);

    // A file that is no lesson: a clear message, and nothing half-loaded.
    w->chooseLessonFile = [&](const std::string&) {
        return std::optional<std::string>(w.temp.file("fehlt.rtf").toStdString());
    };
    w.dialogs.yesNoAnswers = {true};
    w.press(w->Button3);
    EXPECT_EQ(w.dialogs.messages().back().rfind(lesson::texts::kDataError, 0), 0u);
    EXPECT_EQ(w.dialogs.shown.back().caption, "Problem");
    const std::string broken = writeLesson(w.temp.path(), "kaputt.rsd", {"kein Archiv"});
    EXPECT_FALSE(w->openLesson(broken));
    EXPECT_EQ(w.dialogs.messages().back().rfind(lesson::texts::kDataError, 0), 0u);
    EXPECT_EQ(w->gapTable().GapCount(), 2);  // the lesson shown stays
    EXPECT_EQ(w.field(2)->text(), u8("Birke"));

    // An archive without its lesson text leaves an empty lesson, not a mix of two.
    std::vector<lesson::PackMember> members{{"anders.rtf", lessonFile, ""}};
    const std::string other = w.temp.file("leer.rsd").toStdString();
    ASSERT_EQ(lesson::writeArchive(other, members), "");
    EXPECT_FALSE(w->openLesson(other));
    EXPECT_TRUE(w.dialogs.messages().back().find("leer.rtf") != std::string::npos);
    EXPECT_EQ(w->gapTable().GapCount(), 0);
    EXPECT_TRUE(w->RichEdit1->toPlainText().isEmpty());

    // A page whose brackets do not pair gets no answer fields, and nothing to evaluate.
    ASSERT_TRUE(w->openLesson(
        writeLesson(w.temp.path(), "fehler.rtf", {"#01, Eins", "Ein [Haus und [Baum].", "#00"})));
    ASSERT_TRUE(w.clickLine(u8("01, Eins")));
    EXPECT_EQ(w.dialogs.messages().back(), lesson::texts::kBracketsMissing);
    EXPECT_FALSE(w.field(1)->isVisible());
    const auto shown = w.dialogs.shown.size();
    w.press(w->Button6);
    EXPECT_EQ(w.dialogs.shown.size(), shown);
}

TEST(PlayerModes, TestModeGoesForwardOnlyAfterEvaluation) {
    PlayerWindow w;
    const std::string lesson = writeLesson(w.temp.path(), "test.rtf",
                                           {"#01_, Start", "Das ist [ein] Test.", "#02, Lesen",
                                            "Nur lesen \\'b5", "#03, Ende", "Noch [eins].", "#00"});
    ASSERT_TRUE(w->openLesson(lesson));
    EXPECT_TRUE(w->player().TestMode);
    EXPECT_TRUE(w->RichEdit1->toPlainText().contains(u8("Textseiten im Testmodus.")));
    EXPECT_TRUE(w->RichEdit1->toPlainText().contains(u8("\n   01, Start\n")));  // sign removed

    ASSERT_TRUE(w.clickLine(u8("Starten mit einem Mausklick")));
    ASSERT_EQ(w->player().CurrentPage, 1);
    w.key(Qt::Key_PageDown);
    EXPECT_EQ(w.dialogs.messages().back(), player::texts::kEvaluateFirst);
    EXPECT_EQ(w->player().CurrentPage, 1);
    w.key(Qt::Key_PageUp);
    w.press(w->Button8);  // no list in a test
    EXPECT_EQ(w->player().CurrentPage, 1);

    w.type(1, "ein");
    w.press(w->Button6);
    EXPECT_EQ(w.status(), u8("< 1 von 1 Werten richtig  =  100.00% >"));
    EXPECT_FALSE(w->Panel3->isVisible());  // no answer list in a test
    w.press(w->Label20);
    EXPECT_EQ(w->player().CurrentPage, 2);
    w.press(w->Label20);  // a reading page needs no evaluation
    EXPECT_EQ(w->player().CurrentPage, 3);
    w.press(w->Label21);
    EXPECT_EQ(w->player().CurrentPage, 3);

    w.dialogs.shown.clear();
    w.press(w->Button3);
    EXPECT_EQ(w.dialogs.messages(), std::vector<std::string>{lesson::texts::kFinishTestFirst});

    // Nor may a later start of the program replace a running test.
    w->requestOpen(demoArchive());
    EXPECT_EQ(w.dialogs.messages().back(), lesson::texts::kFinishTestFirst);
    EXPECT_EQ(w->player().CurrentPage, 3);

    // "Beenden" ends the test: the name is asked until it has an inner comma; the protocol
    // is shown and written.
    const QString protocols = w.temp.file("protokolle");
    QDir().mkpath(protocols);
    w->state().ProtocolFolder = protocols.toStdString();
    w.dialogs.yesNoAnswers = {true, false};
    w.dialogs.inputAnswers = {std::string("Muster Hans"), std::string("Muster , Hans")};
    w.press(w->Button7);
    EXPECT_EQ(w.dialogs.shown[w.dialogs.shown.size() - 4].text, player::texts::kEndProgramInTest);
    EXPECT_EQ(w.dialogs.shown.back().text, player::texts::kPrintResult);
    EXPECT_FALSE(w->Label20->isVisible());
    EXPECT_TRUE(w->RichEdit1->toPlainText().contains(u8("Testperson:  Muster,Hans")));
    EXPECT_TRUE(
        w->RichEdit1->toPlainText().contains(u8("      Der Test wurde vollständig ausgeführt!")));
    EXPECT_TRUE(w->RichEdit1->toPlainText().contains(
        u8("      Resultat:     1 von   1 richtig (100.00%)")));
    EXPECT_EQ(w->RichEdit1->currentCharFormat().fontFamilies().toStringList().value(0),
              QStringLiteral("Courier New"));
    EXPECT_EQ(QDir(protocols).entryList({QStringLiteral("test_rtf_Muster_Hans_*.txt")}).size(), 1);
    EXPECT_FALSE(w->player().TestMode);
    EXPECT_TRUE(w->player().TestFinished);
    w.press(w->Button6);
    w.press(w->Label20);
    EXPECT_EQ(w.dialogs.shown.back().text, player::texts::kPrintResult);

    // Once the test has ended, "Laden" asks; saying no keeps the test's totals.
    w.dialogs.yesNoAnswers = {false};
    w.press(w->Button3);
    EXPECT_EQ(w.dialogs.shown.back().text, lesson::texts::kLoadQuestion);
    EXPECT_TRUE(w->player().TestFinished);
    EXPECT_EQ(w->scores().totalValues, 1);
}

TEST(PlayerModes, ChildModeJumpsTypesCapitalsAndPlaysFeedback) {
    PlayerWindow w;
    std::vector<std::string> lines = {"#01!, Eins", "Ein [HAUS] und [ZWEI]."};
    for (int p = 2; p <= 5; ++p)
        lines.insert(lines.end(), {"#0" + std::to_string(p) + ", Seite", "Text [A]."});
    lines.push_back("#00");
    ASSERT_TRUE(w->openLesson(writeLesson(w.temp.path(), "kind.rtf", lines)));
    ASSERT_TRUE(w->player().ChildMode);
    EXPECT_FALSE(w->RichEdit1->toPlainText().contains(u8("Eins")));

    w.key(Qt::Key_F2);  // no jumps before the first page
    EXPECT_EQ(w->player().CurrentPage, 0);
    ASSERT_TRUE(w.clickLine(u8("Ein Textaria-Lernprogramm")));
    ASSERT_EQ(w->player().CurrentPage, 1);
    EXPECT_TRUE(w->Label4->isVisible());

    PlayerWindow::typeInto(w.field(1), u8("haus"));
    EXPECT_EQ(w.field(1)->text(), u8("HAUS"));
    PlayerWindow::typeInto(w.field(2), u8("zwöi"));
    w.press(w->Button6);
    EXPECT_EQ(w->lastFeedbackSound(), "erg1.mp3");
    EXPECT_EQ(w.field(2)->text(), u8("ZWÖI"));  // child mode shows no corrections
    EXPECT_FALSE(w.corrected(2));

    w.key(Qt::Key_F2);
    EXPECT_EQ(w->player().CurrentPage, 5);
    w.key(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(w->player().CurrentPage, 1);

    w.dialogs.inputAnswers = {std::string("99"), std::string("abc"), std::string("3")};
    w.key(Qt::Key_F9);
    EXPECT_EQ(w->player().CurrentPage, 5);
    EXPECT_EQ(w.dialogs.shown.back().caption, player::texts::kChildJumpTitle);
    EXPECT_EQ(w.dialogs.shown.back().text, "( 0 < N < 6 )");
    EXPECT_EQ(w.dialogs.shown.back().defaultText, "1");
    w.key(Qt::Key_F9);
    EXPECT_EQ(w->player().CurrentPage, 1);
    w.key(Qt::Key_F9);
    EXPECT_EQ(w->player().CurrentPage, 3);
    PlayerWindow::typeInto(w.field(1), u8("x"));
    w.press(w->Button6);
    EXPECT_EQ(w->lastFeedbackSound(), "erg0.mp3");

    // The next lesson is an ordinary one again.
    ASSERT_TRUE(w->openLesson(writeLesson(w.temp.path(), "gross.rtf", {"Ein [Haus]."})));
    EXPECT_FALSE(w->player().ChildMode);
    PlayerWindow::typeInto(w.field(1), u8("haus"));
    EXPECT_EQ(w.field(1)->text(), u8("haus"));
    w.press(w->Button6);
    EXPECT_TRUE(w->Panel3->isVisible());
}

TEST_F(DemoLesson, CalculatorOpensOnlyOnPagesThatAllowIt) {
    std::vector<std::pair<QLineEdit*, bool>> requests;
    QObject::connect(w.form.get(), &player::TForm1::calculatorRequested,
                     [&](QLineEdit* field, bool clear) { requests.emplace_back(field, clear); });
    openPage("02, Im Hafen");  // no "%"
    QTest::keyClick(w->RichEdit1, Qt::Key_F12);
    EXPECT_TRUE(requests.empty());
    QTest::mouseDClick(w.field(1), Qt::LeftButton);
    ASSERT_FALSE(w.dialogs.shown.empty());
    EXPECT_EQ(w.dialogs.shown.back().text, " Taschenrechner gesperrt ! ");
    EXPECT_TRUE(requests.empty());

    w->Button8->click();  // back to the list
    QApplication::processEvents();
    openPage("03, Rechnen");  // "%"
    QTest::keyClick(w->RichEdit1, Qt::Key_F12);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].first, nullptr);
    QTest::mouseDClick(w.field(2), Qt::LeftButton);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].first, w.field(2));
    EXPECT_FALSE(requests[1].second) << "only \"%%\" clears the variables";
}

}  // namespace
}  // namespace textaria::testing

namespace textaria::app {
namespace {

TEST(PlayerCalculator, DoubleClickedFieldReceivesTheCalculatorsResult) {
    using testing::demoArchive;
    if (!std::filesystem::exists(demoArchive())) GTEST_SKIP() << "demo.rsd not built";
    testing::PrivateTempFolder temp;
    const std::filesystem::path start = std::filesystem::current_path();
    {
        Application program("/opt/textaria/textaria", StartupOptions{});
        ASSERT_TRUE(program.createWindows());
        player::TForm1& form = *program.Form1();
        form.show();
        ASSERT_TRUE(form.openLesson(demoArchive()));
        const QTextBlock title =
            form.RichEdit1->document()->find(QStringLiteral("03, Rechnen")).block();
        ASSERT_TRUE(title.isValid());
        QTextCursor cursor(title);
        QTest::mouseClick(form.RichEdit1->viewport(), Qt::LeftButton, {},
                          form.RichEdit1->cursorRect(cursor).center() + QPoint(4, 0));
        QApplication::processEvents();
        QLineEdit* field = form.gapFields[0];
        ASSERT_TRUE(field->isVisible());
        // The calculator is modal: type into it once it shows, then close it with F2.
        calc::TForm13* calculator = program.Form13();
        QTimer::singleShot(0, calculator, [calculator] {
            auto* entry = calculator->findChild<QLineEdit*>(QStringLiteral("Edit1"));
            QTest::keyClicks(entry, "7/2");
            QTest::keyClick(entry, Qt::Key_Return);
            QTest::keyClick(entry, Qt::Key_F2);
        });
        QTest::mouseDClick(field, Qt::LeftButton);
        EXPECT_EQ(field->text(), QStringLiteral("3.5"));
        EXPECT_FALSE(calculator->isVisible());
    }
    std::filesystem::current_path(start);
}

TEST(PlayerCalculator, NavigationClicksMakeTheCalculatorStartFromOutside) {
    testing::PrivateTempFolder temp;
    const std::filesystem::path start = std::filesystem::current_path();
    {
        Application program("/opt/textaria/textaria", StartupOptions{});
        ASSERT_TRUE(program.createWindows());
        calc::Calculator& calculator = program.Form13()->calculator();
        for (QWidget* target :
             std::initializer_list<QWidget*>{program.Form1()->Label20, program.Form1()->Label4,
                                             program.Form1()->RichEdit1->viewport()}) {
            calculator.setResetOnOpen(false);
            QTest::mouseClick(target, Qt::LeftButton);
            EXPECT_TRUE(calculator.resetOnOpen()) << target->objectName().toStdString();
        }
        calculator.setResetOnOpen(false);
        QTest::keyClick(program.Form1()->RichEdit1, Qt::Key_PageDown);  // keys do not
        EXPECT_FALSE(calculator.resetOnOpen());
    }
    std::filesystem::current_path(start);
}

}  // namespace
}  // namespace textaria::app
