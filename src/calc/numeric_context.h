// The shared state the script numeric layer reads and writes: point tables, function terms,
// the output number format and the error flag. The script state owns one of these and hands it
// over by reference; nothing here is global.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace textaria::calc {

struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Points are indexed by character code minus 64, so A..Z are entries 1..26 and a..z are the
// distinct entries 33..58. Characters outside the table map to entry 0, which is never a letter.
inline constexpr std::size_t kPointTableSize = 101;

inline std::size_t pointIndex(char letter) {
    const int index = static_cast<unsigned char>(letter) - 64;
    return index > 0 && index < static_cast<int>(kPointTableSize) ? static_cast<std::size_t>(index)
                                                                  : 0;
}

inline bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

template <typename PointType>
struct PointTable {
    std::array<PointType, kPointTableSize> entries{};

    PointType& operator[](char letter) { return entries[pointIndex(letter)]; }
    const PointType& operator[](char letter) const { return entries[pointIndex(letter)]; }
    void clear() { entries.fill(PointType{}); }
};

using PointTable2D = PointTable<Point2>;
using PointTable3D = PointTable<Point3>;

// The one fixed-point output format of the calculator and the scripts.
struct NumberFormat {
    static constexpr int kDefaultWidth = 12;
    static constexpr int kDefaultDecimals = 2;
    static constexpr int kMaxDecimals = 14;

    int width = kDefaultWidth;        // NumberWidth
    int decimals = kDefaultDecimals;  // NumberDecimals, 0..14
};

// The last result of SolveQuadratic, kept for the script to read.
struct QuadraticSolution {
    std::string text;
    int realSolutions = 0;
    double value1 = 0.0;  // x1, or the real part of a complex pair
    double value2 = 0.0;  // x2, or the imaginary part of a complex pair
};

inline constexpr int kFunctionSlotCount = 5;

struct NumericContext {
    PointTable2D points2D;                                      // PointTable2D
    PointTable3D points3D;                                      // PointTable3D
    std::array<std::string, kFunctionSlotCount> functionSlots;  // FunctionSlot 1..5 at 0..4
    NumberFormat format;
    bool errorFlag = false;  // ErrorFlag, tested by the script's iferror
    QuadraticSolution quadratic;

    // Slot numbers are 1-based as in scripts ("funtex1", "funtex2").
    std::string& functionSlot(int number) { return functionSlots[slotIndex(number)]; }
    const std::string& functionSlot(int number) const { return functionSlots[slotIndex(number)]; }

  private:
    static std::size_t slotIndex(int number) {
        return number >= 1 && number <= kFunctionSlotCount ? static_cast<std::size_t>(number - 1)
                                                           : 0;
    }
};

}  // namespace textaria::calc
