// The program's own words shown to the user by this subsystem, kept together for review.
#pragma once

namespace textaria::calc::texts {

// Script numeric layer: the answer texts of quadratic equations; the blanks belong to them.
inline constexpr const char* kRealSolutions = " Reelle Lösungen: ";
inline constexpr const char* kComplexSolutions = " Komplexe Lösungen: ";

}  // namespace textaria::calc::texts
