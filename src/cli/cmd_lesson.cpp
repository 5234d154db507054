// textaria-cli lesson: what the player makes of a lesson, as one JSON object.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
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
#include "platform/user_dialogs.h"
#include "player/page_script.h"
#include "player/protocol_json.h"
#include "player/texts.h"
#include "script/headless_run.h"

namespace textaria::cli {

namespace {

namespace fs = std::filesystem;
using namespace textaria::lesson;

constexpr const char* kHelp =
    "usage: textaria-cli lesson FILE [--seed N]\n"
    "\n"
    "Prints what the lesson player makes of a lesson as one JSON object: its kind (\"single\",\n"
    "\"list\" or \"menu\"), test and child mode, the page count and, per page, its number,\n"
    "title, media line, option markers, gap answers and gap error.\n"
    "FILE is an \".rtf\" lesson or an \".rsd\" archive; an archive is unpacked into a fresh\n"
    "temporary folder that is removed afterwards. For a project menu the pages are empty and\n"
    "\"projects\" lists the archive names its lines name.\n"
    "The script of a page with the option \"@\" runs first, as the player runs it (its values\n"
    "replace the page's placeholders, so random numbers make its gaps vary); --seed N seeds its\n"
    "random numbers, so that a run can be repeated. A page whose script does not run (no script\n"
    "file or section) or fails keeps its placeholders, with a note on stderr.\n"
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

// Runs the page scripts as the player does, with nobody at the dialogs and nothing drawn.
class ScriptPages {
  public:
    ScriptPages(const fs::path& scriptFile, std::optional<std::uint64_t> seed) {
        scripts_.setScriptFile(scriptFile.string());
        if (seed) scripts_.seed(*seed);
    }
    PageScriptOutcome operator()(int page, std::string_view text) {
        player::PageScriptServices services{nobody_, nobody_};
        player::PageScripts::Outcome outcome = scripts_.PreparePageScript(page, text, services);
        if (outcome.page.status == PageScriptStatus::NotRun)
            note(page, "no script for the page ran, its gaps stand as written");
        if (outcome.page.status == PageScriptStatus::Failed)
            note(page, "the page script failed, the page has no gaps: " + outcome.message);
        return outcome.page;
    }

  private:
    static void note(int page, std::string text) {
        for (char& c : text)
            if (c == '\r') c = ' ';
        std::fprintf(stderr, "textaria-cli lesson: page %d: %s\n", page, text.c_str());
    }
    player::PageScripts scripts_;
    script::ScriptedAnswers nobody_;
};

std::string describe(const std::string& text, int nestedArchives, ScriptPages& scripts) {
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
            const PreparedPage page = prepareListPage(body, span.number, std::ref(scripts));
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
    std::string file;
    std::optional<std::uint64_t> seed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--seed") {
            if (i + 1 == args.size()) return fail("lesson", "--seed needs a value", kExitUsage);
            seed = parseSeed(args[++i]);
            if (!seed) return fail("lesson", "--seed takes a whole number", kExitUsage);
        } else if (!file.empty()) {
            return fail("lesson", "takes exactly one FILE (see --help)", kExitUsage);
        } else {
            file = args[i];
        }
    }
    if (file.empty()) return fail("lesson", "takes exactly one FILE (see --help)", kExitUsage);
    TempFolder scratch("lesson");
    if (!scratch.ok()) return fail("lesson", "no temporary folder to unpack into", kExitUnreadable);
    const LessonOpenResult open =
        openLessonFile(file, scratch.path(), LessonContent::PlainTextOnly);
    if (!open.ok) return fail("lesson", open.error, kExitUnreadable);
    const UnpackResult& unpacked = open.lesson.unpacked;
    if (!unpacked.copyError.empty())
        return fail("lesson", file + ": " + unpacked.copyError, kExitUnreadable);
    std::error_code ec;
    ScriptPages scripts(
        fs::absolute(findCompanionFile(open.lesson.folder, open.lesson.baseName + "_m.txt"), ec),
        seed);
    const std::string json = describe(open.lesson.plainText, unpacked.NestedArchiveCount, scripts);
    return writeOutput("lesson", json);
}

const CommandRegistration registration({"lesson", "what the player makes of a lesson (JSON)", kHelp,
                                        run});

}  // namespace

}  // namespace textaria::cli
