// Conversions between UTF-8 (used everywhere inside the program) and the single-byte code pages
// of Windows and DOS text files.
#pragma once

#include <string>
#include <string_view>

namespace textaria::platform {

// Code page of the Symbol font: letters stand for Greek letters, upper bytes for math signs.
inline constexpr int kSymbolCodePage = 42;

std::string cp1252ToUtf8(std::string_view bytes);

// Characters that code page 1252 cannot hold become '?'; *lossless tells whether any did.
std::string utf8ToCp1252(std::string_view utf8, bool* lossless = nullptr);

bool isValidUtf8(std::string_view bytes);

// A text file as UTF-8: taken as UTF-8 when it is valid UTF-8 (a byte order mark is dropped),
// otherwise as code page 1252.
std::string decodeTextFile(std::string_view bytes);

// True for the code pages decodeByte() knows (437, 850, 852, 866, 1250 ... 1258, 10000, Symbol).
bool isKnownCodePage(int codePage);

// Unicode of one byte in a code page; unknown code pages are read as 1252.
char32_t decodeByte(int codePage, unsigned char byte);

// The Unicode values of bytes 0x80 ... 0xFF of a table-driven code page, for callers that
// decode many bytes; nullptr for the Symbol font and unknown code pages.
const char16_t* codePageUpperHalf(int codePage);

// What a character of the Symbol font looks like as Unicode ('a' -> U+03B1 alpha). Characters
// outside the font's range come back unchanged; U+F020 ... U+F0FF count as their low byte.
char32_t symbolToUnicode(char32_t c);

void appendUtf8(std::string& out, char32_t c);

// Decodes one UTF-8 sequence at bytes[pos], advancing pos; malformed bytes give U+FFFD.
char32_t nextUtf8(std::string_view bytes, std::size_t& pos);

}  // namespace textaria::platform
