// The one media player through which every lesson sound plays. The logic owns this
// interface; the window layer implements it with the platform's media services and the
// tests with a fake. Times are milliseconds.
#pragma once

#include <cstdint>
#include <string>

namespace textaria::player {

enum class PlayerMode { Closed, Stopped, Playing, Paused };

class MediaPlayer {
  public:
    virtual ~MediaPlayer() = default;

    // Opens a sound file and makes its length known. False when the file cannot be played;
    // the player is then closed.
    virtual bool open(const std::string& path) = 0;
    virtual void close() = 0;

    virtual PlayerMode mode() const = 0;
    virtual std::int64_t length() const = 0;
    virtual std::int64_t position() const = 0;

    // Moves to a position in [0, length]; the play state stays as it is.
    virtual void seek(std::int64_t position) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    // Ends playback; the position returns to the start.
    virtual void stop() = 0;
};

}  // namespace textaria::player
