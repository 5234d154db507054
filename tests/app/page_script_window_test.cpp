// Page scripts in the real main window, offscreen: a random exercise computed for its page,
// repeated by the same seed, scored; the script's picture and its coordinates.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextCursor>

#include "player/ui/tform1.h"
#include "player_test_support.h"

namespace textaria::testing {
namespace {

const QRegularExpression kExercise(QStringLiteral("(\\d+) \\S (\\d+) = \\[(\\d+)\\]"));

class RandomPage : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(demoArchive())) GTEST_SKIP() << "demo.rsd not built";
        ASSERT_TRUE(w->openLesson(demoArchive()));
    }
    // Shows the demo's page script page with the given seed, from the list page the first
    // time and by "[ Rep ]" after that; returns the page view's text.
    QString show(std::uint64_t seed) {
        w.lesson->seed(seed);
        if (w->player().CurrentPage == 0) {
            EXPECT_TRUE(w.clickLine(QStringLiteral("Einmaleins mit Zufall")));
        } else {
            w.press(w->Label4);
        }
        QApplication::processEvents();
        return w->RichEdit1->toPlainText();
    }
    PlayerWindow w;
};

TEST_F(RandomPage, SeedsDecideTheExerciseAndTheRightAnswerScores) {
    const QString first = show(21);
    const QRegularExpressionMatch exercise = kExercise.match(first);
    ASSERT_TRUE(exercise.hasMatch()) << first.toStdString();
    const int a = exercise.captured(1).toInt();
    const int b = exercise.captured(2).toInt();
    EXPECT_EQ(exercise.captured(3).toInt(), a * b);
    EXPECT_TRUE(w->Label4->isVisible());  // "[ Rep ]" poses a new one

    // "[ Rep ]" with the same seed poses the same exercise, other seeds others.
    EXPECT_EQ(show(21), first);
    int same = 0;
    for (std::uint64_t seed : {22, 23, 24, 25}) same += show(seed) == first ? 1 : 0;
    EXPECT_LT(same, 4);

    const QString text = show(21);
    // The values keep the format of the placeholders they replaced.
    QTextCursor cursor(w->RichEdit1->document());
    cursor.setPosition(static_cast<int>(text.indexOf(kExercise)) + 1);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 14);
    w.type(1, QString::number(a * b));
    w.type(2, QString::number(a + b));
    w.press(w->Button6);
    EXPECT_EQ(w.status(), QStringLiteral("< 2 von 2 Werten richtig  =  100.00% >"));
    EXPECT_TRUE(w.dialogs.messages().empty());
}

TEST(ScriptPicture, ARightClickShowsTheCoordinatesOfThePoint) {
    PlayerWindow w;
    const std::string folder = w.temp.path().toStdString();
    std::ofstream(folder + "/gitter_m.txt", std::ios::binary)
        << "#01\r\nkor(10,2)\r\nx = 3\r\n#00\r\n";
    const std::string lesson =
        writeLesson(w.temp.path(), "gitter.rtf",
                    {"#01, Gitter", "Der Kreis hat den Radius [5].", "x = .x", "@@", "#00"});
    ASSERT_TRUE(w->openLesson(lesson));
    ASSERT_TRUE(w.clickLine(QStringLiteral("01, Gitter")));
    QApplication::processEvents();
    EXPECT_TRUE(w->RichEdit1->toPlainText().contains(QStringLiteral("x = 3")));
    ASSERT_TRUE(w->Panel5->isVisible());
    ASSERT_FALSE(w->Image1->pixmap().isNull());

    // The middle of the picture is the origin.
    const QRect label = w->Image1->rect();
    QTest::mouseClick(w->Image1, Qt::RightButton, {}, label.center());
    ASSERT_EQ(w.dialogs.messages().size(), 1u);
    const QString message = QString::fromStdString(w.dialogs.messages()[0]);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^P\\(-?0\\.\\d\\d/-?0\\.\\d\\d\\)$"))
                    .match(message)
                    .hasMatch())
        << message.toStdString();
    // A left click shows nothing.
    QTest::mouseClick(w->Image1, Qt::LeftButton, {}, label.center());
    EXPECT_EQ(w.dialogs.messages().size(), 1u);
}

}  // namespace
}  // namespace textaria::testing
