// The media state of the main window and the rules of the media panel: loading and stopping
// sounds, the one-second progress step, seeking by bar and buttons, "Sound on/off", limited
// listening, feedback sounds, and the external viewers of videos and documents.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "player/media_player.h"
#include "player/media_programs.h"

namespace textaria::platform {
class UserDialogs;
}

namespace textaria::player {

// What the media panel shows. The panel redraws itself from this after every change.
struct MediaView {
    bool panelVisible = false;
    bool labelVisible = false;
    std::string positionLabel;  // Label17
    int barPosition = 0;        // ScrollBar1, 0..100
    bool barEnabled = false;
    bool timerRunning = false;  // Timer1, one tick per second
};

class MediaViewSink {
  public:
    virtual ~MediaViewSink() = default;
    virtual void showMedia(const MediaView& view) = 0;
};

// Facts of the shown page that change how sounds start.
struct MediaContext {
    bool childMode = false;
    bool limitedListening = false;    // page option "|"
    bool automaticSlideShow = false;  // an automatic slide show is running
};

enum class PlayerButton { Play, Pause, Stop, Next, Prev, Step, Back };

class MediaControl {
  public:
    explicit MediaControl(MediaPlayer& player);

    void setViewSink(MediaViewSink* sink);
    void setDialogs(platform::UserDialogs* dialogs) { dialogs_ = dialogs; }
    void setPrograms(ExternalPrograms* programs) { programs_ = programs; }
    // Called repeatedly while an automatic slide show waits for its sound to end; it must
    // let the windows handle pending events.
    void setEventPump(std::function<void()> pump) { pump_ = std::move(pump); }

    MediaContext& context() { return context_; }
    const MediaView& view() const { return view_; }

    bool soundEnabled() const { return soundEnabled_; }
    void setSoundEnabled(bool enabled) { soundEnabled_ = enabled; }
    const std::string& soundFile() const { return soundFile_; }
    void setSoundFile(std::string path) { soundFile_ = std::move(path); }
    std::int64_t length() const { return length_; }
    std::int64_t step() const { return step_; }
    bool isPlaying() const;

    // Loads and plays; does nothing unless the file exists and sound is enabled.
    void LoadSound(const std::string& path);
    // Stops and unloads; the panel shows "0 : 0".
    void StopSound();

    // The usual way a lesson, a page or a picture starts its sound: it becomes the sound
    // file, sound is enabled, and it plays if it exists.
    void playSound(const std::string& path);
    // A sound started by a click in the page. On pages with limited listening only two such
    // starts are allowed per page display, each announced. Returns whether it plays.
    bool playLinkSound(const std::string& path);
    // The answer sound of child mode; plays even while sound is switched off.
    void playFeedbackSound(const std::string& path);
    // Starts a new page display: the listening count begins again.
    void beginPage(bool limitedListening);

    void showPanel();
    void hidePanel();
    void togglePanel();

    void Timer1Timer();
    void ScrollBar1Enter();
    void ScrollBar1Scroll(int barPosition);
    void MediaPlayer1Click(PlayerButton button);
    void Button10Click();  // "Sound on/off"
    // The media part of "Recorder": sound off and stopped before the recorder opens.
    void Button11Click();
    void Button12Click();  // "Volume"

    // Opens a video or document with its associated program, remembering the program.
    bool openExternal(const std::string& path);
    // Ends the viewer opened last, if any.
    void endExternalViewer();
    const std::string& externalViewer() const { return externalViewer_; }

  private:
    void seekTo(std::int64_t position);
    void showPosition();
    void changed();
    void waitWhilePlaying();

    MediaPlayer& player_;
    MediaViewSink* sink_ = nullptr;
    platform::UserDialogs* dialogs_ = nullptr;
    ExternalPrograms* programs_ = nullptr;
    std::function<void()> pump_;

    MediaContext context_;
    MediaView view_;
    bool soundEnabled_ = false;
    std::string soundFile_;
    std::int64_t length_ = 0;
    std::int64_t step_ = 0;
    int limitedStarts_ = 0;
    bool loading_ = false;
    bool opening_ = false;
    bool stopWhileOpening_ = false;
    std::string externalViewer_;
};

// The bar position (0..100) for a play position, and the play position for a bar position.
int barForPosition(std::int64_t position, std::int64_t length);
std::int64_t positionForBar(int barPosition, std::int64_t length);

// "erg2.mp3" when every value is right, "erg1.mp3" when some are, "erg0.mp3" when none is.
std::string feedbackSoundName(int correctCount, int valueCount);

}  // namespace textaria::player
