// The region table "search.txt" of picture click tasks: sections headed "#" + page number,
// one region per line as x1,y1,x2,y2,number (and an optional sixth field), in the picture's
// source pixels.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::lesson {

// The text of page p's section, trimmed: after the header "#p" up to the header "#p+1". A
// section exists only when the following header does (the table ends one header past its
// last page). A header is "#" + the number not followed by a further digit, so "#1" is
// never found inside "#12".
std::optional<std::string_view> regionSection(std::string_view table, int page);

// The lines of page p's section, each trimmed; blank lines carry no region and are left out.
std::vector<std::string> regionLines(std::string_view table, int page);

// One region line read as integers. `fieldCount` is the number of comma-separated fields,
// or 0 when any of them is not an integer; values beyond the sixth field are not kept.
struct RegionLine {
    std::array<int, 6> values{};
    int fieldCount = 0;

    int x1() const { return values[0]; }
    int y1() const { return values[1]; }
    int x2() const { return values[2]; }
    int y2() const { return values[3]; }
    int number() const { return values[4]; }
    // x1,y1,x2,y2,number all present and integers.
    bool usable() const { return fieldCount >= 5; }
    // Strictly inside the rectangle: a point on its edge is outside.
    bool contains(int x, int y) const {
        return usable() && x1() < x && x < x2() && y1() < y && y < y2();
    }
};
RegionLine parseRegionLine(std::string_view line);

}  // namespace textaria::lesson
