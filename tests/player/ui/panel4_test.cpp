#include "player/ui/panel4.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "player/media_fakes.h"
#include "player/ui/media_test_support.h"

namespace textaria::player {
namespace {

using testing::FakeMediaPlayer;

struct Panel4Fixture : ::testing::Test {
    testing::TempFolder folder;
    FakeMediaPlayer player;
    QWidget window;
    Panel4* panel = new Panel4(player, &window);

    Panel4Fixture() {
        window.resize(800, 600);
        window.show();
    }
    std::string sound(std::int64_t length) {
        const std::string path = folder.file("s.mp3");
        player.lengths[path] = length;
        return path;
    }
};

TEST_F(Panel4Fixture, FollowsTheMediaState) {
    EXPECT_TRUE(panel->isHidden());
    panel->media().playSound(sound(60000));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->Label17->text(), QStringLiteral("0:0"));
    EXPECT_TRUE(panel->Timer1->isActive());
    EXPECT_TRUE(panel->ScrollBar1->isEnabled());

    player.setPosition(15000);
    QTest::qWait(1100);  // one tick
    EXPECT_EQ(panel->Label17->text(), QStringLiteral("15000:60000"));
    EXPECT_EQ(panel->ScrollBar1->value(), 25);

    QTest::mouseClick(panel->playerButton(PlayerButton::Step), Qt::LeftButton);
    EXPECT_EQ(player.position(), 21000);
    EXPECT_EQ(panel->Label17->text(), QStringLiteral("21000:60000"));

    panel->media().StopSound();
    EXPECT_EQ(panel->Label17->text(), QStringLiteral("0 : 0"));
    EXPECT_FALSE(panel->Timer1->isActive());
    EXPECT_FALSE(panel->ScrollBar1->isEnabled());
    EXPECT_EQ(panel->ScrollBar1->value(), 0);
}

TEST_F(Panel4Fixture, UserMovingTheBarSeeksAndHolds) {
    panel->media().playSound(sound(60000));
    panel->ScrollBar1->setSliderPosition(50);
    panel->ScrollBar1->triggerAction(QAbstractSlider::SliderMove);
    EXPECT_EQ(player.position(), 30000);
    EXPECT_EQ(player.mode(), PlayerMode::Paused);
    EXPECT_FALSE(panel->Timer1->isActive());
    EXPECT_EQ(panel->Label17->text(), QStringLiteral("30000:60000"));
    // A value set by the program is no user move.
    panel->ScrollBar1->setValue(80);
    EXPECT_EQ(player.position(), 30000);
    QTest::mouseClick(panel->playerButton(PlayerButton::Play), Qt::LeftButton);
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    EXPECT_TRUE(panel->Timer1->isActive());
}

TEST_F(Panel4Fixture, SoundButtonAndDragLabel) {
    EXPECT_EQ(panel->Button10->text(), QStringLiteral("Sound on/off"));
    EXPECT_EQ(panel->DragLabel->text(), QStringLiteral("[Hier verschieben,  <F7> = ein/aus]"));
    panel->media().playSound(sound(5000));
    QTest::mouseClick(panel->Button10, Qt::LeftButton);
    EXPECT_EQ(player.mode(), PlayerMode::Closed);
    QTest::mouseClick(panel->Button10, Qt::LeftButton);
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    QTest::mouseClick(panel->Button11, Qt::LeftButton);  // no recorder window: only silence
    EXPECT_EQ(player.mode(), PlayerMode::Closed);
    EXPECT_FALSE(panel->media().soundEnabled());

    panel->move(100, 100);
    const QPoint grip = panel->DragLabel->rect().center();
    QTest::mousePress(panel->DragLabel, Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(40, 30)),
                     QPointF(panel->DragLabel->mapToGlobal(grip + QPoint(40, 30))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel->DragLabel, &move);
    QTest::mouseRelease(panel->DragLabel, Qt::LeftButton, {}, grip + QPoint(40, 30));
    EXPECT_EQ(panel->pos(), QPoint(140, 130));
}

// The panel with its own Qt player, on a real sound.
TEST(Panel4Audio, PlaysALessonSoundWithProgress) {
    if (!testing::hasAudioOutput()) GTEST_SKIP() << "no audio output";
    QWidget window;
    Panel4 panel(&window);
    window.show();
    panel.media().playSound(testing::mediaData("tone3.mp3"));
    EXPECT_TRUE(panel.media().isPlaying());
    EXPECT_NEAR(static_cast<double>(panel.media().length()), testing::kToneLength, 250);
    // Timer1 shows the progress; the sound server may start a little late.
    auto shownPosition = [&] {
        const QString label = panel.Label17->text();
        return label.left(label.indexOf(QLatin1Char(':'))).toInt();
    };
    EXPECT_TRUE(testing::waitFor([&] { return shownPosition() > 300; }, 3000))
        << panel.Label17->text().toStdString();
    EXPECT_EQ(panel.ScrollBar1->value(), barForPosition(shownPosition(), panel.media().length()));
    QTest::mouseClick(panel.playerButton(PlayerButton::Next), Qt::LeftButton);
    EXPECT_TRUE(testing::waitFor([&] { return !panel.media().isPlaying(); }, 2000));
    panel.media().StopSound();
    EXPECT_EQ(panel.Label17->text(), QStringLiteral("0 : 0"));
}

}  // namespace
}  // namespace textaria::player
