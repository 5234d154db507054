// textaria-cli check: the lesson linter for authors.
#include <cstdio>
#include <string>

#include "cli/cli_command.h"
#include "cli/temp_folder.h"
#include "lesson/lesson_check.h"
#include "player/page_script.h"

namespace textaria::cli {

namespace {

// A lesson with an error, like one that cannot be read, is not fit to give out.
constexpr int kExitErrorsFound = 1;

constexpr const char* kHelp =
    "usage: textaria-cli check LESSON...\n"
    "\n"
    "Reads each lesson (\".rtf\" with its files beside it, or an \".rsd\" archive, unpacked into\n"
    "a fresh temporary folder) as the player would and prints every problem an author can fix,\n"
    "one line each, in text order:\n"
    "\n"
    "    FILE:PAGE:LINE: error|warning: MESSAGE\n"
    "\n"
    "PAGE is the page number as the list page shows it (0 before the first title and for the\n"
    "archive as a whole), LINE the line of the lesson text as \"textaria-cli text\" prints it\n"
    "(0 for the archive as a whole).\n"
    "Errors are what a learner would meet as a failure: a gap error, a missing picture, sound,\n"
    "slide show, linked file, search.txt or page script file or section, text that is never\n"
    "shown, more than 20 gaps, a questionnaire page without its question line or answer gap,\n"
    "an archive member that is never unpacked or an archive without its lesson text.\n"
    "Warnings are what is probably a mistake: a title without its two-digit number, a number\n"
    "used twice or opening another page, option lines holding other characters, a \"#\" in the\n"
    "middle of a line, a lesson without a closing title, an empty page.\n"
    "The script of each page with the option \"@\" is run as the player runs it (nobody at its\n"
    "dialogs); a line it cannot read or a run that does not end is an error naming the line of\n"
    "the script file.\n"
    "Prints nothing for a clean lesson. Exit status 0 when no lesson has an error, 1 when one\n"
    "has or cannot be read (a message on stderr), 2 for a usage error.\n";

int run(const CommandArgs& args) {
    if (args.empty()) return fail("check", "needs at least one LESSON (see --help)", kExitUsage);
    for (const std::string& arg : args)
        if (arg.size() > 1 && arg[0] == '-')
            return fail("check", "unknown option " + arg + " (see --help)", kExitUsage);
    int status = kExitOk;
    for (const std::string& file : args) {
        // Each archive unpacks into its own folder, so lessons never see each other's files.
        TempFolder scratch("check");
        if (!scratch.ok())
            return fail("check", "no temporary folder to unpack into", kExitUnreadable);
        const lesson::LessonCheckReport report =
            lesson::checkLessonFile(file, scratch.path(), player::tryPageScript);
        for (const lesson::CheckFinding& finding : report.findings)
            std::printf("%s\n", lesson::formatFinding(file, finding).c_str());
        if (!report.unreadable.empty()) fail("check", report.unreadable, kExitUnreadable);
        if (report.hasErrors()) status = kExitErrorsFound;
    }
    if (std::fflush(stdout) != 0) return fail("check", "cannot write the output", kExitUnreadable);
    return status;
}

const CommandRegistration registration({"check", "the lesson linter for authors", kHelp, run});

}  // namespace

}  // namespace textaria::cli
