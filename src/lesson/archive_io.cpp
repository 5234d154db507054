#include "lesson/archive_io.h"

#include <fcntl.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <limits>
#include <system_error>

#ifdef __linux__
#include <unistd.h>
#endif

#include "lesson/texts.h"
#include "platform/file_kind.h"

namespace textaria::lesson {

namespace fs = std::filesystem;

std::string systemReason() {
    const int code = errno;
    return code != 0 ? std::generic_category().message(code) : std::string("unbekannter Fehler");
}

InputFile::~InputFile() {
    if (file_) std::fclose(file_);
}

std::string InputFile::open(const fs::path& path) {
    std::string reason;
    file_ = platform::openRegularFile(path, reason);
    if (!file_) return reason;
    std::setvbuf(file_, nullptr, _IONBF, 0);
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) return ec.message();
    size_ = size;
    return {};
}

bool InputFile::seek(std::uint64_t offset) {
    // long is 64 bits on the platforms we build for; larger offsets never occur in archives.
    if (offset > static_cast<std::uint64_t>(std::numeric_limits<long>::max())) return false;
    return std::fseek(file_, static_cast<long>(offset), SEEK_SET) == 0;
}

bool InputFile::readExactly(char* data, std::size_t count) {
    errno = 0;
    if (std::fread(data, 1, count, file_) == count) return true;
    error_ = std::ferror(file_) ? systemReason() : std::string(texts::kUnexpectedEnd);
    return false;
}

TempOutput::~TempOutput() { discard(); }

std::string TempOutput::open(const fs::path& finalPath) {
    static std::atomic<unsigned> counter{0};
    finalPath_ = finalPath;
    // The rename at the end would replace a device, a FIFO or a link to one.
    if (error_ = platform::replaceableOutputReason(finalPath); !error_.empty()) return error_;
    const fs::path folder = finalPath.has_parent_path() ? finalPath.parent_path() : fs::path(".");
    const auto stamp = static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() & 0xFFFFFF);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath_ = folder / ("." + finalPath.filename().string() + "." + std::to_string(stamp) +
                              "-" + std::to_string(counter++) + ".part");
        errno = 0;
        // "x": never reuse or follow an existing entry (a planted symbolic link included).
        file_ = std::fopen(tempPath_.c_str(), "wbx");
        if (file_) {
            std::setvbuf(file_, nullptr, _IONBF, 0);
            return {};
        }
        if (errno != EEXIST) break;
    }
    error_ = systemReason();
    tempPath_.clear();
    return error_;
}

bool TempOutput::write(const char* data, std::size_t count) {
    errno = 0;
    if (std::fwrite(data, 1, count, file_) == count) return true;
    error_ = systemReason();
    return false;
}

std::string TempOutput::commit(fs::perms permissions) {
    errno = 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed) {
        error_ = systemReason();
        discard();
        return error_;
    }
    std::error_code ec;
    if (permissions != fs::perms::unknown) fs::permissions(tempPath_, permissions, ec);
    if (!ec) error_ = platform::replaceableOutputReason(finalPath_);  // it may have appeared since
    if (!ec && error_.empty()) fs::rename(tempPath_, finalPath_, ec);
    if (ec || !error_.empty()) {
        if (ec) error_ = ec.message();
        discard();
        return error_;
    }
    tempPath_.clear();
    return {};
}

void TempOutput::discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!tempPath_.empty()) {
        std::error_code ec;
        fs::remove(tempPath_, ec);
        tempPath_.clear();
    }
}

#ifdef __linux__
namespace {
// Lets the kernel move the bytes from file to file, as cp does, which saves copying everything
// through our buffer. That only pays when both sides sit at the same place within a memory
// page; archive members usually do not (the data area starts 480 bytes into a page), and then
// the kernel is slower than our block loop. Returns how many bytes it moved; where the file
// systems cannot do this, or at the end of the input, it stops early and the block loop
// carries on (and diagnoses).
std::uint64_t copyInKernel(std::FILE* in, std::FILE* out, std::uint64_t count) {
    constexpr off_t kPage = 4096;
    off_t inPos = ftello(in);
    off_t outPos = ftello(out);
    if (inPos < 0 || outPos < 0 || inPos % kPage != outPos % kPage) return 0;
    std::uint64_t done = 0;
    while (done < count) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(count - done, 1u << 30));
        const ssize_t n = ::copy_file_range(fileno(in), &inPos, fileno(out), &outPos, want, 0);
        if (n <= 0) break;
        done += static_cast<std::uint64_t>(n);
    }
    // copy_file_range with explicit offsets leaves the streams' positions alone.
    if (done > 0 && (fseeko(in, inPos, SEEK_SET) != 0 || fseeko(out, outPos, SEEK_SET) != 0))
        return 0;
    return done;
}
}  // namespace
#endif

CopyFailure copyBytes(InputFile& in, TempOutput& out, std::uint64_t count,
                      std::vector<char>& buffer) {
#ifdef __linux__
    count -= copyInKernel(in.handle(), out.handle(), count);
    // Reserving the member's blocks up front spares the file system growing the file block by
    // block (about a fifth of the time on ext4); the size stays that of what was written, and
    // where the file system cannot reserve, nothing changes.
    if (const off_t at = ftello(out.handle()); count > 0 && at >= 0)
        ::fallocate(fileno(out.handle()), FALLOC_FL_KEEP_SIZE, at, static_cast<off_t>(count));
#endif
    while (count > 0) {
        const std::size_t chunk =
            count < buffer.size() ? static_cast<std::size_t>(count) : buffer.size();
        if (!in.readExactly(buffer.data(), chunk)) return CopyFailure::Read;
        if (!out.write(buffer.data(), chunk)) return CopyFailure::Write;
        count -= chunk;
    }
    return CopyFailure::None;
}

}  // namespace textaria::lesson
