// Records from the default audio input as 8-bit mono 22,050 Hz and plays WAV files back.
#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "player/media_recorder.h"

class QAudioSource;
class QIODevice;
class QSoundEffect;

namespace textaria::player {

class QtRecorderDevice : public QObject, public RecorderDevice {
    Q_OBJECT

  public:
    explicit QtRecorderDevice(QObject* parent = nullptr);
    ~QtRecorderDevice() override;

    bool startRecording() override;
    bool stopRecording(const std::string& path) override;
    void abortRecording() override;
    bool isRecording() const override { return source_ != nullptr; }
    bool playFile(const std::string& path) override;
    void stopPlaying() override;

    // Bytes captured so far by the running recording.
    std::size_t capturedBytes() const { return samples_.size(); }
    bool isPlayingBack() const;

  private:
    void readAvailable();

    QAudioSource* source_ = nullptr;
    QIODevice* input_ = nullptr;
    std::vector<std::uint8_t> samples_;
    // Plays straight through the sound server: the media backend could lock up when a
    // playback is stopped while it is still starting.
    QSoundEffect* playback_;
};

}  // namespace textaria::player
