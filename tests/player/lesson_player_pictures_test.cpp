// The lesson player's pictures, links and slide shows, with fakes for the view, the media
// player and the timer.
#include <gtest/gtest.h>

#include <filesystem>

#include "player/lesson_player.h"
#include "player/media_control.h"
#include "player/media_fakes.h"
#include "player/texts.h"
#include "support/fake_user_dialogs.h"

namespace textaria::player {
namespace {

using platform::DialogAnswer;
using testing::FakeMediaPlayer;
using testing::FakeUserDialogs;
using testing::TempFolder;

struct PictureView : PlayerView {
    std::vector<PictureDisplay> shown;
    bool panel = false;
    bool slidePanel = false;
    std::string status = "old";
    bool displayPicture(const PictureDisplay& picture) override {
        shown.push_back(picture);
        return panel = true;
    }
    void showPicturePanel(bool visible) override { panel = visible; }
    void showSlidePanel(bool visible) override { slidePanel = visible; }
    void setStatus(const std::string& text) override { status = text; }
    std::string last() const {
        return shown.empty() ? "" : std::filesystem::path(shown.back().path).filename().string();
    }
};

struct FakeTimer : SlideTimer {
    int interval = 0;  // 0: stopped
    bool escape = false;
    void startSlideTimer(int ms) override { interval = ms; }
    void stopSlideTimer() override { interval = 0; }
    bool escapeHeld() override { return escape; }
};

struct PicturePlayer : ::testing::Test {
    TempFolder folder;
    lesson::StartupState startup;
    PictureView view;
    FakeUserDialogs dialogs;
    FakeMediaPlayer mediaPlayer;
    MediaControl media{mediaPlayer};
    FakeTimer timer;
    LessonPlayer player{startup, view, dialogs};

