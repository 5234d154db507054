#include "script/select_dialog.h"

#include <charconv>

#include "calc/numeric_text.h"

namespace textaria::script {

namespace {

int normalisedMode(int mode) { return mode >= 0 && mode <= 6 ? mode : 0; }

std::vector<std::string> labels(int mode, int n) {
    std::vector<std::string> out;
    switch (mode) {
        case 2:
        case 6:
            return {"nein", "?", "ja"};
        case 1:
        case 5:
            for (int i = 0; i < n; ++i) out.emplace_back(1, static_cast<char>('a' + i));
            return out;
        case 3:
            for (int i = 0; i < n; ++i) out.push_back(std::to_string(i));
            return out;
        default:
            for (int i = 1; i <= n; ++i) out.push_back(std::to_string(i));
            return out;
    }
}

}  // namespace

int selectCount(int n) { return n >= 2 && n <= 9 ? n : 1; }

SelectText parseSelectText(std::string_view text) {
    SelectText out;
    const auto colon = text.find(':');
    out.prompt = std::string(text.substr(0, colon));
    if (colon == std::string_view::npos) return out;
    const std::string_view rest = text.substr(colon + 1);
    const auto comma = rest.find(',');
    const std::string_view name = calc::trimBlanks(rest.substr(0, comma));
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        out.variable = static_cast<char>(name[0] - 'a' + 'A');
    else if (!name.empty())
        out.variable = name[0];
    if (comma == std::string_view::npos) return out;
    const std::string_view number = calc::trimBlanks(rest.substr(comma + 1));
    int n = 1;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), n);
    out.count = ec == std::errc() && end == number.data() + number.size() ? selectCount(n) : 1;
    return out;
}

SelectLayout selectLayout(const SelectRequest& request, int designedWidth) {
    const int mode = normalisedMode(request.mode);
    const int n = selectCount(request.count);
    const int unit = designedWidth / 8;
    SelectLayout out;
    out.buttons = labels(mode, n);
    out.columns = n;
    out.groupWidth = unit * (mode == 6 ? 2 : 1) * n;
    if (mode <= 2) {
        out.centredPrompt = request.noZero;
        if (!request.noZero) {
            out.buttons.push_back("0");
            out.columns = n + 1;
            out.groupWidth = unit * (n + 1);
        } else {
            out.groupWidth = unit * (mode == 2 ? 2 : 1) * n;
        }
    }
    return out;
}

int selectResult(const SelectRequest& request, int chosenIndex, bool escaped) {
    const int mode = normalisedMode(request.mode);
    switch (mode) {
        case 3:
        case 6:
            return chosenIndex;
        case 4:
        case 5:
            return chosenIndex + 1;
        default:
            if (escaped) return -1;
            // The extra last button "0".
            if (!request.noZero && chosenIndex == selectCount(request.count)) return 0;
            return chosenIndex + 1;
    }
}

SelectFonts selectFonts(int basePoints, int dotsPerInch, int screenHeight) {
    SelectFonts f;
    f.windowBold = screenHeight <= 780;
    f.buttonPoints = basePoints;
    f.promptPoints = basePoints;
    if (dotsPerInch > 96) {
        f.buttonPoints += 2;
        f.promptPoints += 2;
    }
    if (screenHeight > 1000) {
        f.buttonBold = false;
        f.promptPoints -= 2;
    }
    return f;
}

}  // namespace textaria::script
