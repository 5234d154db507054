// The lesson media player on Qt Multimedia (GStreamer backend).
#pragma once

#include <QObject>

#include "player/media_player.h"

class QMediaPlayer;
class QAudioOutput;

namespace textaria::player {

class QtMediaPlayer : public QObject, public MediaPlayer {
    Q_OBJECT

  public:
    explicit QtMediaPlayer(QObject* parent = nullptr);
    ~QtMediaPlayer() override;

    // Waits (handling non-input events) until the file is loaded and its length known, at
    // most openTimeoutMs.
    bool open(const std::string& path) override;
    void close() override;
    PlayerMode mode() const override;
    std::int64_t length() const override;
    std::int64_t position() const override;
    void seek(std::int64_t position) override;
    void play() override;
    void pause() override;
    void stop() override;

    int openTimeoutMs = 5000;

  signals:
    void modeChanged();

  private:
    void onPosition(qint64 position);

    QMediaPlayer* player_;
    QAudioOutput* output_;
    bool opened_ = false;
    // The backend drops seeks until playback has really begun; they wait here for the first
    // position report.
    std::int64_t pendingSeek_ = -1;
    bool running_ = false;
};

}  // namespace textaria::player
