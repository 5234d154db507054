#include "lesson/markup_placeholders.h"

#include "platform/text_helpers.h"

namespace textaria::lesson {

std::bitset<26> lettersShownOutsideGaps(std::string_view pageText) {
    std::string compact;
    for (char c : pageText)
        if (c != ' ') compact += platform::asciiLower(c);
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
        platform::replaceAll(text, std::string_view(pattern, 2), values[letter], true);
    }
    for (int n = 0; n < 5; ++n)
        platform::replaceAll(text, ":formel" + std::to_string(n + 1), formulas[n], true);
    return text;
}

}  // namespace textaria::lesson
