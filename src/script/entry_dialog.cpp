#include "script/entry_dialog.h"

#include <cmath>

#include "calc/numeric_number.h"
#include "calc/numeric_text.h"
#include "script/texts.h"

namespace textaria::script {

namespace {

std::string commasToPoints(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    return s;
}

}  // namespace

std::vector<std::string> splitEntryItems(std::string_view text) {
    std::vector<std::string> items;
    if (calc::trimBlanks(text).empty()) return items;
    std::size_t start = 0;
    while (start <= text.size() && items.size() < kMaxEntryItems) {
        const auto comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            // A text not ending in "," still closes its last item.
            if (start < text.size()) items.emplace_back(calc::trimBlanks(text.substr(start)));
            break;
        }
        items.emplace_back(calc::trimBlanks(text.substr(start, comma - start)));
        start = comma + 1;
    }
    return items;
}

EntrySetup PrepareEntry(const EntryRequest& request) {
    EntrySetup s;
    s.count = std::max(1, request.count);
    s.names = splitEntryItems(request.names);
    s.defaults = splitEntryItems(request.defaults);
    s.prompt = request.kind == 1 ? request.prompt : texts::kEntryPointPrompt + request.names;
    for (int i = 0; i < s.count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        s.cells.push_back(index < s.defaults.size() ? s.defaults[index] : std::string());
    }
    return s;
}

EnterStep enterInCell(std::string_view text, int cell, int count) {
    EnterStep step;
    step.cellText = commasToPoints(text);
    if (!calc::readNumber(calc::trimBlanks(step.cellText))) {
        step.cellText.clear();
        step.nextCell = cell;
        return step;
    }
    step.accepted = true;
    step.nextCell = cell + 1 < count ? cell + 1 : -1;
    return step;
}

std::string joinEntryResult(const std::vector<std::string>& cells) {
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += ',';
        out += commasToPoints(calc::trimBlanks(cells[i]));
    }
    return out;
}

EntryGeometry entryGeometry(int count, const EntryMetrics& m) {
    EntryGeometry g;
    count = std::max(1, count);
    g.gridClientWidth =
        static_cast<int>(std::lround(m.designedGridWidth * count / 4.0)) + m.buttonWidth / 2;
    g.columnWidth = g.gridClientWidth / (count == 1 ? 1 : count + 1);
    const int gridRight = m.gridLeft + g.gridClientWidth + m.gridFrame;
    // With several cells the button covers the spare last column.
    g.buttonLeft = count == 1 ? gridRight + 2 : gridRight - g.columnWidth + 2;
    const int buttonRight = g.buttonLeft + m.buttonWidth;
    const int promptRight = m.promptLeft + m.promptWidth;
    g.windowWidth = std::max(buttonRight, promptRight) + 10;
    const int promptTop = m.gridTop + m.gridHeight + 15;
    g.windowHeight = promptTop + m.promptHeight + 15;
    return g;
}

DialogPosition entryPosition(const EntryAnchor& a) {
    return {a.panelLeft, a.panelTop + a.panelHeight + 5 * a.richEditTop};
}

EntryFonts entryFonts(int basePoints, int dotsPerInch, int screenHeight) {
    EntryFonts f;
    f.cellPoints = basePoints;
    f.buttonPoints = basePoints;
    f.promptPoints = basePoints - 1;
    if (dotsPerInch > 96) {
        f.cellPoints += 2;
        f.buttonPoints += 2;
        f.promptPoints += 2;
    }
    if (screenHeight > 1000) {
        f.cellBold = false;
        f.buttonBold = false;
        f.promptPoints -= 2;
    }
    return f;
}

}  // namespace textaria::script
