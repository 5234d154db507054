// Short names of the shared text helpers, as the script runner and its commands use them.
#pragma once

#include <string>
#include <string_view>

#include "platform/text_helpers.h"

namespace textaria::script {

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

inline std::string_view trimmed(std::string_view text) { return platform::trimOf(text, " \t\r\n"); }

// Spaces and tabs removed.
inline std::string compacted(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t') result += c;
    return result;
}

inline std::string upper(std::string_view text) { return platform::asciiUpperCase(text); }
inline std::string lower(std::string_view text) { return platform::asciiLowerCase(text); }

inline bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A decimal number with an optional sign and nothing else (no exponent).
inline bool isPlainLiteral(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace textaria::script
