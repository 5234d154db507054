#include "lesson/bundle.h"

#include <algorithm>
#include <vector>

#include "lesson/archive.h"
#include "lesson/archive_io.h"
#include "lesson/archive_texts.h"

namespace textaria::lesson {

namespace fs = std::filesystem;

namespace {

std::uint64_t getUint64(const char* at) {
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i)
        value |= std::uint64_t{static_cast<unsigned char>(at[i])} << (8 * i);
    return value;
}

void putUint64(char* at, std::uint64_t value) {
    for (int i = 0; i < 8; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string asciiLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

// Removes the first part from open up to the following close, both included.
void removeFirstBracketed(std::string& text, char open, char close) {
    const auto start = text.find(open);
    if (start == std::string::npos) return;
    const auto end = text.find(close, start + 1);
    if (end == std::string::npos) return;
    text.erase(start, end - start + 1);
}

}  // namespace

std::optional<AppendedArchive> parseBundleTrailer(std::span<const char> tail,
                                                  std::uint64_t fileSize) {
    if (tail.size() < kBundleTrailerSize || fileSize < kBundleTrailerSize) return std::nullopt;
    const char* trailer = tail.data() + tail.size() - kBundleTrailerSize;
    if (std::string_view(trailer + 16, 8) != kBundleMagic) return std::nullopt;
    AppendedArchive found{getUint64(trailer), getUint64(trailer + 8)};
    const std::uint64_t room = fileSize - kBundleTrailerSize;
    // Both checked on their own so that huge values cannot wrap the sum around.
    if (found.offset > room || found.size != room - found.offset) return std::nullopt;
    if (found.size <= kMinAppendedArchiveSize) return std::nullopt;
    return found;
}

std::optional<AppendedArchive> findAppendedArchive(std::span<const char> programBytes) {
    return parseBundleTrailer(programBytes, programBytes.size());
}

std::optional<AppendedArchive> findAppendedArchive(const fs::path& program) {
    InputFile in;
    if (!in.open(program).empty() || in.size() < kBundleTrailerSize) return std::nullopt;
    char tail[kBundleTrailerSize];
    if (!in.seek(in.size() - kBundleTrailerSize) || !in.readExactly(tail, sizeof tail))
        return std::nullopt;
    return parseBundleTrailer(tail, in.size());
}

std::string appendedArchiveName(const fs::path& program) {
    const std::string name = asciiLower(program.filename().string());
    const std::string base = name.substr(0, name.find('.'));
    return (base.empty() ? std::string("Ressource") : base) + ".rsd";
}

fs::path selfContainedLessonName(const fs::path& archivePath) {
    std::string name = archivePath.filename().string();
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    removeFirstBracketed(name, '[', ']');
    removeFirstBracketed(name, '(', ')');
    return archivePath.parent_path() / name;
}

ExtractResult ExtractAppendedArchive(const fs::path& program, const fs::path& workFolder) {
    ExtractResult result;
    const auto appended = findAppendedArchive(program);
    if (!appended) return result;
    result.found = true;
    result.archivePath = workFolder / appendedArchiveName(program);
    result.lessonName = selfContainedLessonName(result.archivePath);

    InputFile in;
    TempOutput out;
    std::vector<char> buffer(kArchiveCopyBlock);
    const bool written = in.open(program).empty() && in.seek(appended->offset) &&
                         out.open(result.archivePath).empty() &&
                         copyBytes(in, out, appended->size, buffer) == CopyFailure::None &&
                         out.commit().empty();
    if (!written) result.error = texts::kAppendedArchiveWriteError;
    return result;
}

bool extractAppendedArchive(const fs::path& programPath, const fs::path& workFolder,
                            std::string& error) {
    const ExtractResult extracted = ExtractAppendedArchive(programPath, workFolder);
    if (!extracted.error.empty()) {
        error = extracted.error;
        return false;
    }
    if (!extracted.found) return true;
    const UnpackResult unpacked = UnpackArchive(extracted.archivePath, workFolder);
    if (!unpacked.error.empty()) {
        error = unpacked.error;
        return false;
    }
    return true;
}

BundleResult bundleLesson(const fs::path& program, const fs::path& archive,
                          const fs::path& output) {
    BundleResult result;
    InputFile bare;
    if (auto reason = bare.open(program); !reason.empty()) {
        result.error = texts::fillIn(texts::kBundleProgramUnreadable, {program.string(), reason});
        return result;
    }
    // Bundling a self-contained program again replaces its lesson.
    const auto previous = findAppendedArchive(program);
    const std::uint64_t bareSize = previous ? previous->offset : bare.size();

    const ArchiveDirectoryRead directory = readArchiveDirectory(archive);
    if (!directory.ok()) {
        result.error = directory.error;
        return result;
    }
    const std::string lessonText =
        selfContainedLessonName(appendedArchiveName(output)).stem().string() + ".rtf";
    const bool hasLessonText =
        std::any_of(directory.records.begin(), directory.records.end(),
                    [&](const ArchiveRecord& r) { return r.name == lessonText; });
    if (!hasLessonText)
        result.warning =
            texts::fillIn(texts::kBundleLessonMissing, {lessonText, output.filename().string()});

    InputFile lesson;
    if (auto reason = lesson.open(archive); !reason.empty()) {
        result.error = texts::fillIn(texts::kArchiveCannotOpen, {archive.string(), reason});
        return result;
    }
    char trailer[kBundleTrailerSize];
    putUint64(trailer, bareSize);
    putUint64(trailer + 8, lesson.size());
    std::copy(kBundleMagic.begin(), kBundleMagic.end(), trailer + 16);

    TempOutput out;
    if (auto reason = out.open(output); !reason.empty()) {
        result.error = texts::fillIn(texts::kCannotWrite, {output.string(), reason});
        return result;
    }
    std::vector<char> buffer(kArchiveCopyBlock);
    CopyFailure failure = copyBytes(bare, out, bareSize, buffer);
    if (failure == CopyFailure::Read) {
        result.error =
            texts::fillIn(texts::kBundleProgramUnreadable, {program.string(), bare.lastError()});
        return result;
    }
    if (failure == CopyFailure::None) failure = copyBytes(lesson, out, lesson.size(), buffer);
    if (failure == CopyFailure::Read) {
        result.error =
            texts::fillIn(texts::kArchiveReadError, {archive.string(), lesson.lastError()});
        return result;
    }
    if (failure == CopyFailure::Write || !out.write(trailer, sizeof trailer)) {
        result.error = texts::fillIn(texts::kCannotWrite, {output.string(), out.lastError()});
        return result;
    }
    std::error_code ec;
    auto perms = fs::status(program, ec).permissions();
    if (ec)
        perms = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                fs::perms::others_read | fs::perms::others_exec;
    if (auto reason = out.commit(perms | fs::perms::owner_exec); !reason.empty())
        result.error = texts::fillIn(texts::kCannotWrite, {output.string(), reason});
    return result;
}

}  // namespace textaria::lesson