    PicturePlayer() {
        startup.WorkFolder = folder.path() + "/work";
        media.setDialogs(&dialogs);
        player.setMedia(&media);
        player.setSlideTimer(&timer);
    }
    void open(const std::vector<std::string>& lines) {
        std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs28\n";
        for (const auto& l : lines) rtf += l + "\\par\n";
        ASSERT_TRUE(player.openLesson(folder.file("l.rtf", rtf + "}")));
        player.clickLine("   01", 1);
        ASSERT_EQ(player.state().CurrentPage, 1);
    }
    std::string sound(const std::string& name, std::int64_t length = 3000) {
        const std::string path = folder.file(name);
        mediaPlayer.lengths[path] = length;
        return path;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& s : dialogs.shown)
            if (s.kind == FakeUserDialogs::Kind::Information) texts.push_back(s.text);
        return texts;
    }
};

TEST_F(PicturePlayer, ManualShowStepsBothWaysAndEndsAfterItsLastSlide) {
    for (const char* name : {"tiere1.jpg", "tiere2.jpg", "tiere3.jpg"}) folder.file(name);
    open({"#01, Zoo", "Die Tiere: {{Tiere.jpg}}", "#00"});
    dialogs.yesNoCancelAnswers = {DialogAnswer::Yes};
    player.clickLine("Die Tiere: {{Tiere.jpg}}", 2);
    ASSERT_TRUE(player.state().slideShowRunning);
    EXPECT_EQ(dialogs.shown.back().caption, texts::kSlideShowQuestionCaption);
    EXPECT_EQ(view.status, "");
    EXPECT_TRUE(view.slidePanel);
    EXPECT_EQ(timer.interval, 0);  // manual: no timer
    EXPECT_EQ(view.last(), "tiere1.jpg");
    EXPECT_EQ(view.shown.back().dragLine, texts::kManualShowSilent);

    player.Label2Click();  // never before the first
    EXPECT_EQ(view.last(), "tiere1.jpg");
    player.Label1Click();
    player.Label1Click();
    EXPECT_EQ(view.shown.back().captionLine, "tiere3.jpg / <F3,F4> = Bildgröße / <Letztes Bild>");
    player.Label2Click();
    EXPECT_EQ(view.last(), "tiere2.jpg");

    // While it runs, the page and its buttons refuse.
    player.Label4Click();
    player.Button6Click();
    player.Button13Click();
    player.Button1Click();  // "Hilfe"
    EXPECT_EQ(messages(), std::vector<std::string>(4, texts::kSlideShowRunning));

    player.Label1Click();
    player.Label1Click();  // past the last slide
    EXPECT_FALSE(player.state().slideShowRunning);
    EXPECT_FALSE(view.slidePanel);
    EXPECT_FALSE(view.panel);
    player.Label1Click();  // nothing runs any more
    EXPECT_EQ(view.last(), "tiere3.jpg");
}

TEST_F(PicturePlayer, CancelOrAMissingFirstSlideStartsNothing) {
    folder.file("tiere1.jpg");
    open({"#01, Zoo", "{{tiere}} und {{fehlt}}", "#00"});
    player.clickLine("{{fehlt}}", 2);
    EXPECT_TRUE(dialogs.shown.empty());
    player.clickLine("{{tiere}}", 2);  // no answer queued: Cancel
    EXPECT_FALSE(player.state().slideShowRunning);
    EXPECT_TRUE(view.shown.empty());
}

TEST_F(PicturePlayer, AutomaticShowTicksByTheEnteredTimeAndHaltsOnDoubleClick) {
    for (const char* name : {"feld1.jpg", "feld2.jpg", "feld3.jpg"}) folder.file(name);
    open({"#01, Feld", "{{feld}}", "#00"});
    dialogs.yesNoCancelAnswers = {DialogAnswer::No};
    dialogs.inputAnswers = {std::string("12")};
    player.clickLine("{{feld}}", 2);
    EXPECT_EQ(dialogs.shown.back().caption, texts::kSlideTimeTitle);
    EXPECT_EQ(timer.interval, 6000);
    EXPECT_FALSE(view.slidePanel);
    EXPECT_EQ(view.shown.back().dragLine, texts::kAutomaticShowSilent);
    player.Image1DblClick();
    EXPECT_EQ(timer.interval, 0);
    player.Timer2Timer();  // a tick still queued while halted changes nothing
    EXPECT_EQ(view.last(), "feld1.jpg");
    player.Image1DblClick();
    EXPECT_EQ(timer.interval, 6000);
    player.Timer2Timer();
    EXPECT_EQ(view.last(), "feld2.jpg");
    timer.escape = true;
    player.Timer2Timer();
    EXPECT_FALSE(player.state().slideShowRunning);
    EXPECT_EQ(timer.interval, 0);
    EXPECT_EQ(view.last(), "feld2.jpg");
}

TEST_F(PicturePlayer, WithSoundsEachSlideWaitsForItsSound) {
    folder.file("ton1.jpg");
    folder.file("ton2.jpg");
    sound("ton1.mp3");
    sound("ton2.mp3");
    open({"#01, Ton", "{{ton}}", "#00"});
    dialogs.yesNoCancelAnswers = {DialogAnswer::No};
    player.clickLine("{{ton}}", 2);
    EXPECT_EQ(timer.interval, 1000);  // no time asked
    EXPECT_TRUE(media.isPlaying());
    // F3 shows the slide anew with the show's lines, and does not start its sound again.
    mediaPlayer.calls.clear();
    player.pictureWithoutZoom();
    EXPECT_EQ(view.shown.back().captionLine, "ton1.jpg / <F3,F4> = Bildgröße");
    EXPECT_EQ(view.shown.back().dragLine, texts::kAutomaticShowSounds);
    EXPECT_TRUE(mediaPlayer.calls.empty());
    player.Timer2Timer();
    player.Timer2Timer();
    EXPECT_EQ(view.last(), "ton1.jpg");
    mediaPlayer.finish();
    player.Timer2Timer();
    EXPECT_EQ(view.last(), "ton2.jpg");
    mediaPlayer.finish();
    player.Timer2Timer();  // no third slide: the end, sound and panels gone
    EXPECT_FALSE(player.state().slideShowRunning);
    EXPECT_EQ(media.soundFile(), "");
    EXPECT_FALSE(media.view().panelVisible);
}

TEST_F(PicturePlayer, PictureLinkTogglesAndLimitedListeningCountsPerPageDisplay) {
    folder.file("hund.jpg");
    sound("hund.mp3");
    sound("katze.mp3");
    open({"#01, Tiere", "Der {hund} bellt.", "Die {Katze.mp3} miaut.", "|", "#00"});
    player.clickLine("Der {hund} bellt.", 2);
    EXPECT_EQ(view.last(), "hund.jpg");
    EXPECT_TRUE(view.panel);
    EXPECT_FALSE(media.view().panelVisible);  // "|": the media panel stays hidden
    player.clickLine("Der {hund} bellt.", 2);
    EXPECT_FALSE(view.panel);  // the second click closes it
    player.clickLine("Die {Katze.mp3} miaut.", 3);
    EXPECT_EQ(messages(),
              (std::vector<std::string>{texts::kFirstListening, texts::kLastListening}));
    EXPECT_EQ(view.shown.size(), 1u);  // a sound link shows no picture
    mediaPlayer.calls.clear();
    player.clickLine("Die {Katze.mp3} miaut.", 3);
    EXPECT_TRUE(std::none_of(mediaPlayer.calls.begin(), mediaPlayer.calls.end(),
                             [](const std::string& c) { return c == "play"; }));
    // A new display of the page allows two more.
    player.Label4Click();
    player.clickLine("Die {Katze.mp3} miaut.", 3);
    EXPECT_EQ(messages().back(), texts::kFirstListening);
}

TEST_F(PicturePlayer, F1HidesAndShowsF4ZoomsF3UnzoomsThePanelKeepsItsPlace) {
    folder.file("bild.jpg");
    open({"#01, Bild;bild.jpg", "Text.", "#00"});
    ASSERT_EQ(view.shown.size(), 1u);
    EXPECT_FALSE(view.shown.back().layout.zoomed);
    EXPECT_EQ(view.shown.back().captionLine, texts::kPictureCaptionLine);
    // 374 x 254 and its margins, in the lower right corner of a 1366 x 768 window.
    EXPECT_EQ(view.shown.back().at, (PixelPoint{1366 - 414 - 14, 768 - 316 - 14}));

    player.togglePicture();
    EXPECT_FALSE(view.panel);
    player.togglePicture();
    EXPECT_TRUE(view.panel);

    player.picturePanelMoved({20, 30});
    dialogs.inputAnswers = {std::string("2")};
    player.askPictureZoom();
    EXPECT_EQ(player.pictureScale(), 0.75);
    const PictureLayout zoomed = view.shown.back().layout;
    EXPECT_TRUE(zoomed.zoomed);
    EXPECT_EQ(zoomed.picture.width, 449);  // the unknown size fills the area: 374 × 1.2
    EXPECT_EQ(view.shown.back().at, (PixelPoint{20, 30}));
    // The zoom stays on for the next picture; a number out of range changes nothing.
    dialogs.inputAnswers = {std::string("7")};
    const auto count = view.shown.size();
    player.askPictureZoom();
    EXPECT_EQ(view.shown.size(), count);
    player.pictureWithoutZoom();
    EXPECT_FALSE(view.shown.back().layout.zoomed);
    EXPECT_EQ(view.shown.back().layout.picture.width, 374);
}

TEST_F(PicturePlayer, PictureKeysNeedAPictureAndZoomIsRefusedOnCoordinateSystems) {
    open({"#01, Leer", "Text.", "#02, Achsen", "Graph.", "@@", "#00"});
    player.togglePicture();
    player.askPictureZoom();
    EXPECT_TRUE(dialogs.shown.empty());
    player.Label20Click();
    ASSERT_EQ(player.state().CurrentPage, 2);
    player.askPictureZoom();
    EXPECT_EQ(messages(), std::vector<std::string>{texts::kNoZoomOnCoordinates});
}

}  // namespace
}  // namespace textaria::player
