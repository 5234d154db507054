// Script sections of the page script file B"_m.txt".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::lesson {

struct ScriptSection {
    bool found = false;              // the file has the "#" lines around this page
    int firstLine = 0;               // the file's line number (1-based) of the first line
    std::vector<std::string> lines;  // the section, "dez" lines included
    std::optional<int> decimals;     // set by the last "dez" line of the section
    std::string error;               // a "dez" without a digit: the conversion message
};

// Why a page script failed, for the author: where and how.
struct ScriptProblem {
    enum class Kind {
        Unreadable,  // a line that is no command, keyword, assignment or expression
        Runaway,     // still running after the step budget
    };
    Kind kind = Kind::Unreadable;
    int fileLine = 0;      // line number in the script file, 1-based; 0 when unknown
    std::string lineText;  // that line as written
    std::uint64_t steps = 0;
};

// Lines containing "#" separate the sections; the lines strictly between the k-th and the
// (k+1)-th "#" line are the script of page k. Lines may end with CR LF, LF or CR.
ScriptSection scriptSection(std::string_view fileText, int page);

// The digit four characters after the "d" of the first "dez" of a line.
// Returns the number, or nullopt when the line has no "dez"; sets `error` when not a digit.
std::optional<int> decimalsOfLine(std::string_view line, std::string& error);

}  // namespace textaria::lesson
