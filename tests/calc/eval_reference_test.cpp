// Randomised comparison of the evaluator with a reference written from the grammar by
// recursive descent (text preparation by whole-string replacement, tokens read up front,
// strtod for numbers, LR stack depth modelled by counting). Values must agree bit for bit, and
// the cached, compiled and fresh paths must agree with each other.
#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/eval_trig.h"
#include "calc/eval_u.h"

namespace textaria::calc {
namespace {

namespace ref {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
const char* const kFunctions[] = {"DEG", "RAD",   "TAN",  "ASIN", "ACOS", "LOG",
                                  "FAK", "ABS",   "ATAN", "SWI",  "COS",  "EXP",
                                  "LN",  "ROUND", "SIN",  "SQRT", "SQR",  "TRUNC"};

void replaceEvery(std::string& s, const std::string& from, const std::string& to) {
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
        } else {
            out += s[i++];
        }
    }
    s = out;
}

std::string prepare(const std::string& formula) {
    std::string s;
    for (char c : formula)
        if (c != ' ') s += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    replaceEvery(s, "PI", "3.14159265358979");
    replaceEvery(s, "(-", "((0-1)*");
    replaceEvery(s, "(+", "((0+1)*");
    if (!s.empty() && s[0] == '-')
        s = "(-1)*" + s.substr(1);
    else if (!s.empty() && s[0] == '+')
        s.erase(0, 1);
    return s.substr(0, 159);
}

struct Tok {
    char kind;  // the operator character, 'n' number, 'v' variable, 'f' function, '$' end, '?' bad
    int index = 0;
    double number = 0;
};

struct Lexed {
    std::vector<Tok> tokens;
    bool calcError = false;
    bool variableUsed = false;
};

bool digit(char c) { return c >= '0' && c <= '9'; }

Lexed lex(const std::string& s) {
    Lexed out;
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (std::string("+-*/^:()").find(c) != std::string::npos) {
            out.tokens.push_back({c});
            ++i;
        } else if (digit(c) || c == '.') {
            std::size_t j = i + 1;
            if (c == '.') {
                while (j < s.size() && digit(s[j])) ++j;
            } else {
                while (j < s.size() && (digit(s[j]) || s[j] == '.')) ++j;
            }
            if (s.substr(i, j - i) == ".") {
                out.tokens.push_back({'?'});
                i = j;
                continue;
            }
            if (j < s.size() && s[j] == 'E') {
                ++j;
                if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
                for (int k = 0; k < 3 && j < s.size() && digit(s[j]); ++k) ++j;
            }
            std::string text = (c == '.' ? "0" : "") + s.substr(i, j - i);
            char* end = nullptr;
            errno = 0;
            double v = std::strtod(text.c_str(), &end);
            if (*end != '\0' || !std::isfinite(v)) {
                out.calcError = true;
                v = 0;
            }
            out.tokens.push_back({'n', 0, v});
            i = j;
        } else if (c >= 'A' && c <= 'Z') {
            int found = -1;
            for (int f = 0; f < 18 && found < 0; ++f)
                if (s.compare(i, std::string(kFunctions[f]).size(), kFunctions[f]) == 0) found = f;
            if (found >= 0) {
                out.tokens.push_back({'f', found});
                i += std::string(kFunctions[found]).size();
            } else {
                out.tokens.push_back({'v', c - 'A'});
                out.variableUsed = true;
                ++i;
            }
        } else {
            out.tokens.push_back({'?'});
            ++i;
        }
    }
    out.tokens.push_back({'$'});
    return out;
}

struct SyntaxError {};
struct Overflow {};

double snap(double x) { return std::fabs(x) < 1e-12 ? 0.0 : x; }

class Parser {
  public:
    Parser(const Lexed& lexed, const FormulaVariables& v) : t_(lexed.tokens), vars_(v) {}
    bool calcError = false;

    double run() {
        const double v = sum(1);
        if (peek() != '$') throw SyntaxError{};
        return v;
    }

  private:
    char peek() const { return t_[pos_].kind; }
    // Shifting makes the LR stack `depth` entries high; more than 30 overflow.
    const Tok& shift(int depth) {
        if (depth > 30) throw Overflow{};
        return t_[pos_++];
    }
    double err() {
        calcError = true;
        return 0;
    }
    double finite(double r) { return std::isfinite(r) ? r : err(); }

