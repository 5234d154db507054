// Unpacking an archive into a folder.
#include "lesson/archive.h"
#include "lesson/archive_io.h"
#include "lesson/texts.h"

namespace textaria::lesson {

namespace {

// Copies one member; returns an empty text or why unpacking has to stop.
std::string copyMember(InputFile& in, const ArchiveRecord& record,
                       const std::filesystem::path& folder, std::vector<char>& buffer) {
    if (record.size < 0)
        return texts::fillIn(texts::kMemberBadSize, {record.name, std::to_string(record.size)});
    const std::uint64_t position = record.readPosition();
    const auto size = static_cast<std::uint64_t>(record.size);
    // Checked up front, so a member that runs past the end never leaves a partial file.
    if (position > in.size() || size > in.size() - position)
        return texts::fillIn(texts::kMemberOutsideArchive,
                             {record.name, std::to_string(position), std::to_string(size),
                              std::to_string(in.size())});
    if (!in.seek(position))
        return texts::fillIn(texts::kMemberReadError, {record.name, systemReason()});

    const std::filesystem::path target = folder / record.name;
    TempOutput out;
    if (auto reason = out.open(target); !reason.empty())
        return texts::fillIn(texts::kMemberWriteError, {target.string(), reason});
    switch (copyBytes(in, out, size, buffer)) {
        case CopyFailure::Read:
            return texts::fillIn(texts::kMemberReadError, {record.name, in.lastError()});
        case CopyFailure::Write:
            return texts::fillIn(texts::kMemberWriteError, {target.string(), out.lastError()});
        case CopyFailure::None:
            break;
    }
    if (auto reason = out.commit(); !reason.empty())
        return texts::fillIn(texts::kMemberWriteError, {target.string(), reason});
    return {};
}

}  // namespace

UnpackResult UnpackArchive(const std::filesystem::path& archive,
                           const std::filesystem::path& targetFolder) {
    UnpackResult result;
    const std::filesystem::path path = targetFolder / archive;  // an absolute archive stays as is
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        result.archiveMissing = true;
        return result;
    }
    InputFile in;
    if (auto reason = in.open(path); !reason.empty()) {
        result.error = texts::fillIn(texts::kArchiveCannotOpen, {path.string(), reason});
        return result;
    }
    if (in.size() < kArchiveDirectorySize) {
        result.error = texts::fillIn(
            texts::kArchiveDirectoryShort,
            {path.string(), std::to_string(kArchiveDirectorySize), std::to_string(in.size())});
        return result;
    }
    // One buffer serves first the directory, then every member copy.
    std::vector<char> buffer(kArchiveDirectorySize);
    if (!in.readExactly(buffer.data(), kArchiveDirectorySize)) {
        result.error = texts::fillIn(texts::kArchiveReadError, {path.string(), in.lastError()});
        return result;
    }
    const std::vector<ArchiveRecord> records = parseArchiveDirectory(buffer);
    buffer.resize(kArchiveCopyBlock);

    for (const ArchiveRecord& record : records) {
        // Unsafe names are left out entirely: never written, and never counted as a nested
        // archive or as the external media file that would later be opened by name.
        std::string reason = record.nameLengthValid ? unsafeMemberNameReason(record.name)
                                                    : std::string(texts::kNameBadLength);
        if (!reason.empty()) {
            result.refused.push_back({record.slot, record.name, std::move(reason)});
            continue;
        }
        if (isNestedArchiveName(record.name)) ++result.NestedArchiveCount;
        if (IsExternalMedia(record.name)) {
            result.externalMedia = true;
            result.externalMediaName = record.name;
        }
        if (IsSkippedPicture(record.name)) {
            result.skippedPictures.push_back(record.name);
            continue;
        }
        result.copyError = copyMember(in, record, targetFolder, buffer);
        if (!result.copyError.empty()) break;
        result.written.push_back(record.name);
    }
    return result;
}

}  // namespace textaria::lesson
