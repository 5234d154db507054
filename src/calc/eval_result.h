// What the fresh and the compiled path share at the end of an evaluation.
#pragma once

#include <ostream>

#include "calc/eval_math.h"
#include "calc/eval_u.h"
#include "calc/texts.h"

namespace textaria::calc::eval {

inline void writeOverflow(std::ostream& out) {
    out << '\n' << texts::kStackOverflow << '\n' << '\n';
}

inline Evaluation finalResult(double value, bool calcError, bool variableUsed) {
    const int code = (variableUsed ? kValidWithVariable : kValid) + (calcError ? 4 : 0);
    return {calcError ? 0.0 : snapToZero(value), code};
}

}  // namespace textaria::calc::eval
