#include "lesson/markup_placeholders.h"

#include "platform/text_helpers.h"

namespace textaria::lesson {

namespace {

bool matchesIgnoringCase(std::string_view text, std::size_t at, std::string_view pattern) {
    if (text.size() - at < pattern.size()) return false;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (platform::asciiLower(text[at + i]) != pattern[i]) return false;
    return true;
}

// Every occurrence of the lower-case pattern, left to right; an inserted value is never
// searched again.
void replaceEvery(std::string& text, std::string_view pattern, const std::string& value,
                  std::vector<TextReplacement>& made) {
    for (std::size_t at = 0; at < text.size();) {
        if (!matchesIgnoringCase(text, at, pattern)) {
            ++at;
            continue;
        }
        text.replace(at, pattern.size(), value);
        made.push_back({at, pattern.size(), value});
        at += value.size();
    }
}

}  // namespace

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

std::vector<TextReplacement> substitutePlaceholders(std::string& pageText,
                                                    const ScriptValues& results) {
    std::vector<TextReplacement> made;
    for (int letter = 0; letter < 26; ++letter) {
        const char pattern[] = {'.', static_cast<char>('a' + letter)};
        replaceEvery(pageText, std::string_view(pattern, 2), results.values[letter], made);
    }
    for (int n = 0; n < 5; ++n)
        replaceEvery(pageText, ":formel" + std::to_string(n + 1), results.formulas[n], made);
    return made;
}

std::string substitutePlaceholders(std::string_view pageText, const PlaceholderValues& values,
                                   const PlaceholderFormulas& formulas) {
    std::string text(pageText);
    substitutePlaceholders(text, ScriptValues{values, formulas});
    return text;
}

void applyReplacements(std::string& text, const std::vector<TextReplacement>& replacements) {
    for (const TextReplacement& r : replacements)
        if (r.begin <= text.size()) text.replace(r.begin, r.length, r.text);
}

}  // namespace textaria::lesson
