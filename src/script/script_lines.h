// The script text as the runner sees it: numbered lines that can be read, replaced, inserted
// and removed. The editor window implements it on its document; the command line, the tests
// and the benchmarks use LineBuffer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::script {

class ScriptLines {
  public:
    virtual ~ScriptLines() = default;

    virtual std::size_t lineCount() const = 0;
    // Index past the end reads as an empty line.
    virtual std::string line(std::size_t index) const = 0;
    virtual void replaceLine(std::size_t index, std::string_view text) = 0;
    // Inserts before index; index == lineCount() appends.
    virtual void insertLine(std::size_t index, std::string_view text) = 0;
    virtual void removeLine(std::size_t index) = 0;

    // The caret's line; the editor moves its caret there, the others only remember it.
    virtual std::size_t caretLine() const = 0;
    virtual void setCaretLine(std::size_t index) = 0;
};

// Lines kept in a gap buffer: a run walks forward and inserts result lines just below the line
// it is at, so the gap travels with the run and an insertion costs no more than the distance
// from the previous one.
class LineBuffer final : public ScriptLines {
  public:
    LineBuffer() = default;
    explicit LineBuffer(std::vector<std::string> lines);

    // Splits at LF; a CR before the LF is dropped. A final line break makes no extra line.
    static LineBuffer fromText(std::string_view text);
    // The lines joined with LF.
    std::string text() const;
    std::vector<std::string> lines() const;

    std::size_t lineCount() const override { return lines_.size() - gapSize(); }
    std::string line(std::size_t index) const override;
    void replaceLine(std::size_t index, std::string_view text) override;
    void insertLine(std::size_t index, std::string_view text) override;
    void removeLine(std::size_t index) override;
    std::size_t caretLine() const override { return caret_; }
    void setCaretLine(std::size_t index) override { caret_ = index; }

    // Read access without a copy; index must be below lineCount().
    const std::string& at(std::size_t index) const { return lines_[slot(index)]; }

  private:
    std::size_t gapSize() const { return gapEnd_ - gapStart_; }
    std::size_t slot(std::size_t index) const {
        return index < gapStart_ ? index : index + gapSize();
    }
    void moveGap(std::size_t index);
    void growGap();

    std::vector<std::string> lines_;  // [0, gapStart_) and [gapEnd_, size) hold the lines
    std::size_t gapStart_ = 0;
    std::size_t gapEnd_ = 0;
    std::size_t caret_ = 0;
};

}  // namespace textaria::script
