#include "lesson/lesson_check.h"

#include <algorithm>
#include <map>
#include <optional>

#include "lesson/gaps.h"
#include "lesson/lesson_check_context.h"
#include "lesson/lesson_check_texts.h"
#include "lesson/markup_pages.h"
#include "lesson/page_prep.h"
#include "lesson/project_list.h"
#include "lesson/texts.h"

namespace textaria::lesson {

namespace {

using check_detail::CheckContext;
using check_detail::PageView;
using texts::fillIn;
namespace msg = check_texts;

std::string twoDigits(int n) { return n < 10 ? "0" + std::to_string(n) : std::to_string(n); }

// Text before the first "#" and after the last one is never shown.
void checkOutsidePages(CheckContext& cx, const PageList& list) {
    const std::string_view text = cx.text();
    const std::size_t first = text.find('#');
    const std::size_t lead = text.find_first_not_of(" \t\r\n");
    if (lead < first) cx.add(0, lead, CheckSeverity::Error, msg::kTextBeforeFirstTitle);

    const std::size_t last = text.rfind('#');
    if (list.PageCount == 1) {
        cx.add(1, last, CheckSeverity::Error, msg::kNoPages);
        return;
    }
    const std::size_t lineEnd = std::min(text.find("\r\n", last), text.size());
    const std::string_view title = trim(text.substr(last + 1, lineEnd - last - 1));
    if (lineEnd < text.size() && !trim(text.substr(lineEnd)).empty())
        cx.add(list.PageCount, last, CheckSeverity::Warning, fillIn(msg::kNoClosingTitle, {title}));
}

// A "#" after other characters of its line still begins a title line.
void checkHashInLine(CheckContext& cx) {
    const std::string_view text = cx.text();
    int number = 0;
    for (std::size_t at = text.find('#'); at != std::string_view::npos;
         at = text.find('#', at + 1)) {
        ++number;
        const std::size_t lineBreak = at < 2 ? std::string_view::npos : text.rfind("\r\n", at - 2);
        const std::size_t from = lineBreak == std::string_view::npos ? 0 : lineBreak + 2;
        if (trim(text.substr(from, at - from)).empty()) continue;
        const std::size_t lineEnd = std::min(text.find("\r\n", at), text.size());
        const std::size_t nextHash = std::min(text.find('#', at + 1), text.size());
        const std::string_view title =
            trim(text.substr(at + 1, std::min(lineEnd, nextHash) - at - 1));
        cx.add(number, at, CheckSeverity::Warning, fillIn(msg::kHashInLine, {title}));
    }
}

// The list page opens a page by the two digits its title begins with.
void checkTitles(CheckContext& cx, const PageList& list) {
    std::map<int, std::size_t> firstOpening;  // page a click opens -> title offset
    for (const PageSpan& span : list.pages) {
        const std::size_t at = span.titleLine.begin - 1;
        const std::string number = twoDigits(span.number);
        const ListChoice choice = chooseFromList(span.title, list.PageCount, ListMode::Normal);
        if (choice.kind == ListChoice::Kind::Nothing) {
            cx.add(span.number, at, CheckSeverity::Warning,
                   fillIn(msg::kTitleNoNumber, {span.title, number, number}));
            continue;
        }
        const std::string_view digits = trim(span.title).substr(0, 2);
        const int opens = choice.kind == ListChoice::Kind::OpenPage ? choice.page : -1;
        if (opens > 0) {
            const auto [it, fresh] = firstOpening.emplace(opens, at);
            if (!fresh) {
                cx.add(
                    span.number, at, CheckSeverity::Warning,
                    fillIn(msg::kTitleNumberTwice,
                           {digits, std::to_string(cx.lineAt(it->second)), std::to_string(opens)}));
                continue;
            }
        }
        // In test and child mode every click starts at page 1: the numbers open nothing.
        if (list.TestMode || list.ChildMode || opens == span.number) continue;
        if (opens > 0)
            cx.add(span.number, at, CheckSeverity::Warning,
                   fillIn(msg::kTitleNumberElsewhere,
                          {span.title, std::to_string(span.number), std::to_string(opens)}));
        else
            cx.add(
                span.number, at, CheckSeverity::Warning,
                fillIn(msg::kTitleNumberNoPage, {span.title, std::to_string(span.number), digits}));
    }
}

// Of the last two lines, those the player takes as option lines must hold options only.
void checkOptionLines(CheckContext& cx, const PageView& page) {
    static constexpr std::string_view kMarkers[] = {"@@", "%%", "//", "?3", "?5", "?7", "@", "$",
                                                    "§",  "&",  "~",  "%",  "*",  "|",  "/", "µ"};
    const auto lines = splitLines(page.body);
    const std::size_t first = lines.size() >= 2 ? lines.size() - 2 : 0;
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::string_view line = lineText(page.body, lines[i]);
        if (!hasOptionCharacter(line)) continue;
        std::string rest(line);
        bool anyMarker = false;
        for (std::string_view m : kMarkers) {
            for (std::size_t at = rest.find(m); at != std::string::npos; at = rest.find(m)) {
                rest.erase(at, m.size());
                anyMarker = anyMarker || m != "µ";
            }
        }
        for (std::size_t at = rest.find("\xC2\xA0"); at != std::string::npos;
             at = rest.find("\xC2\xA0"))
            rest.erase(at, 2);  // word processors put no-break spaces between signs
        std::erase_if(rest, [](char c) { return c == ' ' || c == '\t'; });
        if (rest.empty()) continue;
        const std::size_t offset = page.bodyBegin + lines[i].begin;
        // Options hold no letters: a line with words is text that happens to hold a sign.
        const bool words = std::any_of(rest.begin(), rest.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        });
        if (!anyMarker || words) {
            std::string_view found;
            for (std::string_view c : kOptionCharacters)
                if (contains(line, c)) {
                    found = c;
                    break;
                }
            cx.add(page.number, offset, CheckSeverity::Warning,
                   fillIn(msg::kTextAsOptionLine, {trim(line), found}));
        } else {
            cx.add(page.number, offset, CheckSeverity::Warning,
                   fillIn(msg::kUnknownOptions, {rest}));
        }
    }
}

