// Click-click technique and picture click tasks: which word a click picks from a list in the
// page text, and the rules of the two region tasks on a picture ("/" finding, "//" labelling).
// Positions in a line are byte offsets into its UTF-8 text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/markup_regions.h"
#include "player/picture_panel.h"

namespace textaria::player {

// The blank, "+", "-", "0".."9", "?", "A".."Z", "_", "a".."z" and the German umlauts and "ß";
// everything else ends a word.
bool isWordCharacter(char32_t c);

struct LineRange {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const LineRange&) const = default;
};

// Where in a line a click may pick: a line with "((" from after it up to its "))" (or the
// line's end while the list goes on below); a line with only "))", the end of a list spread
// over several lines, the whole line. Nothing for a line with neither.
std::optional<LineRange> pickSpan(std::string_view line);

// The word under the character at byte `column`, extended over word characters and trimmed;
// nothing when the click lies outside the pick span or on a delimiter.
std::optional<LineRange> pickWordAt(std::string_view line, std::size_t column);

// Every word a click on the line could pick, in order (for picking without a mouse).
std::vector<LineRange> pickItems(std::string_view line);

// The trimmed text between the first "((" of a page and the "))" after it; empty without one.
std::string allowedAnswersOf(std::string_view pageText);

// ---- Picture regions ------------------------------------------------------------------------

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// The picture as it lies in its file and as it is shown.
struct PictureGeometry {
    PixelSize source;
    PixelSize shown;
    bool usable() const {
        return source.width > 0 && source.height > 0 && shown.width > 0 && shown.height > 0;
    }
};

// A click on the shown picture in source pixels, and a source rectangle on the shown picture.
PixelPoint toSource(const PictureGeometry& g, int x, int y);
PixelRect toShown(const PictureGeometry& g, const lesson::RegionLine& region);

// A region number to write on the picture, centred in its rectangle (shown pixels).
struct PictureLabel {
    PixelRect rect;
    std::string text;
};

enum class RegionMode { None, Find, Label };

// Percent of hits as the tasks write it: 2 decimals in width 5 (" 0.00", "20.00", "100.00").
std::string regionPercent(int hits, int count);

// The state of a page's picture task, read on every page display.
class RegionTask {
  public:
    // ReadRegions: the region lines of the shown page; every counter starts again.
    void read(RegionMode mode, std::vector<std::string> lines);
    void clear() { read(RegionMode::None, {}); }

    RegionMode mode() const { return mode_; }
    int RegionCount() const { return static_cast<int>(lines_.size()); }
    int ClickIndex() const { return clickIndex_; }
    int HitCount() const { return hitCount_; }
    bool TaskClosed() const { return taskClosed_; }

    // One attempt of the finding task at a point in source pixels.
    struct Attempt {
        bool counted = false;  // false: no task, or it is closed
        bool hit = false;
        lesson::RegionLine region;  // the region this attempt had to find
        std::string status;         // the status panel's text
        std::string result;         // the result message after the last attempt, else empty
    };
    Attempt find(PixelPoint source);

    // The labelling task: the number of the first region strictly containing the point.
    std::optional<std::string> labelAt(PixelPoint source) const;

    // The numbers written after "Bewerten": only when the second region line has six integer
    // fields and its sixth is not 0.
    std::vector<PictureLabel> numbers(const PictureGeometry& g) const;

  private:
    RegionMode mode_ = RegionMode::None;
    std::vector<std::string> lines_;
    int clickIndex_ = 0;
    int hitCount_ = 0;
    bool taskClosed_ = false;
};

}  // namespace textaria::player
