#include "lesson/bundle.h"

#include <algorithm>
#include <vector>

#include "lesson/archive.h"
#include "lesson/archive_io.h"
#include "lesson/texts.h"

namespace textaria::lesson {

namespace fs = std::filesystem;

namespace {

// Enough of a program file's start for its ELF header and program headers.
constexpr std::size_t kProgramHeadSize = 64 * 1024;

std::optional<std::vector<char>> readHead(InputFile& in) {
    std::vector<char> head(
        static_cast<std::size_t>(std::min<std::uint64_t>(in.size(), kProgramHeadSize)));
    if (!in.seek(0) || !in.readExactly(head.data(), head.size())) return std::nullopt;
    return head;
}

std::optional<AppendedArchive> appendedArchiveOf(const std::vector<char>& head,
                                                 std::uint64_t fileSize) {
    const std::uint64_t bare = bareProgramSize(head);
    if (!carriesArchive(fileSize, bare)) return std::nullopt;
    return AppendedArchive{bare, fileSize - bare};
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

std::optional<AppendedArchive> findAppendedArchive(std::span<const char> programBytes) {
    const std::size_t headSize = std::min(programBytes.size(), kProgramHeadSize);
    return appendedArchiveOf(
        std::vector<char>(programBytes.begin(), programBytes.begin() + headSize),
        programBytes.size());
}

std::optional<AppendedArchive> findAppendedArchive(const fs::path& program) {
    InputFile in;
    if (!in.open(program).empty()) return std::nullopt;
    const auto head = readHead(in);
    if (!head) return std::nullopt;
    return appendedArchiveOf(*head, in.size());
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
    result.archivePath = workFolder / appendedArchiveName(program.string());
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

ExtractResult ExtractAppendedArchive(ProgramFileFacts& facts, const fs::path& workFolder) {
    ExtractResult result;
    const std::vector<char>& bytes = facts.programBytes;
    if (!facts.ArchiveAppended || facts.AppendedArchiveOffset >= bytes.size()) return result;
    result.found = true;
    result.archivePath = workFolder / facts.archiveName;
    result.lessonName = selfContainedLessonName(result.archivePath);

    TempOutput out;
    const auto offset = static_cast<std::size_t>(facts.AppendedArchiveOffset);
    const bool written = out.open(result.archivePath).empty() &&
                         out.write(bytes.data() + offset, bytes.size() - offset) &&
                         out.commit().empty();
    if (!written) result.error = texts::kAppendedArchiveWriteError;
    std::vector<char>().swap(facts.programBytes);
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
    const auto head = readHead(bare);
    if (!head) {
        result.error =
            texts::fillIn(texts::kBundleProgramUnreadable, {program.string(), bare.lastError()});
        return result;
    }
    // Only an ELF program tells where it ends; bundling a self-contained program again drops
    // the lesson it carries.
    const std::optional<std::uint64_t> elfSize = elfProgramSize(*head);
    const std::uint64_t bareSize = elfSize.value_or(0);
    if (!elfSize || bareSize > bare.size()) {
        result.error = texts::fillIn(texts::kBundleNotAProgram, {program.string()});
        return result;
    }

    const ArchiveDirectoryRead directory = readArchiveDirectory(archive);
    if (!directory.ok()) {
        result.error = directory.error;
        return result;
    }
    const std::string lessonText =
        selfContainedLessonName(appendedArchiveName(output.string())).stem().string() + ".rtf";
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
    TempOutput out;
    if (auto reason = out.open(output); !reason.empty()) {
        result.error = texts::fillIn(texts::kCannotWrite, {output.string(), reason});
        return result;
    }
    std::vector<char> buffer(kArchiveCopyBlock);
    CopyFailure failure = bare.seek(0) ? copyBytes(bare, out, bareSize, buffer) : CopyFailure::Read;
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
    if (failure == CopyFailure::Write) {
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
