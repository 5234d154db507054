// Helpers for the tests that play and record real sound.
#pragma once

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>

namespace textaria::testing {

inline std::string mediaData(const std::string& name) {
    return (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / name).string();
}

// The sound files here are 3 s of tone; players may add a few frames of encoder padding.
inline constexpr std::int64_t kToneLength = 3000;

inline bool hasAudioOutput() { return !QMediaDevices::audioOutputs().isEmpty(); }
inline bool hasAudioInput() { return !QMediaDevices::audioInputs().isEmpty(); }

// Handles events until the condition holds or the time is up; returns the condition.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) return false;
        QTest::qWait(10);
    }
    return true;
}

}  // namespace textaria::testing
