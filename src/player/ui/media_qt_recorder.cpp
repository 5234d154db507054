#include "player/ui/media_qt_recorder.h"

#include <QAudioFormat>
#include <QAudioOutput>
#include <QAudioSource>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace textaria::player {

QtRecorderDevice::QtRecorderDevice(QObject* parent)
    : QObject(parent), playback_(new QMediaPlayer(this)), output_(new QAudioOutput(this)) {
    playback_->setAudioOutput(output_);
}

QtRecorderDevice::~QtRecorderDevice() {
    abortRecording();
    playback_->stop();
}

bool QtRecorderDevice::startRecording() {
    abortRecording();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(kRecordingRate));
    format.setChannelCount(kRecordingChannels);
    format.setSampleFormat(QAudioFormat::UInt8);
    if (!device.isFormatSupported(format)) return false;
    source_ = new QAudioSource(device, format, this);
    samples_.clear();
    input_ = source_->start();
    if (!input_ || source_->error() != QAudio::NoError) {
        abortRecording();
        return false;
    }
    connect(input_, &QIODevice::readyRead, this, &QtRecorderDevice::readAvailable);
    return true;
}

void QtRecorderDevice::readAvailable() {
    if (!input_) return;
    const QByteArray bytes = input_->readAll();
    samples_.insert(samples_.end(), bytes.begin(), bytes.end());
}

bool QtRecorderDevice::stopRecording(const std::string& path) {
    if (!source_) return false;
    readAvailable();
    source_->stop();
    delete source_;
    source_ = nullptr;
    input_ = nullptr;
    const bool written = !samples_.empty() && writeWavFile(path, samples_);
    samples_.clear();
    return written;
}

void QtRecorderDevice::abortRecording() {
    if (!source_) return;
    source_->stop();
    delete source_;
    source_ = nullptr;
    input_ = nullptr;
    samples_.clear();
}

bool QtRecorderDevice::playFile(const std::string& path) {
    playback_->stop();
    playback_->setSource(QUrl());
    playback_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    playback_->play();
    return playback_->error() == QMediaPlayer::NoError;
}

void QtRecorderDevice::stopPlaying() {
    playback_->stop();
    // Let go of the file so it can be recorded over or deleted.
    playback_->setSource(QUrl());
}

bool QtRecorderDevice::isPlayingBack() const {
    return playback_->playbackState() == QMediaPlayer::PlayingState;
}

}  // namespace textaria::player
