// File plumbing shared by the archive reader and writer and the self-contained lesson: files
// read in large blocks, and output written under a temporary name that becomes the real name
// only once it is complete, so no half-written file is ever left behind.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace textaria::lesson {

// A file opened for reading, without stdio's own buffering (we read in large blocks).
class InputFile {
  public:
    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    // Returns an empty text on success, else the system's reason.
    std::string open(const std::filesystem::path& path);
    std::uint64_t size() const { return size_; }
    bool seek(std::uint64_t offset);
    // Reads exactly count bytes; false on a short read or an error.
    bool readExactly(char* data, std::size_t count);
    // Why the last read failed.
    std::string lastError() const { return error_; }
    std::FILE* handle() const { return file_; }

  private:
    std::FILE* file_ = nullptr;
    std::uint64_t size_ = 0;
    std::string error_;
};

// Output written to a hidden temporary file beside the final name; commit() renames it.
// Destroying an uncommitted output removes the temporary file.
class TempOutput {
  public:
    TempOutput() = default;
    TempOutput(const TempOutput&) = delete;
    TempOutput& operator=(const TempOutput&) = delete;
    ~TempOutput();

    // Returns an empty text on success, else the system's reason.
    std::string open(const std::filesystem::path& finalPath);
    bool write(const char* data, std::size_t count);
    // Closes, applies the permissions if given, and renames onto the final path.
    std::string commit(std::filesystem::perms permissions = std::filesystem::perms::unknown);
    void discard();
    std::string lastError() const { return error_; }
    std::FILE* handle() const { return file_; }

  private:
    std::FILE* file_ = nullptr;
    std::filesystem::path tempPath_;
    std::filesystem::path finalPath_;
    std::string error_;
};

// Copies count bytes from the current position of in to out through buffer.
// Returns an empty text on success; "read" errors name the input, others the output.
enum class CopyFailure { None, Read, Write };
CopyFailure copyBytes(InputFile& in, TempOutput& out, std::uint64_t count,
                      std::vector<char>& buffer);

// The system's reason for the last failed call, for messages.
std::string systemReason();

}  // namespace textaria::lesson
