// The linter's look at the files a lesson names: title line media, links in the text, page
// scripts, image regions and the projects of a menu.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "lesson/lesson_check_context.h"
#include "lesson/lesson_check_texts.h"
#include "lesson/lesson_file.h"
#include "lesson/markup_regions.h"
#include "lesson/markup_script.h"
#include "lesson/markup_targets.h"
#include "lesson/project_list.h"
#include "lesson/texts.h"

namespace textaria::lesson::check_detail {

namespace fs = std::filesystem;
using texts::fillIn;
namespace msg = check_texts;

CheckContext::CheckContext(const CheckedLesson& lesson, std::vector<CheckFinding>& out)
    : lesson_(lesson), out_(out) {
    for (const LineSpan& line : splitLines(lesson.text)) lineStarts_.push_back(line.begin);
}

int CheckContext::lineAt(std::size_t offset) const {
    const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    return std::max(1, static_cast<int>(it - lineStarts_.begin()));
}

void CheckContext::add(int page, std::size_t offset, CheckSeverity severity, std::string message) {
    out_.push_back({page, lineAt(offset), severity, std::move(message)});
}

bool CheckContext::hasFile(std::string_view name) const {
    if (trim(name).empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(findCompanionFile(lesson_.folder, name), ec);
}

std::string CheckContext::missingFileFix(std::string_view name) const {
    if (!lesson_.fromArchive) return msg::kFixLoose;
    const std::string wanted = asciiLowerCase(name);
    for (const std::string& skipped : lesson_.skippedMembers)
        if (asciiLowerCase(skipped) == wanted) return fillIn(msg::kFixSkipped, {skipped});
    return msg::kFixArchive;
}

bool CheckContext::readFile(std::string_view name, std::string& content) const {
    if (!hasFile(name)) return false;
    std::ifstream in(findCompanionFile(lesson_.folder, name), std::ios::binary);
    if (!in) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

std::size_t PageView::lessonOffset(std::size_t shownOffset) const {
    std::size_t pos = shownOffset;
    for (const ByteRange& r : removed)
        if (r.begin <= pos) pos += r.end - r.begin;
    return bodyBegin + pos;
}

std::size_t PageView::markerOffset(std::string_view marker) const {
    const auto lines = splitLines(body);
    for (std::size_t i = lines.size() >= 2 ? lines.size() - 2 : 0; i < lines.size(); ++i)
        if (contains(lineText(body, lines[i]), marker)) return bodyBegin + lines[i].begin;
    return titleOffset;
}

namespace {

void requireFile(CheckContext& cx, const PageView& page, std::size_t offset, const char* message,
                 std::string_view name) {
    if (name.empty() || cx.hasFile(name)) return;
    cx.add(page.number, offset, CheckSeverity::Error,
           fillIn(message, {name, cx.missingFileFix(name)}));
}

void checkLinks(CheckContext& cx, const PageView& page, std::size_t offset, std::string_view line) {
    if (const auto show = findSlideShowLink(line)) {
        const std::string first = show->base + "1.jpg";
        if (!cx.hasFile(first))
            cx.add(page.number, offset, CheckSeverity::Error,
                   fillIn(msg::kSlideShowMissing, {show->name, first, cx.missingFileFix(first)}));
    } else if (const auto link = findPictureLink(line)) {
        // A click shows the picture, plays the sound, or opens a named file of another kind.
        std::string_view wanted = link->name;
        bool found = cx.hasFile(link->picture) || cx.hasFile(link->sound);
        if (contains(link->name, ".jpg")) {
            wanted = link->picture;
            found = cx.hasFile(link->picture);
        } else if (contains(link->name, ".mp3")) {
            wanted = link->sound;
            found = cx.hasFile(link->sound);
        } else {
            found = found || cx.hasFile(link->name);
        }
        if (!found && !link->name.empty())
            cx.add(
                page.number, offset, CheckSeverity::Error,
                fillIn(msg::kPictureLinkMissing, {link->name, wanted, cx.missingFileFix(wanted)}));
    }
    if (const auto external = findExternalLink(line))
        if (!cx.hasFile(*external))
            cx.add(page.number, offset, CheckSeverity::Error,
                   fillIn(msg::kExternalLinkMissing, {*external, cx.missingFileFix(*external)}));
}

}  // namespace

void checkPageFiles(CheckContext& cx, const PageView& page, std::string_view mediaPicture,
                    std::string_view mediaSound, std::string_view mediaExternal) {
    requireFile(cx, page, page.titleOffset, msg::kTitlePictureMissing, mediaPicture);
    requireFile(cx, page, page.titleOffset, msg::kTitleSoundMissing, mediaSound);
    requireFile(cx, page, page.titleOffset, msg::kTitleFileMissing, mediaExternal);
    for (const LineSpan& line : splitLines(page.text))
        checkLinks(cx, page, page.lessonOffset(line.begin), lineText(page.text, line));
}

void checkPageScript(CheckContext& cx, const PageView& page) {
    const std::size_t at = page.markerOffset("@");
    const std::string file = cx.lesson().baseName + "_m.txt";
    const std::string number = std::to_string(page.number);
    std::string content;
    if (!cx.readFile(file, content)) {
        cx.add(page.number, at, CheckSeverity::Error,
               fillIn(msg::kScriptFileMissing, {number, file, cx.missingFileFix(file)}));
        return;
    }
    const ScriptSection section = scriptSection(content, page.number);
    if (!section.found)
        cx.add(page.number, at, CheckSeverity::Error,
               fillIn(msg::kScriptSectionMissing,
                      {number, file, number, number, std::to_string(page.number + 1)}));
    else if (!section.error.empty())
        cx.add(page.number, at, CheckSeverity::Error,
               fillIn(msg::kScriptDecimals, {number, file, section.error}));
    else if (cx.lesson().scriptTrial)
        if (const auto problem = cx.lesson().scriptTrial(section)) {
            const std::string line = std::to_string(problem->fileLine);
            cx.add(
                page.number, at, CheckSeverity::Error,
                problem->kind == ScriptProblem::Kind::Runaway
                    ? fillIn(msg::kScriptRunaway, {number, file, std::to_string(problem->steps),
                                                   line, problem->lineText})
                    : fillIn(msg::kScriptLineUnreadable, {number, line, file, problem->lineText}));
        }
}

void checkRegions(CheckContext& cx, const PageView& page, bool hasPicture) {
    const std::size_t at = page.markerOffset("/");
    const std::string number = std::to_string(page.number);
    if (!hasPicture)
        cx.add(page.number, at, CheckSeverity::Error, fillIn(msg::kRegionNoPicture, {number}));
    std::string table;
    if (!cx.readFile("search.txt", table)) {
        cx.add(page.number, at, CheckSeverity::Error,
               fillIn(msg::kRegionTableMissing, {number, cx.missingFileFix("search.txt")}));
        return;
    }
    const auto section = regionSection(table, page.number);
    if (!section || section->empty()) {
        cx.add(
            page.number, at, CheckSeverity::Error,
            fillIn(msg::kRegionSectionMissing, {number, number, std::to_string(page.number + 1)}));
        return;
    }
    std::string_view rest = *section;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
        const std::string_view line = trim(rest.substr(0, end));
        if (!line.empty() && !parseRegionLine(line).usable())
            cx.add(page.number, at, CheckSeverity::Error,
                   fillIn(msg::kRegionLineBad, {line, number}));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
}

void checkMenu(CheckContext& cx) {
    const std::string_view text = cx.text();
    for (const LineSpan& line : splitLines(text)) {
        const auto name = projectArchiveName(lineText(text, line));
        if (name && !cx.hasFile(*name))
            cx.add(0, line.begin, CheckSeverity::Error,
                   fillIn(msg::kMenuProjectMissing, {*name, *name}));
    }
}

}  // namespace textaria::lesson::check_detail
