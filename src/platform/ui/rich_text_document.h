// The bridge between the styled-text model and Qt's text documents, which the text views show.
#pragma once

#include <QTextCharFormat>

#include "platform/styled_text.h"

class QTextDocument;

namespace textaria::platform {

// Replaces the document's content: one block per paragraph, one character format per run.
// A text that ends with a line end gets a last, empty block, so that the document's plain text
// (blocks joined by line ends) is the model's plain text.
void setStyledText(QTextDocument& document, const StyledText& text);

// The model of a document, also one typed or pasted into by the user: line separators inside
// a block (Shift+Enter) start a new paragraph, as RTF's \line does.
StyledText styledTextOf(const QTextDocument& document);

// Character formats both ways. Properties the Qt format does not set come from the document's
// default font (family left empty, size, black).
QTextCharFormat toQtFormat(const CharFormat& format);
CharFormat fromQtFormat(const QTextCharFormat& format, double defaultPointSize = 12.0);

// The document's plain text with CR LF line ends, as the markup reader expects it.
std::string plainTextCrLf(const QTextDocument& document);

}  // namespace textaria::platform
