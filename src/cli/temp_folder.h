// A fresh folder below the system's temporary folder, removed with everything in it at the end,
// also when the program is ended by SIGTERM, SIGINT or SIGHUP on the way.
#pragma once

#include <filesystem>
#include <string>

namespace textaria::cli {

class TempFolder {
  public:
    explicit TempFolder(const std::string& purpose);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace textaria::cli
