// Script placeholders of "@" pages: "." + letter for a variable's value, ":formel" + digit
// for one of the five formula texts.
#pragma once

#include <array>
#include <bitset>
#include <string>
#include <string_view>

namespace textaria::lesson {

using PlaceholderValues = std::array<std::string, 26>;   // A … Z
using PlaceholderFormulas = std::array<std::string, 5>;  // :formel1 … :formel5

// Letters whose placeholder the page shows outside a gap: blanks removed, "[." ignored.
// Their values also go to the calculator's variables.
std::bitset<26> lettersShownOutsideGaps(std::string_view pageText);

// Replaces, letter by letter from A to Z, every "." + letter (either case) by that letter's
// value, then every ":formel" + n (either case) by formula n. Like the page view, each step
// works on the text the previous steps left, so every "." + letter is a placeholder, also the
// one in "z.B.".
std::string substitutePlaceholders(std::string_view pageText, const PlaceholderValues& values,
                                   const PlaceholderFormulas& formulas);

}  // namespace textaria::lesson
