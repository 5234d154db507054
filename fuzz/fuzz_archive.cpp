// Archive directory and unpacking. The input's first bytes are the first directory records
// (the rest of the directory stays zero), the remaining bytes the data area behind it. Nothing
// may be written outside the target folder, and no temporary file may be left behind.
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "lesson/archive.h"

namespace fs = std::filesystem;
using namespace textaria::lesson;

namespace {

constexpr std::size_t kRecordBytes = 8 * kArchiveRecordSize;

const fs::path& scratch() {
    static const fs::path path = [] {
        std::string pattern = (fs::temp_directory_path() / "fuzz-archive-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        return fs::path(pattern);
    }();
    return path;
}

struct RemoveScratch {
    ~RemoveScratch() {
        std::error_code ec;
        fs::remove_all(scratch(), ec);
    }
} removeAtExit;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* bytes = reinterpret_cast<const char*>(data);
    (void)parseArchiveDirectory(std::span<const char>(bytes, size));

    const std::size_t head = std::min(size, kRecordBytes);
    std::vector<char> file(kArchiveDirectorySize, '\0');
    std::copy(bytes, bytes + head, file.begin());
    file.insert(file.end(), bytes + head, bytes + size);

    const fs::path archive = scratch() / "a.rsd";
    const fs::path target = scratch() / "out";
    {
        std::ofstream out(archive, std::ios::binary | std::ios::trunc);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
    }
    fs::create_directory(target);
    const UnpackResult result = UnpackArchive(archive, target);

    for (const fs::directory_entry& entry : fs::directory_iterator(scratch()))
        if (entry.path() != archive && entry.path() != target) std::abort();  // escaped
    // Only the members reported as written are there: a temporary file left behind (or any
    // other file) would not be among them.
    const std::set<std::string> written(result.written.begin(), result.written.end());
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(target)) {
        if (!entry.is_regular_file() || entry.path().parent_path() != target) std::abort();
        if (written.count(entry.path().filename().string()) == 0) std::abort();
    }
    fs::remove_all(target);
    return 0;
}
