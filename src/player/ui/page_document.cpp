#include "player/ui/page_document.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <algorithm>

#include "lesson/markup_text.h"
#include "lesson/ui/place_gap_fields.h"

namespace textaria::player {

void copyDocumentRange(const QTextDocument& from, int start, int end, QTextDocument& to) {
    to.clear();
    const int last = std::max(0, from.characterCount() - 1);
    start = std::clamp(start, 0, last);
    end = std::clamp(end, start, last);
    QTextCursor source(const_cast<QTextDocument*>(&from));
    source.setPosition(start);
    source.setPosition(end, QTextCursor::KeepAnchor);
    QTextCursor target(&to);
    // The first block takes the format of the copied text's first block, not the empty one's.
    target.setBlockFormat(source.blockFormat());
    target.setCharFormat(source.charFormat());
    target.insertFragment(source.selection());
}

void removeDocumentRanges(QTextDocument& doc, std::vector<std::pair<int, int>> ranges) {
    std::sort(ranges.begin(), ranges.end(), [](auto a, auto b) { return a.first > b.first; });
    QTextCursor cursor(&doc);
    const int last = std::max(0, doc.characterCount() - 1);
    for (auto [start, end] : ranges) {
        start = std::clamp(start, 0, last);
        end = std::clamp(end, start, last);
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}

void replaceDocumentText(QTextDocument& doc,
                         const std::vector<lesson::TextReplacement>& replacements) {
    if (replacements.empty()) return;
    std::string plain = lesson::ui::documentPlainText(doc);
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (const lesson::TextReplacement& r : replacements) {
        if (r.begin + r.length > plain.size()) continue;
        const auto start = static_cast<int>(lesson::documentPosition(plain, r.begin));
        const auto end = static_cast<int>(lesson::documentPosition(plain, r.begin + r.length));
        // A cursor reports the format of the character before it: that of the first replaced one.
        cursor.setPosition(std::min(start + 1, end));
        const QTextCharFormat format = cursor.charFormat();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.insertText(QString::fromStdString(r.text), format);
        plain.replace(r.begin, r.length, r.text);
    }
    cursor.endEditBlock();
}

void changeFontSizes(QTextDocument& doc, int delta) {
    if (delta == 0) return;
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        // Collect first: changing a format may merge fragments under the iterator.
        std::vector<std::pair<int, int>> spans;
        std::vector<double> sizes;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            spans.emplace_back(fragment.position(), fragment.length());
            sizes.push_back(fragment.charFormat().fontPointSize());
        }
        for (std::size_t i = 0; i < spans.size(); ++i) {
            double size = sizes[i] > 0 ? sizes[i] : doc.defaultFont().pointSizeF();
            QTextCharFormat format;
            format.setFontPointSize(std::max(1.0, size + delta));
            cursor.setPosition(spans[i].first);
            cursor.setPosition(spans[i].first + spans[i].second, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format);
        }
        // The block's own character format sizes an empty line.
        QTextCharFormat blockFormat = block.charFormat();
        const double size = blockFormat.fontPointSize() > 0 ? blockFormat.fontPointSize()
                                                            : doc.defaultFont().pointSizeF();
        QTextCursor blockCursor(block);
        QTextCharFormat sized;
        sized.setFontPointSize(std::max(1.0, size + delta));
        blockCursor.mergeBlockCharFormat(sized);
    }
    cursor.endEditBlock();
}

QString lineAtPoint(const QTextEdit& view, QPoint viewportPoint) {
    return view.cursorForPosition(viewportPoint).block().text();
}

}  // namespace textaria::player
