// Determinants, linear systems, quadratic equations.
#pragma once

#include <cstddef>
#include <vector>

#include "calc/numeric_context.h"

namespace textaria::calc {

inline constexpr int kMaxMatrixOrder = 1000;

// A dense matrix addressed 1-based, as the script commands fill it: rows 1..rows,
// columns 1..columns. The routines below work on it in place.
class NumericMatrix {
  public:
    NumericMatrix() = default;
    NumericMatrix(int rows, int columns)
        : rows_(rows > 0 ? rows : 0),
          columns_(columns > 0 ? columns : 0),
          data_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_), 0.0) {}

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    double& operator()(int row, int column) { return data_[offset(row, column)]; }
    double operator()(int row, int column) const { return data_[offset(row, column)]; }

  private:
    std::size_t offset(int row, int column) const {
        return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column - 1);
    }

    int rows_ = 0;
    int columns_ = 0;
    std::vector<double> data_;
};

// Determinant of the n x n matrix by elimination with partial pivoting (the matrix is
// overwritten). Clears errorFlag; a vanishing pivot (a singular matrix), or n outside 1..1000
// or larger than the matrix, sets it and gives 0.
double Determinant(NumericMatrix& matrix, int n, bool& errorFlag);

// Solves the n x (n+1) augmented system. Clears errorFlag; without a unique solution it sets
// the flag and returns n zeros, for an n outside 1..1000 or the matrix no values at all.
// values[k-1] is the k-th unknown.
std::vector<double> SolveLinearSystem(NumericMatrix& matrix, int n, bool& errorFlag);

// Roots of a*x^2 + b*x + c = 0, with the text in the context's number format; the result is also
// kept in context.quadratic. a = b = 0 sets context.errorFlag and gives an empty text.
QuadraticSolution SolveQuadratic(double a, double b, double c, NumericContext& context);

// 0 if all three are 0; 1, 2, 3 if only x, only y, only z is 0; 4, 5, 6 if only z, only y,
// only x is not 0; 7 if none is 0.
int ZeroPattern(double x, double y, double z);

}  // namespace textaria::calc
