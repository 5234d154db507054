#include "player/media_control.h"

#include <gtest/gtest.h>

#include "player/media_fakes.h"
#include "support/fake_user_dialogs.h"

namespace textaria::player {
namespace {

using testing::FakeMediaPlayer;
using testing::FakePrograms;
using testing::FakeUserDialogs;
using testing::TempFolder;

struct MediaFixture : ::testing::Test {
    TempFolder folder;
    FakeMediaPlayer player;
    MediaControl media{player};
    FakeUserDialogs dialogs;
    FakePrograms programs;

    MediaFixture() {
        media.setDialogs(&dialogs);
        media.setPrograms(&programs);
    }
    std::string sound(const std::string& name, std::int64_t length) {
        const std::string path = folder.file(name);
        player.lengths[path] = length;
        return path;
    }
};

TEST_F(MediaFixture, LoadSoundNeedsAnExistingFileAndSoundEnabled) {
    const std::string present = sound("a.mp3", 5000);
    struct Case {
        std::string path;
        bool enabled;
        bool opens;
    } cases[] = {
        {present, true, true},
        {present, false, false},
        {folder.path() + "/missing.mp3", true, false},
        {"", true, false},
    };
    for (const auto& c : cases) {
        player.calls.clear();
        media.setSoundEnabled(c.enabled);
        media.LoadSound(c.path);
        EXPECT_EQ(media.isPlaying(), c.opens) << c.path << " enabled " << c.enabled;
        EXPECT_EQ(!player.calls.empty(), c.opens) << c.path;
        media.StopSound();
    }
}

TEST_F(MediaFixture, LoadedSoundPlaysWithProgressReset) {
    media.playSound(sound("a.mp3", 95000));
    EXPECT_TRUE(media.isPlaying());
    EXPECT_EQ(media.length(), 95000);
    EXPECT_EQ(media.step(), 9500);
    EXPECT_TRUE(media.view().panelVisible);
    EXPECT_TRUE(media.view().labelVisible);
    EXPECT_TRUE(media.view().timerRunning);
    EXPECT_TRUE(media.view().barEnabled);
    EXPECT_EQ(media.view().positionLabel, "0:0");
    EXPECT_EQ(media.soundFile(), folder.path() + "/a.mp3");
}

TEST_F(MediaFixture, PanelStaysHiddenInChildModeAndOnLimitedPages) {
    struct Case {
        bool child;
        bool limited;
        bool visible;
    } cases[] = {{false, false, true}, {true, false, false}, {false, true, false}};
    const std::string path = sound("a.mp3", 1000);
    for (const auto& c : cases) {
        media.hidePanel();
        media.context().childMode = c.child;
        media.context().limitedListening = c.limited;
        media.playSound(path);
        EXPECT_TRUE(media.isPlaying());
        EXPECT_EQ(media.view().panelVisible, c.visible) << c.child << c.limited;
    }
}

TEST_F(MediaFixture, UnplayableSoundsEndStoppedAndShowZero) {
    // Length 0, a file the player refuses, and a player that fails on play.
    const std::string empty = sound("empty.mp3", 0);
    const std::string broken = folder.file("broken.mp3");
    for (const std::string& path : {empty, broken}) {
        media.playSound(path);
        EXPECT_EQ(player.mode(), PlayerMode::Closed) << path;
        EXPECT_EQ(media.view().positionLabel, "0 : 0");
        EXPECT_FALSE(media.view().timerRunning);
        EXPECT_FALSE(media.view().barEnabled);
        EXPECT_EQ(media.length(), 0);
    }
    player.throwOnPlay = true;
    media.playSound(sound("ok.mp3", 4000));
    EXPECT_EQ(player.mode(), PlayerMode::Closed);
    EXPECT_EQ(media.view().positionLabel, "0 : 0");
}

TEST_F(MediaFixture, StopDuringOpeningEndsTheLoadStopped) {
    const std::string path = sound("a.mp3", 5000);
    player.duringOpen = [&] {
        media.StopSound();
        EXPECT_EQ(player.calls.size(), 1u) << "the player was touched while opening";
    };
    media.playSound(path);
    EXPECT_EQ(player.mode(), PlayerMode::Closed);
    EXPECT_EQ(media.view().positionLabel, "0 : 0");
    EXPECT_FALSE(media.view().timerRunning);

    player.duringOpen = nullptr;  // the next sound plays again
    media.playSound(path);
    EXPECT_TRUE(media.isPlaying());
}

TEST_F(MediaFixture, PlayerButtonsSeekWithinTheSound) {
    struct Case {
        PlayerButton button;
        std::int64_t from;
        std::int64_t to;
    } cases[] = {
        {PlayerButton::Step, 0, 9500},      {PlayerButton::Step, 90000, 95000},
        {PlayerButton::Back, 20000, 10500}, {PlayerButton::Back, 3000, 0},
        {PlayerButton::Next, 1234, 94999},  {PlayerButton::Prev, 50000, 0},
    };
    media.playSound(sound("a.mp3", 95000));
    for (const auto& c : cases) {
        player.setPosition(c.from);
        media.MediaPlayer1Click(c.button);
        EXPECT_EQ(player.position(), c.to) << static_cast<int>(c.button) << " from " << c.from;
        EXPECT_EQ(media.view().positionLabel, std::to_string(c.to) + ":95000");
        EXPECT_EQ(media.view().barPosition, barForPosition(c.to, 95000));
    }
}

TEST_F(MediaFixture, PauseHoldsAndResumes) {
    media.playSound(sound("a.mp3", 10000));
    media.MediaPlayer1Click(PlayerButton::Pause);
    EXPECT_EQ(player.mode(), PlayerMode::Paused);
    media.ScrollBar1Enter();
    EXPECT_FALSE(media.view().timerRunning);
    media.MediaPlayer1Click(PlayerButton::Pause);
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    EXPECT_TRUE(media.view().timerRunning);
    media.MediaPlayer1Click(PlayerButton::Stop);
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    media.MediaPlayer1Click(PlayerButton::Play);
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
}

TEST_F(MediaFixture, DraggingTheBarSeeksAndHolds) {
    media.playSound(sound("a.mp3", 60000));
    media.ScrollBar1Scroll(50);
    EXPECT_EQ(player.position(), 30000);
    EXPECT_EQ(player.mode(), PlayerMode::Paused);
    EXPECT_FALSE(media.view().timerRunning);
    EXPECT_EQ(media.view().positionLabel, "30000:60000");
    media.ScrollBar1Scroll(100);
    EXPECT_EQ(player.position(), 60000);
    // A hidden panel ignores the bar.
    media.hidePanel();
    media.ScrollBar1Scroll(10);
    EXPECT_EQ(player.position(), 60000);
}

TEST(MediaProgress, BarAndPositionConversions) {
    struct Case {
        std::int64_t position, length;
        int bar;
    } cases[] = {{0, 60000, 0}, {30000, 60000, 50}, {60000, 60000, 100}, {70000, 60000, 100},
                 {1, 0, 0},     {333, 1000, 33},    {335, 1000, 34},     {125, 1000, 12}};
    for (const auto& c : cases) {
        EXPECT_EQ(barForPosition(c.position, c.length), c.bar) << c.position << "/" << c.length;
    }
    EXPECT_EQ(positionForBar(50, 60000), 30000);
    EXPECT_EQ(positionForBar(33, 1001), 330);
    EXPECT_EQ(positionForBar(-20, 1000), 200);  // the absolute value
    EXPECT_EQ(positionForBar(150, 1000), 1000);
    EXPECT_EQ(positionForBar(50, 0), 0);
}

TEST_F(MediaFixture, TimerShowsProgressOnlyWhileSoundIsEnabled) {
    media.playSound(sound("a.mp3", 60000));
    player.setPosition(15000);
    media.Timer1Timer();
    EXPECT_EQ(media.view().barPosition, 25);
    EXPECT_EQ(media.view().positionLabel, "15000:60000");
    media.setSoundEnabled(false);
    player.setPosition(45000);
    media.Timer1Timer();
    EXPECT_EQ(media.view().barPosition, 25);
}

TEST_F(MediaFixture, SoundOnOffFlipsOnlyWithASoundFile) {
    media.Button10Click();
    EXPECT_FALSE(media.soundEnabled());
    EXPECT_TRUE(player.calls.empty());

    media.playSound(sound("a.mp3", 8000));
    media.Button10Click();
    EXPECT_FALSE(media.soundEnabled());
    EXPECT_EQ(player.mode(), PlayerMode::Closed);
    media.Button10Click();
    EXPECT_TRUE(media.soundEnabled());
    EXPECT_TRUE(media.isPlaying());

    // "Recorder" silences the lesson; "Volume" goes to the desktop's mixer.
    media.Button11Click();
    EXPECT_FALSE(media.soundEnabled());
    EXPECT_EQ(player.mode(), PlayerMode::Closed);
    media.Button12Click();
    EXPECT_EQ(programs.calls.back(), "toggle volume");

    // The file went away meanwhile: nothing changes.
    std::filesystem::remove(media.soundFile());
    media.Button10Click();
    EXPECT_FALSE(media.soundEnabled());
}

TEST_F(MediaFixture, LimitedListeningAllowsTwoAnnouncedStartsPerPage) {
    const std::string a = sound("a.mp3", 1000);
    const std::string b = sound("b.mp3", 1000);
    media.beginPage(true);
    EXPECT_FALSE(media.playLinkSound(folder.path() + "/none.mp3"));  // not counted
    EXPECT_TRUE(media.playLinkSound(a));
    EXPECT_TRUE(media.playLinkSound(b));
    EXPECT_FALSE(media.playLinkSound(a));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "Erste Tondarbietung");
    EXPECT_EQ(dialogs.shown[1].text, "Letzte Tondarbietung");
    EXPECT_FALSE(media.view().panelVisible);

