#include "player/ui/media_qt_recorder.h"

#include <QAudioFormat>
#include <QAudioSource>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace textaria::player {

QtRecorderDevice::QtRecorderDevice(QObject* parent)
    : QObject(parent), playback_(new QSoundEffect(this)) {}

QtRecorderDevice::~QtRecorderDevice() { abortRecording(); }

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
    // The same name holds a new recording: load it afresh. Playing starts once it is loaded.
    playback_->setSource(QUrl());
    playback_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    playback_->play();
    return playback_->status() != QSoundEffect::Error;
}

void QtRecorderDevice::stopPlaying() { playback_->stop(); }

bool QtRecorderDevice::isPlayingBack() const { return playback_->isPlaying(); }

}  // namespace textaria::player
