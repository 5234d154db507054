#include "player/media_recorder.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "player/texts.h"

namespace textaria::player {

namespace {

void put16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value & 0xff);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xff);
}

void removeQuietly(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

std::array<std::uint8_t, kWavHeaderSize> wavHeader(std::uint32_t dataBytes) {
    std::array<std::uint8_t, kWavHeaderSize> h{};
    constexpr std::uint16_t blockAlign = kRecordingChannels * kRecordingBits / 8;
    std::copy_n("RIFF", 4, h.begin());
    put32(&h[4], 36 + dataBytes);
    std::copy_n("WAVEfmt ", 8, h.begin() + 8);
    put32(&h[16], 16);  // size of the format chunk
    put16(&h[20], 1);   // PCM
    put16(&h[22], kRecordingChannels);
    put32(&h[24], kRecordingRate);
    put32(&h[28], kRecordingRate * blockAlign);
    put16(&h[32], blockAlign);
    put16(&h[34], kRecordingBits);
    std::copy_n("data", 4, h.begin() + 36);
    put32(&h[40], dataBytes);
    return h;
}

bool writeWavFile(const std::string& path, const std::vector<std::uint8_t>& samples) {
    // RIFF sizes are 32 bits; an 8-bit mono recording reaches that only after 54 hours.
    if (samples.size() > 0xffffffffu - 36) return false;
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        const auto header = wavHeader(static_cast<std::uint32_t>(samples.size()));
        out.write(reinterpret_cast<const char*>(header.data()), header.size());
        out.write(reinterpret_cast<const char*>(samples.data()),
                  static_cast<std::streamsize>(samples.size()));
        out.close();
        if (!out) {
            removeQuietly(temp);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        removeQuietly(temp);
        return false;
    }
    return true;
}

std::string recordingFolder(const std::string& tempFolder, const std::string& fallbackBase) {
    std::string base = tempFolder.empty() ? fallbackBase : tempFolder;
    if (!base.empty() && base.back() != '/') base += '/';
    return base + "TAVDATA";
}

double recorderScale(int screenWidth, int screenHeight, int fontDpi) {
    if (screenWidth <= 0 || screenHeight <= 0) return 1.0;
    double scale = static_cast<double>(screenHeight) / screenWidth > 0.625 ? screenWidth / 1024.0
                                                                           : screenHeight / 768.0;
    if (fontDpi > 0 && fontDpi != 96) scale *= 96.0 / fontDpi;
    return scale;
}

Recorder::Recorder(RecorderDevice& device, std::string folder, ExternalPrograms* programs)
    : device_(device), programs_(programs), folder_(std::move(folder)) {
    file_ = folder_ + "/sound.wav";
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
}

void Recorder::FormActivate() {
    if (programs_) programs_->endVolumeControl();
    removeQuietly(file_);
    counter_ = 0;
    timerRunning_ = false;
    playing_ = false;
}

RecorderReaction Recorder::Button1Click() {
    if (timerRunning_) return {texts::kPressPlayFirst, RecorderButton::PlayStop};
    device_.stopPlaying();
    // The sound just stopped is no longer playing; otherwise the next "Play/Stop" would only
    // clear the flag and leave the recording running.
    playing_ = false;
    counter_ = 0;
    timerRunning_ = true;
    device_.startRecording();
    return {"", RecorderButton::PlayStop};
}

RecorderReaction Recorder::Button2Click() {
    if (playing_) {
        device_.stopPlaying();
        playing_ = false;
        return {};
    }
    timerRunning_ = false;
    counter_ = 0;
    device_.stopPlaying();
    if (device_.isRecording()) device_.stopRecording(file_);
    // A recording that failed shows up as the missing file.
    if (exists(file_) && device_.playFile(file_)) {
        playing_ = true;
        return {};
    }
    return {texts::kPressRecFirst, RecorderButton::Rec};
}

void Recorder::Timer1Timer() {
    if (timerRunning_) ++counter_;
}

void Recorder::FormClose() {
    timerRunning_ = false;
    // A capture still running would otherwise go on after the window is gone.
    if (device_.isRecording()) device_.abortRecording();
    device_.stopPlaying();
    playing_ = false;
    removeQuietly(file_);
    if (programs_) programs_->endVolumeControl();
}

}  // namespace textaria::player
