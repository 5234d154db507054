#include "platform/text_helpers.h"

#include <cstdio>

namespace textaria::platform {

std::string_view trim(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
    return s.substr(b, e - b);
}

std::string_view trimOf(std::string_view s, std::string_view characters) {
    const auto b = s.find_first_not_of(characters);
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(characters) - b + 1);
}

std::string asciiLowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = asciiLower(c);
    return out;
}

std::string asciiUpperCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = asciiUpper(c);
    return out;
}

namespace {

// In UTF-8 the Latin-1 letters are C3 80..C3 9E (capitals) and C3 A0..C3 BE (small); the
// second byte of the two cases differs by 0x20. C3 97 and C3 B7 are × and ÷.
template <bool kToLower>
std::string latin1Case(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c < 0x80) {
            out[i] = kToLower ? asciiLower(out[i]) : asciiUpper(out[i]);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            const auto d = static_cast<unsigned char>(out[i + 1]);
            if (kToLower && d >= 0x80 && d <= 0x9E && d != 0x97)
                out[i + 1] = static_cast<char>(d + 0x20);
            if (!kToLower && d >= 0xA0 && d <= 0xBE && d != 0xB7)
                out[i + 1] = static_cast<char>(d - 0x20);
            ++i;
        }
    }
    return out;
}

bool matchesWithoutCase(std::string_view text, std::size_t at, std::string_view part) {
    if (text.size() - at < part.size()) return false;
    for (std::size_t k = 0; k < part.size(); ++k)
        if (asciiLower(text[at + k]) != asciiLower(part[k])) return false;
    return true;
}

}  // namespace

std::string latin1LowerCase(std::string_view s) { return latin1Case<true>(s); }
std::string latin1UpperCase(std::string_view s) { return latin1Case<false>(s); }

std::size_t replaceAll(std::string& text, std::string_view from, std::string_view to,
                       bool ignoreAsciiCase) {
    if (from.empty()) return 0;
    const auto next = [&](std::size_t at) {
        if (!ignoreAsciiCase) return text.find(from, at);
        for (; at < text.size(); ++at)
            if (matchesWithoutCase(text, at, from)) return at;
        return std::string::npos;
    };
    std::string result;
    std::size_t count = 0;
    std::size_t done = 0;
    for (std::size_t at = next(0); at != std::string::npos; at = next(done)) {
        result.append(text, done, at - done);
        result.append(to);
        done = at + from.size();
        ++count;
    }
    if (count == 0) return 0;
    result.append(text, done, std::string::npos);
    text = std::move(result);
    return count;
}

std::size_t utf8Length(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string escapeControls(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    auto escape = [&](unsigned code) {
        char text[5];
        std::snprintf(text, sizeof text, "\\x%02X", code);
        out += text;
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x20 || c == 0x7F) {
            escape(c);
        } else if (c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(s[i + 1]) <= 0x9F) {
            escape(static_cast<unsigned char>(s[++i]));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace textaria::platform
