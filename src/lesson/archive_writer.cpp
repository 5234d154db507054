// Writing an archive: the full directory, then the members one after another.
#include <cerrno>
#include <set>

#include "lesson/archive.h"
#include "lesson/archive_io.h"
#include "lesson/texts.h"
#include "platform/codepage.h"

namespace textaria::lesson {

namespace {

struct PreparedMember {
    std::string rawName;
    std::string rawComment;
    std::uint64_t size = 0;
    std::uint64_t position = 0;
};

void putInt64(char* at, std::uint64_t value) {
    for (int i = 0; i < 8; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putRecord(std::vector<char>& directory, std::size_t slot, const std::string& name,
               const std::string& comment, std::uint64_t size, std::uint64_t position) {
    char* record = directory.data() + slot * kArchiveRecordSize;
    record[0] = static_cast<char>(name.size());
    std::copy(name.begin(), name.end(), record + 1);
    record[33] = static_cast<char>(comment.size());
    std::copy(comment.begin(), comment.end(), record + 34);
    putInt64(record + 218, size);
    putInt64(record + 226, position);
}

// Why name cannot be stored so that a reader gives back the same plain file name.
std::string nameProblem(const std::string& name, const std::string& raw, bool lossless) {
    if (auto reason = unsafeMemberNameReason(name); !reason.empty()) return reason;
    if (!lossless) return texts::kNameNotCp1252;
    if (raw.size() > kArchiveNameMax) return texts::kNameTooLong;
    // Readers trim blanks and take "0" for a free record.
    if (raw.front() == ' ' || raw.back() == ' ') return texts::kNameBlankEdge;
    if (raw == "0") return texts::kNameReserved;
    return {};
}

}  // namespace

std::string writeArchive(const std::filesystem::path& output,
                         const std::vector<PackMember>& members) {
    if (members.size() > kArchiveMaxMembers)
        return texts::fillIn(texts::kPackTooManyMembers,
                             {std::to_string(members.size()), std::to_string(kArchiveMaxMembers)});
    std::vector<PreparedMember> prepared;
    std::set<std::string> seen;
    std::uint64_t position = kArchiveDirectorySize;
    for (const PackMember& member : members) {
        PreparedMember p;
        bool lossless = true;
        p.rawName = platform::utf8ToCp1252(member.name, &lossless);
        if (auto problem = nameProblem(member.name, p.rawName, lossless); !problem.empty())
            return texts::fillIn(texts::kPackBadName, {member.name, problem});
        if (!seen.insert(p.rawName).second)
            return texts::fillIn(texts::kPackDuplicateName, {member.name});
        p.rawComment = platform::utf8ToCp1252(member.comment);
        if (p.rawComment.size() > kArchiveCommentMax)
            return texts::fillIn(texts::kPackCommentTooLong, {member.name});
        std::error_code ec;
        if (std::filesystem::is_directory(member.source, ec))
            return texts::fillIn(texts::kPackCannotRead,
                                 {member.source.string(), std::generic_category().message(EISDIR)});
        p.size = std::filesystem::file_size(member.source, ec);
        if (ec)
            return texts::fillIn(texts::kPackCannotRead, {member.source.string(), ec.message()});
        // Readers use only the low 32 bits of a position.
        if (position > 0xFFFF'FFFFu) return texts::fillIn(texts::kPackTooLarge, {member.name});
        p.position = position;
        position += p.size;
        prepared.push_back(std::move(p));
    }

    std::vector<char> directory(kArchiveDirectorySize, 0);
    for (std::size_t slot = 0; slot <= kArchiveMaxMembers; ++slot) {
        if (slot < prepared.size()) {
            const PreparedMember& p = prepared[slot];
            putRecord(directory, slot, p.rawName, p.rawComment, p.size, p.position);
        } else {
            // Free record; the last one is cut short by the end of the directory.
            directory[slot * kArchiveRecordSize] = 1;
            directory[slot * kArchiveRecordSize + 1] = '0';
        }
    }

    TempOutput out;
    if (auto reason = out.open(output); !reason.empty())
        return texts::fillIn(texts::kCannotWrite, {output.string(), reason});
    if (!out.write(directory.data(), directory.size()))
        return texts::fillIn(texts::kCannotWrite, {output.string(), out.lastError()});
    std::vector<char> buffer(kArchiveCopyBlock);
    for (std::size_t i = 0; i < members.size(); ++i) {
        InputFile in;
        if (auto reason = in.open(members[i].source); !reason.empty())
            return texts::fillIn(texts::kPackCannotRead, {members[i].source.string(), reason});
        // A source that shrank since it was measured fails here instead of shifting members.
        switch (copyBytes(in, out, prepared[i].size, buffer)) {
            case CopyFailure::Read:
                return texts::fillIn(texts::kPackCannotRead,
                                     {members[i].source.string(), in.lastError()});
            case CopyFailure::Write:
                return texts::fillIn(texts::kCannotWrite, {output.string(), out.lastError()});
            case CopyFailure::None:
                break;
        }
    }
    if (auto reason = out.commit(); !reason.empty())
        return texts::fillIn(texts::kCannotWrite, {output.string(), reason});
    return {};
}

}  // namespace textaria::lesson