    double sum(int d) {
        double v = product(d);
        while (peek() == '+' || peek() == '-') {
            const char op = shift(d + 2).kind;
            const double r = product(d + 2);
            v = finite(op == '+' ? v + r : v - r);
        }
        return v;
    }
    double product(int d) {
        double v = power(d);
        while (peek() == '*' || peek() == '/') {
            const char op = shift(d + 2).kind;
            const double r = power(d + 2);
            if (op == '/' && r == 0)
                v = err();
            else
                v = finite(op == '*' ? v * r : v / r);
        }
        return v;
    }
    double power(int d) {
        const double b = signedOperand(d);
        if (peek() != '^') return b;
        shift(d + 2);
        return raise(b, power(d + 2));
    }
    double raise(double b, double e) {
        double sign = 1;
        if (b < 0) {
            b = -b;
            if (std::floor(e) != e)
                sign = 0;
            else
                sign = std::fabs(std::fmod(e, 2.0)) == 1.0 ? -1 : 1;
        }
        if (b == 0) return e == 0 ? 1 : (e < 0 ? err() : 0);
        const double l = std::log(b) * e;
        if (sign == 0 || std::fabs(l) > 450) return err();
        return sign * std::pow(b, e);
    }
    double signedOperand(int d) {
        if (peek() != '-') return primary(d);
        shift(d + 1);
        return -primary(d + 1);
    }
    double primary(int d) {
        switch (peek()) {
            case 'n':
                return shift(d + 1).number;
            case 'v': {
                const int index = shift(d + 1).index;
                if (peek() != ':') return vars_.values[index];
                shift(d + 2);
                if (peek() == 'v') shift(d + 3);
                throw SyntaxError{};
            }
            case '(': {
                shift(d + 1);
                const double v = sum(d + 1);
                if (peek() != ')') throw SyntaxError{};
                shift(d + 3);
                return v;
            }
            case 'f': {
                const int f = shift(d + 1).index;
                if (peek() != '(') throw SyntaxError{};
                shift(d + 2);
                const double x = sum(d + 2);
                if (peek() != ')') throw SyntaxError{};
                shift(d + 4);
                return finite(function(kFunctions[f], snap(x)));
            }
            default:
                throw SyntaxError{};
        }
    }
    double function(const std::string& name, double x) {
        const long double rad = x * (kPi / 180.0L);
        auto degrees = [](long double r) { return r * (180.0L / kPi); };
        auto huge = [&](double limit) { return x < -limit || x > limit; };
        if (name == "DEG") return static_cast<double>(degrees(x));
        if (name == "RAD") return static_cast<double>(rad);
        // Sine and cosine in degrees are the library's own routine, checked on its own elsewhere.
        const eval::SinCos sc = eval::sinCosDegrees(x);
        if (name == "SIN") return sc.sin.hi;
        if (name == "COS") return snap(sc.cos.hi);
        if (name == "TAN") return std::fabs(sc.cos.hi) < 1e-12 ? err() : eval::tangent(sc);
        if (name == "ASIN" || name == "ACOS") {
            if (huge(1)) return err();
            // (1 - x)(1 + x) keeps its precision where x is near 1 (1 - x*x would cancel).
            const long double root = sqrtl((1.0L - x) * (1.0L + x));
            if (name == "ASIN") {
                if (x == 0 || std::fabs(x) == 1) return 90 * x;
                return static_cast<double>(degrees(atanl(x / root)));
            }
            if (x == 0) return 90;
            if (std::fabs(x) == 1) return x > 0 ? 0 : 180;
            const long double a = degrees(atanl(root / x));
            return static_cast<double>(a < 0 ? a + 180 : a);
        }
        if (name == "ATAN") {
            const long double a = degrees(atanl(x));
            return static_cast<double>(a < 0 ? a + 180 : a);
        }
        if (name == "LOG") return x <= 0 ? err() : std::log10(x);
        if (name == "LN") return x <= 0 ? err() : std::log(x);
        if (name == "EXP") return huge(450) ? err() : std::exp(x);
        if (name == "SQRT") return x < 0 ? err() : std::sqrt(x);
        if (name == "SQR") return huge(1e150) ? err() : x * x;
        if (name == "ABS") return std::fabs(x);
        if (name == "FAK") {
            if (x < 0 || x > 150) return err();
            long double p = 1;
            for (int i = 2; i <= static_cast<int>(x); ++i) p *= i;
            return static_cast<double>(p);
        }
        if (name == "ROUND") return huge(1e18) ? err() : std::nearbyint(x);
        if (name == "TRUNC") return huge(1e18) ? err() : std::trunc(x);
        return x;  // SWI
    }

