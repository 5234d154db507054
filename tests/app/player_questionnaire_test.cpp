// A questionnaire lesson in the real main window, offscreen: the selection box asks each
// question, a wrong typed answer is refused, "Beenden" writes and shows the profile.
#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "player/texts.h"
#include "player_test_support.h"
#include "script/ui/input_u.h"
#include "script/ui/select_u.h"
#include "support/fake_input_dialogs.h"

namespace textaria::testing {
namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

TEST(PlayerQuestionnaire, AsksByTheBoxRefusesWrongAnswersAndEndsWithTheProfile) {
    PlayerWindow w;
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    // The real selection box for the first question, chosen with a click as a learner does.
    script::TForm27 entry;
    script::TForm28 box;
    script::QtInputDialogs realBox(entry, box);
    FakeInputDialogs scripted;
    w->lesson().setInputDialogs(&realBox);

    const QString protocols = w.temp.file("protokolle");
    QDir().mkpath(protocols);
    w->state().ProtocolFolder = protocols.toStdString();
    const std::string lesson = writeLesson(
        w.temp.path(), "fragen.rtf",
        {"#01_, Info", "", "Bitte jede Frage beantworten.", "#02, F01", "?F01 Gern unter Leuten.",
         "~", "Antwort: [ x ]", "?3", "#03, F02", "?F02 Oft in Sorge.", "~", "Antwort: [ x ]", "?3",
         "#04, Ende", "ENDE", "#00"});
    ASSERT_TRUE(w->openLesson(lesson));
    ASSERT_TRUE(w->player().TestMode);
    ASSERT_TRUE(w.clickLine(u8("Starten mit einem Mausklick")));
    ASSERT_EQ(w->player().CurrentPage, 1);

    QString prompt;
    QStringList choices;
    QTimer::singleShot(100, &box, [&] {
        prompt = box.Label1->text();
        for (QRadioButton* b : box.buttons) choices << b->text();
        if (box.buttons.size() == 3) {  // a click on the round button of "ja"
            QRadioButton* yes = box.buttons[2];
            QTest::mouseClick(yes, Qt::LeftButton, {}, QPoint(8, yes->height() / 2));
        }
        if (box.isVisible()) box.reject();  // never hang on a box left open
    });
    w.press(w->Label20);
    ASSERT_EQ(w->player().CurrentPage, 2);
    EXPECT_EQ(prompt, u8(" Verschiebbare Auswahlbox"));
    EXPECT_EQ(choices, (QStringList{u8("nein"), u8("?"), u8("ja")}));
    EXPECT_EQ(w.field(1)->text(), u8("ja"));
    EXPECT_EQ(w->focusWidget(), w.field(1));
    EXPECT_FALSE(w->Label20->isVisible());  // the box takes the place of "[ Dn ]"

    // From here the box is scripted: the learner escapes it and types a wrong answer.
    w->lesson().setInputDialogs(&scripted);
    scripted.selectChoices = {-1};
    w.press(w->Button6);  // "ja" is allowed: the next question comes at once
    ASSERT_EQ(w->player().CurrentPage, 3);
    EXPECT_EQ(scripted.selects.size(), 1u);
    EXPECT_EQ(w.field(1)->text(), QString());
    w.type(1, u8("vielleicht"));
    w.press(w->Button6);
    EXPECT_EQ(w.dialogs.messages().back(), player::texts::kWrongAnswer);
    EXPECT_EQ(w->player().CurrentPage, 3);
    EXPECT_EQ(w.field(1)->text(), QString());
    EXPECT_EQ(w->focusWidget(), w.field(1));
    w.type(1, u8("nein"));
    w.press(w->Button6);
    ASSERT_EQ(w->player().CurrentPage, 4);

    // "Beenden": asked, the name entered, the profile shown and written with its question file.
    w.dialogs.yesNoAnswers = {true, false};
    w.dialogs.inputAnswers = {std::string("Muster, Hans")};
    w.press(w->Button7);
    const QString shown = w->RichEdit1->toPlainText();
    EXPECT_TRUE(shown.contains(u8("     Testperson : Muster,Hans"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(u8("3-stufiges Merkmalsprofil (ja=2,?=1,nein=0)")));
    EXPECT_TRUE(shown.contains(u8("Der Test wurde vollständig ausgeführt!")));
    EXPECT_TRUE(shown.contains(u8("     Punktesumme:   2 von   4")));
    EXPECT_TRUE(shown.contains(u8("[ja  ] = 2")));
    EXPECT_TRUE(shown.contains(u8("[nein] = 0")));
    EXPECT_EQ(w.dialogs.shown.back().text, player::texts::kPrintResult);
    EXPECT_EQ(QDir(protocols).entryList({QStringLiteral("fragen_rtf_Muster_Hans_*3.txt")}).size(),
              1);
    EXPECT_EQ(readAll(protocols + "/fragen_fragen.txt"),
              u8("01 Gern unter Leuten.\r\n02 Oft in Sorge.\r\n"));
    EXPECT_TRUE(w->player().TestFinished);
    EXPECT_TRUE(w->player().TestMode);  // only "Beenden" is left
    w.dialogs.yesNoAnswers = {false};
    w.press(w->Button7);
    EXPECT_EQ(w.dialogs.shown.back().text, player::texts::kEndProgramFinally);
    EXPECT_TRUE(w->isVisible());
}

}  // namespace
}  // namespace textaria::testing
