// The self-contained lesson: a copy of the program with a lesson archive appended, which starts
// straight into that lesson.
//
// File layout: the bare program, the archive (unchanged, its member positions relative to its
// own start), then a 24-byte trailer: the archive's offset (= the bare program's size) and its
// size, both unsigned 64-bit little-endian, and the 8 bytes "TXA-RSD1". A file carries an
// archive only when the trailer is present and the three parts add up to the file size exactly,
// and the archive is longer than 502 bytes. The program loader ignores bytes past the ELF image,
// so the program still runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace textaria::lesson {

inline constexpr std::size_t kBundleTrailerSize = 24;
inline constexpr std::string_view kBundleMagic = "TXA-RSD1";
// Anything up to this many bytes past the bare program is not an archive.
inline constexpr std::uint64_t kMinAppendedArchiveSize = 502;

struct AppendedArchive {
    std::uint64_t offset = 0;  // also the size of the bare program
    std::uint64_t size = 0;
};

// The appended archive described by the last bytes of a file of fileSize bytes, if any.
std::optional<AppendedArchive> parseBundleTrailer(std::span<const char> tail,
                                                  std::uint64_t fileSize);
std::optional<AppendedArchive> findAppendedArchive(std::span<const char> programBytes);
std::optional<AppendedArchive> findAppendedArchive(const std::filesystem::path& program);

// The archive name of a self-contained program: its file name, lower-cased, up to the first "."
// plus ".rsd". Program files here usually have no extension, so a name without "." is taken
// whole; only a name that leaves nothing (".x") falls back to "Ressource.rsd".
std::string appendedArchiveName(const std::filesystem::path& program);

// The lesson name of a written archive: blanks, then the first "[...]" and the first "(...)"
// are removed from its file name, so "beruf (2)" and "beruf[neu]" both open the files of "beruf".
// The folder is kept as it is: it may legitimately contain blanks or brackets.
std::filesystem::path selfContainedLessonName(const std::filesystem::path& archivePath);

struct ExtractResult {
    bool found = false;  // the program carries an archive
    std::filesystem::path archivePath;
    std::filesystem::path lessonName;
    std::string error;  // the message to show before the program closes
};

// Writes the archive appended to program into workFolder under its archive name.
ExtractResult ExtractAppendedArchive(const std::filesystem::path& program,
                                     const std::filesystem::path& workFolder);

// For the main window's first activation: writes the appended archive and unpacks it into
// workFolder. False with error set when the program's archive cannot be written or read.
bool extractAppendedArchive(const std::filesystem::path& programPath,
                            const std::filesystem::path& workFolder, std::string& error);

struct BundleResult {
    std::string error;    // empty on success
    std::string warning;  // e.g. the archive lacks the lesson text the output's name calls for
};

// Writes output = program (without any archive it already carries) + archive + trailer, with
// the program's permissions. The output is replaced only when complete.
BundleResult bundleLesson(const std::filesystem::path& program,
                          const std::filesystem::path& archive,
                          const std::filesystem::path& output);

}  // namespace textaria::lesson
