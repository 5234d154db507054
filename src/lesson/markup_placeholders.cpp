#include "lesson/markup_placeholders.h"

namespace textaria::lesson {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Replaces every case-insensitive occurrence of `pattern` (ASCII) in `text`.
std::string replaceAllIgnoringCase(std::string_view text, std::string_view pattern,
                                   std::string_view replacement) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        bool match = i + pattern.size() <= text.size();
        for (std::size_t k = 0; match && k < pattern.size(); ++k)
            match = lowerAscii(text[i + k]) == lowerAscii(pattern[k]);
        if (match) {
            out += replacement;
            i += pattern.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace

std::bitset<26> lettersShownOutsideGaps(std::string_view pageText) {
    std::string compact;
    for (char c : pageText)
        if (c != ' ') compact += lowerAscii(c);
    // Either case counts, as the substitution itself ignores case.
    std::bitset<26> used;
    for (std::size_t i = 0; i + 1 < compact.size(); ++i) {
        if (compact[i] != '.' || (i > 0 && compact[i - 1] == '[')) continue;
        const char c = compact[i + 1];
        if (c >= 'a' && c <= 'z') used.set(static_cast<std::size_t>(c - 'a'));
    }
    return used;
}

std::string substitutePlaceholders(std::string_view pageText, const PlaceholderValues& values,
                                   const PlaceholderFormulas& formulas) {
    std::string text(pageText);
    for (int letter = 0; letter < 26; ++letter) {
        const char pattern[] = {'.', static_cast<char>('a' + letter)};
        text = replaceAllIgnoringCase(text, std::string_view(pattern, 2), values[letter]);
    }
    for (int n = 0; n < 5; ++n)
        text = replaceAllIgnoringCase(text, ":formel" + std::to_string(n + 1), formulas[n]);
    return text;
}

}  // namespace textaria::lesson
