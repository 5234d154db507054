#include "lesson/gaps_print.h"

#include <algorithm>

#include "lesson/gaps.h"
#include "lesson/markup_options.h"
#include "lesson/markup_text.h"

namespace textaria::lesson {

namespace {

std::size_t withoutTrailingEmptyLines(std::string_view text) {
    std::size_t keep = text.size();
    for (LineSpan line; lineBefore(text, keep, line); keep = line.begin)
        if (!trim(lineText(text, line)).empty()) break;
    return keep;
}

// Start of the last line, npos when there is none.
std::size_t lastLineStart(std::string_view text) {
    LineSpan line;
    return lineBefore(text, text.size(), line) ? line.begin : std::string_view::npos;
}

}  // namespace

PrintFormPlan PrintForm(std::string_view pageText) {
    PrintFormPlan plan;
    const std::string_view text = pageText.substr(0, withoutTrailingEmptyLines(pageText));

    bool severalOnALine = false;
    for (const LineSpan& line : splitLines(text))
        if (std::count(text.begin() + line.begin, text.begin() + line.end, '[') >= 2)
            severalOnALine = true;

    std::size_t longest = 1;
    for (std::size_t at = text.find('['); at != std::string_view::npos;) {
        const std::size_t close = text.find(']', at + 1);
        if (close == std::string_view::npos) break;
        const std::size_t length = characterCount(text.substr(at, close + 1 - at));
        plan.blanks.push_back({at, close + 1, length});
        longest = std::max(longest, length);
        at = text.find('[', close + 1);
    }
    for (GapBlank& blank : plan.blanks) {
        const std::size_t l = severalOnALine ? blank.underscores : longest;
        blank.underscores =
            static_cast<std::size_t>(roundHalfEven(2.0 * static_cast<double>(l) / 3.0));
    }

    // Underscores that stand for a gap do not count as the "_" of a line to drop: a page
    // whose last line holds a gap would otherwise lose that line in print.
    std::string masked(text);
    for (const GapBlank& blank : plan.blanks)
        std::fill(masked.begin() + blank.begin, masked.begin() + blank.end, 'x');
    std::size_t keep = text.size();
    std::size_t start = lastLineStart(masked.substr(0, keep));
    if (start != std::string_view::npos &&
        contains(std::string_view(masked).substr(start, keep - start), "_"))
        keep = start;
    start = lastLineStart(text.substr(0, keep));
    if (start != std::string_view::npos && hasOptionCharacter(text.substr(start, keep - start)))
        keep = start;
    plan.keepLength = keep;

    std::erase_if(plan.blanks, [keep](const GapBlank& b) { return b.end > keep; });
    std::size_t at = 0;
    for (const GapBlank& blank : plan.blanks) {
        plan.text.append(text.substr(at, blank.begin - at));
        plan.text.append(blank.underscores, '_');
        at = blank.end;
    }
    plan.text.append(text.substr(at, keep - at));
    return plan;
}

}  // namespace textaria::lesson
