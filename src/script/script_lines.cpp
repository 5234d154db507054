#include "script/script_lines.h"

#include <algorithm>
#include <utility>

namespace textaria::script {

LineBuffer::LineBuffer(std::vector<std::string> lines)
    : lines_(std::move(lines)), gapStart_(lines_.size()), gapEnd_(lines_.size()) {}

LineBuffer LineBuffer::fromText(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view piece = text.substr(start, end - start);
        if (!piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
        lines.emplace_back(piece);
        start = end + 1;
    }
    return LineBuffer(std::move(lines));
}

std::string LineBuffer::text() const {
    std::string result;
    const std::size_t count = lineCount();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) result += '\n';
        result += at(i);
    }
    return result;
}

std::vector<std::string> LineBuffer::lines() const {
    std::vector<std::string> result;
    result.reserve(lineCount());
    for (std::size_t i = 0; i < lineCount(); ++i) result.push_back(at(i));
    return result;
}

std::string LineBuffer::line(std::size_t index) const {
    return index < lineCount() ? at(index) : std::string();
}

void LineBuffer::replaceLine(std::size_t index, std::string_view text) {
    if (index < lineCount()) lines_[slot(index)].assign(text);
}

void LineBuffer::moveGap(std::size_t index) {
    // Without a gap nothing moves (moving the lines onto themselves would empty them).
    if (gapSize() == 0) {
        gapStart_ = gapEnd_ = index;
        return;
    }
    if (index < gapStart_) {
        std::move_backward(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                           lines_.begin() + static_cast<std::ptrdiff_t>(gapStart_),
                           lines_.begin() + static_cast<std::ptrdiff_t>(gapEnd_));
    } else if (index > gapStart_) {
        std::move(lines_.begin() + static_cast<std::ptrdiff_t>(gapEnd_),
                  lines_.begin() + static_cast<std::ptrdiff_t>(gapEnd_ + index - gapStart_),
                  lines_.begin() + static_cast<std::ptrdiff_t>(gapStart_));
    }
    gapEnd_ = index + gapSize();
    gapStart_ = index;
}

void LineBuffer::growGap() {
    const std::size_t extra = std::max<std::size_t>(16, lines_.size() / 2);
    const std::size_t tail = lines_.size() - gapEnd_;
    lines_.resize(lines_.size() + extra);
    std::move_backward(lines_.begin() + static_cast<std::ptrdiff_t>(gapEnd_),
                       lines_.begin() + static_cast<std::ptrdiff_t>(gapEnd_ + tail), lines_.end());
    gapEnd_ += extra;
}

void LineBuffer::insertLine(std::size_t index, std::string_view text) {
    index = std::min(index, lineCount());
    if (gapSize() == 0) growGap();
    moveGap(index);
    lines_[gapStart_].assign(text);
    ++gapStart_;
}

void LineBuffer::removeLine(std::size_t index) {
    if (index >= lineCount()) return;
    moveGap(index);
    lines_[gapEnd_].clear();
    ++gapEnd_;
}

}  // namespace textaria::script
