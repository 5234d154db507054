#include "calc/eval_text.h"

#include "calc/eval_u.h"

namespace textaria::calc {
namespace eval {
namespace {

// Yields the characters of a text without spaces, a..z upper-cased.
class SpacelessUpper {
  public:
    explicit SpacelessUpper(std::string_view text) : p_(text.data()), end_(p_ + text.size()) {
        skip();
    }
    bool done() const { return p_ == end_; }
    char peek() const { return done() ? '\0' : upper(*p_); }
    char take() {
        const char c = upper(*p_++);
        skip();
        return c;
    }

  private:
    static char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
    void skip() {
        while (p_ != end_ && *p_ == ' ') ++p_;
    }
    const char* p_;
    const char* end_;
};

class BoundedWriter {
  public:
    explicit BoundedWriter(PreparedText& out) : out_(out) { out_.length = 0; }
    bool full() const { return out_.length == kInputBufferSize; }
    void put(std::string_view s) {
        for (char c : s) put(c);
    }
    void put(char c) {
        if (!full()) out_.chars[out_.length++] = c;
    }

  private:
    PreparedText& out_;
};

}  // namespace

// One pass does what the evaluator defines as consecutive whole-text replacements: none of the
// replacement texts can form or hide an occurrence of another search text, so the result is the
// same as replacing "PI", then "(-", then "(+", then the leading sign, one after the other.
void prepareInto(std::string_view formula, PreparedText& out) {
    SpacelessUpper in(formula);
    BoundedWriter w(out);
    if (!in.done() && in.peek() == '-') {
        in.take();
        w.put("(-1)*");
    } else if (!in.done() && in.peek() == '+') {
        // Read as "either-or": "+-2^2" becomes "-2^2", the unary minus of the grammar.
        in.take();
    }
    while (!in.done() && !w.full()) {
        const char c = in.take();
        const char next = in.peek();
        if (c == 'P' && next == 'I') {
            in.take();
            w.put(kPiText);
        } else if (c == '(' && (next == '-' || next == '+')) {
            in.take();
            w.put(next == '-' ? "((0-1)*" : "((0+1)*");
        } else {
            w.put(c);
        }
    }
}

}  // namespace eval

std::string removeSpaces(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (c != ' ') result += c;
    return result;
}

std::string upperCaseWithPi(std::string_view text) {
    std::string result = platform::asciiUpperCase(text);
    platform::replaceAll(result, "PI", eval::kPiText);
    return result;
}

std::string prepareFormula(std::string_view formula) {
    eval::PreparedText prepared;
    eval::prepareInto(formula, prepared);
    return std::string(prepared.view());
}

}  // namespace textaria::calc
