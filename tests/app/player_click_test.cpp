// Click-click and the picture tasks in the real main window, offscreen: words picked with the
// mouse or with keys alone, dropped into answer fields; a region task to its result.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>

#include "player_test_support.h"

namespace textaria::testing {
namespace {

class ClickWindow : public ::testing::Test {
  protected:
    void open(const std::vector<std::string>& lines, const char* title) {
        ASSERT_TRUE(w->openLesson(writeLesson(w.temp.path(), "klick.rtf", lines)));
        ASSERT_TRUE(w.clickLine(QString::fromUtf8(title)));
        QApplication::processEvents();
    }
    // A mouse press in the middle of the first occurrence of `word` in the page view.
    void clickWord(const QString& word, Qt::MouseButton button = Qt::LeftButton) {
        QTextEdit* view = w->RichEdit1;
        const QTextCursor found = view->document()->find(word);
        ASSERT_FALSE(found.isNull()) << word.toStdString();
        QTextCursor middle(view->document());
        middle.setPosition(found.selectionStart() + static_cast<int>(word.size()) / 2);
        const QRect caret = view->cursorRect(middle);
        QTest::mouseClick(view->viewport(), button, {},
                          QPoint(caret.left() + 2, caret.center().y()));
        QApplication::processEvents();
    }
    QString highlighted() {
        const auto selections = w->RichEdit1->extraSelections();
        return selections.isEmpty() ? QString() : selections.front().cursor.selectedText();
    }
    PlayerWindow w;
};

const std::vector<std::string> kListLesson = {
    "#01, Tiere",
    "W\\'e4hle aus ((Katze, gr\\'fcner Hund, Maus)) und setze ein:", "Die [Katze] jagt die [Maus].",
    "#00"};

TEST_F(ClickWindow, PickWithTheMouseAndDropIntoAField) {
    open(kListLesson, "01, Tiere");
    clickWord(QStringLiteral("Maus"));
    EXPECT_EQ(highlighted(), QStringLiteral("Maus"));
    QTest::mouseClick(w.field(2), Qt::LeftButton);
    EXPECT_EQ(w.field(2)->text(), QStringLiteral("Maus"));
    EXPECT_EQ(w->lesson().answer(2), "Maus");
    QTest::mouseClick(w.field(1), Qt::LeftButton);  // nothing picked any more
    EXPECT_EQ(w.field(1)->text(), QString());

    clickWord(QStringLiteral("Hund"));
    EXPECT_EQ(w->lesson().state().PickedText, "grüner Hund");
    clickWord(QStringLiteral("Hund"), Qt::RightButton);  // the mode switch
    EXPECT_EQ(w.dialogs.messages().back(), "Klick-Klick-Technik mit ANFÜGEN in den Lücken!");
    clickWord(QStringLiteral("Katze"));
    QTest::mouseClick(w.field(2), Qt::LeftButton);
    EXPECT_EQ(w.field(2)->text(), QStringLiteral("MausKatze"));
    EXPECT_EQ(w.field(2)->selectedText(), QStringLiteral("MausKatze"));
}

TEST_F(ClickWindow, PickAndDropWithKeysAlone) {
    open(kListLesson, "01, Tiere");
    w.field(1)->setFocus();
    QTest::keyClick(w.field(1), Qt::Key_Left, Qt::AltModifier);  // from the end: "Maus"
    QTest::keyClick(w.field(1), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(highlighted(), QStringLiteral("grüner Hund"));
    QTest::keyClick(w.field(1), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(highlighted(), QStringLiteral("Katze"));
    QTest::keyClick(w.field(1), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(w.field(1)->text(), QStringLiteral("Katze"));
    QTest::keyClick(w.field(1), Qt::Key_Return);  // on to the next field
    QTest::keyClick(w.field(2), Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(w.field(2), Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(w.field(2), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(w.field(2)->text(), QStringLiteral("Maus"));
    QTest::mouseClick(w->Button6, Qt::LeftButton);
    EXPECT_EQ(w.status(), QStringLiteral("< 2 von 2 Werten richtig  =  100.00% >"));
}

TEST_F(ClickWindow, WordListBesideThePage) {
    open({"#01, Liste", "Die [Katze] jagt die [Maus].", "&", "#00"}, "01, Liste");
    QTextEdit* list = w->RichEdit2;
    ASSERT_TRUE(list->isVisible());
    const QRect second = list->cursorRect(QTextCursor(list->document()->findBlockByNumber(1)));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center() + QPoint(20, 0));
    QTest::mouseClick(w.field(1), Qt::LeftButton);
    EXPECT_EQ(w.field(1)->text(), QStringLiteral("Maus"));

    QTest::keyClick(w.field(2), Qt::Key_Right, Qt::AltModifier);  // no list in the page text
    const auto selections = list->extraSelections();
    ASSERT_EQ(selections.size(), 1);
    EXPECT_EQ(selections.front().cursor.selectedText(), QStringLiteral(" Katze"));
    QTest::keyClick(w.field(2), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(w.field(2)->text(), QStringLiteral("Katze"));
}

class PictureTask : public ClickWindow {
  protected:
    // A 400 x 300 picture of four coloured quarters and its region table.
    void openPicture(const char* option, const char* table) {
        QImage picture(400, 300, QImage::Format_RGB32);
        QPainter painter(&picture);
        painter.fillRect(0, 0, 200, 150, Qt::yellow);
        painter.fillRect(200, 0, 200, 150, Qt::green);
        painter.fillRect(0, 150, 200, 150, Qt::cyan);
        painter.fillRect(200, 150, 200, 150, Qt::blue);
        painter.end();
        ASSERT_TRUE(picture.save(w.temp.file(QStringLiteral("vier.jpg")), "JPG"));
        QFile file(w.temp.file(QStringLiteral("search.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(table);
        file.close();
        open({"#01, Bild;vier.jpg", "Welcher Teil: [1] [2]", option, "#00"}, "01, Bild");
        ASSERT_TRUE(w->Panel5->isVisible());
    }
    // Where a point of the picture file lies in Image1.
    QPoint shownAt(int x, int y) {
        const QPixmap shown = w->Image1->pixmap();
        const QSize size = shown.deviceIndependentSize().toSize();
        const QRect placed = QStyle::alignedRect(Qt::LeftToRight, w->Image1->alignment(), size,
                                                 w->Image1->contentsRect());
        return placed.topLeft() + QPoint(x * size.width() / 400, y * size.height() / 300);
    }
    void rightClick(int x, int y) {
        QTest::mouseClick(w->Image1, Qt::RightButton, {}, shownAt(x, y));
    }
};

TEST_F(PictureTask, FindingFourRegionsWithTwoHits) {
    openPicture("/",
                "#1\r\n0,0,200,150,1\r\n200,0,400,150,2\r\n0,150,200,300,3\r\n"
                "200,150,400,300,4\r\n#2\r\n");
    const QImage before = w->Image1->pixmap().toImage();
    rightClick(100, 75);  // hit
    EXPECT_EQ(w.status(), QStringLiteral("1. Klick von 4 = RICHTIG  (25.00% richtig)"));
    rightClick(100, 75);  // miss
    EXPECT_EQ(w.status(), QStringLiteral("2. Klick von 4 = FALSCH  (25.00% richtig)"));
    EXPECT_EQ(w->Image1->pixmap().toImage(), before);  // the red mark went with the message
    rightClick(100, 225);                              // hit
    rightClick(100, 225);                              // miss
    const QString result = QStringLiteral("Ergebnis: 2 RICHTIG von 4  (50.00 %) ");
    EXPECT_EQ(w.status(), result);
    EXPECT_EQ(w.dialogs.messages(),
              (std::vector<std::string>{"Weiter", "Weiter", result.toStdString()}));
}

TEST_F(PictureTask, LabellingNumbersDrawnAfterEvaluation) {
    openPicture("//", "#1\r\n0,0,200,150,7\r\n200,150,400,300,8,1\r\n#2\r\n");
    rightClick(300, 200);
    QTest::mouseClick(w.field(1), Qt::LeftButton);
    EXPECT_EQ(w.field(1)->text(), QStringLiteral("8"));
    const QImage before = w->Image1->pixmap().toImage();
    QTest::mouseClick(w->Button6, Qt::LeftButton);
    const QImage after = w->Image1->pixmap().toImage();
    // Red appears where the numbers stand, in the middle of each region.
    int red = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            const QColor c = after.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80 && before.pixelColor(x, y) != c)
                ++red;
        }
    EXPECT_GT(red, 20);
}

}  // namespace
}  // namespace textaria::testing
