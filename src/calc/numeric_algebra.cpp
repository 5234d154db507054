#include "calc/numeric_algebra.h"

#include <cmath>
#include <string>
#include <utility>

#include "calc/numeric_number.h"
#include "calc/texts.h"

namespace textaria::calc {

namespace {

// A pivot this small against the largest coefficient is the rounding residue of a singular
// matrix (1..9 in rows of three leaves about 1E-16), not a usable value.
constexpr double kSingularTolerance = 1e-12;

class Elimination {
  public:
    // columns is n for a determinant and n+1 for an augmented system.
    Elimination(NumericMatrix& matrix, int n, int columns) : m_(matrix), n_(n), columns_(columns) {
        for (int r = 1; r <= n_; ++r) {
            for (int c = 1; c <= n_; ++c) scale_ = std::fmax(scale_, std::fabs(m_(r, c)));
        }
    }

    bool vanishes(double value) const { return std::fabs(value) <= kSingularTolerance * scale_; }

    // Reduces to upper triangular form; false when a pivot vanishes.
    bool run() {
        for (int i = 1; i < n_; ++i) {
            int pivot = i;
            for (int r = i + 1; r <= n_; ++r) {
                if (std::fabs(m_(r, i)) > std::fabs(m_(pivot, i))) pivot = r;
            }
            if (pivot != i) {
                for (int c = i; c <= columns_; ++c) std::swap(m_(i, c), m_(pivot, c));
                sign_ = -sign_;
            }
            if (vanishes(m_(i, i))) return false;
            for (int r = i + 1; r <= n_; ++r) {
                const double factor = m_(r, i) / m_(i, i);
                if (factor == 0.0) continue;
                for (int c = i; c <= columns_; ++c) m_(r, c) -= factor * m_(i, c);
            }
        }
        return true;
    }

    double sign() const { return sign_; }

  private:
    NumericMatrix& m_;
    int n_;
    int columns_;
    double scale_ = 0.0;
    double sign_ = 1.0;
};

bool validOrder(const NumericMatrix& matrix, int n, int columns) {
    return n >= 1 && n <= kMaxMatrixOrder && matrix.rows() >= n && matrix.columns() >= columns;
}

}  // namespace

double Determinant(NumericMatrix& matrix, int n, bool& errorFlag) {
    errorFlag = false;
    if (!validOrder(matrix, n, n)) {
        errorFlag = true;
        return 0.0;
    }
    Elimination elimination(matrix, n, n);
    if (!elimination.run()) {
        errorFlag = true;
        return 0.0;
    }
    // A vanishing last diagonal entry is a singular matrix, but no failure: its determinant is 0.
    if (elimination.vanishes(matrix(n, n))) return 0.0;
    double determinant = elimination.sign();
    for (int i = 1; i <= n; ++i) determinant *= matrix(i, i);
    if (!std::isfinite(determinant)) {
        errorFlag = true;
        return 0.0;
    }
    return determinant;
}

std::vector<double> SolveLinearSystem(NumericMatrix& matrix, int n, bool& errorFlag) {
    errorFlag = false;
    if (!validOrder(matrix, n, n + 1)) {
        errorFlag = true;
        return {};
    }
    std::vector<double> values(static_cast<std::size_t>(n), 0.0);
    auto value = [&values](int k) -> double& { return values[static_cast<std::size_t>(k - 1)]; };
    auto failed = [&]() {
        errorFlag = true;
        values.assign(values.size(), 0.0);
        return values;
    };
    Elimination elimination(matrix, n, n + 1);
    if (!elimination.run()) return failed();
    for (int k = n; k >= 1; --k) {
        if (elimination.vanishes(matrix(k, k))) return failed();
        double sum = matrix(k, n + 1);
        for (int j = k + 1; j <= n; ++j) sum -= matrix(k, j) * value(j);
        value(k) = sum / matrix(k, k);
        if (!std::isfinite(value(k))) return failed();
    }
    return values;
}

QuadraticSolution SolveQuadratic(double a, double b, double c, NumericContext& context) {
    const NumberFormat& format = context.format;
    auto fixed = [&format](double v) {
        return formatFixedTrimmed(v, format.width, format.decimals);
    };
    QuadraticSolution solution;
    auto real = [&](double x1, double x2, int count) {
        solution = {texts::kRealSolutions + fixed(x1) + " / " + fixed(x2), count, x1, x2};
    };
    if (a == 0.0 && b == 0.0) {
        // No equation in x is left; there is nothing to solve.
        context.errorFlag = true;
    } else if (a == 0.0) {
        const double x = -c / b;
        real(x, x, 1);
    } else if (const double d = b * b - 4.0 * a * c; d == 0.0) {
        const double x = -b / (2.0 * a);
        real(x, x, 1);
    } else if (d > 0.0) {
        real((std::sqrt(d) - b) / 2.0 / a, (-b - std::sqrt(d)) / 2.0 / a, 2);
    } else {
        const double re = -b / 2.0 / a;
        const double im = std::sqrt(-d) / 2.0 / a;
        solution = {texts::kComplexSolutions + fixed(re) + " + i*" + fixed(im) + " / " + fixed(re) +
                        " - i*" + fixed(im),
                    0, re, im};
    }
    if (!std::isfinite(solution.value1) || !std::isfinite(solution.value2)) {
        context.errorFlag = true;
    }
    context.quadratic = solution;
    return solution;
}

int ZeroPattern(double x, double y, double z) {
    const bool zx = x == 0.0;
    const bool zy = y == 0.0;
    const bool zz = z == 0.0;
    const int zeros = int{zx} + int{zy} + int{zz};
    switch (zeros) {
        case 3:
            return 0;
        case 2:
            return !zz ? 4 : !zy ? 5 : 6;
        case 1:
            return zx ? 1 : zy ? 2 : 3;
        default:
            return 7;
    }
}

}  // namespace textaria::calc
