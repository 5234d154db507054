// The rules of the data entry grid (TForm27): what PrepareEntry sets up, what Enter does in a
// cell, how the cells become EntryResult, and the sizes and position of the window. The window
// only shows the cells and forwards keys.
//
// Usage:
//   EntrySetup s = PrepareEntry(request);           // cells, prompt
//   EnterStep e = enterInCell(cellText, cell, s.count);   // on Enter
//   std::string result = joinEntryResult(cells);    // on closing
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/input_dialogs.h"

namespace textaria::script {

inline constexpr std::size_t kMaxEntryItems = 200;

// Splits at "," into trimmed items (empty ones kept), at most kMaxEntryItems.
std::vector<std::string> splitEntryItems(std::string_view text);

struct EntrySetup {
    int count = 1;                      // EntryCount
    std::vector<std::string> names;     // EntryNames
    std::vector<std::string> defaults;  // EntryDefaults
    std::string prompt;                 // EntryPrompt
    std::vector<std::string> cells;     // the initial cell contents (count entries)
};
EntrySetup PrepareEntry(const EntryRequest& request);

// Enter in cell `cell` (0-based) of `count`.
struct EnterStep {
    std::string cellText;  // "," turned into "."; emptied when not a number
    bool accepted = false;
    int nextCell = -1;  // the cell that gets the cursor; -1: the "<ok>" button
};
EnterStep enterInCell(std::string_view text, int cell, int count);

// Each cell trimmed, "," turned into ".", joined by "," ("1.5,2,-3").
std::string joinEntryResult(const std::vector<std::string>& cells);

// Sizes once the cells are known. designedGridWidth is EntryGridWidth.
struct EntryGeometry {
    int gridClientWidth = 0;
    int columnWidth = 0;
    int buttonLeft = 0;  // relative to the window
    int windowWidth = 0;
    int windowHeight = 0;
};
struct EntryMetrics {
    int designedGridWidth = 0;
    int gridLeft = 0;
    int gridFrame = 0;  // grid width minus its client width
    int buttonWidth = 0;
    int promptLeft = 5;
    int promptWidth = 0;
    int gridTop = 0;
    int gridHeight = 0;
    int promptHeight = 0;
};
EntryGeometry entryGeometry(int count, const EntryMetrics& m);

// Where the window opens: below the script window's drawing panel. The panel's offsets are
// given on the screen, as the window is placed there.
struct EntryAnchor {
    int panelLeft = 0;  // Panel3
    int panelTop = 0;
    int panelHeight = 0;
    int richEditTop = 0;  // RichEdit3
};
DialogPosition entryPosition(const EntryAnchor& anchor);

// Fonts: cells and button bold at the window's size, the prompt one point smaller; 2 points
// more above 96 dpi; regular cells and button and a prompt 2 points smaller on tall screens.
struct EntryFonts {
    int cellPoints = 0;
    bool cellBold = true;
    int promptPoints = 0;
    int buttonPoints = 0;
    bool buttonBold = true;
};
EntryFonts entryFonts(int basePoints, int dotsPerInch, int screenHeight);

}  // namespace textaria::script
