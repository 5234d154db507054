// The lines a run sees, with an index of the lines that hold a "_" (where labels can be), so
// that a jump searches only those and a loop finds its label again without a search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "script/script_lines.h"

namespace textaria::script {

class LabelIndexedLines final : public ScriptLines {
  public:
    LabelIndexedLines(ScriptLines& lines, std::size_t searchStart);

    // The first line from the search start on that contains "_" + name (case as written).
    std::optional<std::size_t> findLabel(std::string_view name);

    std::size_t lineCount() const override { return lines_.lineCount(); }
    std::string line(std::size_t index) const override { return lines_.line(index); }
    void replaceLine(std::size_t index, std::string_view text) override;
    void insertLine(std::size_t index, std::string_view text) override;
    void removeLine(std::size_t index) override;
    std::size_t caretLine() const override { return lines_.caretLine(); }
    void setCaretLine(std::size_t index) override { lines_.setCaretLine(index); }

  private:
    std::size_t firstMarkFrom(std::size_t line) const;
    // Line of mark m.
    std::size_t markLine(std::size_t m) const {
        return marks_[m] + (m >= pendingFrom_ ? pending_ : 0);
    }
    // Every mark from m on moves one line down (up) the text.
    void shiftMarks(std::size_t fromMark, bool up);
    void addMark(std::size_t m, std::size_t line, std::string_view text);
    void eraseMark(std::size_t m);

    ScriptLines& lines_;
    std::size_t searchStart_;
    // Lines holding "_", ascending, and their texts. Edits below a mark move it; edits of a
    // marked text, new marks and removed marks change the version and so end the found labels.
    std::vector<std::size_t> marks_;
    std::vector<std::string> markTexts_;
    // The run inserts result lines as it walks down the text: the marks below it are moved
    // lazily, by pending_ (modulo 2^64) for every mark from pendingFrom_ on.
    std::size_t pendingFrom_ = 0;
    std::size_t pending_ = 0;
    std::uint64_t version_ = 0;
    struct Found {
        std::size_t mark;
        std::uint64_t version;
    };
    std::unordered_map<std::string, Found> found_;  // "_name" -> its mark
};

}  // namespace textaria::script
