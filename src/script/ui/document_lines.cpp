#include "script/ui/document_lines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace textaria::script {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::size_t DocumentLines::lineCount() const {
    return static_cast<std::size_t>(editor_.document()->blockCount());
}

std::string DocumentLines::line(std::size_t index) const {
    const QTextBlock block = editor_.document()->findBlockByNumber(static_cast<int>(index));
    return block.isValid() ? block.text().toStdString() : std::string();
}

void DocumentLines::replaceLine(std::size_t index, std::string_view text) {
    const QTextBlock block = editor_.document()->findBlockByNumber(static_cast<int>(index));
    if (!block.isValid()) return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(toQString(text));
}

void DocumentLines::insertLine(std::size_t index, std::string_view text) {
    QTextDocument* document = editor_.document();
    if (index >= lineCount()) {
        QTextCursor cursor(document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("\n") + toQString(text));
        return;
    }
    QTextCursor cursor(document->findBlockByNumber(static_cast<int>(index)));
    cursor.insertText(toQString(text) + QStringLiteral("\n"));
}

void DocumentLines::removeLine(std::size_t index) {
    const QTextBlock block = editor_.document()->findBlockByNumber(static_cast<int>(index));
    if (!block.isValid()) return;
    QTextCursor cursor(block);
    if (block.next().isValid()) {
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    } else if (block.previous().isValid()) {
        cursor.movePosition(QTextCursor::PreviousBlock);
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    } else {
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
}

std::size_t DocumentLines::caretLine() const {
    return static_cast<std::size_t>(editor_.textCursor().blockNumber());
}

void DocumentLines::setCaretLine(std::size_t index) {
    const QTextBlock block = editor_.document()->findBlockByNumber(static_cast<int>(index));
    if (!block.isValid()) return;
    QTextCursor cursor(block);
    editor_.setTextCursor(cursor);
}

}  // namespace textaria::script
