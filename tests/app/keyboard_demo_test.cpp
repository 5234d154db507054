// The demo lesson played by keyboard alone, with only what a screen reader tells: controls are
// found by their accessible names, keys go to whatever has the focus.
#include <gtest/gtest.h>

#include <QTextBlock>

#include "access_test_support.h"
#include "player_test_support.h"

namespace textaria::testing {
namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, k, modifiers);
    QApplication::processEvents();
}

// Tab until the control of that name has the focus; false when a whole round never finds it.
bool tabTo(QWidget* window, const QString& name) {
    for (int i = 0; i < 40 && focusedName(window) != name; ++i) pressTab();
    return focusedName(window) == name;
}

TEST(KeyboardAlone, TheDemoLessonIsLoadedAnsweredAndEvaluated) {
    if (!std::filesystem::exists(demoArchive())) GTEST_SKIP() << "demo.rsd not built";
    PlayerWindow w;
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    QWidget* window = w.form.get();
    w->chooseLessonFile = [](const std::string&) { return std::optional(demoArchive()); };

    ASSERT_TRUE(tabTo(window, u8("Laden")));
    w.dialogs.yesNoAnswers = {true};
    key(Qt::Key_Return);
    ASSERT_EQ(focusedName(window), u8("Seite"));
    EXPECT_EQ(focusedControl(window)->text(QAccessible::Description),
              u8("Titelseite der Textliste"));

    // Down the list to the arithmetic page, Enter opens it.
    for (int i = 0; i < 30 && !w->RichEdit1->textCursor().block().text().contains(u8("Rechnen"));
         ++i)
        key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_EQ(w->player().CurrentPage, 3);
    EXPECT_EQ(accessibleDescription(w->RichEdit1), u8("03, Rechnen"));

    // Each answer field, found by its name, has the focus in turn; Tab moves on.
    const int gaps = w->gapTable().GapCount();
    ASSERT_GE(gaps, 3);
    QAccessibleInterface* tree = accessible(window);
    for (int j = 1; j <= gaps; ++j) {
        const QString name = u8("Lücke ") + QString::number(j);
        QAccessibleInterface* field = findByName(tree, name);
        ASSERT_NE(field, nullptr) << name.toStdString();
        ASSERT_EQ(field->object(), QApplication::focusWidget()) << name.toStdString();
        const std::string& solution = w->gapTable().entries[static_cast<std::size_t>(j - 1)].answer;
        PlayerWindow::typeInto(QApplication::focusWidget(),
                               QString::fromStdString(solution.substr(0, solution.find('\\'))));
        pressTab();
    }
    ASSERT_EQ(focusedName(window), u8("Bewerten"));
    key(Qt::Key_Return);
    const QString all = QString::number(gaps);
    EXPECT_EQ(accessibleDescription(w->Panel1),
              u8("< ") + all + u8(" von ") + all + u8(" Werten richtig  =  100.00% >"));

    // Page on from wherever the focus is.
    key(Qt::Key_PageDown);
    EXPECT_EQ(w->player().CurrentPage, 4);
    EXPECT_TRUE(accessibleDescription(w->RichEdit1).startsWith(u8("04, ")));
}

}  // namespace
}  // namespace textaria::testing
