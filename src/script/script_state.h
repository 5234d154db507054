// The state a script run shares with the lines it evaluates and the commands it calls. The
// editor owns one ScriptState for the whole program; tests make as many as they like.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "calc/eval_u.h"
#include "calc/numeric_context.h"

namespace textaria::script {

inline constexpr int kXyPairCount = 101;

struct XyPair {
    double x = 0.0;
    double y = 0.0;
};

struct ScriptState {
    explicit ScriptState(calc::FormulaVariables& formulaVariables)
        : variables(formulaVariables), random(std::random_device{}()) {}

    bool RunningFlag = false;
    bool AbortFlag = false;
    bool InputAbortFlag = false;
    bool RepeatFlag = false;
    // ErrorFlag is numeric.errorFlag: the numeric layer sets it, iferror reads it.
    bool& ErrorFlag() { return numeric.errorFlag; }

    calc::FormulaVariables& variables;  // A..Z, shared with the calculator and lesson pages
    // Point tables, function slots, NumberWidth/NumberDecimals and the error flag.
    calc::NumericContext numeric;

    std::array<std::string, 2> StoredFunctionSlot;
    std::array<std::string, 2> LastIntexAnswer;
    std::vector<std::size_t> PageTable;  // lines holding "pag(0)", in text order
    int CycleCounter = 0;
    int graphicCaptionCounter = 0;
    bool LessonMode = false;
    bool lessonKeyLock = false;

    // A point definition with three coordinates sets it, one with two clears it.
    bool SpaceMode = false;

    std::array<XyPair, kXyPairCount> xyTable{};
    // Where WXY and RXY keep their files (absolute); empty: the current folder.
    std::string dataFolder;

    // Random numbers for ZUF and the random slot choices. Seeded from the system at creation;
    // tests and the command line may seed it for repeatable runs.
    std::mt19937_64 random;

    calc::NumberFormat& format() { return numeric.format; }
};

}  // namespace textaria::script
