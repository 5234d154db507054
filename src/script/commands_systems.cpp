// Determinants and linear systems.
#include <string>

#include "calc/numeric_algebra.h"
#include "script/command_util.h"
#include "script/texts.h"
#include "script/vector_util.h"

namespace textaria::script {
namespace {

void determinant(CommandCall& call) {
    const int n = call.spaceMode() ? 3 : 2;
    calc::NumericMatrix matrix(n, n);
    for (int row = 1; row <= n; ++row)
        for (int column = 1; column <= n; ++column)
            matrix(row, column) = call.number(static_cast<std::size_t>((row - 1) * n + column - 1));
    bool singular = false;
    call.writeValue('z', calc::Determinant(matrix, n, singular));
    call.state.ErrorFlag() = singular;
}

// Solves the augmented n x (n+1) matrix; no unique solution clears nothing and says so.
std::optional<std::vector<double>> solve(CommandCall& call, calc::NumericMatrix& matrix, int n) {
    bool failed = false;
    std::vector<double> values = calc::SolveLinearSystem(matrix, n, failed);
    call.state.ErrorFlag() = failed;
    if (failed) return std::nullopt;
    return values;
}

// Rows are the first vectors, the right-hand side the last one.
void systemFromVectors(CommandCall& call) {
    const int n = call.spaceMode() ? 3 : 2;
    const auto size = static_cast<std::size_t>(n);
    calc::NumericMatrix matrix(n, n + 1);
    const Vec right = vectorAt(call, size, size);
    for (int row = 1; row <= n; ++row) {
        const Vec coefficients = vectorAt(call, static_cast<std::size_t>(row - 1), size);
        for (int column = 1; column <= n; ++column)
            matrix(row, column) = coefficients[static_cast<std::size_t>(column - 1)];
        matrix(row, n + 1) = right[static_cast<std::size_t>(row - 1)];
    }
    const auto values = solve(call, matrix, n);
    if (!values) {
        call.writeText(texts::kSystemNotSolvable);
        if (call.running()) call.env.dialogs.information(texts::kSystemNotSolvable);
        return;
    }
    call.writePoint('Z', values->data(), size);
}

// The coefficients are the variables A, B, C, ... row by row.
void systemFromVariables(CommandCall& call, int n) {
    calc::NumericMatrix matrix(n, n + 1);
    int letter = 0;
    for (int row = 1; row <= n; ++row)
        for (int column = 1; column <= n + 1; ++column)
            matrix(row, column) = call.state.variables.values[static_cast<std::size_t>(letter++)];
    const auto values = solve(call, matrix, n);
    if (!values) {
        call.env.dialogs.information(texts::kSystemNotSolvable);
        return;
    }
    static constexpr char kNames[] = {'x', 'y', 'z', 'w'};
    for (int i = 0; i < n; ++i) call.writeValue(kNames[i], (*values)[static_cast<std::size_t>(i)]);
}

}  // namespace

void registerCommands_systems(CommandTable& table) {
    using F = ArgumentForm;
    table.add({"DET", F::Points, count(4, 9), determinant});
    table.add({"LGS", F::Points, count(6, 12), systemFromVectors});
    table.add({"LG2", F::None, anyCount(), [](CommandCall& c) { systemFromVariables(c, 2); }});
    table.add({"LG3", F::None, anyCount(), [](CommandCall& c) { systemFromVariables(c, 3); }});
    table.add({"LG4", F::None, anyCount(), [](CommandCall& c) { systemFromVariables(c, 4); }});
}

}  // namespace textaria::script
