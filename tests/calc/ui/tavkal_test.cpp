// The calculator window driven like a learner does: keys into the entry line, F-keys, Escape
// during a long command, the buttons and the variable list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include "calc/ui/tavkal_u.h"
#include "support/fake_user_dialogs.h"

namespace textaria::calc {
namespace {

class RecordingLauncher : public ProgramLauncher {
  public:
    std::vector<std::string> started;
    bool startDetached(const std::string& program) override {
        started.push_back(program);
        return false;
    }
};

class CalculatorWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        form.setDialogs(&dialogs);
        form.setProgramLauncher(&launcher);
        edit = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        list = form.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
        ASSERT_NE(edit, nullptr);
        ASSERT_NE(list, nullptr);
    }

    void open() {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // Types a line and presses a key; returns what the entry line then shows.
    QString enter(const QString& text, Qt::Key key = Qt::Key_Return,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, key, modifiers);
        return edit->text();
    }

    bool labelShown(const char* name) {
        const auto* label = form.findChild<QLabel*>(QString::fromLatin1(name));
        return label && label->isVisibleTo(&form);
    }

    FormulaVariables variables;
    TForm13 form{variables};
    testing::FakeUserDialogs dialogs;
    RecordingLauncher launcher;
    QLineEdit* edit = nullptr;
    QTextEdit* list = nullptr;
};

TEST_F(CalculatorWindow, FormulasAndAssignmentsFromTheKeyboard) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("QXR - Taschenrechner"));
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    open();
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("Label8"))->text(),
              QStringLiteral("Speicher mit 26 Variable: < a bis z >"));

    EXPECT_EQ(enter(QStringLiteral("2+3*4")), QStringLiteral("14"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("14"));  // typing replaces the answer
    EXPECT_EQ(enter(QStringLiteral("a=5"), Qt::Key_F1), QStringLiteral("5"));
    EXPECT_EQ(enter(QStringLiteral("a*3,5")), QStringLiteral("17.5"));
    EXPECT_EQ(enter(QStringLiteral("qua(1,-3,2)")), QStringLiteral(" x = 2.00, y = 1.00"));
    EXPECT_EQ(enter(QStringLiteral("ab=2")), QStringLiteral(" Fehler"));
    EXPECT_DOUBLE_EQ(variables['A'], 5.0);
    EXPECT_EQ(list->document()->findBlockByNumber(0).text(), QStringLiteral(" a = 5.00"));

    // Enter on an empty line leaves it empty.
    edit->clear();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), QString());
    // Escape outside a command closes the calculator as F2 does, from the entry line and from
    // any other control; the entry line is its result.
    QTest::keyClicks(edit, QStringLiteral("7*6"));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.calculator().calculatorResult(), "7*6");
    open();
    auto* closeButton = form.findChild<QPushButton*>(QStringLiteral("Button2"));
    ASSERT_NE(closeButton, nullptr);
    closeButton->setFocus();
    QTest::keyClick(closeButton, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(CalculatorWindow, FunctionKeys) {
    open();
    for (const char* n : {"2", "3", "4"}) EXPECT_EQ(enter(QString::fromLatin1(n), Qt::Key_F8), n);
    EXPECT_EQ(enter({}, Qt::Key_F9), QStringLiteral("n = 3"));
    EXPECT_EQ(enter({}, Qt::Key_F9, Qt::ShiftModifier), QStringLiteral("x = 9.00"));
    EXPECT_EQ(enter({}, Qt::Key_F9, Qt::ControlModifier), QStringLiteral("y = 29.00"));

    // F3 keeps the prepared line, F4 puts it in at the caret.
    edit->clear();
    EXPECT_EQ(enter(QStringLiteral(" 2^^3 "), Qt::Key_F3), QStringLiteral("2^3"));
    edit->setText(QStringLiteral("1+"));
    edit->end(false);
    EXPECT_EQ(enter({}, Qt::Key_F4), QStringLiteral("1+2^3"));
    EXPECT_EQ(enter({}), QStringLiteral("9"));

    // F11 leaves the caret inside the parentheses, F12 after "^2".
    EXPECT_EQ(enter({}, Qt::Key_F11), QStringLiteral("sqrt()"));
    EXPECT_EQ(enter(QStringLiteral("16")), QStringLiteral("4"));
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("3"));
    QTest::keyClick(edit, Qt::Key_F12);
    EXPECT_EQ(edit->text(), QStringLiteral("3^2"));
    EXPECT_EQ(edit->cursorPosition(), 3);
    EXPECT_EQ(enter({}), QStringLiteral("9"));
    // Positions count characters, not bytes, in front of an umlaut too.
    edit->setText(QStringLiteral("\u00e4\u00f61"));
    edit->setCursorPosition(2);
    QTest::keyClick(edit, Qt::Key_F12);
    EXPECT_EQ(edit->text(), QStringLiteral("\u00e4\u00f6^21"));
    EXPECT_EQ(edit->cursorPosition(), 4);

    // Shift+F6 shows the command help only after F5.
    EXPECT_FALSE(labelShown("Label13"));
    QTest::keyClick(edit, Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_FALSE(labelShown("Label13"));
    QTest::keyClick(edit, Qt::Key_F5);
    QTest::keyClick(edit, Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(labelShown("Label13"));
    EXPECT_TRUE(labelShown("Label18"));

    // F7 asks; the number in the line is shown again with the new decimals.
    dialogs.inputAnswers = {"4"};
    edit->setText(QStringLiteral("0.5"));
    EXPECT_EQ(enter({}, Qt::Key_F7), QStringLiteral("0.5000"));
    EXPECT_EQ(enter(QStringLiteral("1/3")), QStringLiteral("0.3333"));
    EXPECT_EQ(list->document()->findBlockByNumber(0).text(), QStringLiteral(" a = 0.0000"));

    // F10 without a desktop calculator that starts.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray());
    EXPECT_EQ(enter(QStringLiteral("7"), Qt::Key_F10), QStringLiteral("7"));
    qputenv("PATH", path);
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_EQ(dialogs.messages().back(), "Calculator nicht gefunden");

    // F2 closes; the decimals chosen with F7 were for this opening only.
    QTest::keyClick(edit, Qt::Key_F2);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.calculator().calculatorResult(), "7");
    EXPECT_EQ(form.calculator().decimals(), 2);
}

TEST_F(CalculatorWindow, EscapeStopsALongCommandAndHoldsBackOtherInput) {
    open();
    bool computingSeen = false;
    QTimer::singleShot(300, &form, [&] {
        computingSeen = form.computing();
        QTest::keyClicks(edit, QStringLiteral("99"));  // held back while the search runs
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    EXPECT_EQ(enter(QStringLiteral("nul(x^2+1,0,0,1)")), QStringLiteral(" Fehler "));
    EXPECT_TRUE(computingSeen);
    EXPECT_FALSE(form.computing());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.calculator().commandErrorFlag());

    // The window works normally afterwards.
    EXPECT_EQ(enter(QStringLiteral("nul(x^2-2,0,0,2)")), QStringLiteral("z = 1.41"));
}

TEST_F(CalculatorWindow, AMessageDuringACommandCanBeAnswered) {
    form.setDialogs(nullptr);  // the real message box
    open();
    QString shown;
    bool answered = false;
    QTimer::singleShot(200, &form, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || box == &form) return;
        shown = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        QTest::keyClick(box, Qt::Key_Return);
        answered = !box->isVisible();
    });
    // Should the box not take the key, close it another way so the test fails instead of hanging.
    QTimer::singleShot(3000, &form, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox*>(w) && w->isVisible()) w->hide();
    });
    EXPECT_EQ(enter(QStringLiteral("int(x,2,1)")), QStringLiteral(" Fehler "));
    EXPECT_EQ(shown, QStringLiteral("2,1...2"));
    EXPECT_TRUE(answered);
}

