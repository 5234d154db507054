// Formula evaluator: the fresh, the compiled and the cached path agree bit for bit, and a
// success code always comes with a finite value. The first byte picks the variables.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>

#include "calc/eval_u.h"

using namespace textaria::calc;

namespace {

FormulaVariables variablesFor(std::uint8_t pick) {
    static constexpr double kPalette[] = {0,
                                          1,
                                          -1,
                                          0.5,
                                          2,
                                          -2.5,
                                          90,
                                          180,
                                          1e-13,
                                          1e18,
                                          1e200,
                                          -1e200,
                                          1e300,
                                          1.34e300,
                                          1e308,
                                          -1e308,
                                          1e-308,
                                          5e-324,
                                          std::numeric_limits<double>::max(),
                                          -std::numeric_limits<double>::max(),
                                          3.14159265358979,
                                          1e-12,
                                          450,
                                          151};
    constexpr std::size_t n = std::size(kPalette);
    FormulaVariables v;
    for (std::size_t i = 0; i < v.values.size(); ++i)
        v.values[i] = kPalette[(pick + i * (pick | 1)) % n];
    return v;
}

bool same(const Evaluation& a, const Evaluation& b) {
    return a.code == b.code &&
           std::bit_cast<std::uint64_t>(a.value) == std::bit_cast<std::uint64_t>(b.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const FormulaVariables vars = variablesFor(data[0]);
    const std::string formula(reinterpret_cast<const char*>(data + 1), size - 1);
    std::ostringstream a, b, c;
    const Evaluation fresh = evaluateFormulaFresh(formula, vars, a);
    const Evaluation cached = EvaluateFormula(formula, vars, b);
    const CompiledFormula compiled(formula);
    const Evaluation direct = compiled.evaluate(vars, c);
    if (!same(fresh, cached) || !same(fresh, direct)) std::abort();
    if (a.str() != b.str() || a.str() != c.str()) std::abort();
    if (evaluationSucceeded(fresh.code) && !std::isfinite(fresh.value)) std::abort();
    if (!evaluationSucceeded(fresh.code) && fresh.value != 0.0) std::abort();
    return 0;
}