// Where the player's bracket pairing fails: the first "]" without a "[" before it, or a "["
// whose gap is not closed before the next "[" or the end.
struct BadBracket {
    std::size_t offset = 0;
    bool open = false;
};
std::optional<BadBracket> firstBadBracket(std::string_view text) {
    std::optional<std::size_t> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '[') {
            if (open) return BadBracket{*open, true};
            open = i;
        } else if (text[i] == ']') {
            if (!open) return BadBracket{i, false};
            open.reset();
        }
    }
    if (open) return BadBracket{*open, true};
    return std::nullopt;
}

void checkGaps(CheckContext& cx, const PageView& page, GapError error) {
    const std::string number = std::to_string(page.number);
    if (error == GapError::TooMany) {
        std::size_t count = 0;
        std::size_t at21 = 0;
        for (std::size_t i = 0; i < page.text.size(); ++i)
            if (page.text[i] == '[' && ++count == static_cast<std::size_t>(kMaxGaps) + 1) at21 = i;
        cx.add(page.number, page.lessonOffset(at21), CheckSeverity::Error,
               fillIn(msg::kTooManyGaps, {number, std::to_string(count), gapErrorMessage(error)}));
        return;
    }
    if (error != GapError::Brackets) return;
    const auto bad = firstBadBracket(page.text);
    const std::size_t offset = bad ? page.lessonOffset(bad->offset) : page.titleOffset;
    const bool open = bad && bad->open;
    cx.add(page.number, offset, CheckSeverity::Error,
           fillIn(open ? msg::kOpenWithoutClose : msg::kCloseWithoutOpen,
                  {gapErrorMessage(error), number}));
}

