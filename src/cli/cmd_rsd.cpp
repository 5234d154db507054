// textaria-cli rsd: list, unpack and pack resource archives.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "cli/cli_command.h"
#include "cli/pack_lesson_name.h"
#include "lesson/archive.h"
#include "lesson/texts.h"
#include "platform/text_helpers.h"

namespace textaria::cli {

namespace {

namespace fs = std::filesystem;
using lesson::ArchiveDirectoryRead;

constexpr const char* kHelp =
    "usage: textaria-cli rsd list ARCHIVE\n"
    "       textaria-cli rsd unpack ARCHIVE DIR\n"
    "       textaria-cli rsd pack ARCHIVE FILE...\n"
    "\n"
    "list    prints one line per occupied directory record: the member name (UTF-8), a TAB\n"
    "        and the member size in bytes. Control characters in a name are shown as \\xNN.\n"
    "unpack  writes the members into DIR (created when missing) as the player does: title and\n"
    "        background pictures (names with \".jpg\" and \"titel\" or \"backgraph\") are left "
    "out.\n"
    "        Names that could leave DIR (folder separators, \".\" or \"..\", drive colons,\n"
    "        control characters) are never written; each is reported on stderr. Exit status 0\n"
    "        when everything else was written, 1 when the archive cannot be read or a member\n"
    "        lies outside it (members before it stay written).\n"
    "pack    writes ARCHIVE with the FILEs as members, in the given order, each under its file\n"
    "        name (code page 1252, at most 32 characters). ARCHIVE is replaced only when "
    "complete.\n"
    "        The player reads the lesson text of NAME.rsd from its member NAME.rtf (NAME: the\n"
    "        archive's name up to its first \".\"); pack warns on stderr when there is none.\n";

// Names are printed on one line each, so anything that could break the line is made visible.
std::string printableName(const std::string& name) { return platform::escapeControls(name); }

int list(const CommandArgs& args) {
    if (args.size() != 2) return fail("rsd", "list takes one ARCHIVE (see --help)", kExitUsage);
    const ArchiveDirectoryRead directory = lesson::readArchiveDirectory(args[1]);
    if (!directory.ok()) return fail("rsd", directory.error, kExitUnreadable);
    for (const lesson::ArchiveRecord& record : directory.records)
        std::printf("%s\t%lld\n", printableName(record.name).c_str(),
                    static_cast<long long>(record.size));
    return kExitOk;
}

int unpack(const CommandArgs& args) {
    if (args.size() != 3)
        return fail("rsd", "unpack takes ARCHIVE and DIR (see --help)", kExitUsage);
    std::error_code ec;
    const fs::path archive = fs::absolute(args[1], ec);
    const fs::path folder = args[2];
    const ArchiveDirectoryRead directory = lesson::readArchiveDirectory(archive);
    if (!directory.ok()) return fail("rsd", directory.error, kExitUnreadable);
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder))
        return fail("rsd", "cannot create folder " + folder.string() + ": " + ec.message(),
                    kExitUnreadable);

    const lesson::UnpackResult result = lesson::UnpackArchive(archive, folder);
    for (const lesson::RefusedMember& refused : result.refused)
        std::fprintf(stderr, "textaria-cli rsd: %s\n",
                     lesson::texts::fillIn(lesson::texts::kMemberRefused,
                                           {printableName(refused.name), refused.reason})
                         .c_str());
    if (result.archiveMissing)
        return fail("rsd",
                    lesson::texts::fillIn(lesson::texts::kArchiveNotFound, {archive.string()}),
                    kExitUnreadable);
    if (!result.error.empty()) return fail("rsd", result.error, kExitUnreadable);
    if (!result.copyError.empty()) return fail("rsd", result.copyError, kExitUnreadable);
    return kExitOk;
}

int pack(const CommandArgs& args) {
    if (args.size() < 3)
        return fail("rsd", "pack takes ARCHIVE and FILE... (see --help)", kExitUsage);
    std::vector<lesson::PackMember> members;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const fs::path source = args[i];
        members.push_back({source.filename().string(), source, {}});
    }
    const std::string error = lesson::writeArchive(args[1], members);
    if (!error.empty()) return fail("rsd", error, kExitUnreadable);
    std::vector<std::string> names;
    for (const lesson::PackMember& member : members) names.push_back(member.name);
    const std::string warning = lessonTextNameWarning(fs::path(args[1]).filename().string(), names);
    if (!warning.empty()) std::fprintf(stderr, "textaria-cli rsd: %s\n", warning.c_str());
    return kExitOk;
}

int run(const CommandArgs& args) {
    if (args.empty())
        return fail("rsd", "missing action: list, unpack or pack (see --help)", kExitUsage);
    if (args[0] == "list") return list(args);
    if (args[0] == "unpack") return unpack(args);
    if (args[0] == "pack") return pack(args);
    return fail("rsd", "unknown action '" + args[0] + "' (see --help)", kExitUsage);
}

const CommandRegistration registration({"rsd", "list, unpack or pack resource archives (.rsd)",
                                        kHelp, run});

}  // namespace

}  // namespace textaria::cli
