// Find and replace in the script text, the rules behind the editor's search panel. Texts are
// UTF-16, so that positions are those of the editor's document.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace textaria::script {

struct SearchOptions {
    bool matchCase = false;  // "Groß/Klein"
    bool wrap = true;        // go on at the start when the end is reached
};

// The first occurrence of the needle at or after from; with wrap, the text before from is
// searched next. Nothing for an empty needle.
std::optional<std::size_t> findText(const std::u16string& text, const std::u16string& needle,
                                    std::size_t from, const SearchOptions& options);

// Whether the piece is the needle (the selection the replacement may take the place of).
bool sameText(const std::u16string& piece, const std::u16string& needle, bool matchCase);

// Every occurrence, left to right and without overlaps.
std::size_t countOccurrences(const std::u16string& text, const std::u16string& needle,
                             bool matchCase);

struct ReplaceAllResult {
    std::u16string text;
    std::size_t count = 0;
};

// Every occurrence replaced, left to right; the inserted texts are not searched again, so a
// replacement that holds the needle cannot loop.
ReplaceAllResult replaceAll(const std::u16string& text, const std::u16string& needle,
                            const std::u16string& replacement, bool matchCase);

}  // namespace textaria::script