void checkQuestionnaire(CheckContext& cx, const PageView& page, const PreparedPage& prepared,
                        bool testMode) {
    const int levels = page.options.questionnaireLevels();
    if (levels == 0) return;
    const std::string marker = "?" + std::to_string(levels);
    const std::size_t at = page.markerOffset(marker);
    // The question line is the first shown line holding "?f" in any case.
    if (!contains(asciiLowerCase(page.text), "?f"))
        cx.add(page.number, at, CheckSeverity::Error, fillIn(msg::kQuestionLineMissing, {marker}));
    // The answer goes into the first field; in a test, Dn waits for it.
    if (prepared.gaps.entries.empty() && prepared.gapError == GapError::None)
        cx.add(page.number, at, CheckSeverity::Error,
               fillIn(msg::kAnswerGapMissing, {marker}) + (testMode ? msg::kTestStuck : ""));
    else if (prepared.gapError != GapError::None && testMode)
        cx.add(page.number, at, CheckSeverity::Error, fillIn(msg::kTestStuckByGapError, {marker}));
}

void checkListPages(CheckContext& cx) {
    const std::string_view text = cx.text();
    const PageList list = splitPages(text);
    checkOutsidePages(cx, list);
    checkHashInLine(cx);
    checkTitles(cx, list);
    for (const PageSpan& span : list.pages) {
        PageView page;
        page.number = span.number;
        page.bodyBegin = span.body.begin;
        page.titleOffset = span.titleLine.begin - 1;
        page.body = text.substr(span.body.begin, span.body.end - span.body.begin);
        page.removed = optionLineRanges(page.body);
        std::sort(page.removed.begin(), page.removed.end(),
                  [](const ByteRange& a, const ByteRange& b) { return a.begin < b.begin; });
        // Page scripts are not run: "@" pages are checked with their placeholders.
        const PreparedPage prepared = prepareListPage(page.body, span.number);
        page.text = prepared.text;
        page.options = prepared.options;

        // A "#" later on the title line is reported as such; the page it empties is its result.
        const bool emptiedByHash = span.body.begin == span.body.end &&
                                   span.titleLine.end < text.size() &&
                                   text[span.titleLine.end] == '#';
        if (trim(page.text).empty() && !emptiedByHash)
            cx.add(span.number, page.titleOffset, CheckSeverity::Warning,
                   fillIn(msg::kEmptyPage, {std::to_string(span.number)}));
        checkOptionLines(cx, page);
        checkGaps(cx, page, prepared.gapError);
        checkQuestionnaire(cx, page, prepared, list.TestMode);
        check_detail::checkPageFiles(cx, page, span.media.picture, span.media.sound,
                                     span.media.external);
        if (page.options.has(Marker::Script)) check_detail::checkPageScript(cx, page);
        if (page.options.has(Marker::RegionTask))
            check_detail::checkRegions(cx, page, !span.media.picture.empty());
    }
}

void checkSingleText(CheckContext& cx) {
    PageView page;
    page.number = 1;
    page.body = cx.text();
    const PreparedPage prepared = prepareSingleText(page.body);
    page.text = prepared.text;
    page.options = prepared.options;
    if (trim(page.text).empty()) {
        cx.add(1, 0, CheckSeverity::Warning, msg::kEmptyLesson);
        return;
    }
    checkGaps(cx, page, prepared.gapError);
    check_detail::checkPageFiles(cx, page, {}, {}, {});
}

}  // namespace

std::vector<CheckFinding> checkLessonText(const CheckedLesson& lesson) {
    std::vector<CheckFinding> findings;
    CheckContext cx(lesson, findings);
    switch (classifyLesson(lesson.text, lesson.nestedArchiveCount)) {
        case LessonKind::List:
            checkListPages(cx);
            break;
        case LessonKind::Menu:
            check_detail::checkMenu(cx);
            break;
        case LessonKind::Single:
            checkSingleText(cx);
            break;
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
    return findings;
}

}  // namespace textaria::lesson
