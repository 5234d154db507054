#include "calc/eval_scan.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>

#include "calc/eval_text.h"

namespace textaria::calc::eval {
namespace {

constexpr std::array<std::string_view, kFunctionCount> kFunctionNames = {
    "DEG", "RAD", "TAN", "ASIN", "ACOS",  "LOG", "FAK",  "ABS", "ATAN",
    "SWI", "COS", "EXP", "LN",   "ROUND", "SIN", "SQRT", "SQR", "TRUNC"};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// For each letter, the ids of the function names that begin with it, in the order of trial
// (names with different first letters never compete, so this keeps the overall order).
struct Candidates {
    std::uint8_t count = 0;
    std::array<std::uint8_t, 4> ids{};
};
constexpr std::array<Candidates, 26> makeCandidates() {
    std::array<Candidates, 26> table{};
    for (int i = 0; i < kFunctionCount; ++i) {
        Candidates& c = table[kFunctionNames[i][0] - 'A'];
        c.ids[c.count++] = static_cast<std::uint8_t>(i);
    }
    return table;
}
constexpr std::array<Candidates, 26> kCandidates = makeCandidates();

// Decimal exponent of the leading digit, roughly; only its sign matters, to tell a number too
// large for a double from one too small.
long magnitudeEstimate(std::string_view text) {
    long exponent = 0;
    const std::size_t e = text.find('E');
    if (e != std::string_view::npos) {
        bool negative = false;
        std::size_t i = e + 1;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        long digits = 0;
        for (; i < text.size(); ++i) digits = digits * 10 + (text[i] - '0');
        exponent = negative ? -digits : digits;
        text = text.substr(0, e);
    }
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::size_t first = text.find_first_not_of("0.");
    if (first == std::string_view::npos) return exponent;
    return exponent + (first < point ? static_cast<long>(point - first)
                                     : -static_cast<long>(first - point) + 1);
}

}  // namespace

std::string_view functionName(FunctionId id) { return kFunctionNames[static_cast<int>(id)]; }

bool convertNumber(std::string_view text, double& value) {
    value = 0.0;
    const char* end = text.data() + text.size();
    double parsed = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), end, parsed, std::chars_format::general);
    if (ptr != end) return false;
    if (ec == std::errc::result_out_of_range) return magnitudeEstimate(text) <= 0;
    if (ec != std::errc()) return false;
    value = parsed;
    return true;
}

Token Scanner::next(ScanFlags& flags) {
    while (p_ != end_ && *p_ == ' ') ++p_;
    Token t;
    if (p_ == end_) return t;
    const char c = *p_;
    if (isDigit(c) || c == '.') return number(flags);
    if (c >= 'A' && c <= 'Z') return letter(flags);
    ++p_;
    switch (c) {
        case '+':
            t.kind = TokenKind::Plus;
            break;
        case '-':
            t.kind = TokenKind::Minus;
            break;
        case '*':
            t.kind = TokenKind::Times;
            break;
        case '/':
            t.kind = TokenKind::Divide;
            break;
        case '^':
            t.kind = TokenKind::Power;
            break;
        case ':':
            t.kind = TokenKind::Colon;
            break;
        case '(':
            t.kind = TokenKind::Open;
            break;
        case ')':
            t.kind = TokenKind::Close;
            break;
        default:
            t.kind = TokenKind::Bad;
            break;
    }
    return t;
}

Token Scanner::number(ScanFlags& flags) {
    Token t;
    const char* start = p_;
    const char* q = p_;
    if (*q == '.') {
        // A number that starts with a point ends at the next point.
        ++q;
        while (q != end_ && isDigit(*q)) ++q;
        if (q - start == 1) {
            p_ = q;
            t.kind = TokenKind::Bad;
            return t;
        }
    } else {
        while (q != end_ && (isDigit(*q) || *q == '.')) ++q;
    }
    if (q != end_ && *q == 'E') {
        ++q;
        if (q != end_ && (*q == '+' || *q == '-')) ++q;
        for (int n = 0; n < 3 && q != end_ && isDigit(*q); ++n) ++q;
    }
    p_ = q;
    t.kind = TokenKind::Number;
    if (q - start <= 15) {
        // Up to 15 digits and nothing else: the value is exact in a double, as converting gives.
        double whole = 0.0;
        const char* s = start;
        while (s != q && isDigit(*s)) whole = whole * 10.0 + (*s++ - '0');
        if (s == q) {
            t.value = whole;
            return t;
        }
    }
    // The collected text fits: it is part of the prepared text, plus the "0" in front.
    char buffer[kInputBufferSize + 1];
    std::size_t length = 0;
    if (*start == '.') buffer[length++] = '0';
    for (const char* s = start; s != q; ++s) buffer[length++] = *s;
    if (!convertNumber({buffer, length}, t.value)) flags.calcError = true;
    return t;
}

Token Scanner::letter(ScanFlags& flags) {
    Token t;
    const std::string_view rest(p_, static_cast<std::size_t>(end_ - p_));
    const Candidates& candidates = kCandidates[rest[0] - 'A'];
    for (int n = 0; n < candidates.count; ++n) {
        const std::uint8_t id = candidates.ids[n];
        const std::string_view name = kFunctionNames[id];
        if (rest.starts_with(name)) {
            p_ += name.size();
            t.kind = TokenKind::Function;
            t.payload = id;
            return t;
        }
    }
    ++p_;
    t.kind = TokenKind::Variable;
    t.payload = static_cast<std::uint8_t>(rest[0] - 'A');
    flags.variableUsed = true;
    return t;
}

}  // namespace textaria::calc::eval
