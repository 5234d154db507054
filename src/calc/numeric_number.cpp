#include "calc/numeric_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace textaria::calc {

namespace {

constexpr int kMaxFieldWidth = 255;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> readNumber(std::string_view text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    // from_chars would also take "inf", "nan" and a second sign; a literal starts with a digit.
    if (digits.empty() || !(isDigit(digits.front()) || digits.front() == '.')) return std::nullopt;
    double value = 0.0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return negative ? -value : value;
}

std::string formatFixed(double value, int width, int decimals) {
    std::string text;
    if (std::isnan(value)) {
        text = "NaN";
    } else if (std::isinf(value)) {
        text = value > 0 ? "Inf" : "-Inf";
    } else {
        // Large enough for the biggest double with 16 decimals.
        std::array<char, 400> buffer{};
        const auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                             std::chars_format::fixed, std::clamp(decimals, 0, 16));
        text.assign(buffer.data(), ec == std::errc() ? ptr : buffer.data());
        // -0.001 with two decimals is "0.00", not "-0.00".
        if (!text.empty() && text.front() == '-' &&
            text.find_first_not_of("0.", 1) == std::string::npos) {
            text.erase(0, 1);
        }
    }
    // The program's fields are 12 or 20 wide; the cap keeps a stray width from eating memory.
    const auto field = static_cast<std::size_t>(std::clamp(width, 0, kMaxFieldWidth));
    if (text.size() < field) text.insert(0, field - text.size(), ' ');
    return text;
}

std::string formatFixedTrimmed(double value, int width, int decimals) {
    std::string text = formatFixed(value, width, decimals);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

std::string CleanNumber(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (c != ' ') result += c;
    }
    if (result.empty()) return result;
    if (result.front() == '+') result.erase(0, 1);
    if (!readNumber(result)) return {};
    // Only a plain decimal loses its trailing zeros; in 1.5E10 they belong to the exponent.
    if (result.find('.') != std::string::npos && result.find_first_of("eE") == std::string::npos) {
        result.erase(result.find_last_not_of('0') + 1);
        if (result.back() == '.') result.pop_back();
        // .000 and -0.0 are still the number 0.
        if (result.empty() || result == "-" || result == "-0") result = "0";
    }
    return result;
}

}  // namespace textaria::calc
