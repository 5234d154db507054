#include "script/text_search.h"

namespace textaria::script {

namespace {

// Case folding for the letters scripts are written in: ASCII and the Latin-1 letters (umlauts).
char16_t folded(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

bool matchesAt(const std::u16string& text, std::size_t at, const std::u16string& needle,
               bool matchCase) {
    if (at + needle.size() > text.size()) return false;
    for (std::size_t i = 0; i < needle.size(); ++i) {
        const char16_t a = text[at + i];
        const char16_t b = needle[i];
        if (a != b && (matchCase || folded(a) != folded(b))) return false;
    }
    return true;
}

std::optional<std::size_t> findIn(const std::u16string& text, const std::u16string& needle,
                                  std::size_t from, std::size_t end, bool matchCase) {
    if (needle.size() > text.size()) return std::nullopt;
    const std::size_t last = std::min(end, text.size() - needle.size() + 1);
    for (std::size_t at = from; at < last; ++at)
        if (matchesAt(text, at, needle, matchCase)) return at;
    return std::nullopt;
}

}  // namespace

std::optional<std::size_t> findText(const std::u16string& text, const std::u16string& needle,
                                    std::size_t from, const SearchOptions& options) {
    if (needle.empty()) return std::nullopt;
    from = std::min(from, text.size());
    if (const auto found = findIn(text, needle, from, text.size(), options.matchCase)) return found;
    if (!options.wrap || from == 0) return std::nullopt;
    // An occurrence that starts before from and reaches over it counts on the wrapped pass.
    return findIn(text, needle, 0, from, options.matchCase);
}

bool sameText(const std::u16string& piece, const std::u16string& needle, bool matchCase) {
    return !needle.empty() && piece.size() == needle.size() &&
           matchesAt(piece, 0, needle, matchCase);
}

std::size_t countOccurrences(const std::u16string& text, const std::u16string& needle,
                             bool matchCase) {
    return replaceAll(text, needle, needle, matchCase).count;
}

ReplaceAllResult replaceAll(const std::u16string& text, const std::u16string& needle,
                            const std::u16string& replacement, bool matchCase) {
    ReplaceAllResult result;
    if (needle.empty()) {
        result.text = text;
        return result;
    }
    std::size_t at = 0;
    while (at < text.size()) {
        const auto found = findIn(text, needle, at, text.size(), matchCase);
        if (!found) break;
        result.text.append(text, at, *found - at);
        result.text += replacement;
        at = *found + needle.size();
        ++result.count;
    }
    result.text.append(text, std::min(at, text.size()), std::u16string::npos);
    return result;
}

}  // namespace textaria::script
