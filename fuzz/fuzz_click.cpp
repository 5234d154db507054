// Click-click and the picture tasks on any text: the first line is a page line clicked at
// every character, the rest a region table whose page 1 runs as both picture tasks. Every
// pick lies inside the line on whole characters and is trimmed; the tasks count each attempt
// once and stop after their last region.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lesson/markup_regions.h"
#include "platform/codepage.h"
#include "player/click_tasks.h"

using namespace textaria;

namespace {

bool continuationByte(std::string_view s, std::size_t at) {
    return at < s.size() && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80;
}

void checkRange(std::string_view line, const player::LineRange& r) {
    if (r.begin >= r.end || r.end > line.size()) std::abort();
    // In valid UTF-8 a pick never cuts a character (the page text always is valid UTF-8).
    if (platform::isValidUtf8(line) &&
        (continuationByte(line, r.begin) || continuationByte(line, r.end)))
        std::abort();
    if (line[r.begin] == ' ' || line[r.end - 1] == ' ') std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, newline);
    for (std::size_t column = 0; column <= line.size(); ++column)
        if (const auto r = player::pickWordAt(line, column)) checkRange(line, *r);
    for (const auto& r : player::pickItems(line)) checkRange(line, r);
    player::allowedAnswersOf(text);

    const std::string_view table = text.substr(std::min(newline + 1, text.size()));
    const auto lines = lesson::regionLines(table, 1);
    const player::PictureGeometry g{{640, 480}, {320, 240}};
    player::RegionTask task;
    task.read(player::RegionMode::Label, lines);
    for (const auto& label : task.numbers(g))
        if (label.text.empty()) std::abort();
    task.read(player::RegionMode::Find, lines);
    for (std::size_t i = 0; i <= lines.size(); ++i) {
        const auto attempt = task.find({static_cast<int>(i * 37 % 640), static_cast<int>(i % 480)});
        if (attempt.counted != (i < lines.size())) std::abort();
        if (attempt.counted && attempt.result.empty() != (i + 1 < lines.size())) std::abort();
    }
    if (task.ClickIndex() != static_cast<int>(lines.size())) std::abort();
    return 0;
}
