// Script placeholders of "@" pages: "." + letter for a variable's value, ":formel" + digit
// for one of the five formula texts.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::lesson {

using PlaceholderValues = std::array<std::string, 26>;   // A … Z
using PlaceholderFormulas = std::array<std::string, 5>;  // :formel1 … :formel5

// What a page script leaves for its page.
struct ScriptValues {
    PlaceholderValues values;
    PlaceholderFormulas formulas;
};

// One replacement of a placeholder: `length` bytes at `begin` become `text`. Positions refer
// to the text as the replacements before it have left it, so a formatted copy of the text
// (the page view) replays them in order and keeps the format of each replaced place.
struct TextReplacement {
    std::size_t begin = 0;
    std::size_t length = 0;
    std::string text;
};

// Letters whose placeholder the page shows outside a gap: blanks removed, "[." ignored.
// Their values also go to the calculator's variables.
std::bitset<26> lettersShownOutsideGaps(std::string_view pageText);

// Replaces, letter by letter from A to Z, every "." + letter (either case) by that letter's
// value, then every ":formel" + n (either case) by formula n. Like the page view, each step
// works on the text the previous steps left, so every "." + letter is a placeholder, also the
// one in "z.B.". Returns the replacements in the order they were made.
std::vector<TextReplacement> substitutePlaceholders(std::string& pageText,
                                                    const ScriptValues& results);

// The text after the replacements.
std::string substitutePlaceholders(std::string_view pageText, const PlaceholderValues& values,
                                   const PlaceholderFormulas& formulas);

void applyReplacements(std::string& text, const std::vector<TextReplacement>& replacements);

}  // namespace textaria::lesson
