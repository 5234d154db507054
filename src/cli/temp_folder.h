// A fresh folder below the system's temporary folder, removed with everything in it at the end.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace textaria::cli {

class TempFolder {
  public:
    explicit TempFolder(const std::string& purpose) {
        std::error_code ec;
        std::string pattern =
            (std::filesystem::temp_directory_path(ec) / ("textaria-" + purpose + "-XXXXXX"))
                .string();
        if (!ec && ::mkdtemp(pattern.data())) path_ = pattern;
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
