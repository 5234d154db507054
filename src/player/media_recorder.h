// The recorder window's rules: record the learner's speech into "sound.wav", play it back,
// count the recorded seconds. The sound itself goes through a RecorderDevice.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "player/media_programs.h"

namespace textaria::player {

// 8-bit mono PCM at 22,050 samples per second: what the recorder writes.
inline constexpr std::uint32_t kRecordingRate = 22050;
inline constexpr std::uint16_t kRecordingChannels = 1;
inline constexpr std::uint16_t kRecordingBits = 8;
inline constexpr std::size_t kWavHeaderSize = 44;

// The RIFF header of a PCM WAV file in the recording format holding dataBytes bytes of samples.
std::array<std::uint8_t, kWavHeaderSize> wavHeader(std::uint32_t dataBytes);

// Writes header and samples to a temporary file beside path, then renames it, so a failed
// write never leaves half a file. False when it cannot be written.
bool writeWavFile(const std::string& path, const std::vector<std::uint8_t>& samples);

// The platform's recording and playback for the recorder window.
class RecorderDevice {
  public:
    virtual ~RecorderDevice() = default;
    // Starts capturing in the recording format. False when no input can be opened.
    virtual bool startRecording() = 0;
    // Ends the capture and writes it as a WAV file. False when nothing was being recorded or
    // the file could not be written.
    virtual bool stopRecording(const std::string& path) = 0;
    // Ends a capture without keeping it.
    virtual void abortRecording() = 0;
    virtual bool isRecording() const = 0;
    // Plays a WAV file without waiting for its end.
    virtual bool playFile(const std::string& path) = 0;
    virtual void stopPlaying() = 0;
};

enum class RecorderButton { None, Rec, PlayStop, Quit };

// What the window does after a button: show a message at its centre, then give a button
// the focus and move the mouse pointer onto it.
struct RecorderReaction {
    std::string message;
    RecorderButton focus = RecorderButton::None;
};

// The folder of the recording: the temporary folder + "TAVDATA", or fallbackBase + "TAVDATA"
// when no temporary folder is known.
std::string recordingFolder(const std::string& tempFolder, const std::string& fallbackBase);

// Screen scaling of the recorder window, designed for 1024 x 768 at 96 dots per inch.
double recorderScale(int screenWidth, int screenHeight, int fontDpi);

class Recorder {
  public:
    // folder: where "sound.wav" lives; it is created when missing.
    Recorder(RecorderDevice& device, std::string folder, ExternalPrograms* programs = nullptr);

    void setPrograms(ExternalPrograms* programs) { programs_ = programs; }

    const std::string& recordingFile() const { return file_; }
    int counter() const { return counter_; }
    std::string counterText() const { return std::to_string(counter_); }  // Panel2
    bool timerRunning() const { return timerRunning_; }
    bool playing() const { return playing_; }

    void FormActivate();
    RecorderReaction Button1Click();  // "Rec"
    RecorderReaction Button2Click();  // "Play/Stop"
    void Timer1Timer();
    // "Quit" and closing the window.
    void FormClose();

  private:
    RecorderDevice& device_;
    ExternalPrograms* programs_;
    std::string folder_;
    std::string file_;
    int counter_ = 0;
    bool timerRunning_ = false;
    bool playing_ = false;
};

}  // namespace textaria::player
