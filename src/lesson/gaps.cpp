#include "lesson/gaps.h"

#include <algorithm>
#include <cmath>

#include "lesson/markup_text.h"
#include "lesson/texts.h"

namespace textaria::lesson {

std::string_view gapErrorMessage(GapError error) {
    switch (error) {
        case GapError::TooMany:
            return texts::kTooManyGaps;
        case GapError::Brackets:
            return texts::kBracketsMissing;
        case GapError::None:
            break;
    }
    return {};
}

std::size_t lengthWithoutTrailingLines(std::string_view pageText) {
    std::size_t keep = pageText.size();
    for (LineSpan line; lineBefore(pageText, keep, line); keep = line.begin) {
        const std::string_view text = trim(lineText(pageText, line));
        if (!text.empty() && text.front() != '_') break;
    }
    return keep;
}

GapExtraction ExtractGaps(std::string_view pageText) {
    GapExtraction result;
    result.text = std::string(pageText.substr(0, lengthWithoutTrailingLines(pageText)));
    const std::string_view text = result.text;

    std::vector<std::size_t> opens;
    std::vector<std::size_t> closes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '[') opens.push_back(i);
        if (text[i] == ']') closes.push_back(i);
    }
    if (opens.size() > static_cast<std::size_t>(kMaxGaps)) {
        result.error = GapError::TooMany;
        return result;
    }
    if (opens.size() != closes.size()) {
        result.error = GapError::Brackets;
        return result;
    }
    for (std::size_t i = 0; i < opens.size(); ++i) {
        // Pairing by count alone would give "] x [" an answer running backwards.
        if (closes[i] < opens[i]) {
            result.error = GapError::Brackets;
            result.table.entries.clear();
            return result;
        }
        GapEntry entry;
        entry.openPos = opens[i];
        entry.closePos = closes[i];
        entry.answer = std::string(trim(text.substr(opens[i] + 1, closes[i] - opens[i] - 1)));
        result.table.entries.push_back(std::move(entry));
    }
    return result;
}

void ClearGaps(GapTable& table) { table.entries.clear(); }

long long roundHalfEven(double v) {
    const double r = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5)
        return static_cast<long long>(2.0 * std::round(v / 2.0));
    return static_cast<long long>(r);
}

int gapFieldFontSize(double pageFontSize, int fontChange) {
    const int b = static_cast<int>(roundHalfEven(fontChange / 2.0));
    const double s = pageFontSize;
    int base = 20;
    if (s < 14)
        base = 10;
    else if (s < 16)
        base = 12;
    else if (s < 18)
        base = 14;
    else if (s < 22)
        base = 16;
    else if (s < 23)
        base = 18;
    return std::max(1, b + base);  // a large negative change must not give a size of 0
}

}  // namespace textaria::lesson
