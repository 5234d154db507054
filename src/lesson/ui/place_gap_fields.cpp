#include "lesson/ui/place_gap_fields.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <algorithm>

#include "lesson/gaps_print.h"
#include "lesson/markup_text.h"

namespace textaria::lesson::ui {

namespace {

const QColor kFieldBackground(250, 250, 200);
const QColor kFieldText(200, 0, 0);

void setFieldColours(QLineEdit& field, const QColor& background, const QColor& text) {
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Text, text);
    field.setPalette(palette);
}

QRect caretRect(const QTextEdit& view, int position) {
    QTextCursor cursor(view.document());
    cursor.setPosition(position);
    return view.cursorRect(cursor);
}

// The font of the character at `position`, unset properties taken from the document.
QFont characterFont(const QTextEdit& view, int position) {
    QTextCursor cursor(view.document());
    cursor.setPosition(position + 1);  // the format left of the caret is that character's
    return cursor.charFormat().font().resolve(view.document()->defaultFont());
}

double pointSizeOf(const QFont& font, const QWidget& widget) {
    if (font.pointSizeF() > 0) return font.pointSizeF();
    return font.pixelSize() * 72.0 / std::max(1, widget.logicalDpiY());
}

}  // namespace

GapFields createGapFields(QTextEdit& pageView) {
    GapFields fields{};
    QWidget* viewport = pageView.viewport();
    for (int i = 0; i < kMaxGaps; ++i) {
        const QString name = QStringLiteral("Edit%1").arg(i + 1);
        QLineEdit* field = viewport->findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
        if (!field) {
            field = new QLineEdit(viewport);
            field->setObjectName(name);
            // No frame: the field is as high as the text line it covers. It must fill its
            // background, or the answer underneath would show through.
            field->setFrame(false);
            field->setAutoFillBackground(true);
            field->setTextMargins(1, 0, 1, 0);
            field->hide();
        }
        fields[i] = field;
    }
    return fields;
}

void clearGapFields(const GapFields& fields) {
    for (QLineEdit* field : fields) {
        if (!field) continue;
        field->hide();
        field->clear();
        setFieldColours(*field, Qt::white, Qt::black);
    }
}

std::string documentPlainText(const QTextDocument& document) {
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) text += QStringLiteral("\r\n");
        QString part = block.text();
        part.replace(QChar(QChar::LineSeparator), QStringLiteral("\r\n"));
        text += part;
    }
    return text.toStdString();
}

GapExtraction ExtractGaps(QTextEdit& pageView) {
    QTextDocument& document = *pageView.document();
    const std::string text = documentPlainText(document);
    GapExtraction extraction = lesson::ExtractGaps(text);

    const int keep = static_cast<int>(documentPosition(text, extraction.text.size()));
    QTextCursor cursor(&document);
    cursor.setPosition(keep);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    if (cursor.hasSelection()) cursor.removeSelectedText();
    pageView.moveCursor(QTextCursor::Start);

    for (GapEntry& gap : extraction.table.entries) {
        const int open = static_cast<int>(documentPosition(extraction.text, gap.openPos));
        const int close = static_cast<int>(documentPosition(extraction.text, gap.closePos));
        const QRect first = caretRect(pageView, open + 1);
        gap.x = first.left();
        gap.y = first.top();
        gap.width = caretRect(pageView, close + 1).left() - first.left();
    }
    return extraction;
}

GapPlacement PlaceGapFields(QTextEdit& pageView, const GapTable& table, const GapFields& fields,
                            int fontChange) {
    GapPlacement result;
    const QTextDocument& document = *pageView.document();
    const std::string text = documentPlainText(document);
    const int margin = static_cast<int>(document.documentMargin());

    for (int i = 0; i < kMaxGaps; ++i) {
        QLineEdit* field = fields[i];
        if (!field) continue;
        if (i >= table.GapCount()) {
            field->hide();
            field->clear();
            continue;
        }
        const GapEntry& gap = table.entries[i];
        if (gap.closePos >= text.size() || gap.openPos >= gap.closePos ||
            text[gap.openPos] != '[' || text[gap.closePos] != ']') {
            result.positionError = true;
            break;
        }
        const int open = static_cast<int>(documentPosition(text, gap.openPos));
        const int close = static_cast<int>(documentPosition(text, gap.closePos));
        const QRect start = caretRect(pageView, open);
        const QRect end = caretRect(pageView, close + 1);

        QRect area;
        if (end.top() == start.top()) {
            area = QRect(QPoint(start.left() - 1, std::min(start.top(), end.top())),
                         QPoint(end.left(), std::max(start.bottom(), end.bottom())));
        } else {
            // The gap runs over a line end: cover it up to the end of its first line.
            const int right = std::max(start.left() + 8, pageView.viewport()->width() - margin);
            area = QRect(QPoint(start.left() - 1, start.top()), QPoint(right, start.bottom()));
        }

        const QFont pageFont = characterFont(pageView, open + 1);
        QFont font(pageFont.family());
        font.setPointSize(gapFieldFontSize(pointSizeOf(pageFont, pageView), fontChange));
        font.setBold(true);
        field->setFont(font);
        setFieldColours(*field, kFieldBackground, kFieldText);
        field->setGeometry(area);
        field->selectAll();
        field->show();
        field->raise();
    }

    QLineEdit* first = fields[0];
    if (first && first->isEnabled() && !first->isHidden() && table.GapCount() > 0) {
        first->setFocus();
        result.hasAnswerFields = true;
    }
    return result;
}

void PrintForm(const QTextEdit& pageView, QTextDocument& target) {
    target.clear();
    QTextCursor(&target).insertFragment(QTextDocumentFragment(pageView.document()));
    const std::string text = documentPlainText(target);
    const PrintFormPlan plan = lesson::PrintForm(text);

    QTextCursor cursor(&target);
    cursor.setPosition(static_cast<int>(documentPosition(text, plan.keepLength)));
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    // From the back, so that the positions still to come stay valid.
    for (auto it = plan.blanks.rbegin(); it != plan.blanks.rend(); ++it) {
        const int begin = static_cast<int>(documentPosition(text, it->begin));
        cursor.setPosition(begin + 1);
        const QTextCharFormat format = cursor.charFormat();
        cursor.setPosition(begin);
        cursor.setPosition(static_cast<int>(documentPosition(text, it->end)),
                           QTextCursor::KeepAnchor);
        cursor.insertText(QString(static_cast<qsizetype>(it->underscores), QLatin1Char('_')),
                          format);
    }
}

}  // namespace textaria::lesson::ui
