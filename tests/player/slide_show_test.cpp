#include "player/slide_show.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "player/media_fakes.h"
#include "player/texts.h"

namespace textaria::player {
namespace {

TEST(SlideShowRules, LinksBasesAndDisplayTimes) {
    EXPECT_EQ(slideShowLink("Bilder: {{ Tiere.JPG }} ansehen"), "tiere.jpg");
    EXPECT_EQ(slideShowLink("nur {ein} Bild"), std::nullopt);
    EXPECT_EQ(slideShowLink("offen {{tiere"), std::nullopt);
    EXPECT_EQ(slideBase("tiere.jpg"), "tiere");
    EXPECT_EQ(slideBase("reise 2.teil.jpg"), "reise 2");
    EXPECT_EQ(slideBase("hafen"), "hafen");

    const std::pair<const char*, int> times[] = {
        {"12", 6},  {"0", 6},  {"2", 2},  {"", 6},    {"abc", 6}, {"1", 1},
        {"10", 10}, {"11", 6}, {"-3", 6}, {" 4 ", 4}, {"2.5", 2},
    };
    for (const auto& [typed, seconds] : times) EXPECT_EQ(slideSeconds(typed), seconds) << typed;
}

struct SlideFolder : ::testing::Test {
    testing::TempFolder folder;
    SlideResolver resolve = [this](const std::string& name) {
        const auto path = std::filesystem::path(folder.path()) / name;
        return std::filesystem::exists(path) ? path.string() : std::string();
    };
};

TEST_F(SlideFolder, ThreeSlidesTheLastMarkedThenTheSeriesEnds) {
    for (const char* name : {"tiere1.jpg", "tiere2.jpg", "tiere3.jpg", "tiere2.mp3"})
        folder.file(name);
    SlideShow show;
    ASSERT_TRUE(show.start("tiere", resolve));
    EXPECT_FALSE(show.sounds());  // only a sound for slide 1 makes a show with sounds
    EXPECT_FALSE(show.captionsOn());

    const auto first = show.moveTo(1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->captionLine, "tiere1.jpg / <F3,F4> = Bildgröße");
    EXPECT_EQ(first->sound, "");
    const auto second = show.moveTo(2);
    ASSERT_TRUE(second);
    EXPECT_EQ(std::filesystem::path(second->sound).filename(), "tiere2.mp3");
    const auto third = show.moveTo(3);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->captionLine, "tiere3.jpg / <F3,F4> = Bildgröße / <Letztes Bild>");
    EXPECT_EQ(show.moveTo(4), std::nullopt);
    EXPECT_EQ(show.index(), 3);
    // Never below the first slide.
    EXPECT_EQ(show.moveTo(0)->index, 1);
}

TEST_F(SlideFolder, NoFirstPictureNoShow) {
    folder.file("tiere2.jpg");
    SlideShow show;
    EXPECT_FALSE(show.start("tiere", resolve));
    EXPECT_FALSE(show.running());
    EXPECT_EQ(show.moveTo(2), std::nullopt);
}

TEST_F(SlideFolder, CaptionsSoundsTimerAndHalting) {
    folder.file("hafen1.jpg");
    folder.file("hafen2.jpg");
    folder.file("hafen1.mp3");
    // Code page 1252 captions are read as such; a missing line means no caption.
    folder.file("hafen.txt", "Der Kai\r\nDie F\xE4hre\r\n");
    SlideShow show;
    ASSERT_TRUE(show.start("hafen", resolve));
    EXPECT_TRUE(show.sounds());
    EXPECT_TRUE(show.captionsOn());
    show.choose(SlideMode::Automatic, 6000);
    EXPECT_EQ(show.tickInterval(), 1000);  // with sounds the tick waits for each sound
    EXPECT_EQ(show.dragLine(), texts::kAutomaticShowSounds);
    EXPECT_EQ(show.moveTo(1)->caption, "Der Kai");
    EXPECT_EQ(show.moveTo(2)->caption, "Die F\xC3\xA4hre");
    // Halting belongs to automatic shows without sounds.
    EXPECT_FALSE(show.toggleHalt());

    SlideShow silent;
    folder.file("feld1.jpg");
    ASSERT_TRUE(silent.start("feld", resolve));
    EXPECT_EQ(silent.dragLine(), texts::kManualShowSilent);
    EXPECT_FALSE(silent.toggleHalt());  // manual
    silent.choose(SlideMode::Automatic, 2000);
    EXPECT_EQ(silent.tickInterval(), 2000);
    EXPECT_EQ(silent.dragLine(), texts::kAutomaticShowSilent);
    EXPECT_TRUE(silent.toggleHalt());
    EXPECT_TRUE(silent.halted());
    EXPECT_TRUE(silent.toggleHalt());
    EXPECT_FALSE(silent.halted());
    silent.end();
    EXPECT_FALSE(silent.running());
    EXPECT_EQ(silent.moveTo(1), std::nullopt);
}

}  // namespace
}  // namespace textaria::player
