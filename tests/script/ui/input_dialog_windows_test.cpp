#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "script/ui/input_u.h"
#include "script/ui/select_u.h"

namespace textaria::script {
namespace {

void showActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

void typeInto(QLineEdit* cell, const char* text) {
    cell->setFocus();
    cell->clear();
    QTest::keyClicks(cell, QString::fromUtf8(text));
    QTest::keyClick(cell, Qt::Key_Return);
}

TEST(TForm27, PointTypedWithCommaEnterAndOk) {
    TForm27 form;
    form.prepare({2, 2, "P", "", "0,0"});
    showActive(form);
    ASSERT_EQ(form.cells.size(), 2u);
    EXPECT_EQ(form.cells[0]->text(), "0");
    EXPECT_EQ(form.Label1->text(), "Koordinaten von Punkt (Vektor) P");
    typeInto(form.cells[0], "abc");
    EXPECT_EQ(form.cells[0]->text(), "");
    EXPECT_TRUE(form.cells[0]->hasFocus());  // the cursor stays
    typeInto(form.cells[0], "1,5");
    EXPECT_EQ(form.cells[0]->text(), "1.5");
    EXPECT_TRUE(form.cells[1]->hasFocus());
    typeInto(form.cells[1], "2");
    EXPECT_TRUE(form.Button1->hasFocus());
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), std::optional<std::string>("1.5,2"));
    EXPECT_EQ(form.cells[0]->text(), " ");
    // Several cells: the button covers the spare last column, in front of the grid.
    EXPECT_LT(form.Button1->x(), form.StringGrid1->geometry().right());
    EXPECT_GE(form.width(), form.Button1->geometry().right() + 10);
}

TEST(TForm27, EscapeCloseButtonAndCalculator) {
    TForm27 form;
    int shown = 0;
    form.calculator = {[&] { ++shown; }, [] { return std::string("42"); }};
    form.prepare({1, 1, "", "Wert:", "7"});
    showActive(form);
    EXPECT_EQ(form.Button1->x(), form.StringGrid1->geometry().right() + 1 + 2);  // one cell
    QTest::mouseDClick(form.cells[0], Qt::LeftButton);
    EXPECT_EQ(shown, 0);  // not allowed for this input, but the last result still comes
    EXPECT_EQ(form.cells[0]->text(), "42");
    form.close();  // the window's close button returns the cells as they stand
    EXPECT_EQ(form.result(), std::optional<std::string>("42"));

    EntryRequest allowed{1, 1, "", "Wert:", "7"};
    allowed.calculatorAllowed = true;
    form.prepare(allowed);
    showActive(form);
    QTest::mouseDClick(form.cells[0], Qt::LeftButton);
    EXPECT_EQ(shown, 1);
    QTest::keyClick(form.cells[0], Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.result());
}

TEST(TForm28, ButtonsByModeAndChoosingClosesAtOnce) {
    TForm28 box;
    box.prepare({0, 3, "Wähle", false}, {100, 120});
    showActive(box);
    ASSERT_EQ(box.buttons.size(), 4u);
    EXPECT_EQ(box.buttons[3]->text(), "0");
    for (auto* b : box.buttons) EXPECT_FALSE(b->isChecked());
    EXPECT_EQ(box.palette().color(QPalette::Window), QColor(210, 210, 210));
    QTest::mouseClick(box.buttons[3], Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), 0);
    EXPECT_FALSE(box.escaped());

    box.prepare({3, 4, "Stufe", false}, {100, 120});
    showActive(box);
    EXPECT_EQ(box.buttons[0]->text(), "0");
    box.buttons[0]->setFocus();
    QTest::keyClick(box.buttons[0], Qt::Key_Right);  // moves on without choosing
    EXPECT_TRUE(box.isVisible());
    QTest::keyClick(box.buttons[1], Qt::Key_Space);  // selecting with the keyboard
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), 1);

    box.prepare({0, 3, "Wähle", true}, {100, 120});
    showActive(box);
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_EQ(box.result(), -1);
    EXPECT_TRUE(box.escaped());
    // The prompt is centred when there is no "0" button.
    EXPECT_GT(box.Label1->x(), 5);
}

TEST(TForm28, ModalSelectionStoresThePosition) {
    TForm27 entry;
    TForm28 box;
    QtInputDialogs dialogs(entry, box);
    dialogs.position = {200, 150};
    QTimer::singleShot(0, &box, [&] {
        box.move(230, 170);
        box.buttons[2]->click();
    });
    EXPECT_EQ(dialogs.select({6, 3, " Verschiebbare Auswahlbox", false}), 2);
    EXPECT_FALSE(dialogs.selectEscaped);
    EXPECT_EQ(dialogs.position.left, 230);
    EXPECT_EQ(dialogs.position.top, 170);
}

}  // namespace
}  // namespace textaria::script
