// Moving formatted text between the hidden lesson document and the page view.
#pragma once

#include <QPoint>
#include <QString>
#include <utility>
#include <vector>

#include "lesson/markup_placeholders.h"

class QTextDocument;
class QTextEdit;

namespace textaria::player {

// Replaces the content of `to` with the characters [start, end) of `from`, each with its own
// font, size, style and colour (document positions, a paragraph break counting one).
void copyDocumentRange(const QTextDocument& from, int start, int end, QTextDocument& to);

// Removes the given [start, end) ranges of document positions; they may come in any order.
void removeDocumentRanges(QTextDocument& doc, std::vector<std::pair<int, int>> ranges);

// Replays text replacements made on the document's plain text (CR LF lines), in order; each
// new text takes the format of the first character it replaces.
void replaceDocumentText(QTextDocument& doc,
                         const std::vector<lesson::TextReplacement>& replacements);

// Adds `delta` points to the size of every character (each keeps its own size plus the step);
// sizes never drop below 1 point.
void changeFontSizes(QTextDocument& doc, int delta);

// The text of the line (paragraph) under a point of the view's viewport.
QString lineAtPoint(const QTextEdit& view, QPoint viewportPoint);

}  // namespace textaria::player
