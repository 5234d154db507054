#include "player/click_tasks.h"

#include <cmath>

#include "calc/numeric_number.h"
#include "lesson/markup_text.h"
#include "platform/codepage.h"
#include "player/texts.h"

namespace textaria::player {

namespace {

// A decoded character of a line: its code point and where its bytes begin and end.
struct Character {
    char32_t code;
    std::size_t begin;
    std::size_t end;
};

std::vector<Character> decode(std::string_view line) {
    std::vector<Character> chars;
    for (std::size_t pos = 0; pos < line.size();) {
        const std::size_t begin = pos;
        const char32_t c = platform::nextUtf8(line, pos);
        chars.push_back({c, begin, pos});
    }
    return chars;
}

// The trimmed part of [begin, end) of a line; nothing when only blanks remain.
std::optional<LineRange> trimmedRange(std::string_view line, std::size_t begin, std::size_t end) {
    while (begin < end && line[begin] == ' ') ++begin;
    while (end > begin && line[end - 1] == ' ') --end;
    if (begin == end) return std::nullopt;
    return LineRange{begin, end};
}

// Rounds halves to the even neighbour, as the rest of the program's pixel arithmetic does.
int roundPixel(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

bool isWordCharacter(char32_t c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    switch (c) {
        case ' ':
        case '+':
        case '-':
        case '?':
        case '_':
        case U'Ä':
        case U'Ö':
        case U'Ü':
        case U'ß':
        case U'ä':
        case U'ö':
        case U'ü':
            return true;
        default:
            return false;
    }
}

std::optional<LineRange> pickSpan(std::string_view line) {
    const std::size_t open = line.find("((");
    if (open == std::string_view::npos) {
        if (line.find("))") == std::string_view::npos) return std::nullopt;
        return LineRange{0, line.size()};
    }
    const std::size_t close = line.find("))", open + 2);
    // Reading: a list that goes on below its "((" line accepts clicks up to the line's end.
    return LineRange{open + 2, close == std::string_view::npos ? line.size() : close};
}

std::optional<LineRange> pickWordAt(std::string_view line, std::size_t column) {
    const auto span = pickSpan(line);
    if (!span || column < span->begin || column >= span->end) return std::nullopt;
    const std::vector<Character> chars = decode(line);
    std::size_t at = 0;
    while (at < chars.size() && chars[at].end <= column) ++at;
    if (at == chars.size() || !isWordCharacter(chars[at].code)) return std::nullopt;
    std::size_t first = at;
    std::size_t last = at;
    while (first > 0 && isWordCharacter(chars[first - 1].code)) --first;
    while (last + 1 < chars.size() && isWordCharacter(chars[last + 1].code)) ++last;
    return trimmedRange(line, chars[first].begin, chars[last].end);
}

std::vector<LineRange> pickItems(std::string_view line) {
    std::vector<LineRange> items;
    auto span = pickSpan(line);
    if (!span) return items;
    // A closing line offers its words before the "))".
    if (line.find("((") == std::string_view::npos) span->end = line.find("))");
    std::size_t wordBegin = std::string_view::npos;
    for (const Character& c : decode(line)) {
        if (c.begin < span->begin) continue;
        const bool inside = c.begin < span->end && isWordCharacter(c.code);
        if (inside && wordBegin == std::string_view::npos) wordBegin = c.begin;
        if (!inside && wordBegin != std::string_view::npos) {
            if (auto r = trimmedRange(line, wordBegin, c.begin)) items.push_back(*r);
            wordBegin = std::string_view::npos;
        }
        if (c.begin >= span->end) break;
    }
    if (wordBegin != std::string_view::npos)
        if (auto r = trimmedRange(line, wordBegin, span->end)) items.push_back(*r);
    return items;
}

std::string allowedAnswersOf(std::string_view pageText) {
    const std::size_t open = pageText.find("((");
    if (open == std::string_view::npos) return {};
    const std::size_t close = pageText.find("))", open + 2);
    if (close == std::string_view::npos) return {};
    return std::string(lesson::trim(pageText.substr(open + 2, close - open - 2)));
}

PixelPoint toSource(const PictureGeometry& g, int x, int y) {
    const double fx = static_cast<double>(g.source.width) / g.shown.width;
    const double fy = static_cast<double>(g.source.height) / g.shown.height;
    return {roundPixel(x * fx), roundPixel(y * fy)};
}

PixelRect toShown(const PictureGeometry& g, const lesson::RegionLine& region) {
    const double fx = static_cast<double>(g.source.width) / g.shown.width;
    const double fy = static_cast<double>(g.source.height) / g.shown.height;
    return {roundPixel(region.x1() / fx), roundPixel(region.y1() / fy),
            roundPixel(region.x2() / fx), roundPixel(region.y2() / fy)};
}

std::string regionPercent(int hits, int count) {
    return calc::formatFixed(count > 0 ? hits * 100.0 / count : 0.0, 5, 2);
}

void RegionTask::read(RegionMode mode, std::vector<std::string> lines) {
    mode_ = mode;
    lines_ = mode == RegionMode::None ? std::vector<std::string>{} : std::move(lines);
    clickIndex_ = 0;
    hitCount_ = 0;
    taskClosed_ = false;
}

RegionTask::Attempt RegionTask::find(PixelPoint source) {
    Attempt a;
    // A page without regions has no task: nothing to count and nothing to divide by.
    if (mode_ != RegionMode::Find || taskClosed_ || lines_.empty()) return a;
    const int k = clickIndex_ + 1;
    a.counted = true;
    a.region = lesson::parseRegionLine(lines_[static_cast<std::size_t>(clickIndex_)]);
    a.hit = a.region.contains(source.x, source.y);
    clickIndex_ = k;
    if (a.hit) ++hitCount_;
    const std::string count = std::to_string(RegionCount());
    a.status = std::to_string(k) + texts::kRegionClickOf + count +
               (a.hit ? texts::kRegionRight : texts::kRegionWrong) +
               regionPercent(hitCount_, RegionCount()) + texts::kRegionPercentRight;
    if (k >= RegionCount()) {
        a.result = texts::kRegionResult + std::to_string(hitCount_) + texts::kRegionResultOf +
                   count + "  (" + regionPercent(hitCount_, RegionCount()) + " %) ";
        taskClosed_ = true;
    }
    return a;
}

std::optional<std::string> RegionTask::labelAt(PixelPoint source) const {
    if (mode_ != RegionMode::Label) return std::nullopt;
    for (const std::string& line : lines_) {
        const lesson::RegionLine region = lesson::parseRegionLine(line);
        if (region.contains(source.x, source.y)) return std::to_string(region.number());
    }
    return std::nullopt;
}

std::vector<PictureLabel> RegionTask::numbers(const PictureGeometry& g) const {
    std::vector<PictureLabel> labels;
    // The author switches the numbers on in the second line, which is odd but is the rule.
    if (mode_ != RegionMode::Label || lines_.size() < 2 || !g.usable()) return labels;
    const lesson::RegionLine flag = lesson::parseRegionLine(lines_[1]);
    if (flag.fieldCount < 6 || flag.values[5] == 0) return labels;
    for (const std::string& line : lines_) {
        const lesson::RegionLine region = lesson::parseRegionLine(line);
        if (region.usable())
            labels.push_back({toShown(g, region), std::to_string(region.number())});
    }
    return labels;
}

}  // namespace textaria::player
