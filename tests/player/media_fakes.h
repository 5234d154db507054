// Stand-ins for the media player, the external programs and the recorder device.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "player/media_player.h"
#include "player/media_programs.h"
#include "player/media_recorder.h"

namespace textaria::testing {

// Plays nothing; the test sets the length of each file and moves the position by hand.
class FakeMediaPlayer : public player::MediaPlayer {
  public:
    std::map<std::string, std::int64_t> lengths;  // files it can open; missing ones fail
    std::vector<std::string> calls;
    bool throwOnPlay = false;
    std::function<void()> duringOpen;  // what window events do while a file opens

    bool open(const std::string& path) override {
        calls.push_back("open " + std::filesystem::path(path).filename().string());
        if (duringOpen) duringOpen();
        auto it = lengths.find(path);
        if (it == lengths.end()) return false;
        mode_ = player::PlayerMode::Stopped;
        length_ = it->second;
        position_ = 0;
        return true;
    }
    void close() override {
        calls.push_back("close");
        mode_ = player::PlayerMode::Closed;
        length_ = position_ = 0;
    }
    player::PlayerMode mode() const override { return mode_; }
    std::int64_t length() const override { return length_; }
    std::int64_t position() const override { return position_; }
    void seek(std::int64_t position) override {
        calls.push_back("seek " + std::to_string(position));
        position_ = position;
    }
    void play() override {
        if (throwOnPlay) throw std::runtime_error("device lost");
        calls.push_back("play");
        mode_ = player::PlayerMode::Playing;
    }
    void pause() override {
        calls.push_back("pause");
        mode_ = player::PlayerMode::Paused;
    }
    void stop() override {
        calls.push_back("stop");
        mode_ = player::PlayerMode::Stopped;
        position_ = 0;
    }

    void setPosition(std::int64_t position) { position_ = position; }
    void finish() { mode_ = player::PlayerMode::Stopped; }

  private:
    player::PlayerMode mode_ = player::PlayerMode::Closed;
    std::int64_t length_ = 0;
    std::int64_t position_ = 0;
};

class FakePrograms : public player::ExternalPrograms {
  public:
    std::vector<std::string> calls;
    std::string viewerName = "viewer";

    std::string openWithAssociatedProgram(const std::string& path) override {
        calls.push_back("open " + std::filesystem::path(path).filename().string());
        return viewerName;
    }
    void endExternalViewer() override { calls.push_back("end viewer"); }
    void toggleVolumeControl() override { calls.push_back("toggle volume"); }
    void endVolumeControl() override { calls.push_back("end volume"); }
};

// Records into a vector of silence; the test decides whether recording works.
class FakeRecorderDevice : public player::RecorderDevice {
  public:
    bool inputAvailable = true;
    bool recording = false;
    std::string playingFile;
    std::vector<std::string> calls;

    bool startRecording() override {
        calls.push_back("record");
        recording = inputAvailable;
        return recording;
    }
    bool stopRecording(const std::string& path) override {
        calls.push_back("save");
        if (!recording) return false;
        recording = false;
        return player::writeWavFile(path, std::vector<std::uint8_t>(2205, 128));
    }
    void abortRecording() override {
        calls.push_back("abort");
        recording = false;
    }
    bool isRecording() const override { return recording; }
    bool playFile(const std::string& path) override {
        calls.push_back("play");
        playingFile = path;
        return true;
    }
    void stopPlaying() override {
        if (!playingFile.empty()) calls.push_back("stop playing");
        playingFile.clear();
    }
};

// A folder of its own under the temporary folder, removed again at the end of the test.
class TempFolder {
  public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("textaria-media-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string path() const { return path_.string(); }
    std::string file(const std::string& name, const std::string& content = "x") const {
        const auto p = path_ / name;
        std::ofstream(p, std::ios::binary) << content;
        return p.string();
    }

  private:
    std::filesystem::path path_;
};

}  // namespace textaria::testing
