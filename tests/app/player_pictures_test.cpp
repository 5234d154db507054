// The picture panel and the slide show in the main window, offscreen: slides stepped by the
// buttons and by the timer, the picture keys, dragging.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "player/texts.h"
#include "player_test_support.h"

namespace textaria::testing {
namespace {

void drawPicture(const QString& path, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter(&image).fillRect(size.width() / 4, size.height() / 4, size.width() / 2,
                              size.height() / 2, Qt::white);
    ASSERT_TRUE(image.save(path, "JPG"));
}

class PicturesInWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        const QString folder = w.temp.path();
        drawPicture(folder + "/bild.jpg", {400, 300}, Qt::darkGreen);
        drawPicture(folder + "/tiere1.jpg", {640, 480}, Qt::red);
        drawPicture(folder + "/tiere2.jpg", {640, 480}, Qt::blue);
        drawPicture(folder + "/tiere3.jpg", {480, 640}, Qt::darkYellow);
        std::ofstream(w.temp.file("tiere.txt").toStdString(), std::ios::binary)
            << "Rot\r\nBlau\r\nGelb\r\n";
        const std::string lesson = writeLesson(
            folder, "bilder.rtf",
            {"#01, Bilder;bild.jpg", "Ein Bild und eine Diashow:", "\\{\\{Tiere.jpg\\}\\}", "#00"});
        ASSERT_TRUE(w->openLesson(lesson));
        ASSERT_TRUE(w.clickLine(QStringLiteral("01, Bilder")));
        ASSERT_EQ(w->player().CurrentPage, 1);
    }
    QString caption() const { return w.form->Label18->text(); }

    PlayerWindow w;
};

TEST_F(PicturesInWindow, ThePagePictureAndTheKeysF1F3F4) {
    ASSERT_TRUE(w->Panel5->isVisible());
    const QSize normal = w->Image1->size();
    EXPECT_EQ(caption(), QString::fromUtf8(player::texts::kPictureCaptionLine));
    // The panel holds the picture with its margins; the lines stand below the picture.
    EXPECT_EQ(w->Panel5->size(), normal + QSize(40, 62));
    EXPECT_GT(w->Label18->y(), w->Image1->geometry().bottom());
    EXPECT_GT(w->Label34->y(), w->Label18->y());

    w.key(Qt::Key_F1);
    EXPECT_FALSE(w->Panel5->isVisible());
    w.key(Qt::Key_F1);
    EXPECT_TRUE(w->Panel5->isVisible());

    w.dialogs.inputAnswers = {std::string("3")};
    w.key(Qt::Key_F4);
    EXPECT_EQ(w.dialogs.shown.back().caption, player::texts::kPictureZoomTitle);
    EXPECT_EQ(w->Image1->width(), qRound(normal.width() * 1.3));
    EXPECT_EQ(w->Panel5->width(), w->Image1->width() + 24);
    w.key(Qt::Key_F3);
    EXPECT_EQ(w->Image1->size(), normal);
}

TEST_F(PicturesInWindow, ADraggedPanelOpensTheNextPictureWhereItWasLeft) {
    const QPoint start = w->Panel5->pos();
    QTest::mousePress(w->Label34, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5),
                     w->Label34->mapToGlobal(QPointF(5, 5)) - QPointF(300, 20), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->Label34, &move);
    QTest::mouseRelease(w->Label34, Qt::LeftButton, {}, QPoint(5, 5));
    const QPoint moved = w->Panel5->pos();
    EXPECT_EQ(moved, start - QPoint(300, 20));
    w->Label4Click();  // the page anew: its picture comes back at the new place
    EXPECT_EQ(w->Panel5->pos(), moved);
}

TEST_F(PicturesInWindow, AManualShowSteppedByItsButtons) {
    w.dialogs.yesNoCancelAnswers = {platform::DialogAnswer::Yes};
    ASSERT_TRUE(w.clickLine(QStringLiteral("Tiere")));
    ASSERT_TRUE(w->player().slideShowRunning);
    EXPECT_TRUE(w->Panel2->isVisible());
    EXPECT_EQ(caption(), QString::fromUtf8("tiere1.jpg / <F3,F4> = Bildgröße"));
    EXPECT_EQ(w->Label34->text(), QString::fromUtf8(player::texts::kManualShowSilent));
    // The caption is drawn onto the slide: its bottom is the grey band, its top the picture.
    const QImage shown = w->Image1->pixmap().toImage();
    EXPECT_EQ(shown.pixelColor(2, shown.height() - 2), QColor(80, 80, 80));
    EXPECT_GT(shown.pixelColor(2, 2).red(), 200);

    w.press(w->Label1);
    w.press(w->Label1);
    EXPECT_EQ(caption(), QString::fromUtf8("tiere3.jpg / <F3,F4> = Bildgröße / <Letztes Bild>"));
    EXPECT_GT(w->Image1->height(), w->Image1->width());  // the upright slide stays upright
    w.press(w->Label2);
    EXPECT_TRUE(caption().startsWith(QStringLiteral("tiere2.jpg")));
    w.press(w->Button6);
    EXPECT_EQ(w.dialogs.shown.back().text, player::texts::kSlideShowRunning);
    w.press(w->Label3);
    EXPECT_FALSE(w->player().slideShowRunning);
    EXPECT_FALSE(w->Panel2->isVisible());
    EXPECT_FALSE(w->Panel5->isVisible());
    // F1 brings back the page's own picture with the panel's usual lines.
    w.key(Qt::Key_F1);
    EXPECT_TRUE(w->Panel5->isVisible());
    EXPECT_EQ(caption(), QString::fromUtf8(player::texts::kPictureCaptionLine));
    EXPECT_EQ(w->Label34->text(), QString::fromUtf8(player::texts::kPictureDragLine));
}

TEST_F(PicturesInWindow, AnAutomaticShowRunsByItsTimerAndEndsAfterTheLastSlide) {
    w.dialogs.yesNoCancelAnswers = {platform::DialogAnswer::No};
    w.dialogs.inputAnswers = {std::string("1")};
    ASSERT_TRUE(w.clickLine(QStringLiteral("Tiere")));
    EXPECT_TRUE(w->Timer2->isActive());
    EXPECT_EQ(w->Timer2->interval(), 1000);
    EXPECT_FALSE(w->Panel2->isVisible());
    QTest::qWait(1300);
    EXPECT_TRUE(caption().startsWith(QStringLiteral("tiere2.jpg")));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !w->player().slideShowRunning; }, 4000));
    EXPECT_FALSE(w->Timer2->isActive());
    EXPECT_FALSE(w->Panel5->isVisible());
}

}  // namespace
}  // namespace textaria::testing
