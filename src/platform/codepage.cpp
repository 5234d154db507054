#include "platform/codepage.h"

#include "platform/codepage_tables.h"

namespace textaria::platform {
namespace {

// Symbol font, 0x20 ... 0x7F: only the positions that differ from ASCII.
struct SymbolPair {
    unsigned char byte;
    char16_t unicode;
};
constexpr SymbolPair kSymbolLow[] = {
    {0x22, 0x2200}, {0x24, 0x2203}, {0x27, 0x220B}, {0x2A, 0x2217}, {0x2D, 0x2212}, {0x40, 0x2245},
    {0x41, 0x0391}, {0x42, 0x0392}, {0x43, 0x03A7}, {0x44, 0x0394}, {0x45, 0x0395}, {0x46, 0x03A6},
    {0x47, 0x0393}, {0x48, 0x0397}, {0x49, 0x0399}, {0x4A, 0x03D1}, {0x4B, 0x039A}, {0x4C, 0x039B},
    {0x4D, 0x039C}, {0x4E, 0x039D}, {0x4F, 0x039F}, {0x50, 0x03A0}, {0x51, 0x0398}, {0x52, 0x03A1},
    {0x53, 0x03A3}, {0x54, 0x03A4}, {0x55, 0x03A5}, {0x56, 0x03C2}, {0x57, 0x03A9}, {0x58, 0x039E},
    {0x59, 0x03A8}, {0x5A, 0x0396}, {0x5C, 0x2234}, {0x5E, 0x22A5}, {0x60, 0x203E}, {0x61, 0x03B1},
    {0x62, 0x03B2}, {0x63, 0x03C7}, {0x64, 0x03B4}, {0x65, 0x03B5}, {0x66, 0x03C6}, {0x67, 0x03B3},
    {0x68, 0x03B7}, {0x69, 0x03B9}, {0x6A, 0x03D5}, {0x6B, 0x03BA}, {0x6C, 0x03BB}, {0x6D, 0x03BC},
    {0x6E, 0x03BD}, {0x6F, 0x03BF}, {0x70, 0x03C0}, {0x71, 0x03B8}, {0x72, 0x03C1}, {0x73, 0x03C3},
    {0x74, 0x03C4}, {0x75, 0x03C5}, {0x76, 0x03D6}, {0x77, 0x03C9}, {0x78, 0x03BE}, {0x79, 0x03C8},
    {0x7A, 0x03B6}, {0x7E, 0x223C},
};

// Symbol font, 0xA0 ... 0xFF. 0xF0 and 0xFF hold no character and stay in the private area.
constexpr char16_t kSymbolHigh[96] = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,  // A0
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,  // A8
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,  // B0
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,  // B8
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,  // C0
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,  // C8
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,  // D0
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,  // D8
    0x25CA, 0x27E8, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,  // E0
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,  // E8
    0xF0F0, 0x27E9, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,  // F0
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0xF0FF,  // F8
};

const char16_t* findTable(int codePage) {
    for (std::size_t i = 0; i < detail::kCodePageTableCount; ++i) {
        if (detail::kCodePageTables[i].codePage == codePage)
            return detail::kCodePageTables[i].upper;
    }
    return nullptr;
}

const char16_t* table1252() {
    static const char16_t* table = findTable(1252);
    return table;
}

// Reverse of code page 1252 for the characters outside Latin-1.
int unicodeTo1252(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    if (c >= 0xA0 && c <= 0xFF) return static_cast<int>(c);
    const char16_t* upper = table1252();
    for (int i = 0; i < 0x20; ++i) {
        if (upper[i] == c) return 0x80 + i;
    }
    return -1;
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

char32_t nextUtf8(std::string_view bytes, std::size_t& pos) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byteAt(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return 0xFFFD;
    }
    if (pos + length > bytes.size()) {
        ++pos;
        return 0xFFFD;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char b = byteAt(pos + i);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return 0xFFFD;
    }
    pos += length;
    return c;
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const unsigned char b = static_cast<unsigned char>(bytes[pos]);
        if (b < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        const char32_t c = nextUtf8(bytes, pos);
        // A genuine U+FFFD is three bytes long; the error value advances by one.
        if (c == 0xFFFD && pos - start != 3) return false;
    }
    return true;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    const char16_t* upper = table1252();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(ch);
        } else {
            appendUtf8(out, upper[b - 0x80]);
        }
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8, bool* lossless) {
    std::string out;
    out.reserve(utf8.size());
    bool allMapped = true;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[pos]);
        if (b < 0x80) {
            out.push_back(utf8[pos++]);
            continue;
        }
        const std::size_t start = pos;
        const char32_t c = nextUtf8(utf8, pos);
        const int mapped = (c == 0xFFFD && pos - start != 3) ? -1 : unicodeTo1252(c);
        if (mapped < 0) {
            out.push_back('?');
            allMapped = false;
        } else {
            out.push_back(static_cast<char>(mapped));
        }
    }
    if (lossless != nullptr) *lossless = allMapped;
    return out;
}

std::string decodeTextFile(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
        return std::string(bytes);
    }
    return cp1252ToUtf8(bytes);
}

const char16_t* codePageUpperHalf(int codePage) { return findTable(codePage); }

bool isKnownCodePage(int codePage) {
    return codePage == kSymbolCodePage || findTable(codePage) != nullptr;
}

char32_t symbolToUnicode(char32_t c) {
    if (c >= 0xF020 && c <= 0xF0FF) c -= 0xF000;
    if (c >= 0xA0 && c <= 0xFF) return kSymbolHigh[c - 0xA0];
    if (c >= 0x20 && c < 0x7F) {
        for (const SymbolPair& pair : kSymbolLow) {
            if (pair.byte == c) return pair.unicode;
        }
    }
    return c;
}

char32_t decodeByte(int codePage, unsigned char byte) {
    if (byte < 0x80) return byte;
    if (codePage == kSymbolCodePage) {
        return byte >= 0xA0 ? symbolToUnicode(byte) : char32_t{0xF000} + byte;
    }
    const char16_t* upper = findTable(codePage);
    if (upper == nullptr) upper = table1252();
    return upper[byte - 0x80];
}

}  // namespace textaria::platform
