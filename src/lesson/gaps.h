// Gaps of a page: "[" answer "]", at most twenty, each served by one answer field.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::lesson {

inline constexpr int kMaxGaps = 20;

struct GapEntry {
    int x = 0;                 // window coordinate of the first answer character
    int y = 0;                 // window coordinate of that character's line
    int width = 0;             // from the first answer character to after the "]"
    std::string answer;        // between the brackets, trimmed
    std::size_t openPos = 0;   // byte offset of the "[" in the prepared page text
    std::size_t closePos = 0;  // byte offset of the "]"
};

struct GapTable {
    std::vector<GapEntry> entries;  // in text order; entry i is served by field i + 1
    int GapCount() const { return static_cast<int>(entries.size()); }
};

enum class GapError {
    None,
    TooMany,   // more than twenty "["
    Brackets,  // unequal counts of "[" and "]", or a "]" before its "["
};

// The user's message for an error; empty for None.
std::string_view gapErrorMessage(GapError error);

struct GapExtraction {
    std::string text;  // the page text without its trailing empty and "_" lines
    GapTable table;    // empty on error
    GapError error = GapError::None;
};

// Drops trailing lines that are empty or begin with "_" (trimmed), then pairs the i-th "["
// with the i-th "]".
GapExtraction ExtractGaps(std::string_view pageText);

// Length of the page text once its trailing empty and "_" lines are gone.
std::size_t lengthWithoutTrailingLines(std::string_view pageText);

void ClearGaps(GapTable& table);

// nint: the nearest integer, ties to the even one.
long long roundHalfEven(double v);

// Point size of an answer field over text of size `pageFontSize`; `fontChange` is the total
// change made with "Schrift" since the last rescale.
int gapFieldFontSize(double pageFontSize, int fontChange);

}  // namespace textaria::lesson
