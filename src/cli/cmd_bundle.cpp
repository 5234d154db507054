// textaria-cli bundle: a self-contained lesson program.
#include <cstdio>

#include "cli/cli_command.h"
#include "lesson/bundle.h"

namespace textaria::cli {

namespace {

constexpr const char* kHelp =
    "usage: textaria-cli bundle PROGRAM ARCHIVE OUT\n"
    "\n"
    "Writes OUT: a copy of PROGRAM (the textaria program) with the resource archive ARCHIVE\n"
    "appended. OUT starts straight into that lesson and offers no \"Laden\" button.\n"
    "The lesson text must be an archive member named after OUT: its file name, lower-cased,\n"
    "up to the first \".\", with blanks, the first [...] and the first (...) removed, plus\n"
    "\".rtf\" (OUT \"beruf\" or \"beruf (2)\" opens \"beruf.rtf\"); a warning says when it is "
    "missing.\n"
    "A PROGRAM that already carries a lesson gets the new one instead.\n"
    "\n"
    "Layout of OUT: the bare program (as far as its ELF headers reach), then the archive\n"
    "unchanged up to the end of the file.\n"
    "Exit status 0 on success, 1 when PROGRAM or ARCHIVE cannot be read or OUT not written.\n";

int run(const CommandArgs& args) {
    if (args.size() != 3)
        return fail("bundle", "takes PROGRAM, ARCHIVE and OUT (see --help)", kExitUsage);
    const lesson::BundleResult result = lesson::bundleLesson(args[0], args[1], args[2]);
    if (!result.error.empty()) return fail("bundle", result.error, kExitUnreadable);
    if (!result.warning.empty())
        std::fprintf(stderr, "textaria-cli bundle: %s\n", result.warning.c_str());
    return kExitOk;
}

const CommandRegistration registration({"bundle",
                                        "append a lesson archive to a copy of the program", kHelp,
                                        run});

}  // namespace

}  // namespace textaria::cli
