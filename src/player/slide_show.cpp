#include "player/slide_show.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "lesson/markup_text.h"
#include "platform/codepage.h"
#include "player/texts.h"

namespace textaria::player {

namespace {

constexpr int kDefaultSeconds = 6;

std::vector<std::string> captionLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string text = platform::decodeTextFile(bytes);
    std::vector<std::string> lines;
    for (const auto& span : lesson::splitLines(text))
        lines.emplace_back(lesson::lineText(text, span));
    return lines;
}

}  // namespace

std::optional<std::string> slideShowLink(std::string_view line) {
    const auto open = line.find("{{");
    if (open == std::string_view::npos) return std::nullopt;
    const auto close = line.find("}}", open + 2);
    if (close == std::string_view::npos) return std::nullopt;
    return lesson::lowerCase(lesson::trim(line.substr(open + 2, close - open - 2)));
}

std::string slideBase(std::string_view linkName) {
    return std::string(lesson::trim(linkName.substr(0, linkName.find('.'))));
}

int slideSeconds(std::string_view typed) {
    const std::string_view text = lesson::trim(typed);
    double seconds = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, seconds);
    if (text.empty() || ec != std::errc() || ptr != end) return kDefaultSeconds;
    if (seconds < 1 || seconds > 10) return kDefaultSeconds;
    // Whole seconds: the timer ticks per slide, "2.5" keeps a slide two seconds.
    return static_cast<int>(seconds);
}

bool SlideShow::start(const std::string& base, const SlideResolver& resolve) {
    if (base.empty() || resolve(base + "1.jpg").empty()) return false;
    running_ = true;
    base_ = base;
    resolve_ = resolve;
    index_ = 0;
    mode_ = SlideMode::Manual;
    halted_ = false;
    slideTime_ = kStartSlideTime;
    const std::string captions = resolve(base + ".txt");
    captionsOn_ = !captions.empty();
    captions_ = captionsOn_ ? captionLines(captions) : std::vector<std::string>{};
    sounds_ = !resolve(base + "1.mp3").empty();
    return true;
}

void SlideShow::choose(SlideMode mode, int slideTime) {
    mode_ = mode;
    slideTime_ = slideTime;
}

void SlideShow::end() {
    running_ = false;
    halted_ = false;
    index_ = 0;
    captions_.clear();
    captionsOn_ = false;
}

std::string SlideShow::dragLine() const {
    if (!automatic()) return sounds_ ? texts::kManualShowSounds : texts::kManualShowSilent;
    return sounds_ ? texts::kAutomaticShowSounds : texts::kAutomaticShowSilent;
}

std::optional<Slide> SlideShow::moveTo(int index) {
    if (!running_) return std::nullopt;
    index = std::max(1, index);
    const std::string name = base_ + std::to_string(index) + ".jpg";
    Slide slide;
    slide.picture = resolve_(name);
    if (slide.picture.empty()) return std::nullopt;
    index_ = index;
    slide.index = index;
    slide.sound = resolve_(base_ + std::to_string(index) + ".mp3");
    slide.captionLine = name + texts::kSlideCaptionSize;
    slide.next = resolve_(base_ + std::to_string(index + 1) + ".jpg");
    if (slide.next.empty()) slide.captionLine += texts::kLastSlide;
    if (captionsOn_ && static_cast<std::size_t>(index) <= captions_.size())
        slide.caption = std::string(lesson::trim(captions_[static_cast<std::size_t>(index - 1)]));
    return slide;
}

bool SlideShow::toggleHalt() {
    if (!running_ || !automatic() || sounds_) return false;
    halted_ = !halted_;
    return true;
}

}  // namespace textaria::player
