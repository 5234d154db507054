// The size of texts in script graphics, changed by F10 (back to the standard), Shift F10 (one
// point larger) and Ctrl F10 (one smaller) in the editor and in the lesson window alike.
#pragma once

#include <string>

#include "script/draw_context.h"

namespace textaria::script {

// Sizes stay within these points, so the keys can never make texts vanish or explode.
inline constexpr int kSmallestGraphicsText = 4;
inline constexpr int kLargestGraphicsText = 72;

// Steps `size` (0: back to the standard of `screen`) and returns the message that confirms it.
std::string stepGraphicsTextSize(int& size, const ScreenFacts& screen, int step);
// The same for a drawing surface: its text font follows at once.
std::string stepGraphicsTextSize(DrawingContext& drawing, int step);

}  // namespace textaria::script
