// The small text operations every part of the program shares. Texts are UTF-8 unless a
// function says otherwise; "ASCII" functions leave every other byte alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace textaria::platform {

// Removes the characters with code 32 or below (blanks and controls) at both ends.
std::string_view trim(std::string_view s);
// Removes only the given characters at both ends (e.g. " " or " \t\r\n").
std::string_view trimOf(std::string_view s, std::string_view characters);

inline char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
inline char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
std::string asciiLowerCase(std::string_view s);
std::string asciiUpperCase(std::string_view s);
// ASCII letters and the Latin-1 letters (À..Þ and à..þ, without × and ÷) change case; both
// cases of a Latin-1 letter are two bytes long, so byte positions stay the same.
std::string latin1LowerCase(std::string_view s);
std::string latin1UpperCase(std::string_view s);

// Replaces every occurrence of from, left to right; an inserted text is never searched again.
// Returns the number of replacements.
std::size_t replaceAll(std::string& text, std::string_view from, std::string_view to,
                       bool ignoreAsciiCase = false);

// Number of characters (code points) of a UTF-8 text.
std::size_t utf8Length(std::string_view s);

// Control characters written as \xNN, so a text can be shown on one line: C0, DEL, and the C1
// controls U+0080..U+009F (as their code, \x9D for U+009D). Everything else stays as it is.
std::string escapeControls(std::string_view s);

}  // namespace textaria::platform
