// Option markers of a page: read from its last two lines; "µ" anywhere makes a reading page.
#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/markup_text.h"

namespace textaria::lesson {

// In the order in which they are listed (see markerText).
enum class Marker {
    ScriptGraphic,     // "@@": the script's graphic is the page picture
    Script,            // "@": the page has a script section
    NoCorrections,     // "$"
    IgnoreCase,        // "§"
    WordList,          // "&": word list of all answers beside the page
    AppendPick,        // "~": click-click appends
    CalculatorClears,  // "%%": calculator variables cleared on opening
    Calculator,        // "%": calculator allowed
    KeepPicture,       // "*": the script draws into the lesson picture
    LimitedSound,      // "|"
    RegionNumbers,     // "//": numbering of an image click task
    RegionTask,        // "/": image click task
    Questionnaire3,    // "?3"
    Questionnaire5,    // "?5"
    Questionnaire7,    // "?7"
    ReadingPage,       // "µ" anywhere in the page: no gaps
};
inline constexpr int kMarkerCount = 16;

std::string_view markerText(Marker m);

// The characters that make one of the last two lines of a listed page an option line.
inline constexpr std::string_view kOptionCharacters[] = {"&", "$", "§", "~", "|",
                                                         "%", "@", "?", "/"};
bool hasOptionCharacter(std::string_view line);

struct PageOptions {
    std::bitset<kMarkerCount> markers;
    bool has(Marker m) const { return markers.test(static_cast<std::size_t>(m)); }
    void set(Marker m) { markers.set(static_cast<std::size_t>(m)); }
    int questionnaireLevels() const;              // 3, 5, 7 or 0
    std::vector<std::string_view> names() const;  // the markers present, in enum order
};

// The last line followed directly by the line before it, trimmed.
std::string optionText(std::string_view pageText);

// A page of a page list: every marker, "µ" from the whole page text. "µ" is looked for before
// the option lines go, so an author who writes it on the option line still gets a reading page.
PageOptions readPageOptions(std::string_view pageText);

// A single text reads only "@@", "@", "$", "§", "%", "%%", "&", "~" and "*" from its last two
// lines (which stay visible); "µ" anywhere still makes it a reading page.
PageOptions readSingleTextOptions(std::string_view text);

// Of a listed page's last two lines, those holding an option character, as removal ranges.
std::vector<ByteRange> optionLineRanges(std::string_view pageText);
std::string removeOptionLines(std::string_view pageText);

}  // namespace textaria::lesson
