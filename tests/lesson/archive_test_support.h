// Helpers for the archive tests: a private scratch folder, and archives assembled byte by byte
// (independently of the program's writer) so that broken and hostile layouts can be made.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace textaria::lesson::testing {

namespace fs = std::filesystem;

inline constexpr std::size_t kDir = 672'224;

class ScratchFolder {
  public:
    ScratchFolder() {
        std::random_device random;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ =
            fs::temp_directory_path() / ("textaria-" + std::string(info ? info->name() : "test") +
                                         "-" + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    fs::path operator/(const std::string& name) const { return path_ / name; }

  private:
    fs::path path_;
};

inline std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Every entry of a folder tree, relative to it, sorted.
inline std::vector<std::string> listTree(const fs::path& root) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        names.push_back(fs::relative(entry.path(), root).string());
    std::sort(names.begin(), names.end());
    return names;
}

// Bytes that differ from member to member, so that a shifted copy is noticed.
inline std::string patternBytes(std::size_t count, unsigned seed) {
    std::string bytes(count, '\0');
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<char>(x);
    }
    return bytes;
}

// An archive assembled record by record. Records not set stay all zero (free).
class RawArchive {
  public:
    RawArchive() : bytes_(kDir, '\0') {}

    // Sets a record; nameLength defaults to the name's size but may claim anything.
    void record(std::size_t slot, const std::string& name, std::int64_t size, std::int64_t position,
                int nameLength = -1) {
        char* r = bytes_.data() + slot * 234;
        r[0] =
            static_cast<char>(nameLength < 0 ? name.size() : static_cast<std::size_t>(nameLength));
        for (std::size_t i = 0; i < name.size() && i < 32; ++i) r[1 + i] = name[i];
        put(r + 218, static_cast<std::uint64_t>(size));
        put(r + 226, static_cast<std::uint64_t>(position));
    }
    // Appends data and records it as a member at its position.
    void member(std::size_t slot, const std::string& name, const std::string& data,
                int nameLength = -1) {
        record(slot, name, static_cast<std::int64_t>(data.size()),
               static_cast<std::int64_t>(bytes_.size()), nameLength);
        bytes_ += data;
    }
    void freeRecord(std::size_t slot) { record(slot, "0", 0, 0); }
    std::string& bytes() { return bytes_; }
    void save(const fs::path& path) const { writeFile(path, bytes_); }

  private:
    static void put(char* at, std::uint64_t value) {
        for (int i = 0; i < 8; ++i) at[i] = static_cast<char>(value >> (8 * i));
    }
    std::string bytes_;
};

}  // namespace textaria::lesson::testing
