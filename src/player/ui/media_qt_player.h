// The lesson media player on Qt Multimedia (GStreamer backend).
#pragma once

#include <QObject>
#include <functional>

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
    // most openTimeoutMs. The backend tells the length only once playback runs, so the file
    // is started silently and held at its beginning.
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
    void onPosition();
    bool waitUntil(const std::function<bool()>& done);

    QMediaPlayer* player_;
    QAudioOutput* output_;
    bool opened_ = false;
    // Stopped for us, but held paused at the start by the backend, which then seeks reliably.
    bool parked_ = false;
    // The backend loses the first seek of a playback that began from its stopped state unless
    // playback is paused for it. The first position report does that; until then seeks wait.
    bool primeNeeded_ = false;
    bool resumeAfterPrime_ = false;
    std::int64_t pendingSeek_ = -1;
};

}  // namespace textaria::player