    const std::vector<Tok>& t_;
    const FormulaVariables& vars_;
    std::size_t pos_ = 0;
};

struct Outcome {
    Evaluation result;
    bool overflow = false;
};

Outcome evaluate(const std::string& formula, const FormulaVariables& vars) {
    const Lexed lexed = lex(prepare(formula));
    Parser parser(lexed, vars);
    try {
        const double v = parser.run();
        const bool calcError = parser.calcError || lexed.calcError;
        const int code = (lexed.variableUsed ? 2 : 1) + (calcError ? 4 : 0);
        return {{calcError ? 0.0 : snap(v), code}, false};
    } catch (const SyntaxError&) {
        return {{0.0, 0}, false};
    } catch (const Overflow&) {
        return {{0.0, 0}, true};
    }
}

}  // namespace ref

// Random formula texts over every token, sign position, exponent form and case, with nesting,
// spaces, overlong texts and damaged characters.
class FormulaGenerator {
  public:
    explicit FormulaGenerator(unsigned seed) : rng_(seed) {}

    std::string next() {
        std::string f = expression(pick(1, 5));
        switch (pick(0, 11)) {
            case 0:
                f = std::string(pick(20, 34), '(') + f + std::string(pick(15, 34), ')');
                break;
            case 1:
                for (int i = pick(8, 17); i > 0; --i) f = one({"2^", "1^", "-1^", "(1)^"}) + f;
                break;
            case 2:
                while (f.size() < 170) f += one({"+", "-", "*", "/"}) + expression(2);
                break;
            case 3:
                damage(f);
                break;
            case 4:
                damage(f);
                damage(f);
                break;
            default:
                break;
        }
        return f;
    }

  private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    std::string one(std::initializer_list<const char*> options) {
        return *(options.begin() + pick(0, static_cast<int>(options.size()) - 1));
    }
    std::string randomCase(std::string s) {
        for (char& c : s)
            if (pick(0, 1)) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    }
    std::string blanks() { return pick(0, 9) == 0 ? " " : ""; }

    std::string number() {
        return one({"0", "1", "2", "3", "7", "12.5", ".5", "0.25", "90", "180", "45", "30", "60",
                    "150", "1E3", "2.5e-3", "1E+2", "1.5E3", "1E400", "1E-400", "1.2.3", "1E", "7.",
                    "0.0000000000001", "1e-13", "1E20", "1E18", "2E200", "450", "151", "1E0005",
                    "3.14159265358979",
                    // the extremes, where products and splits inside a function overflow
                    "1E300", "1.34E300", "1E308", "1.7976931348623157E308", "1E-308", "4.9E-324"});
    }
    std::string operand(int depth) {
        switch (pick(0, 9)) {
            case 0:
            case 1:
            case 2:
                return number();
            case 3:
            case 4:
                return std::string(1, "abcdehnpqrxz"[pick(0, 11)]);
            case 5:
                return randomCase("PI");
            case 6:
            case 7:
                return randomCase(ref::kFunctions[pick(0, 17)]) + blanks() + "(" +
                       expression(depth - 1) + ")";
            default:
                return "(" + blanks() + expression(depth - 1) + ")";
        }
    }
    std::string expression(int depth) {
        if (depth <= 0) return pick(0, 1) ? number() : "x";
        std::string e = operand(depth);
        for (int n = pick(0, 3); n > 0; --n) {
            std::string sign = one({"", "", "", "-", "+", "--"});
            e += blanks() + one({"+", "-", "*", "/", "^", "^", "*"}) + blanks() + sign +
                 operand(depth - 1);
        }
        if (pick(0, 7) == 0) e = one({"-", "+", "--", "-+"}) + e;
        return e;
    }
    void damage(std::string& f) {
        if (f.empty()) return;
        const std::size_t at = static_cast<std::size_t>(pick(0, static_cast<int>(f.size()) - 1));
        switch (pick(0, 3)) {
            case 0:
                f.insert(at, one({",", "=", "#", "\xC3\xA4", ".", ":", "\t", "$", "E", " "}));
                break;
            case 1:
                f.erase(at, 1);
                break;
            case 2:
                f.insert(at, 1, f[at]);
                break;
            default:
                f.insert(at, one({"a:b", "(", ")", "-", "^"}));
                break;
        }
    }
    std::mt19937 rng_;
};

