#include "script/label_index.h"

#include <algorithm>

namespace textaria::script {

namespace {
bool hasUnderscore(std::string_view text) { return text.find('_') != std::string_view::npos; }
}  // namespace

LabelIndexedLines::LabelIndexedLines(ScriptLines& lines, std::size_t searchStart)
    : lines_(lines), searchStart_(searchStart) {
    for (std::size_t i = 0; i < lines_.lineCount(); ++i) {
        std::string text = lines_.line(i);
        if (!hasUnderscore(text)) continue;
        marks_.push_back(i);
        markTexts_.push_back(std::move(text));
    }
}

std::size_t LabelIndexedLines::firstMarkFrom(std::size_t line) const {
    std::size_t low = 0;
    std::size_t high = marks_.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (markLine(middle) < line)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

void LabelIndexedLines::shiftMarks(std::size_t fromMark, bool up) {
    const std::size_t step = up ? 1 : static_cast<std::size_t>(-1);
    if (fromMark >= pendingFrom_) {
        for (std::size_t m = pendingFrom_; m < fromMark && m < marks_.size(); ++m)
            marks_[m] += pending_;
        pendingFrom_ = fromMark;
    } else {
        for (std::size_t m = fromMark; m < pendingFrom_ && m < marks_.size(); ++m)
            marks_[m] += step;
    }
    pending_ += step;
}

void LabelIndexedLines::addMark(std::size_t m, std::size_t line, std::string_view text) {
    if (m < pendingFrom_) {
        ++pendingFrom_;
        marks_.insert(marks_.begin() + static_cast<std::ptrdiff_t>(m), line);
    } else {
        marks_.insert(marks_.begin() + static_cast<std::ptrdiff_t>(m), line - pending_);
    }
    markTexts_.insert(markTexts_.begin() + static_cast<std::ptrdiff_t>(m), std::string(text));
    ++version_;
}

void LabelIndexedLines::eraseMark(std::size_t m) {
    if (m < pendingFrom_) --pendingFrom_;
    marks_.erase(marks_.begin() + static_cast<std::ptrdiff_t>(m));
    markTexts_.erase(markTexts_.begin() + static_cast<std::ptrdiff_t>(m));
    ++version_;
}

std::optional<std::size_t> LabelIndexedLines::findLabel(std::string_view name) {
    std::string needle = "_";
    needle.append(name);
    if (const auto it = found_.find(needle); it != found_.end() && it->second.version == version_)
        return markLine(it->second.mark);
    for (std::size_t m = firstMarkFrom(searchStart_); m < marks_.size(); ++m) {
        if (markTexts_[m].find(needle) != std::string::npos) {
            found_[needle] = {m, version_};
            return markLine(m);
        }
    }
    return std::nullopt;
}

void LabelIndexedLines::replaceLine(std::size_t index, std::string_view text) {
    const std::size_t m = firstMarkFrom(index);
    const bool marked = m < marks_.size() && markLine(m) == index;
    if (marked && hasUnderscore(text)) {
        if (markTexts_[m] != text) {
            markTexts_[m].assign(text);
            ++version_;
        }
    } else if (marked) {
        eraseMark(m);
    } else if (hasUnderscore(text)) {
        addMark(m, index, text);
    }
    lines_.replaceLine(index, text);
}

void LabelIndexedLines::insertLine(std::size_t index, std::string_view text) {
    const std::size_t m = firstMarkFrom(index);
    // Lines above the search start move marks across it.
    if (index < searchStart_) ++version_;
    shiftMarks(m, true);
    if (hasUnderscore(text)) addMark(m, index, text);
    lines_.insertLine(index, text);
}

void LabelIndexedLines::removeLine(std::size_t index) {
    if (index >= lines_.lineCount()) return;
    const std::size_t m = firstMarkFrom(index);
    if (index < searchStart_) ++version_;
    if (m < marks_.size() && markLine(m) == index) eraseMark(m);
    shiftMarks(m, false);
    lines_.removeLine(index);
}

}  // namespace textaria::script
