// Reading the directory area of an archive and the rules on member names.
#include <algorithm>

#include "lesson/archive.h"
#include "lesson/archive_io.h"
#include "lesson/texts.h"
#include "platform/codepage.h"
#include "platform/text_helpers.h"

namespace textaria::lesson {

namespace {

constexpr std::size_t kNameOffset = 1;
constexpr std::size_t kCommentLengthOffset = 33;
constexpr std::size_t kCommentOffset = 34;
constexpr std::size_t kSizeOffset = 218;
constexpr std::size_t kPositionOffset = 226;

// A record viewed through the reader's zero-initialised slot: bytes past the data read are 0.
class SlotView {
  public:
    SlotView(std::span<const char> directory, std::size_t slot)
        : data_(directory), base_(slot * kArchiveRecordSize) {}

    unsigned char byte(std::size_t offset) const {
        const std::size_t at = base_ + offset;
        return at < data_.size() ? static_cast<unsigned char>(data_[at]) : 0;
    }
    std::string text(std::size_t offset, std::size_t count) const {
        std::string out;
        for (std::size_t i = 0; i < count; ++i) out += static_cast<char>(byte(offset + i));
        return out;
    }
    std::int64_t int64(std::size_t offset) const {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < 8; ++i) value |= std::uint64_t{byte(offset + i)} << (8 * i);
        return static_cast<std::int64_t>(value);
    }

  private:
    std::span<const char> data_;
    std::size_t base_;
};

std::string trimBlanks(std::string_view text) { return std::string(platform::trimOf(text, " ")); }

std::string lowerTrimmed(std::string_view name) {
    return platform::asciiLowerCase(trimBlanks(name));
}

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

std::vector<ArchiveRecord> parseArchiveDirectory(std::span<const char> directory) {
    std::vector<ArchiveRecord> records;
    for (std::size_t slot = 0; slot < kArchiveSlotCount; ++slot) {
        if (slot * kArchiveRecordSize >= directory.size()) break;  // the rest of the slots is zero
        const SlotView view(directory, slot);
        const std::size_t length = view.byte(0);
        const bool lengthValid = length <= kArchiveNameMax;
        std::string raw = trimBlanks(view.text(kNameOffset, std::min(length, kArchiveNameMax)));
        if (raw.empty() || raw == "0") continue;

        ArchiveRecord record;
        record.slot = slot;
        record.nameLengthValid = lengthValid;
        record.name = platform::cp1252ToUtf8(raw);
        record.rawName = std::move(raw);
        const std::size_t commentLength =
            std::min<std::size_t>(view.byte(kCommentLengthOffset), kArchiveCommentMax);
        record.comment = platform::cp1252ToUtf8(view.text(kCommentOffset, commentLength));
        record.size = view.int64(kSizeOffset);
        record.position = view.int64(kPositionOffset);
        records.push_back(std::move(record));
    }
    return records;
}

ArchiveDirectoryRead readArchiveDirectory(const std::filesystem::path& archive) {
    ArchiveDirectoryRead result;
    std::error_code ec;
    if (!std::filesystem::exists(archive, ec)) {
        result.missing = true;
        result.error = texts::fillIn(texts::kArchiveNotFound, {archive.string()});
        return result;
    }
    InputFile in;
    if (auto reason = in.open(archive); !reason.empty()) {
        result.error = texts::fillIn(texts::kArchiveCannotOpen, {archive.string(), reason});
        return result;
    }
    result.fileSize = in.size();
    if (in.size() < kArchiveDirectorySize) {
        result.error = texts::fillIn(
            texts::kArchiveDirectoryShort,
            {archive.string(), std::to_string(kArchiveDirectorySize), std::to_string(in.size())});
        return result;
    }
    std::vector<char> directory(kArchiveDirectorySize);
    if (!in.readExactly(directory.data(), directory.size())) {
        result.error = texts::fillIn(texts::kArchiveReadError, {archive.string(), in.lastError()});
        return result;
    }
    result.records = parseArchiveDirectory(directory);
    return result;
}

bool IsExternalMedia(std::string_view name) {
    const std::string lower = lowerTrimmed(name);
    for (const char* ext : {".avi", ".wmv", ".mpg", ".mp4", ".mov", ".flv", ".pdf"})
        if (contains(lower, ext)) return true;
    return false;
}

bool IsSkippedPicture(std::string_view name) {
    const std::string lower = lowerTrimmed(name);
    return contains(lower, ".jpg") && (contains(lower, "titel") || contains(lower, "backgraph"));
}

bool isNestedArchiveName(std::string_view name) {
    const std::string lower = lowerTrimmed(name);
    const auto dot = lower.rfind('.');
    return dot != std::string::npos && lower.substr(dot) == ".rsd";
}

std::string unsafeMemberNameReason(std::string_view name) {
    if (name.empty()) return texts::kNameEmpty;
    std::size_t pos = 0;
    while (pos < name.size()) {
        const char32_t c = platform::nextUtf8(name, pos);
        // C0 and C1 controls, DEL, and bytes that are not UTF-8 at all.
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFD) return texts::kNameHasControl;
    }
    if (name.find_first_of("/\\") != std::string_view::npos) return texts::kNameHasSeparator;
    if (name == "." || name == "..") return texts::kNameIsDotFolder;
    // "C:x" is relative to drive C's current folder; "a:b" names a data stream on NTFS.
    if (name.find(':') != std::string_view::npos) return texts::kNameHasColon;
    return {};
}

}  // namespace textaria::lesson
