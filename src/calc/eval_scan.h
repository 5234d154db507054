// The scanner of the formula evaluator: prepared text to tokens.
#pragma once

#include <cstdint>
#include <string_view>

namespace textaria::calc::eval {

enum class TokenKind : std::uint8_t {
    Plus,
    Minus,
    Times,
    Divide,
    Power,
    Colon,
    Open,
    Close,
    Number,
    Variable,
    Function,
    End,
    Bad
};
inline constexpr int kTokenKindCount = 13;

// Function ids in the order in which the scanner tries the names.
enum class FunctionId : std::uint8_t {
    Deg,
    Rad,
    Tan,
    Asin,
    Acos,
    Log,
    Fak,
    Abs,
    Atan,
    Swi,
    Cos,
    Exp,
    Ln,
    Round,
    Sin,
    Sqrt,
    Sqr,
    Trunc
};
inline constexpr int kFunctionCount = 18;
std::string_view functionName(FunctionId id);

struct Token {
    TokenKind kind = TokenKind::End;
    std::uint8_t payload = 0;  // variable index 0..25 or function id
    double value = 0.0;        // number value
};

// Flags that the scanner raises while reading.
struct ScanFlags {
    bool calcError = false;     // a number text that does not convert
    bool variableUsed = false;  // a variable token was read
};

class Scanner {
  public:
    explicit Scanner(std::string_view text) : p_(text.data()), end_(p_ + text.size()) {}
    Token next(ScanFlags& flags);

  private:
    Token number(ScanFlags& flags);
    Token letter(ScanFlags& flags);
    const char* p_;
    const char* end_;
};

// Converts a collected number text ("0" already put in front of a leading "."). Returns false
// when it is not a decimal number or too large for a double; a number too small for a double
// is 0.
bool convertNumber(std::string_view text, double& value);

}  // namespace textaria::calc::eval