std::vector<FormulaVariables> variableSets() {
    std::vector<FormulaVariables> sets(4);
    const double palette[] = {
        0,  1,    -1,  2,     0.5,    -2.5,     1e-13,  1e200,  -1e200, 3,
        90, 1e18, 0.3, 1e308, -1e308, 1.34e300, -1e300, 1e-308, 5e-324, 1.7976931348623157e308};
    std::mt19937 rng(7);
    for (std::size_t s = 1; s < sets.size(); ++s)
        for (double& v : sets[s].values) v = palette[rng() % std::size(palette)];
    return sets;
}

TEST(EvalReference, RandomFormulasAgreeWithTheRecursiveDescentReference) {
    FormulaGenerator generator(20261209);
    const std::vector<FormulaVariables> sets = variableSets();
    int codes[7] = {};
    int overflows = 0;
    int mismatches = 0;
    for (int i = 0; i < 20000 && mismatches < 20; ++i) {
        const std::string formula = generator.next();
        for (const FormulaVariables& vars : sets) {
            const ref::Outcome expected = ref::evaluate(formula, vars);
            std::ostringstream out;
            const Evaluation actual = evaluateFormulaFresh(formula, vars, out);
            const bool same = actual.code == expected.result.code &&
                              std::bit_cast<std::uint64_t>(actual.value) ==
                                  std::bit_cast<std::uint64_t>(expected.result.value) &&
                              out.str().empty() != expected.overflow;
            if (!same) {
                ++mismatches;
                ADD_FAILURE() << "formula \"" << formula << "\": got " << actual.value << " code "
                              << actual.code << ", reference " << expected.result.value << " code "
                              << expected.result.code << " overflow " << expected.overflow;
            }
            ++codes[expected.result.code];
            overflows += expected.overflow;
        }
    }
    // The generator must reach every outcome, or the comparison proves little.
    for (int code : {0, 1, 2, 5, 6}) EXPECT_GT(codes[code], 1000) << "code " << code;
    EXPECT_GT(overflows, 500);
}

TEST(EvalReference, CachedCompiledAndFreshPathsAreBitIdentical) {
    FormulaGenerator generator(4711);
    std::vector<std::string> formulas;
    for (int i = 0; i < 3000; ++i) formulas.push_back(generator.next());
    std::vector<FormulaVariables> sets = variableSets();
    for (int k = 0; k < 8; ++k) {  // x swept as plots do
        FormulaVariables v = sets[1];
        v['X'] = -2.0 + 0.37 * k;
        sets.push_back(v);
    }
    int mismatches = 0;
    for (int round = 0; round < 2; ++round) {  // the second round runs from the cache
        for (const std::string& formula : formulas) {
            const CompiledFormula compiled(formula);
            for (const FormulaVariables& vars : sets) {
                std::ostringstream a, b, c;
                const Evaluation fresh = evaluateFormulaFresh(formula, vars, a);
                const Evaluation cached = EvaluateFormula(formula, vars, b);
                const Evaluation direct = compiled.evaluate(vars, c);
                auto bits = [](double d) { return std::bit_cast<std::uint64_t>(d); };
                if (fresh.code != cached.code || fresh.code != direct.code ||
                    bits(fresh.value) != bits(cached.value) ||
                    bits(fresh.value) != bits(direct.value) || a.str() != b.str() ||
                    a.str() != c.str()) {
                    if (++mismatches < 20)
                        ADD_FAILURE()
                            << "formula \"" << formula << "\": fresh " << fresh.value << "/"
                            << fresh.code << ", cached " << cached.value << "/" << cached.code
                            << ", compiled " << direct.value << "/" << direct.code;
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace textaria::calc
