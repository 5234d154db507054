// Shared by the parts of the lesson linter: where findings go and how offsets become lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/lesson_check.h"
#include "lesson/markup_options.h"
#include "lesson/markup_text.h"

namespace textaria::lesson::check_detail {

class CheckContext {
  public:
    CheckContext(const CheckedLesson& lesson, std::vector<CheckFinding>& out);

    const CheckedLesson& lesson() const { return lesson_; }
    std::string_view text() const { return lesson_.text; }
    // 1-based line of a byte offset of the lesson text.
    int lineAt(std::size_t offset) const;
    void add(int page, std::size_t offset, CheckSeverity severity, std::string message);

    // The player finds companion files by name in the lesson's folder, ASCII case ignored.
    bool hasFile(std::string_view name) const;
    // What the author does about a missing file, by where the lesson lies.
    std::string missingFileFix(std::string_view name) const;
    // A companion text file, or nothing when missing.
    bool readFile(std::string_view name, std::string& content) const;

  private:
    const CheckedLesson& lesson_;
    std::vector<CheckFinding>& out_;
    std::vector<std::size_t> lineStarts_;
};

// A shown page as the player prepares it, with the way back from the prepared text to the
// lesson text (option lines may have been cut out of the middle of the last two lines).
struct PageView {
    int number = 0;
    std::size_t bodyBegin = 0;       // offset of the body in the lesson text
    std::size_t titleOffset = 0;     // offset of the page's "#"
    std::vector<ByteRange> removed;  // option lines removed from the body, ascending
    std::string_view body;           // as written
    std::string text;                // as shown (option lines and trailing lines gone)
    PageOptions options;

    // Offset in the lesson text of an offset in `text`.
    std::size_t lessonOffset(std::size_t shownOffset) const;
    // Where an option marker is written: the option line holding it, else the title line.
    std::size_t markerOffset(std::string_view marker) const;
};

// The companion files a page or a single text names: title line media, links, page script,
// image regions.
void checkPageFiles(CheckContext& cx, const PageView& page, std::string_view mediaPicture,
                    std::string_view mediaSound, std::string_view mediaExternal);
void checkPageScript(CheckContext& cx, const PageView& page);
void checkRegions(CheckContext& cx, const PageView& page, bool hasPicture);
void checkMenu(CheckContext& cx);

}  // namespace textaria::lesson::check_detail
