// A fresh folder below the system's temporary folder, removed with everything in it at the end.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace textaria::cli {

class TempFolder {
public:
    explicit TempFolder(const std::string& purpose) {
        static std::atomic<int> counter{0};
        std::error_code ec;
        const auto base = std::filesystem::temp_directory_path(ec);
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = base / ("textaria-" + purpose + "-" + std::to_string(::getpid()) + "-" +
                            std::to_string(stamp) + "-" + std::to_string(counter++));
            if (std::filesystem::create_directory(path_, ec)) return;
        }
        path_.clear();
    }
    ~TempFolder() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace textaria::cli
