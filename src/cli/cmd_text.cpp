// textaria-cli text: the plain text of a lesson document.
#include <cstdio>

#include "cli/cli_command.h"
#include "platform/document_file.h"

namespace textaria::cli {

namespace {

constexpr const char* kHelp =
    "usage: textaria-cli text FILE\n"
    "\n"
    "Prints the plain text of FILE as the lesson player sees it: lines separated by CR LF,\n"
    "UTF-8. FILE is read as RTF when it begins with \"{\\rtf\"; any other file is plain text\n"
    "(UTF-8 when it is valid UTF-8, else Windows code page 1252).\n"
    "In RTF each paragraph is one line; table cells are separated by a tab, one line per row;\n"
    "hidden text, headers, footers, footnotes and pictures are left out.\n"
    "Exit status 0 on success, 1 when FILE cannot be read, 2 for a usage error.\n";

int run(const CommandArgs& args) {
    if (args.size() != 1) return fail("text", "takes exactly one FILE (see --help)", kExitUsage);
    const platform::PlainTextLoad load = platform::loadDocumentPlainText(args[0]);
    if (!load.ok) return fail("text", load.error, kExitUnreadable);
    return writeOutput("text", load.text);
}

const CommandRegistration registration({"text", "print the plain text of a lesson document", kHelp,
                                        run});

}  // namespace

}  // namespace textaria::cli
