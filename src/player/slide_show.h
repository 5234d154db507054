// The slide show: a numbered series of pictures B1.jpg, B2.jpg, ... started by a "{{B}}" line
// of a page, stepped by hand or by a timer, with a sound and a caption per slide. This is the
// show's state and its rules; the lesson player runs it and the window paints it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::player {

// Turns a slide's file name into its path (the lesson's companion files), empty when there
// is no such file.
using SlideResolver = std::function<std::string(const std::string& name)>;

// The name between "{{" and "}}" of a page line, trimmed and lower-cased; nothing when the
// line has no slide-show link.
std::optional<std::string> slideShowLink(std::string_view line);
// The series' base: the name's part before the first ".", trimmed ("tiere.jpg" -> "tiere").
std::string slideBase(std::string_view linkName);

// The seconds an automatic show without sounds keeps each slide: an empty answer, a text that
// is no number, and numbers below 1 or above 10 count as 6.
int slideSeconds(std::string_view typed);
inline constexpr int kStartSlideTime = 5000;
inline constexpr int kSoundTick = 1000;

// What shows for slide i.
struct Slide {
    int index = 0;
    std::string picture;      // path of B + i + ".jpg"
    std::string sound;        // path of B + i + ".mp3", empty when none
    std::string captionLine;  // Label18: file name + " / <F3,F4> = Bildgröße" [+ last mark]
    std::string caption;      // the caption drawn onto the picture, empty when none
    std::string next;         // path of the following slide, empty for the last one
};

enum class SlideMode { Manual, Automatic };

class SlideShow {
  public:
    // Starts a show of `base`; false (and nothing runs) unless B1.jpg exists.
    bool start(const std::string& base, const SlideResolver& resolve);
    void choose(SlideMode mode, int slideTime);
    void end();

    bool running() const { return running_; }
    const std::string& base() const { return base_; }
    int index() const { return index_; }
    bool sounds() const { return sounds_; }
    bool captionsOn() const { return captionsOn_; }
    bool automatic() const { return mode_ == SlideMode::Automatic; }
    bool halted() const { return halted_; }
    int slideTime() const { return slideTime_; }
    // The timer's interval: a second with sounds (the tick waits for each sound), else the
    // display time.
    int tickInterval() const { return sounds_ ? kSoundTick : slideTime_; }
    // The drag line's text while the show runs.
    std::string dragLine() const;

    // Moves to slide i (never below 1) and describes it; nothing when B + i + ".jpg" is
    // missing, which ends the show.
    std::optional<Slide> moveTo(int index);
    // A double click on the picture: an automatic show without sounds halts or goes on.
    // Returns whether it toggled.
    bool toggleHalt();

  private:
    bool running_ = false;
    std::string base_;
    SlideResolver resolve_;
    int index_ = 0;
    bool sounds_ = false;
    bool captionsOn_ = false;
    std::vector<std::string> captions_;
    SlideMode mode_ = SlideMode::Manual;
    int slideTime_ = kStartSlideTime;
    bool halted_ = false;
};

}  // namespace textaria::player

namespace textaria::player {

// The slide show's timer and the keys its ticks look at. The window implements it with a
// timer and the keyboard; textaria-cli and the tests tick by hand.
class SlideTimer {
  public:
    virtual ~SlideTimer() = default;
    virtual void startSlideTimer(int intervalMs) = 0;
    virtual void stopSlideTimer() = 0;
    // Whether Escape (ends an automatic show) or Alt (the volume control) is held down.
    virtual bool escapeHeld() { return false; }
    virtual bool altHeld() { return false; }
};

}  // namespace textaria::player
