// Unpacking a 100 MB archive against copying the same bytes as one plain file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "lesson/archive.h"

namespace {

namespace fs = std::filesystem;
using namespace textaria::lesson;

constexpr std::size_t kMembers = 25;
constexpr std::size_t kMemberSize = 4'000'000;  // 25 x 4 MB = 100 MB of data

// The archive is made once per run in a private temporary folder, removed at exit.
class ArchiveFixture {
  public:
    ArchiveFixture() {
        root_ = fs::temp_directory_path() /
                ("textaria-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(root_ / "src");
        fs::create_directories(root_ / "out");
        std::vector<PackMember> members;
        std::mt19937 random(42);
        std::string bytes(kMemberSize, '\0');
        for (std::size_t i = 0; i < kMembers; ++i) {
            for (auto& b : bytes) b = static_cast<char>(random());
            const std::string name = "teil" + std::to_string(i) + ".mp3";
            std::ofstream(root_ / "src" / name, std::ios::binary).write(bytes.data(), bytes.size());
            members.push_back({name, root_ / "src" / name, ""});
        }
        archive_ = root_ / "lektion.rsd";
        const std::string error = writeArchive(archive_, members);
        if (!error.empty()) throw std::runtime_error(error);
        fs::remove_all(root_ / "src");
    }
    ~ArchiveFixture() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    const fs::path& archive() const { return archive_; }
    fs::path out() const { return root_ / "out"; }
    // Starts from an empty folder, as after the work folder was emptied at exit. Not timed.
    void clearOut(benchmark::State& state) const {
        state.PauseTiming();
        for (const auto& entry : fs::directory_iterator(out())) fs::remove(entry.path());
        // Flush what earlier rounds wrote, so no round pays for another's write-back.
        ::sync();
        state.ResumeTiming();
    }
    std::int64_t bytes() const { return static_cast<std::int64_t>(fs::file_size(archive_)); }

  private:
    fs::path root_;
    fs::path archive_;
};

ArchiveFixture& fixture() {
    static ArchiveFixture instance;
    return instance;
}

void BM_UnpackArchive(benchmark::State& state) {
    ArchiveFixture& f = fixture();
    for (auto _ : state) {
        f.clearOut(state);
        const UnpackResult result = UnpackArchive(f.archive(), f.out());
        if (!result.complete()) state.SkipWithError(result.copyError.c_str());
    }
    state.SetBytesProcessed(state.iterations() * f.bytes());
}
BENCHMARK(BM_UnpackArchive)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same bytes copied as one file, the way a file manager would.
void BM_CopyArchiveFile(benchmark::State& state) {
    ArchiveFixture& f = fixture();
    for (auto _ : state) {
        f.clearOut(state);
        fs::copy_file(f.archive(), f.out() / "copy.rsd", fs::copy_options::overwrite_existing);
    }
    state.SetBytesProcessed(state.iterations() * f.bytes());
}
BENCHMARK(BM_CopyArchiveFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
