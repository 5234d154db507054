// Resource archives (".rsd"): one file that carries a lesson's text, pictures, sounds and scripts.
//
// Layout (little-endian, names and comments in code page 1252): a fixed directory of 672,224
// bytes made of 234-byte records, followed by the members' bytes at the positions their records
// name. Record: name length (1), name (32), comment length (1), comment (184), size (int64),
// position from the archive start (int64, only its low 32 bits are used when reading).
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::lesson {

inline constexpr std::size_t kArchiveRecordSize = 234;
inline constexpr std::size_t kArchiveDirectorySize = 672'224;
// The reader's slot table is larger than the directory; slots past its end simply stay free.
inline constexpr std::size_t kArchiveSlotCount = 3'001;
// Record 2872 is cut off by the end of the directory and must stay free.
inline constexpr std::size_t kArchiveMaxMembers = 2'872;
inline constexpr std::size_t kArchiveNameMax = 32;
inline constexpr std::size_t kArchiveCommentMax = 184;
inline constexpr std::size_t kArchiveCopyBlock = 262'144;

// An occupied directory record.
struct ArchiveRecord {
    std::size_t slot = 0;
    std::string rawName;  // code page 1252 bytes, blanks trimmed
    std::string name;     // the same name in UTF-8
    std::string comment;  // UTF-8
    std::int64_t size = 0;
    std::int64_t position = 0;    // as stored
    bool nameLengthValid = true;  // false when the length byte claimed more than 32 characters

    // Readers honour only the low 32 bits of the stored position.
    std::uint64_t readPosition() const { return static_cast<std::uint32_t>(position); }
};

// Occupied records of a directory area, in slot order. Bytes missing at the end count as zero,
// so a short buffer yields only the records it fully names.
std::vector<ArchiveRecord> parseArchiveDirectory(std::span<const char> directory);

struct ArchiveDirectoryRead {
    bool missing = false;  // the archive file does not exist
    std::string error;     // non-empty when the directory could not be read
    std::vector<ArchiveRecord> records;
    std::uint64_t fileSize = 0;

    bool ok() const { return !missing && error.empty(); }
};

// Reads the directory area in one piece. A file shorter than the directory is unreadable.
ArchiveDirectoryRead readArchiveDirectory(const std::filesystem::path& archive);

// Name rules, applied to the lower-cased, trimmed name.
bool IsExternalMedia(std::string_view name);
bool IsSkippedPicture(std::string_view name);
bool isNestedArchiveName(std::string_view name);

// Why a member name must not become a file in the target folder (folder separators of either
// kind, "." or "..", drive or stream colons, control characters, a name too long for a record),
// or an empty text when it is a plain file name. Takes the UTF-8 name.
std::string unsafeMemberNameReason(std::string_view name);

struct RefusedMember {
    std::size_t slot = 0;
    std::string name;  // UTF-8, may hold the control characters that made it unsafe
    std::string reason;
};

struct UnpackResult {
    bool archiveMissing = false;       // nothing was done
    std::string error;                 // directory unreadable: nothing was written
    std::string copyError;             // unpacking stopped here; earlier members stay written
    std::vector<std::string> written;  // member names written, in order
    std::vector<std::string> skippedPictures;  // title and background pictures, by design
    std::vector<RefusedMember> refused;        // unsafe names, never written
    int NestedArchiveCount = 0;
    bool externalMedia = false;
    std::string externalMediaName;

    bool complete() const { return !archiveMissing && error.empty() && copyError.empty(); }
};

// Writes every member of the archive into targetFolder. A relative archive path is taken inside
// targetFolder. Each member goes to a temporary file that is renamed only when complete.
UnpackResult UnpackArchive(const std::filesystem::path& archive,
                           const std::filesystem::path& targetFolder);

// A member to pack: its name in the archive (UTF-8) and the file that holds its bytes.
struct PackMember {
    std::string name;
    std::filesystem::path source;
    std::string comment;  // UTF-8, at most 184 characters in code page 1252
};

// Writes an archive with the members in the given order, stored one after another from the end
// of the directory. Returns an empty text on success, else what went wrong; the output file is
// replaced only when the new archive is complete.
std::string writeArchive(const std::filesystem::path& output,
                         const std::vector<PackMember>& members);

}  // namespace textaria::lesson
