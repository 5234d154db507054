#include "player/ui/media_qt_player.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

namespace textaria::player {

QtMediaPlayer::QtMediaPlayer(QObject* parent)
    : QObject(parent), player_(new QMediaPlayer(this)), output_(new QAudioOutput(this)) {
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::positionChanged, this, &QtMediaPlayer::onPosition);
    connect(player_, &QMediaPlayer::playbackStateChanged, this, [this](auto state) {
        if (state == QMediaPlayer::StoppedState) running_ = false;
        emit modeChanged();
    });
}

QtMediaPlayer::~QtMediaPlayer() { player_->stop(); }

bool QtMediaPlayer::open(const std::string& path) {
    close();
    player_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    auto ready = [this] {
        const auto status = player_->mediaStatus();
        return status == QMediaPlayer::InvalidMedia ||
               (status == QMediaPlayer::LoadedMedia && player_->duration() > 0);
    };
    if (!ready()) {
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        auto check = [&] {
            if (ready()) loop.quit();
        };
        connect(player_, &QMediaPlayer::mediaStatusChanged, &loop, check);
        connect(player_, &QMediaPlayer::durationChanged, &loop, check);
        connect(player_, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
        timeout.start(openTimeoutMs);
        // Clicks wait until the sound is loaded, so no handler runs twice.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (player_->mediaStatus() != QMediaPlayer::LoadedMedia ||
        player_->error() != QMediaPlayer::NoError) {
        close();
        return false;
    }
    opened_ = true;
    return true;
}

void QtMediaPlayer::close() {
    player_->stop();
    player_->setSource(QUrl());
    opened_ = false;
    running_ = false;
    pendingSeek_ = -1;
}

PlayerMode QtMediaPlayer::mode() const {
    if (!opened_) return PlayerMode::Closed;
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
    return pendingSeek_ >= 0 ? pendingSeek_ : player_->position();
}

void QtMediaPlayer::seek(std::int64_t position) {
    if (!opened_) return;
    if (running_) {
        player_->setPosition(position);
    } else {
        pendingSeek_ = position;
    }
}

void QtMediaPlayer::play() {
    if (!opened_) return;
    player_->play();
}

void QtMediaPlayer::pause() {
    if (opened_) player_->pause();
}

void QtMediaPlayer::stop() {
    if (!opened_) return;
    player_->stop();
    running_ = false;
    pendingSeek_ = -1;
}

void QtMediaPlayer::onPosition(qint64 /*position*/) {
    if (player_->playbackState() == QMediaPlayer::StoppedState) return;
    running_ = true;
    if (pendingSeek_ >= 0) {
        const std::int64_t target = pendingSeek_;
        pendingSeek_ = -1;
        player_->setPosition(target);
    }
}

}  // namespace textaria::player
