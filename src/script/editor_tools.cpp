#include "script/editor_tools.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calc/numeric_number.h"
#include "calc/numeric_text.h"
#include "platform/codepage.h"

namespace textaria::script {

namespace {

constexpr std::size_t kMaxNumbersPerLine = 1000;

std::string fixed(double value, int decimals) {
    return calc::formatFixedTrimmed(value, 12, decimals);
}

}  // namespace

std::optional<std::vector<std::string>> statisticsLines(const std::vector<std::string>& lines,
                                                        int decimals) {
    std::vector<double> values;
    for (const std::string& line : lines) {
        if (calc::trimBlanks(line).empty()) continue;
        const calc::ItemList items = calc::SplitItems(line);
        if (items.tooLong || items.count() > kMaxNumbersPerLine) return std::nullopt;
        for (const std::string& item : items.items) {
            const auto value = calc::readNumber(item);
            if (!value) return std::nullopt;
            values.push_back(*value);
        }
    }
    if (values.empty()) return std::nullopt;
    const double n = static_cast<double>(values.size());
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    double sum = 0;
    double squares = 0;
    for (const double v : values) {
        sum += v;
        squares += v * v;
    }
    const double mean = sum / n;
    const std::string rule(60, '-');
    return std::vector<std::string>{
        rule,
        "Anzahl = " + fixed(n, 0),
        "Minimum = " + fixed(*lo, decimals),
        "Maximum = " + fixed(*hi, decimals),
        "Schwankung = " + fixed(*hi - *lo, decimals),
        "Summe = " + fixed(sum, decimals),
        "Mittelwert = " + fixed(mean, decimals),
        "Streuung = " + fixed(std::sqrt(std::max(0.0, squares / n - mean * mean)), decimals),
        rule,
    };
}

std::vector<std::string> toTextRows(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%02zu", i % 100);
        out.push_back("txz(" + std::string(number) + "," + lines[i] + ")");
    }
    return out;
}

std::vector<std::string> fromTextRows(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        const std::size_t comma = line.find(',');
        if (calc::toLowerAscii(line).find("txz") == std::string::npos ||
            comma == std::string::npos || line.size() < comma + 2) {
            out.emplace_back(" ");
            continue;
        }
        out.push_back(line.substr(comma + 1, line.size() - comma - 2));
    }
    return out;
}

std::vector<std::string> characterTable() {
    std::vector<std::string> out;
    for (int code = 1; code <= 255; ++code) {
        std::string line;
        if (code == 9 || code == 10 || code == 13)
            line = " ";
        else
            line = platform::cp1252ToUtf8(std::string(1, static_cast<char>(code)));
        out.push_back(line + "\t" + std::to_string(code));
    }
    return out;
}

}  // namespace textaria::script
