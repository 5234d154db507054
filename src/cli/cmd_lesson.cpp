// textaria-cli lesson: what the player makes of a lesson, as one JSON object.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_command.h"
#include "lesson/archive.h"
#include "lesson/markup_pages.h"
#include "lesson/page_prep.h"
#include "lesson/project_list.h"
#include "platform/document_file.h"

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

// A fresh folder below the temporary folder, removed with its content.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::error_code ec;
        std::string pattern = (fs::temp_directory_path(ec) / "textaria-lesson-XXXXXX").string();
        if (!ec && ::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

std::string asciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return s;
}

// Archives made on other systems name their members in any case.
fs::path findInFolder(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::is_regular_file(folder / name, ec)) return folder / name;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (asciiLower(entry.path().filename().string()) == asciiLower(name)) return entry.path();
    return {};
}

struct LoadedLesson {
    std::string text;
    int nestedArchives = 0;
};

// Returns an empty text on success, else the reason.
std::string loadLesson(const fs::path& file, const fs::path& scratch, LoadedLesson& lesson) {
    std::error_code ec;
    if (!fs::exists(file, ec)) return file.string() + ": no such file";
    if (fs::is_directory(file, ec)) return file.string() + ": is a folder, not a lesson file";
    fs::path textFile = file;
    if (asciiLower(file.extension().string()) == ".rsd") {
        if (scratch.empty()) return file.string() + ": no temporary folder to unpack into";
        const UnpackResult unpacked = UnpackArchive(fs::absolute(file, ec), scratch);
        if (unpacked.archiveMissing) return file.string() + ": no such file";
        if (!unpacked.error.empty()) return file.string() + ": " + unpacked.error;
        if (!unpacked.copyError.empty()) return file.string() + ": " + unpacked.copyError;
        lesson.nestedArchives = unpacked.NestedArchiveCount;
        const std::string name = file.filename().string();
        const std::string base = name.substr(0, name.find('.'));
        textFile = findInFolder(scratch, base + ".rtf");
        if (textFile.empty()) return file.string() + ": the archive holds no " + base + ".rtf";
    }
    const platform::DocumentLoad load = platform::loadDocumentFile(textFile.string());
    if (!load.ok) return load.error;
    lesson.text = platform::plainText(load.text);
    return {};
}

// JSON string: quotes, backslashes and control characters escaped; bytes that are not UTF-8
// become U+FFFD, so the output is always valid.
void appendJsonString(std::string& out, std::string_view s) {
    out += '"';
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            switch (c) {
                case '"':
                    out += "\\\"";
                    break;
                case '\\':
                    out += "\\\\";
                    break;
                case '\n':
                    out += "\\n";
                    break;
                case '\r':
                    out += "\\r";
                    break;
                case '\t':
                    out += "\\t";
                    break;
                case '\b':
                    out += "\\b";
                    break;
                case '\f':
                    out += "\\f";
                    break;
                default:
                    if (c < 0x20) {
                        char buf[8];
                        std::snprintf(buf, sizeof buf, "\\u%04x", c);
                        out += buf;
                    } else {
                        out += static_cast<char>(c);
                    }
            }
            ++i;
            continue;
        }
        std::size_t len = c >= 0xF0 && c <= 0xF4  ? 4
                          : c >= 0xE0             ? 3
                          : c >= 0xC2 && c < 0xE0 ? 2
                                                  : 0;
        bool valid = len != 0 && i + len <= s.size();
        for (std::size_t k = 1; valid && k < len; ++k)
            valid = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        if (valid && len == 3) {
            const auto d = static_cast<unsigned char>(s[i + 1]);
            valid = !(c == 0xE0 && d < 0xA0) && !(c == 0xED && d >= 0xA0);  // overlong, surrogate
        }
        if (valid && len == 4) {
            const auto d = static_cast<unsigned char>(s[i + 1]);
            valid = !(c == 0xF0 && d < 0x90) && !(c == 0xF4 && d >= 0x90);
        }
        if (valid) {
            out.append(s.substr(i, len));
            i += len;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    out += '"';
}

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
    const fs::path file(args[0]);
    std::optional<ScratchFolder> scratch;
    if (asciiLower(file.extension().string()) == ".rsd") scratch.emplace();
    LoadedLesson lesson;
    const std::string error = loadLesson(file, scratch ? scratch->path() : fs::path(), lesson);
    if (!error.empty()) return fail("lesson", error, kExitUnreadable);
    const std::string json = describe(lesson.text, lesson.nestedArchives);
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() || std::fflush(stdout) != 0)
        return fail("lesson", "cannot write the output", kExitUnreadable);
    return kExitOk;
}

const CommandRegistration registration({"lesson", "what the player makes of a lesson (JSON)", kHelp,
                                        run});

}  // namespace

}  // namespace textaria::cli
