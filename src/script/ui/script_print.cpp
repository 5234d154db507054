#include "script/ui/script_print.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

namespace textaria::script {

int printScriptPages(QPrinter& printer, const QString& text, const QFont& font,
                     const std::function<bool()>& askBeforePage) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList pages = plain.split(kPageMark + QStringLiteral("\n"));
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    QFont printFont = font;
    painter.setFont(printFont);
    const QRect area = painter.viewport();
    const int left = area.width() * 8 / 100;
    const int top = left / 4;
    const QFontMetrics metrics(printFont, &printer);
    const int lineHeight = metrics.lineSpacing();
    int printed = 0;
    for (int n = 0; n < pages.size(); ++n) {
        if (n > 0) {
            if (askBeforePage && !askBeforePage()) break;
            printer.newPage();
        }
        int y = top + metrics.ascent();
        painter.drawText(left, y, QStringLiteral("<Seite %1>").arg(n + 1));
        y += 2 * lineHeight;
        for (const QString& line : pages[n].split(QLatin1Char('\n'))) {
            // A page longer than the sheet goes on on the next sheet.
            if (y > area.height() - top) {
                printer.newPage();
                y = top + metrics.ascent();
            }
            painter.drawText(left, y, line);
            y += lineHeight;
        }
        ++printed;
    }
    painter.end();
    return printed;
}

void printPicture(QPrinter& printer, const QImage& picture, const QString& caption) {
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect area = painter.viewport();
    int width = area.width() * 6 / 10;
    int height = picture.width() > 0 ? width * picture.height() / picture.width() : 0;
    if (height > area.height() - 1000) {
        height = std::max(1, area.height() - 1000);
        width = picture.height() > 0 ? height * picture.width() / picture.height() : width;
    }
    painter.drawImage(QRect(500, 500, width, height), picture);
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPointSize(14);
    painter.setFont(captionFont);
    painter.drawText(500, 500 + height + 150 + QFontMetrics(captionFont, &printer).ascent(),
                     caption);
    painter.end();
}

}  // namespace textaria::script
