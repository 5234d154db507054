#include "player/media_control.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "platform/user_dialogs.h"
#include "player/texts.h"

namespace textaria::player {

namespace {

bool fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::string positionText(std::int64_t position, std::int64_t length) {
    return std::to_string(position) + ":" + std::to_string(length);
}

// Sounds on limited pages may start this often per page display.
constexpr int kLimitedStarts = 2;
// A sound that does not end within its length plus this margin no longer holds a slide show.
constexpr std::chrono::milliseconds kWaitMargin{5000};

}  // namespace

int barForPosition(std::int64_t position, std::int64_t length) {
    if (length <= 0) return 0;
    // Nearest integer, ties to even, as the toolkit's rounding does.
    const double bar = std::nearbyint(
        std::fabs(static_cast<double>(position) * 100.0 / static_cast<double>(length)));
    return static_cast<int>(std::clamp(bar, 0.0, 100.0));
}

std::int64_t positionForBar(int barPosition, std::int64_t length) {
    if (length <= 0) return 0;
    const double position = std::nearbyint(
        std::fabs(static_cast<double>(barPosition) * static_cast<double>(length) / 100.0));
    return std::min(static_cast<std::int64_t>(position), length);
}

std::string feedbackSoundName(int correctCount, int valueCount) {
    if (valueCount > 0 && correctCount >= valueCount) return "erg2.mp3";
    if (correctCount > 0) return "erg1.mp3";
    return "erg0.mp3";
}

MediaControl::MediaControl(MediaPlayer& player) : player_(player) {
    view_.positionLabel = texts::kSoundStopped;
}

void MediaControl::setViewSink(MediaViewSink* sink) {
    sink_ = sink;
    changed();
}

bool MediaControl::isPlaying() const { return player_.mode() == PlayerMode::Playing; }

void MediaControl::changed() {
    if (sink_) sink_->showMedia(view_);
}

void MediaControl::LoadSound(const std::string& path) {
    if (!soundEnabled_ || !fileExists(path)) return;
    // A slide show's event pump could come back here while we wait; the sound already
    // loading wins.
    if (loading_) return;
    loading_ = true;
    if (!context_.childMode && !context_.limitedListening) view_.panelVisible = true;
    bool ok = false;
    try {
        if (player_.mode() != PlayerMode::Closed) {
            player_.stop();
            player_.close();
        }
        opening_ = true;
        stopWhileOpening_ = false;
        if (player_.open(path)) {
            length_ = player_.length();
            ok = true;
        }
    } catch (...) {
        ok = false;
    }
    opening_ = false;
    if (!ok || length_ <= 0 || stopWhileOpening_) {
        loading_ = false;
        StopSound();
        return;
    }
    step_ = length_ / 10;
    view_.barPosition = 0;
    view_.barEnabled = true;
    view_.timerRunning = true;
    view_.positionLabel = texts::kSoundStarted;
    view_.labelVisible = true;
    changed();
    try {
        player_.play();
    } catch (...) {
        loading_ = false;
        StopSound();
        return;
    }
    if (context_.automaticSlideShow) waitWhilePlaying();
    loading_ = false;
}

void MediaControl::waitWhilePlaying() {
    if (!pump_) return;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(length_) + kWaitMargin;
    while (player_.mode() == PlayerMode::Playing && std::chrono::steady_clock::now() < deadline) {
        pump_();
    }
}

void MediaControl::StopSound() {
    // Opening handles window events while it waits; a stop from a timer then must not pull
    // the file from under the player. The load ends stopped instead.
    if (opening_) {
        stopWhileOpening_ = true;
        return;
    }
    try {
        if (player_.mode() != PlayerMode::Closed) {
            player_.stop();
            player_.close();
        }
    } catch (...) {
        // A player that fails to stop is left to the next open.
    }
    view_.timerRunning = false;
    length_ = 0;
    step_ = 0;
    view_.positionLabel = texts::kSoundStopped;
    view_.barPosition = 0;
    view_.barEnabled = false;
    changed();
}

void MediaControl::playSound(const std::string& path) {
    soundFile_ = path;
    soundEnabled_ = true;
    LoadSound(path);
}

bool MediaControl::playLinkSound(const std::string& path) {
    if (!fileExists(path)) return false;
    if (context_.limitedListening) {
        if (limitedStarts_ >= kLimitedStarts) return false;
        ++limitedStarts_;
        if (dialogs_) {
            dialogs_->information(limitedStarts_ == kLimitedStarts ? texts::kLastListening
                                                                   : texts::kFirstListening);
        }
    }
    playSound(path);
    return true;
}

void MediaControl::playFeedbackSound(const std::string& path) {
    const bool was = soundEnabled_;
    soundEnabled_ = true;
    LoadSound(path);
    soundEnabled_ = was;
}

void MediaControl::beginPage(bool limitedListening) {
    context_.limitedListening = limitedListening;
    limitedStarts_ = 0;
}

void MediaControl::showPanel() {
    view_.panelVisible = true;
    changed();
}

void MediaControl::hidePanel() {
    view_.panelVisible = false;
    changed();
}

void MediaControl::togglePanel() {
    view_.panelVisible = !view_.panelVisible;
    changed();
}

void MediaControl::showPosition() {
    const std::int64_t position = player_.position();
    view_.barPosition = barForPosition(position, length_);
    view_.positionLabel = positionText(position, length_);
}

void MediaControl::Timer1Timer() {
    if (!soundEnabled_ || length_ == 0) return;
    showPosition();
    changed();
}

void MediaControl::ScrollBar1Enter() {
    view_.timerRunning = false;
    if (player_.mode() == PlayerMode::Playing) player_.pause();
    changed();
}

void MediaControl::ScrollBar1Scroll(int barPosition) {
    if (!view_.panelVisible || !soundEnabled_ || length_ == 0) return;
    view_.timerRunning = false;
    if (player_.mode() == PlayerMode::Playing) player_.pause();
    const std::int64_t position = positionForBar(barPosition, length_);
    player_.seek(position);
    view_.barPosition = std::clamp(barPosition, 0, 100);
    view_.positionLabel = positionText(position, length_);
    changed();
}

void MediaControl::seekTo(std::int64_t position) {
    // Back from the start or Step past the end would leave the sound.
    player_.seek(std::clamp<std::int64_t>(position, 0, length_));
}

void MediaControl::MediaPlayer1Click(PlayerButton button) {
    if (player_.mode() == PlayerMode::Closed) return;
    switch (button) {
        case PlayerButton::Play:
            view_.timerRunning = true;
            player_.play();
            break;
        case PlayerButton::Pause:
            // The pause button holds a playing sound and resumes a held one.
            if (player_.mode() == PlayerMode::Playing) {
                player_.pause();
            } else if (player_.mode() == PlayerMode::Paused) {
                view_.timerRunning = true;
                player_.play();
            }
            break;
        case PlayerButton::Stop:
            player_.stop();
            break;
        case PlayerButton::Next:
            seekTo(length_ - 1);
            break;
        case PlayerButton::Prev:
            seekTo(0);
            break;
        case PlayerButton::Step:
            seekTo(player_.position() + step_);
            break;
        case PlayerButton::Back:
            seekTo(player_.position() - step_);
            break;
    }
    showPosition();
    changed();
}

void MediaControl::Button10Click() {
    if (!fileExists(soundFile_)) return;
    const bool was = soundEnabled_;
    soundEnabled_ = !was;
    if (was) {
        StopSound();
    } else {
        LoadSound(soundFile_);
    }
}

void MediaControl::Button11Click() {
    soundEnabled_ = false;
    StopSound();
}

void MediaControl::Button12Click() {
    if (programs_) programs_->toggleVolumeControl();
}

bool MediaControl::openExternal(const std::string& path) {
    if (!programs_ || !fileExists(path)) return false;
    externalViewer_ = programs_->openWithAssociatedProgram(path);
    return !externalViewer_.empty();
}

void MediaControl::endExternalViewer() {
    if (programs_) programs_->endExternalViewer();
    externalViewer_.clear();
}

}  // namespace textaria::player
