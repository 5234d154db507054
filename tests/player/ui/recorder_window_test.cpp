#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iterator>

#include "player/media_fakes.h"
#include "player/ui/media_qt_recorder.h"
#include "player/ui/media_test_support.h"
#include "player/ui/tavsound1_u.h"
#include "support/fake_user_dialogs.h"

namespace textaria::player {
namespace {

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t le32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

struct RecorderWindowFixture : ::testing::Test {
    testing::TempFolder temp;
    testing::FakeUserDialogs dialogs;
    testing::FakePrograms programs;
    TForm30 form{temp.path() + "/TAVDATA"};

    RecorderWindowFixture() {
        form.setDialogs(&dialogs);
        form.setPrograms(&programs);
    }
};

TEST_F(RecorderWindowFixture, LooksAndGuidesLikeTheRecorder) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("TavSound"));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Rec"));
    EXPECT_EQ(form.Button2->text(), QStringLiteral("Play/Stop"));
    EXPECT_EQ(form.Button3->text(), QStringLiteral("Quit"));
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(form.Panel2->text(), QStringLiteral("0"));
    EXPECT_EQ(programs.calls.back(), "end volume");

    QTest::mouseClick(form.Button2, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Zuerst REC drücken !");
    EXPECT_TRUE(form.Button1->hasFocus());

    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_TRUE(form.Timer1->isActive());
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Zuerst PLAY drücken !");
    EXPECT_TRUE(form.Button2->hasFocus());

    QTest::mouseClick(form.Button3, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_FALSE(form.device().isRecording());
}

TEST_F(RecorderWindowFixture, RecordsAnEightBitMonoWavAndPlaysItBack) {
    if (!testing::hasAudioInput()) GTEST_SKIP() << "no audio input";
    form.show();
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    ASSERT_TRUE(form.device().isRecording());
    QTest::qWait(2300);
    EXPECT_GE(form.Panel2->text().toInt(), 2);

    QTest::mouseClick(form.Button2, Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(form.Panel2->text(), QStringLiteral("0"));
    const std::string file = form.recorder().recordingFile();
    EXPECT_EQ(file, temp.path() + "/TAVDATA/sound.wav");
    const auto bytes = readFile(file);
    ASSERT_GT(bytes.size(), kWavHeaderSize);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "WAVE");
    EXPECT_EQ(bytes[22], 1);              // mono
    EXPECT_EQ(le32(&bytes[24]), 22050u);  // samples per second
    EXPECT_EQ(bytes[34], 8);              // bits per sample
    const std::uint32_t dataBytes = le32(&bytes[40]);
    EXPECT_EQ(dataBytes + kWavHeaderSize, bytes.size());
    // About 2.3 s were recorded; the sound server delivers in bursts.
    EXPECT_GT(dataBytes, 22050u / 2);
    EXPECT_LT(dataBytes, 22050u * 5);

    EXPECT_TRUE(form.recorder().playing());
    EXPECT_TRUE(testing::waitFor([&] { return form.device().isPlayingBack(); }, 2000));
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    EXPECT_FALSE(form.recorder().playing());
    EXPECT_FALSE(form.device().isPlayingBack());

    form.close();
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace textaria::player
