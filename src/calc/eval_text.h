// Preparation of a formula text for the scanner, without heap allocation.
#pragma once

#include <cstddef>
#include <string_view>

namespace textaria::calc::eval {

inline constexpr std::string_view kPiText = "3.14159265358979";
// The parser reads at most this many characters of the prepared text.
inline constexpr std::size_t kInputBufferSize = 159;

struct PreparedText {
    char chars[kInputBufferSize];
    std::size_t length = 0;
    std::string_view view() const { return {chars, length}; }
};

// Spaces removed, a..z upper-cased, "PI" replaced, "(-"/"(+" and a leading sign rewritten,
// then cut after kInputBufferSize characters.
void prepareInto(std::string_view formula, PreparedText& out);

}  // namespace textaria::calc::eval
