// Text tools of the script editor's keys: number statistics (F9), text rows to and from txz
// lines (Ctrl+F7, Shift+F7), the character table (F2).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace textaria::script {

// The lines inserted below selected number lines (comma lists of literals, at most 1000 per
// line): a rule, count, minimum, maximum, range, sum, mean, deviation, a rule. Nothing when a
// part is no number or there is none.
std::optional<std::vector<std::string>> statisticsLines(const std::vector<std::string>& lines,
                                                        int decimals);

// "txz(" two-digit number from 00 "," text ")" for each line.
std::vector<std::string> toTextRows(const std::vector<std::string>& lines);
// The reverse: the text between the first "," and the final character of a txz line; other
// lines become a blank.
std::vector<std::string> fromTextRows(const std::vector<std::string>& lines);

// One line per code 1..255: the character (a blank for 9, 10 and 13), a tab and the code.
std::vector<std::string> characterTable();

}  // namespace textaria::script
