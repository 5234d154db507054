#include "script/ui/script_print.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "script/print_pages.h"

namespace textaria::script {

namespace {

// Paints a laid-out document from the given sheet on into the area, sheet after sheet.
void paintDocument(QPainter& painter, QPrinter& printer, QTextDocument& document,
                   const QRect& area) {
    const int sheets = document.pageCount();
    for (int s = 0; s < sheets; ++s) {
        if (s > 0) printer.newPage();
        painter.save();
        painter.translate(area.left(), area.top() - s * area.height());
        const QRectF clip(0, s * area.height(), area.width(), area.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        painter.setClipRect(clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

}  // namespace

int printScriptPages(QPrinter& printer, const QString& text, const QFont& font,
                     const std::function<bool()>& askBeforePage) {
    const std::vector<std::string> pages = scriptPrintPages(text.toStdString());
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    const QRect viewport = painter.viewport();
    const int left = viewport.width() * 8 / 100;
    const int top = left / 4;
    const QRect area(left, top, viewport.width() - 2 * left, viewport.height() - 2 * top);
    int printed = 0;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0) {
            if (askBeforePage && !askBeforePage()) break;
            printer.newPage();
        }
        QTextDocument document;
        document.documentLayout()->setPaintDevice(&printer);
        document.setDefaultFont(font);
        document.setDocumentMargin(0);
        QTextOption option = document.defaultTextOption();
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setTabStopDistance(
            QFontMetricsF(font, &printer).horizontalAdvance(QLatin1Char(' ')) * 8);
        document.setDefaultTextOption(option);
        QString page = QString::fromStdString(pages[n]);
        page.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (page.endsWith(QLatin1Char('\n'))) page.chop(1);
        document.setPlainText(QStringLiteral("<Seite %1>\n\n").arg(n + 1) + page);
        document.setPageSize(area.size());
        paintDocument(painter, printer, document, area);
        ++printed;
    }
    painter.end();
    return printed;
}

int printMemo(QPrinter& printer, const QString& text, const QFont& memoFont) {
    const auto sheets = memoPrintPages(text.toStdString(), kMemoLinesPerSheet);
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    QFont font = memoFont;
    font.setPointSize(10);
    painter.setFont(font);
    const QRect viewport = painter.viewport();
    const int lineHeight = std::max(1, viewport.height() / kMemoLineSlots);
    const int ascent = QFontMetrics(font, &printer).ascent();
    constexpr int kLeft = 400;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        if (s > 0) printer.newPage();
        int y = 2 * lineHeight;
        for (const std::string& line : sheets[s]) {
            painter.drawText(kLeft, y + ascent, QString::fromStdString(line));
            y += lineHeight;
        }
    }
    painter.end();
    return static_cast<int>(sheets.size());
}

void printPicture(QPrinter& printer, const QImage& picture, const QString& caption) {
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect area = painter.viewport();
    const QFont captionFont(QStringLiteral("Arial"), 14);
    const int captionHeight = 150 + QFontMetrics(captionFont, &printer).height();
    int width = area.width() * 6 / 10;
    int height = picture.width() > 0 ? width * picture.height() / picture.width() : 0;
    // Reduced so that picture and caption stay on the sheet.
    const int room = std::max(1, area.height() - 500 - captionHeight);
    if (height > room) {
        height = room;
        width = picture.height() > 0 ? height * picture.width() / picture.height() : width;
    }
    painter.drawImage(QRect(500, 500, width, height), picture);
    painter.setFont(captionFont);
    painter.drawText(500, 500 + height + 150 + QFontMetrics(captionFont, &printer).ascent(),
                     caption);
    painter.end();
}

}  // namespace textaria::script
