#include <gtest/gtest.h>

#include <fstream>

#include "player/media_fakes.h"
#include "player/ui/media_qt_player.h"
#include "player/ui/media_test_support.h"

namespace textaria::player {
namespace {

using testing::kToneLength;
using testing::mediaData;
using testing::waitFor;

TEST(QtMediaPlayer, RefusesFilesItCannotPlay) {
    testing::TempFolder folder;
    QtMediaPlayer player;
    const std::string notSound = folder.file("text.mp3", std::string(2000, 'x'));
    for (const std::string& path : {notSound, folder.path() + "/missing.mp3"}) {
        EXPECT_FALSE(player.open(path)) << path;
        EXPECT_EQ(player.mode(), PlayerMode::Closed);
        EXPECT_EQ(player.length(), 0);
        player.play();  // harmless when closed
        EXPECT_EQ(player.mode(), PlayerMode::Closed);
    }
}

TEST(QtMediaPlayer, PlaysSeeksPausesAndStopsAnMp3) {
    if (!testing::hasAudioOutput()) GTEST_SKIP() << "no audio output";
    QtMediaPlayer player;
    ASSERT_TRUE(player.open(mediaData("tone3.mp3")));
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    EXPECT_NEAR(static_cast<double>(player.length()), kToneLength, 250);

    // A seek right after play is the one the backend would drop.
    player.play();
    player.seek(2000);
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    ASSERT_TRUE(waitFor([&] { return player.position() > 2050; }, 2000)) << player.position();

    player.pause();
    EXPECT_EQ(player.mode(), PlayerMode::Paused);
    const std::int64_t held = player.position();
    QTest::qWait(300);
    EXPECT_NEAR(static_cast<double>(player.position()), static_cast<double>(held), 60);

    // Seeking while held moves without playing.
    player.seek(500);
    ASSERT_TRUE(waitFor([&] { return player.position() < 700; }, 1000)) << player.position();
    EXPECT_EQ(player.mode(), PlayerMode::Paused);
    player.play();
    ASSERT_TRUE(waitFor([&] { return player.position() > 700; }, 1500));
    EXPECT_LT(player.position(), 2000);

    player.stop();
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    EXPECT_EQ(player.position(), 0);

    // Played to its end, it stops by itself.
    player.play();
    player.seek(kToneLength - 400);
    EXPECT_GE(player.position(), kToneLength - 400);
    // The null sink of a test sound server sometimes stalls for a while.
    EXPECT_TRUE(waitFor([&] { return player.mode() == PlayerMode::Stopped; }, 8000))
        << player.position();
    // Started again from its end, it still seeks.
    player.play();
    player.seek(1500);
    ASSERT_TRUE(waitFor([&] { return player.position() > 1550; }, 1500)) << player.position();
    EXPECT_EQ(player.mode(), PlayerMode::Playing);

    player.close();
    EXPECT_EQ(player.mode(), PlayerMode::Closed);
}

}  // namespace
}  // namespace textaria::player
