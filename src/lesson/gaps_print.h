// The print form of a page: every gap becomes a run of underscores.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::lesson {

struct GapBlank {
    std::size_t begin = 0;  // byte offset of the "[" in the page text
    std::size_t end = 0;    // one past the "]"
    std::size_t underscores = 0;
};

struct PrintFormPlan {
    std::size_t keepLength = 0;    // the page text is cut here (trailing lines removed) ...
    std::vector<GapBlank> blanks;  // ... and these pairs (all before the cut) become underscores
    std::string text;              // the result, for callers that work on plain text
};

// Gaps are blanked nint(2·L/3) long (L with both brackets, in characters) when some line holds
// two or more "[", otherwise all nint(2·M/3) long with M the longest gap. Trailing empty lines
// go; then the last line when it holds a "_" of its own, then the last line when it holds an
// option character.
PrintFormPlan PrintForm(std::string_view pageText);

}  // namespace textaria::lesson
