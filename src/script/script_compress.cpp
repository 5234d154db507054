// compress and cleanBelow: removing the results of earlier runs from the script text.
#include <array>
#include <string>
#include <string_view>

#include "script/command_table.h"
#include "script/script_runner.h"
#include "script/text_util.h"

namespace textaria::script {
namespace {

// Lines with these words hold texts and prompts whose "=" is no result; compress leaves them.
constexpr std::array<std::string_view, 19> kKeptWords = {
    "select",  "invar",   "input2", "input3", "intex1",  "intex2",  "pause",
    "txt",     "tex",     "txz",    "txv",    "setfun1", "setfun2", "setfun3",
    "setfun4", "setfun5", "zufun0", "zufun1", "zufun2"};

bool isPersistent(std::string_view line) {
    const std::string_view text = trimmed(line);
    return !text.empty() && text.front() == '.';
}

bool holdsKeptWord(std::string_view line) {
    const std::string text = lower(line);
    for (const auto word : kKeptWords)
        if (text.find(word) != std::string::npos) return true;
    return false;
}

bool isEmptyLine(std::string_view line) { return trimmed(line).empty(); }

std::string collapseBlankRuns(std::string_view line) {
    std::string result;
    for (char c : line) {
        if (c == ' ' && !result.empty() && result.back() == ' ') continue;
        result += c;
    }
    return result;
}

// Step 1 of compress for one line: old results go, persistent formulas stay.
void removeResult(ScriptLines& lines, std::size_t i) {
    const std::string text = lines.line(i);
    if (isEmptyLine(text) || holdsKeptWord(text)) return;
    const std::size_t first = text.find('=');
    if (first == std::string::npos) return;
    if (isPersistent(text)) {
        const std::size_t second = text.find('=', first + 1);
        if (second != std::string::npos) {
            std::string kept = text.substr(0, second);
            while (!kept.empty() && isBlank(kept.back())) kept.pop_back();
            lines.replaceLine(i, kept);
        }
    } else {
        lines.replaceLine(i, "");
    }
}

bool isCommandLine(std::string_view line) {
    const std::string key = upper(compacted(line));
    return key.size() >= 3 && isCommandName(std::string_view(key).substr(0, 3));
}

}  // namespace

void compress(ScriptLines& lines, std::size_t first, bool collapseBlanks, bool stopAtEnd) {
    for (std::size_t i = first; i < lines.lineCount(); ++i) {
        if (stopAtEnd && lower(trimmed(lines.line(i))) == "end.") break;
        removeResult(lines, i);
    }
    std::size_t i = first;
    while (i < lines.lineCount()) {
        const std::string text = lines.line(i);
        if (lower(trimmed(text)) == "end") break;
        if (isEmptyLine(text) && i > first && isEmptyLine(lines.line(i - 1))) {
            lines.removeLine(i);
            continue;
        }
        if (collapseBlanks) {
            const std::string collapsed = collapseBlankRuns(text);
            if (collapsed != text) lines.replaceLine(i, collapsed);
        }
        ++i;
    }
    lines.setCaretLine(first);
}

void cleanBelow(ScriptLines& lines, std::size_t line) {
    // Only output lines go: they begin with a blank (the four blanks of a result line). The
    // lines the user wrote below the command are kept, also when they hold a "=".
    std::size_t end = line + 1;
    for (; end < lines.lineCount(); ++end) {
        const std::string text = lines.line(end);
        if (isPersistent(text) || isCommandLine(text)) break;
        if (!text.empty() && !isBlank(text.front())) break;
        removeResult(lines, end);
    }
    std::size_t i = line + 1;
    while (i + 1 < end && i + 1 < lines.lineCount()) {
        if (isEmptyLine(lines.line(i)) && isEmptyLine(lines.line(i + 1))) {
            lines.removeLine(i);
            --end;
            continue;
        }
        ++i;
    }
    for (std::size_t j = line + 1; j < end && j < lines.lineCount(); ++j) {
        const std::string text = lines.line(j);
        const std::string collapsed = collapseBlankRuns(text);
        if (collapsed != text) lines.replaceLine(j, collapsed);
    }
}

}  // namespace textaria::script
