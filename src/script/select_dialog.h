// The rules of the selection box (TForm28): which buttons a mode shows, how wide the group is,
// what the box returns, and how a "Prompt:v,n" text is read. The window only lays out and
// reports the chosen index.
//
// Usage:
//   SelectText t = parseSelectText("Wähle:x,3");     // prompt "Wähle", variable 'X', count 3
//   SelectRequest r{0, t.count, t.prompt, false};
//   SelectLayout l = selectLayout(r, designedGroupWidth);   // buttons "1" "2" "3" "0"
//   int result = selectResult(r, chosenIndex, escaped);      // what the caller gets
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "script/input_dialogs.h"

namespace textaria::script {

// Callers pass 2..9 choices; anything else becomes 1.
int selectCount(int n);

// "Prompt:v,n": the prompt before the first ":", v the upper-cased first character of the
// trimmed text between ":" and the next ",", n the integer after that "," (see selectCount).
struct SelectText {
    std::string prompt;
    char variable = 0;  // 0 when the text names none
    int count = 1;
};
SelectText parseSelectText(std::string_view text);

struct SelectLayout {
    std::vector<std::string> buttons;
    int columns = 1;
    int groupWidth = 0;
    bool centredPrompt = false;  // with SelectNoZero set
};
// designedWidth is the radio group's width as designed (W); W/8 is integer division.
SelectLayout selectLayout(const SelectRequest& request, int designedWidth);

// SelectResult for the chosen button (0-based; -1 when none was chosen). Escape gives -1 in
// modes 0..2; otherwise the unchosen index counts (-1 in modes 3 and 6, 0 in modes 4 and 5).
int selectResult(const SelectRequest& request, int chosenIndex, bool escaped);

// Fonts of the box: the window's point size is that of the script editor's entry line.
struct SelectFonts {
    bool windowBold = true;
    int buttonPoints = 0;
    bool buttonBold = true;
    int promptPoints = 0;
};
SelectFonts selectFonts(int basePoints, int dotsPerInch, int screenHeight);

}  // namespace textaria::script