    media.beginPage(true);  // shown again: two more
    EXPECT_TRUE(media.playLinkSound(a));
    media.beginPage(false);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(media.playLinkSound(a));
    EXPECT_EQ(dialogs.shown.size(), 3u);
}

TEST_F(MediaFixture, FeedbackSoundPlaysWhileSoundIsOff) {
    const std::string erg = sound("erg2.mp3", 1500);
    media.context().childMode = true;
    media.playFeedbackSound(erg);
    EXPECT_TRUE(media.isPlaying());
    EXPECT_FALSE(media.soundEnabled());
    EXPECT_FALSE(media.view().panelVisible);
    EXPECT_TRUE(media.soundFile().empty());

    struct Case {
        int correct, values;
        const char* name;
    } cases[] = {{5, 5, "erg2.mp3"}, {3, 5, "erg1.mp3"}, {0, 5, "erg0.mp3"}, {0, 0, "erg0.mp3"}};
    for (const auto& c : cases) EXPECT_EQ(feedbackSoundName(c.correct, c.values), c.name);
}

TEST_F(MediaFixture, AutomaticSlideShowWaitsForTheSoundToEnd) {
    int pumps = 0;
    media.setEventPump([&] {
        if (++pumps == 3) player.finish();
    });
    media.context().automaticSlideShow = true;
    media.playSound(sound("slide1.mp3", 2000));
    EXPECT_EQ(pumps, 3);
    EXPECT_FALSE(media.isPlaying());

    // Outside an automatic show nothing waits.
    media.context().automaticSlideShow = false;
    media.playSound(sound("slide2.mp3", 2000));
    EXPECT_EQ(pumps, 3);
    EXPECT_TRUE(media.isPlaying());
}

TEST_F(MediaFixture, ExternalFilesOpenWithTheirViewerAndEndAgain) {
    EXPECT_FALSE(media.openExternal(folder.path() + "/missing.mp4"));
    EXPECT_TRUE(programs.calls.empty());
    EXPECT_TRUE(media.openExternal(folder.file("film.mp4")));
    EXPECT_EQ(media.externalViewer(), "viewer");
    media.endExternalViewer();
    EXPECT_TRUE(media.externalViewer().empty());
    EXPECT_EQ(programs.calls, (std::vector<std::string>{"open film.mp4", "end viewer"}));

    programs.viewerName.clear();  // no associated program
    EXPECT_FALSE(media.openExternal(folder.file("doc.pdf")));
}

}  // namespace
}  // namespace textaria::player
