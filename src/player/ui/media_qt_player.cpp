#include "player/ui/media_qt_player.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace textaria::player {

namespace {

// The GStreamer backend of Qt 6.4 ends playback at once when asked to seek to exactly 0;
// one millisecond in is heard the same.
qint64 seekTarget(std::int64_t position) { return std::max<qint64>(position, 1); }

}  // namespace

QtMediaPlayer::QtMediaPlayer(QObject* parent)
    : QObject(parent), player_(new QMediaPlayer(this)), output_(new QAudioOutput(this)) {
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::positionChanged, this, [this] { onPosition(); });
    connect(player_, &QMediaPlayer::playbackStateChanged, this, &QtMediaPlayer::modeChanged);
}

QtMediaPlayer::~QtMediaPlayer() { player_->stop(); }

bool QtMediaPlayer::waitUntil(const std::function<bool()>& done) {
    if (done()) return true;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto check = [&] {
        if (done() || player_->error() != QMediaPlayer::NoError ||
            player_->mediaStatus() == QMediaPlayer::InvalidMedia) {
            loop.quit();
        }
    };
    connect(player_, &QMediaPlayer::mediaStatusChanged, &loop, check);
    connect(player_, &QMediaPlayer::durationChanged, &loop, check);
    connect(player_, &QMediaPlayer::positionChanged, &loop, check);
    connect(player_, &QMediaPlayer::playbackStateChanged, &loop, check);
    connect(player_, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
    timeout.start(openTimeoutMs);
    // Clicks wait until the sound is ready, so no handler runs twice.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return done();
}

bool QtMediaPlayer::open(const std::string& path) {
    close();
    player_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    const bool loaded =
        waitUntil([this] { return player_->mediaStatus() == QMediaPlayer::LoadedMedia; });
    if (!loaded || player_->error() != QMediaPlayer::NoError) {
        close();
        return false;
    }
    output_->setMuted(true);
    // Now and then the backend reaches the end at once because its decoder is not linked
    // yet; a second start plays. Changing the source meanwhile could lock up the backend,
    // so the same source is started again.
    for (int attempt = 0; attempt < 3 && !opened_; ++attempt) {
        primeNeeded_ = true;
        resumeAfterPrime_ = false;
        player_->play();
        waitUntil([this] {
            return (!primeNeeded_ && player_->duration() > 0) ||
                   player_->playbackState() == QMediaPlayer::StoppedState;
        });
        opened_ = !primeNeeded_ && player_->duration() > 0 &&
                  player_->playbackState() != QMediaPlayer::StoppedState;
    }
    output_->setMuted(false);
    if (!opened_) {
        primeNeeded_ = false;
        player_->stop();
        return false;
    }
    parked_ = true;
    return true;
}

void QtMediaPlayer::close() {
    player_->stop();
    player_->setSource(QUrl());
    output_->setMuted(false);
    opened_ = false;
    parked_ = false;
    primeNeeded_ = false;
    pendingSeek_ = -1;
}

PlayerMode QtMediaPlayer::mode() const {
    if (!opened_) return PlayerMode::Closed;
    if (parked_) return PlayerMode::Stopped;
    switch (player_->playbackState()) {
        case QMediaPlayer::PlayingState:
            return PlayerMode::Playing;
        case QMediaPlayer::PausedState:
            return PlayerMode::Paused;
        default:
            return PlayerMode::Stopped;
    }
}

std::int64_t QtMediaPlayer::length() const { return opened_ ? player_->duration() : 0; }

std::int64_t QtMediaPlayer::position() const {
    if (!opened_) return 0;
    if (pendingSeek_ >= 0) return pendingSeek_;
    const qint64 position = player_->position();
    return position <= 1 ? 0 : position;
}

void QtMediaPlayer::seek(std::int64_t position) {
    if (!opened_) return;
    if (primeNeeded_ || player_->playbackState() == QMediaPlayer::StoppedState) {
        pendingSeek_ = position;
    } else {
        player_->setPosition(seekTarget(position));
    }
}

void QtMediaPlayer::play() {
    if (!opened_) return;
    parked_ = false;
    if (player_->playbackState() == QMediaPlayer::StoppedState) {
        primeNeeded_ = true;
        resumeAfterPrime_ = true;
    }
    player_->play();
}

void QtMediaPlayer::pause() {
    if (opened_ && !parked_ && player_->playbackState() == QMediaPlayer::PlayingState) {
        player_->pause();
    }
}

void QtMediaPlayer::stop() {
    if (!opened_) return;
    pendingSeek_ = -1;
    // Stopped by reaching its end: the next play starts from the beginning anyway.
    if (player_->playbackState() == QMediaPlayer::StoppedState) return;
    // Held at the start instead of stopped, so the next seek is not lost.
    player_->pause();
    player_->setPosition(seekTarget(0));
    parked_ = true;
    primeNeeded_ = false;
    emit modeChanged();
}

void QtMediaPlayer::onPosition() {
    if (!primeNeeded_ || player_->playbackState() != QMediaPlayer::PlayingState) return;
    primeNeeded_ = false;
    const qint64 target =
        pendingSeek_ >= 0 ? pendingSeek_ : (resumeAfterPrime_ ? player_->position() : 0);
    pendingSeek_ = -1;
    player_->pause();
    player_->setPosition(seekTarget(target));
    if (resumeAfterPrime_) player_->play();
}

}  // namespace textaria::player