TEST_F(CalculatorWindow, ButtonsAndTheVariableList) {
    open();
    enter(QStringLiteral("c=3"));
    EXPECT_FALSE(list->isVisibleTo(&form));
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button3")), Qt::LeftButton);
    ASSERT_TRUE(list->isVisibleTo(&form));
    EXPECT_EQ(list->document()->blockCount(), 26);
    EXPECT_EQ(list->document()->findBlockByNumber(2).text(), QStringLiteral(" c = 3.00"));

    // A click on a line offers that variable for a new value.
    const QRect line = list->cursorRect(QTextCursor(list->document()->findBlockByNumber(2)));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
    EXPECT_EQ(edit->text(), QStringLiteral("c = "));
    EXPECT_EQ(edit->cursorPosition(), 4);
    EXPECT_EQ(enter(QStringLiteral("7")), QStringLiteral("7"));
    EXPECT_DOUBLE_EQ(variables['c'], 7.0);

    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(variables['c'], 0.0);
    EXPECT_EQ(list->document()->findBlockByNumber(2).text(), QStringLiteral(" c = 0.00"));

    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.calculator().calculatorResult(), "0");
    // The list stays shown for the next opening.
    open();
    EXPECT_TRUE(list->isVisibleTo(&form));
}

TEST_F(CalculatorWindow, ModalOpeningKeepsOwnValuesAndHandsBackTheLine) {
    Calculator& calculator = form.calculator();
    calculator.outerVariables()[0] = 9;  // the page's value of a
    variables['a'] = 9;

    QTimer::singleShot(0, &form, [&] {
        enter(QStringLiteral("b=6*7"));
        QTest::keyClick(edit, Qt::Key_F2);
    });
    form.exec();
    EXPECT_EQ(calculator.calculatorResult(), "42");
    EXPECT_DOUBLE_EQ(variables['a'], 9.0);  // the page's values are back
    EXPECT_DOUBLE_EQ(variables['b'], 0.0);

    QTimer::singleShot(0, &form, [&] {
        enter(QStringLiteral("b+a"));
        form.close();
    });
    form.exec();
    EXPECT_EQ(calculator.calculatorResult(), "42");  // own b = 42, own a = 0

    calculator.setResetOnOpen(true);
    QTimer::singleShot(0, &form, [&] {
        enter(QStringLiteral("a+b"));
        form.close();
    });
    form.exec();
    EXPECT_EQ(calculator.calculatorResult(), "9");
    EXPECT_FALSE(calculator.resetOnOpen());
}

}  // namespace
}  // namespace textaria::calc
