// textaria-cli lesson: what the player makes of a lesson, as one JSON object.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_command.h"
#include "cli/temp_folder.h"
#include "lesson/lesson_file.h"
#include "lesson/markup_pages.h"
#include "lesson/page_prep.h"
#include "lesson/project_list.h"
#include "platform/codepage.h"
#include "player/protocol_json.h"

namespace textaria::cli {

namespace {

namespace fs = std::filesystem;
using namespace textaria::lesson;

constexpr const char* kHelp =
    "usage: textaria-cli lesson FILE\n"
    "\n"
    "Prints what the lesson player makes of a lesson as one JSON object: its kind (\"single\",\n"
    "\"list\" or \"menu\"), test and child mode, the page count and, per page, its number,\n"
    "title, media line, option markers, gap answers and gap error.\n"
    "FILE is an \".rtf\" lesson or an \".rsd\" archive; an archive is unpacked into a fresh\n"
    "temporary folder that is removed afterwards. For a project menu the pages are empty and\n"
    "\"projects\" lists the archive names its lines name.\n"
    "Page scripts (option \"@\") are not run: their gaps are reported as the text writes them,\n"
    "with a note on stderr.\n"
    "Exit status 0 on success, 1 when FILE cannot be read, 2 for a usage error.\n";

// JSON string: quotes, backslashes and control characters escaped; bytes that are not UTF-8
// become U+FFFD, so the output is always valid.
void appendJsonString(std::string& out, std::string_view s) { out += player::jsonString(s); }

template <typename Range>
void appendJsonStrings(std::string& out, const Range& items) {
    out += '[';
    bool first = true;
    for (const auto& item : items) {
        if (!first) out += ", ";
        first = false;
        appendJsonString(out, item);
    }
    out += ']';
}

void appendPage(std::string& out, int number, std::string_view title, std::string_view media,
                const PreparedPage& page) {
    out += "    {\"number\": " + std::to_string(number) + ", \"title\": ";
    appendJsonString(out, title);
    out += ", \"media\": ";
    appendJsonString(out, media);
    out += ", \"options\": ";
    appendJsonStrings(out, page.options.names());
    std::vector<std::string> answers;
    for (const GapEntry& gap : page.gaps.entries) answers.push_back(gap.answer);
    out += ", \"gaps\": ";
    appendJsonStrings(out, answers);
    out += ", \"gapError\": ";
    if (page.gapError == GapError::None)
        out += "null";
    else
        appendJsonString(out, gapErrorMessage(page.gapError));
    out += '}';
}

std::string describe(const std::string& text, int nestedArchives) {
    const LessonKind kind = classifyLesson(text, nestedArchives);
    std::string out = "{\n  \"kind\": ";
    std::vector<std::string> pages;

    if (kind == LessonKind::List) {
        const PageList list = splitPages(text);
        out += "\"list\",\n  \"testMode\": ";
        out += list.TestMode ? "true" : "false";
        out += ", \"childMode\": ";
        out += list.ChildMode ? "true" : "false";
        out += ",\n  \"pageCount\": " + std::to_string(list.PageCount) + ",\n  \"pages\": [";
        for (const PageSpan& span : list.pages) {
            const std::string_view body =
                std::string_view(text).substr(span.body.begin, span.body.end - span.body.begin);
            // No page script runs here: an "@" page keeps its placeholders.
            const PreparedPage page = prepareListPage(body, span.number);
            if (page.options.has(Marker::Script) && !page.readingPage)
                std::fprintf(stderr,
                             "textaria-cli lesson: page %d: page script not run, its gaps stand "
                             "as written\n",
                             span.number);
            out += span.number == 1 ? "\n" : ",\n";
            appendPage(out, span.number, span.title, span.media.line, page);
        }
        out += list.pages.empty() ? "]\n}\n" : "\n  ]\n}\n";
        return out;
    }
    if (kind == LessonKind::Menu) {
        // A menu is not paged: no page can be shown until a project is picked.
        out +=
            "\"menu\",\n  \"testMode\": false, \"childMode\": false,\n  \"pageCount\": 0,\n"
            "  \"pages\": [],\n  \"projects\": ";
        appendJsonStrings(out, menuProjects(text));
        out += "\n}\n";
        return out;
    }
    out +=
        "\"single\",\n  \"testMode\": false, \"childMode\": false,\n  \"pageCount\": 2,\n"
        "  \"pages\": [\n";
    appendPage(out, 1, "", "", prepareSingleText(text));
    out += "\n  ]\n}\n";
    return out;
}

int run(const CommandArgs& args) {
    if (args.size() != 1) return fail("lesson", "takes exactly one FILE (see --help)", kExitUsage);
    TempFolder scratch("lesson");
    if (!scratch.ok()) return fail("lesson", "no temporary folder to unpack into", kExitUnreadable);
    const LessonOpenResult open =
        openLessonFile(args[0], scratch.path(), LessonContent::PlainTextOnly);
    if (!open.ok) return fail("lesson", open.error, kExitUnreadable);
    const UnpackResult& unpacked = open.lesson.unpacked;
    if (!unpacked.copyError.empty())
        return fail("lesson", args[0] + ": " + unpacked.copyError, kExitUnreadable);
    const std::string json = describe(open.lesson.plainText, unpacked.NestedArchiveCount);
    return writeOutput("lesson", json);
}

const CommandRegistration registration({"lesson", "what the player makes of a lesson (JSON)", kHelp,
                                        run});

}  // namespace

}  // namespace textaria::cli
