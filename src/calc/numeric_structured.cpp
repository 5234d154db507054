#include "calc/numeric_structured.h"

#include <cmath>
#include <numbers>
#include <string>
#include <type_traits>

#include "calc/numeric_number.h"
#include "calc/numeric_text.h"

namespace textaria::calc {

namespace {

// Guards the recursion against absurdly nested or long argument texts.
constexpr int kMaxDepth = 500;

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kTiny = 1e-12;

double snapTiny(double value) { return std::fabs(value) < kTiny ? 0.0 : value; }

// Sine and cosine of degrees, exact on the axes so that i^2 is -1 and not -1 + 1.2E-16 i.
double sinDegrees(double degrees) {
    const double reduced = std::fmod(degrees, 360.0);
    if (reduced == 0.0 || std::fabs(reduced) == 180.0) return 0.0;
    if (reduced == 90.0 || reduced == -270.0) return 1.0;
    if (reduced == 270.0 || reduced == -90.0) return -1.0;
    return snapTiny(std::sin(reduced * kDegree));
}

double cosDegrees(double degrees) { return sinDegrees(degrees + 90.0); }

// The text as the evaluators read it: no spaces, and a leading or bracketed sign turned into
// a product with (0-1) or (0+1), so that the operators only ever see binary signs.
std::string prepare(std::string_view text) {
    std::string prepared;
    for (char c : text) {
        if (c != ' ') prepared += c;
    }
    if (!prepared.empty() && (prepared.front() == '+' || prepared.front() == '-')) {
        prepared = std::string("(0") + prepared.front() + "1)*" + prepared.substr(1);
    }
    replaceAll(prepared, "(-", "((0-1)*", false);
    replaceAll(prepared, "(+", "((0+1)*", false);
    return prepared;
}

// Index of the rightmost op outside any parentheses, or npos. Taking the rightmost one makes
// the operators group from the left: A-B-C is (A-B)-C.
std::size_t findTopLevel(std::string_view text, char op) {
    int level = 0;
    for (std::size_t i = text.size(); i-- > 0;) {
        const char c = text[i];
        if (c == ')') {
            ++level;
        } else if (c == '(') {
            --level;
        } else if (c == op && level == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

struct Split {
    char op = 0;
    std::string_view left;
    std::string_view right;
};

// The first operator of the family's list that occurs at level 0 splits the text.
bool splitAtOperator(std::string_view text, std::string_view operators, Split& split) {
    for (char op : operators) {
        const auto at = findTopLevel(text, op);
        if (at != std::string_view::npos) {
            split = {op, text.substr(0, at), text.substr(at + 1)};
            return true;
        }
    }
    return false;
}

std::string_view innerOfParentheses(std::string_view text) {
    return text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string_view();
}

class ComplexEvaluator {
  public:
    ComplexEvaluator(const FormulaVariables& variables, const PointTable2D& points)
        : variables_(variables), points_(points) {}

    bool failed() const { return failed_; }

    ComplexValue evaluate(std::string_view text, int depth = 0) {
        if (failed_ || depth > kMaxDepth) return fail();
        Split split;
        if (splitAtOperator(text, "+-*/^", split)) {
            if (split.op == '^') {
                const Evaluation exponent = EvaluateFormula(split.right, variables_);
                if (!evaluationSucceeded(exponent.code)) return fail();
                return power(evaluate(split.left, depth + 1), exponent.value);
            }
            const ComplexValue r = evaluate(split.right, depth + 1);
            const ComplexValue l = evaluate(split.left, depth + 1);
            switch (split.op) {
                case '+':
                    return {l.re + r.re, l.im + r.im};
                case '-':
                    return {l.re - r.re, l.im - r.im};
                case '*':
                    return {l.re * r.re - l.im * r.im, l.re * r.im + l.im * r.re};
                default: {
                    const double norm = r.re * r.re + r.im * r.im;
                    if (norm == 0.0) return fail();
                    return {(l.re * r.re + l.im * r.im) / norm, (l.im * r.re - l.re * r.im) / norm};
                }
            }
        }
        if (!text.empty() && text.front() == '(')
            return evaluate(innerOfParentheses(text), depth + 1);
        if (text.size() == 1 && isAsciiLetter(text.front())) {
            const Point2& p = points_[text.front()];
            return {p.x, p.y};
        }
        if (const auto number = readNumber(text)) return {*number, 0.0};
        return fail();
    }

  private:
    ComplexValue fail() {
        failed_ = true;
        return {};
    }

    static ComplexValue power(ComplexValue base, double exponent) {
        const double angle = exponent * argumentDegrees(base.re, base.im);
        const double reduced = angle - 360.0 * std::trunc(angle / 360.0);
        const double radius = std::pow(std::hypot(base.re, base.im), exponent);
        return {radius * cosDegrees(reduced), radius * sinDegrees(reduced)};
    }

    const FormulaVariables& variables_;
    const PointTable2D& points_;
    bool failed_ = false;
};

Point2 add(Point2 a, Point2 b) { return {a.x + b.x, a.y + b.y}; }
Point3 add(Point3 a, Point3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Point2 subtract(Point2 a, Point2 b) { return {a.x - b.x, a.y - b.y}; }
Point3 subtract(Point3 a, Point3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Point2 scale(Point2 a, double f) { return {f * a.x, f * a.y}; }
Point3 scale(Point3 a, double f) { return {f * a.x, f * a.y, f * a.z}; }
Point3 cross(Point3 l, Point3 r) {
    return {l.y * r.z - l.z * r.y, l.z * r.x - l.x * r.z, l.x * r.y - l.y * r.x};
}
bool isFinite(Point2 a) { return std::isfinite(a.x) && std::isfinite(a.y); }
bool isFinite(Point3 a) { return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z); }

template <typename Vector>
class VectorEvaluator {
  public:
    using Table = PointTable<Vector>;

    VectorEvaluator(const FormulaVariables& variables, const Table& points,
                    std::string_view operators)
        : variables_(variables), points_(points), operators_(operators) {}

    bool failed() const { return failed_; }

    Vector evaluate(std::string_view text, int depth = 0) {
        if (failed_ || depth > kMaxDepth) return fail();
        Split split;
        if (splitAtOperator(text, operators_, split)) {
            if (split.op == '*') return product(split.left, split.right, depth);
            const Vector r = evaluate(split.right, depth + 1);
            const Vector l = evaluate(split.left, depth + 1);
            if (split.op == '+') return add(l, r);
            if (split.op == '-') return subtract(l, r);
            if constexpr (std::is_same_v<Vector, Point3>) return cross(l, r);
            return fail();
        }
        if (!text.empty() && text.front() == '(')
            return evaluate(innerOfParentheses(text), depth + 1);
        if (text.size() == 1 && isAsciiLetter(text.front())) return points_[text.front()];
        return fail();
    }

  private:
    Vector fail() {
        failed_ = true;
        return {};
    }

    // One side is a number, the other a vector. A left side that reads as a non-zero number
    // against a right side that reads as 0 is the number; otherwise the right side is.
    Vector product(std::string_view left, std::string_view right, int depth) {
        const Evaluation rightNumber = EvaluateFormula(right, variables_);
        const Evaluation leftNumber = EvaluateFormula(left, variables_);
        if (leftNumber.value != 0.0 && rightNumber.value == 0.0) {
            return scale(evaluate(right, depth + 1), leftNumber.value);
        }
        // The right side is taken as the factor: it must be a valid formula. A failed formula on
        // the side that turns out to be the vector is no error.
        if (!evaluationSucceeded(rightNumber.code)) return fail();
        return scale(evaluate(left, depth + 1), rightNumber.value);
    }

    const FormulaVariables& variables_;
    const Table& points_;
    std::string_view operators_;
    bool failed_ = false;
};

template <typename Vector>
Vector evaluateVector(std::string_view text, const FormulaVariables& variables,
                      const PointTable<Vector>& points, std::string_view operators,
                      bool& errorFlag) {
    errorFlag = false;
    const std::string prepared = prepare(text);
    VectorEvaluator<Vector> evaluator(variables, points, operators);
    const Vector value = evaluator.evaluate(prepared);
    if (evaluator.failed() || !isFinite(value)) {
        errorFlag = true;
        return {};
    }
    return value;
}

}  // namespace

ComplexValue EvaluateComplex(std::string_view text, const FormulaVariables& variables,
                             NumericContext& context) {
    context.errorFlag = false;
    const std::string prepared = prepare(text);
    ComplexEvaluator evaluator(variables, context.points2D);
    const ComplexValue value = evaluator.evaluate(prepared);
    if (evaluator.failed() || !std::isfinite(value.re) || !std::isfinite(value.im)) {
        context.errorFlag = true;
        return {};
    }
    return value;
}

Point2 EvaluatePlaneVector(std::string_view text, const FormulaVariables& variables,
                           NumericContext& context) {
    return evaluateVector<Point2>(text, variables, context.points2D, "+-*", context.errorFlag);
}

Point3 EvaluateSpaceVector(std::string_view text, const FormulaVariables& variables,
                           NumericContext& context) {
    return evaluateVector<Point3>(text, variables, context.points3D, "#+-*", context.errorFlag);
}

double argumentDegrees(double re, double im) {
    // The zero number has no direction; 0 keeps its polar form plain.
    if (re == 0.0 && im == 0.0) return 0.0;
    if (re == 0.0) return im > 0.0 ? 90.0 : 270.0;
    if (im == 0.0) return re > 0.0 ? 0.0 : 180.0;
    double angle = std::atan(im / re) / kDegree;
    if (re < 0.0) {
        angle += 180.0;
    } else if (im < 0.0) {
        angle += 360.0;
    }
    return angle;
}

PolarValue toPolar(ComplexValue value) {
    return {std::hypot(value.re, value.im), argumentDegrees(value.re, value.im)};
}

ComplexValue fromPolar(PolarValue value) {
    const double angle = std::fmod(value.angle, 360.0);
    return {value.radius * cosDegrees(angle), value.radius * sinDegrees(angle)};
}

}  // namespace textaria::calc
