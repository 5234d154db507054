#include "player/media_recorder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "player/media_fakes.h"

namespace textaria::player {
namespace {

using testing::FakePrograms;
using testing::FakeRecorderDevice;
using testing::TempFolder;

std::uint32_t le32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

TEST(WavFile, HeaderDescribes8BitMono22050Pcm) {
    const auto h = wavHeader(1000);
    EXPECT_EQ(std::string(h.begin(), h.begin() + 4), "RIFF");
    EXPECT_EQ(le32(&h[4]), 1036u);
    EXPECT_EQ(std::string(h.begin() + 8, h.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(le32(&h[16]), 16u);
    EXPECT_EQ(le16(&h[20]), 1);       // PCM
    EXPECT_EQ(le16(&h[22]), 1);       // mono
    EXPECT_EQ(le32(&h[24]), 22050u);  // samples per second
    EXPECT_EQ(le32(&h[28]), 22050u);  // bytes per second
    EXPECT_EQ(le16(&h[32]), 1);       // block align
    EXPECT_EQ(le16(&h[34]), 8);       // bits per sample
    EXPECT_EQ(std::string(h.begin() + 36, h.begin() + 40), "data");
    EXPECT_EQ(le32(&h[40]), 1000u);
}

TEST(WavFile, WritesWholeFilesOnly) {
    TempFolder folder;
    const std::string path = folder.path() + "/sound.wav";
    ASSERT_TRUE(writeWavFile(path, std::vector<std::uint8_t>(300, 0x80)));
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes.size(), 344u);
    EXPECT_FALSE(std::filesystem::exists(path + ".part"));

    // A folder that does not exist: refused, nothing left behind.
    EXPECT_FALSE(writeWavFile(folder.path() + "/no/such/sound.wav", {1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(folder.path() + "/no"));
}

TEST(RecorderWindow, FolderAndScale) {
    EXPECT_EQ(recordingFolder("/tmp", "/home/u"), "/tmp/TAVDATA");
    EXPECT_EQ(recordingFolder("/tmp/", "/home/u"), "/tmp/TAVDATA");
    EXPECT_EQ(recordingFolder("", "/home/u"), "/home/u/TAVDATA");
    struct Case {
        int w, h, dpi;
        double scale;
    } cases[] = {{1024, 768, 96, 1.0},
                 {1280, 1024, 96, 1.25},  // 0.8 > 0.625: by width
                 {1920, 1080, 96, 1080 / 768.0},
                 {1920, 1200, 96, 1200 / 768.0},  // exactly 0.625
                 {1024, 768, 120, 0.8}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(recorderScale(c.w, c.h, c.dpi), c.scale) << c.w << "x" << c.h;
    }
}

struct RecorderFixture : ::testing::Test {
    TempFolder temp;
    FakeRecorderDevice device;
    FakePrograms programs;
    Recorder recorder{device, temp.path() + "/TAVDATA", &programs};
};

TEST_F(RecorderFixture, RecordThenPlayTwicePlaysAndStops) {
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() + "/TAVDATA"));
    recorder.FormActivate();
    auto r = recorder.Button1Click();
    EXPECT_TRUE(r.message.empty());
    EXPECT_EQ(r.focus, RecorderButton::PlayStop);
    EXPECT_TRUE(recorder.timerRunning());
    recorder.Timer1Timer();
    recorder.Timer1Timer();
    EXPECT_EQ(recorder.counterText(), "2");

    r = recorder.Button2Click();
    EXPECT_TRUE(r.message.empty());
    EXPECT_TRUE(recorder.playing());
    EXPECT_EQ(recorder.counter(), 0);
    EXPECT_FALSE(recorder.timerRunning());
    EXPECT_EQ(device.playingFile, recorder.recordingFile());
    EXPECT_TRUE(std::filesystem::exists(recorder.recordingFile()));

    recorder.Button2Click();
    EXPECT_FALSE(recorder.playing());
    EXPECT_TRUE(device.playingFile.empty());
}

TEST_F(RecorderFixture, WrongOrderIsExplained) {
    recorder.FormActivate();
    auto r = recorder.Button2Click();
    EXPECT_EQ(r.message, "Zuerst REC drücken !");
    EXPECT_EQ(r.focus, RecorderButton::Rec);

    recorder.Button1Click();
    r = recorder.Button1Click();
    EXPECT_EQ(r.message, "Zuerst PLAY drücken !");
    EXPECT_EQ(r.focus, RecorderButton::PlayStop);
    EXPECT_TRUE(device.isRecording());

    // No input device: the failed recording shows up as the missing file.
    recorder.FormClose();
    device.inputAvailable = false;
    recorder.FormActivate();
    recorder.Button1Click();
    EXPECT_EQ(recorder.Button2Click().message, "Zuerst REC drücken !");
}

TEST_F(RecorderFixture, RecordingWhilePlayingBackStartsAFreshTake) {
    recorder.FormActivate();
    recorder.Button1Click();
    recorder.Button2Click();  // plays the first take
    recorder.Button1Click();  // records over it
    EXPECT_FALSE(recorder.playing());
    EXPECT_TRUE(device.isRecording());
    recorder.Button2Click();  // one press saves and plays the new take
    EXPECT_FALSE(device.isRecording());
    EXPECT_TRUE(recorder.playing());
}

TEST_F(RecorderFixture, ClosingEndsEverythingAndDeletesTheRecording) {
    recorder.FormActivate();
    recorder.Button1Click();
    recorder.Button2Click();
    recorder.Button1Click();
    recorder.FormClose();
    EXPECT_FALSE(device.isRecording());
    EXPECT_FALSE(recorder.timerRunning());
    EXPECT_FALSE(std::filesystem::exists(recorder.recordingFile()));
    EXPECT_EQ(programs.calls.back(), "end volume");

    // An old recording from a former opening is gone when the window opens again.
    temp.file("TAVDATA/sound.wav");
    recorder.FormActivate();
    EXPECT_FALSE(std::filesystem::exists(recorder.recordingFile()));
}

}  // namespace
}  // namespace textaria::player
