#include "platform/ui/text_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace textaria::platform {

bool printPlainText(QPrinter& printer, const PlainTextPrint& text) {
    printer.setDocName(text.title);
    QTextDocument document;
    document.setDefaultFont(text.font);
    QTextCursor cursor(&document);
    QTextCharFormat format;
    format.setFont(text.font);
    format.setForeground(text.colour);
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        if (i > 0) cursor.insertBlock();
        cursor.insertText(QString::fromStdString(text.lines[i]), format);
    }
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Laid out in the printer's resolution, one page at a time (no page numbers added).
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    document.documentLayout()->setPaintDevice(&printer);
    document.setPageSize(page.size());
    const int pages = document.pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0) printer.newPage();
        painter.save();
        painter.translate(0, -p * page.height());
        const QRectF clip(0, p * page.height(), page.width(), page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        context.palette.setColor(QPalette::Text, text.colour);
        painter.setClipRect(clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

bool printPlainTextWithDialog(QWidget* parent, const PlainTextPrint& text) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    return printPlainText(printer, text);
}

}  // namespace textaria::platform
