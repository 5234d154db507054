// The main window driven by the keyboard alone: the real window offscreen, every key sent to
// whichever control has the focus, as a learner without a mouse would.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include "platform/ui/accessibility.h"
#include "player/texts.h"
#include "player_test_support.h"

namespace textaria::testing {
namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

class Keyboard : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get())); }

    QWidget* focus() const { return QApplication::focusWidget(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        ASSERT_NE(focus(), nullptr);
        QTest::keyClick(focus(), key, modifiers);
        QApplication::processEvents();
    }
    void typeText(const QString& text) { PlayerWindow::typeInto(focus(), text); }
    // Tab until `target` has the focus; false when a whole round never reaches it.
    bool tabTo(QWidget* target) {
        for (int i = 0; i < 40 && focus() != target; ++i) key(Qt::Key_Tab);
        return focus() == target;
    }
    platform::FocusFrame* ring() { return w->findChild<platform::FocusFrame*>(); }

    PlayerWindow w;
};

TEST_F(Keyboard, ALessonIsLoadedAnsweredAndEvaluatedWithKeysAlone) {
    const std::string lesson =
        writeLesson(w.temp.path(), "tasten.rtf",
                    {"#01, Tiere", "Die [Katze] und der [Hund].", "#02, Baum", "Ein [Baum].",
                     "#03, Zahl", "Zwei und [zwei].", "#00"});
    w->chooseLessonFile = [&](const std::string&) { return std::optional<std::string>(lesson); };

    // "Laden" is reached with Tab and pressed with Enter.
    ASSERT_TRUE(tabTo(w->Button3));
    ASSERT_NE(ring(), nullptr);
    EXPECT_TRUE(ring()->isVisible());
    EXPECT_EQ(ring()->target(), w->Button3);
    w.dialogs.yesNoAnswers = {true};
    key(Qt::Key_Return);
    ASSERT_TRUE(w->player().ListMode);

    // The list page has the focus; the arrows walk to a title and Enter opens it.
    EXPECT_EQ(focus(), w->RichEdit1);
    for (int i = 0; i < 20 && !w->RichEdit1->textCursor().block().text().contains(u8("02, Baum"));
         ++i)
        key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_EQ(w->player().CurrentPage, 2);
    key(Qt::Key_PageUp);
    ASSERT_EQ(w->player().CurrentPage, 1);

    // The first field has the focus; Enter moves on, but not past the last visible field.
    EXPECT_EQ(focus(), w.field(1));
    typeText(u8("Katze"));
    key(Qt::Key_Return);
    EXPECT_EQ(focus(), w.field(2));
    EXPECT_EQ(ring()->target(), w.field(2));
    typeText(u8("Maus"));
    key(Qt::Key_Return);
    EXPECT_EQ(focus(), w.field(2));
    EXPECT_EQ(w.field(2)->text(), u8("Maus"));

    // Tab from the last field reaches "Bewerten" first; Enter presses it.
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), w->Button6);
    key(Qt::Key_Return);
    EXPECT_EQ(w.status(), u8("< 1 von 2 Werten richtig  =  50.00% >"));

    // Function keys reach the player whichever control has the focus.
    ASSERT_TRUE(tabTo(w->Button7));
    key(Qt::Key_PageDown);
    EXPECT_EQ(w->player().CurrentPage, 2);
    key(Qt::Key_F12);  // no calculator on this page
    w.dialogs.shown.clear();
    key(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(w.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.dialogs.messages()[0].rfind(" Aktuelle Schriftgröße in Grafiken: ", 0), 0u);

    // "Hilfe" by keyboard shows the help in front; "Bewerten" puts it away.
    ASSERT_TRUE(tabTo(w->Button1));
    key(Qt::Key_Space);
    ASSERT_TRUE(w->Memo1->isVisible());
    EXPECT_TRUE(w->Memo1->toPlainText().contains(u8("  <F7>         Mediaplayer ein-/ausblenden")));
    ASSERT_TRUE(tabTo(w.field(1)));
    typeText(u8("Baum"));
    ASSERT_TRUE(tabTo(w->Button6));
    key(Qt::Key_Return);
    EXPECT_FALSE(w->Memo1->isVisible());
    EXPECT_EQ(w.status(), u8("< 1 von 1 Werten richtig  =  100.00% >"));
}

TEST_F(Keyboard, KeysDoNotLeakIntoFieldsOrScrollThePageView) {
    const std::string lesson =
        writeLesson(w.temp.path(), "lang.rtf",
                    {"#01, Eins", "Ein [Haus].", "%", "#02, Zwei", "Zwei [Baum].", "#00"});
    ASSERT_TRUE(w->openLesson(lesson));
    ASSERT_TRUE(w.clickLine(u8("01, Eins")));
    ASSERT_EQ(focus(), w.field(1));
    // F12 on a page with "%" asks for the calculator, F-keys type nothing into the field.
    int calculators = 0;
    QObject::connect(w.form.get(), &player::TForm1::calculatorRequested,
                     [&](QLineEdit* field, bool) { calculators += field == nullptr; });
    key(Qt::Key_F12);
    key(Qt::Key_F5, Qt::AltModifier);
    EXPECT_EQ(calculators, 1);
    EXPECT_EQ(w.field(1)->text(), QString());
    // Ctrl F1 asks for the script editor.
    int editors = 0;
    QObject::connect(w.form.get(), &player::TForm1::scriptEditorRequested, [&] { ++editors; });
    key(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(editors, 1);
    key(Qt::Key_PageDown, Qt::ShiftModifier);  // paging takes any modifier
    EXPECT_EQ(w->player().CurrentPage, 2);
}

}  // namespace
}  // namespace textaria::testing
