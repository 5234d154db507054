// Prints a plain text (a test protocol, for example) line by line in one font and colour.
// Choosing the printer (the print dialog) is kept apart from rendering onto a QPrinter, so the
// rendering can be checked by printing to a PDF file.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace textaria::platform {

struct PlainTextPrint {
    std::vector<std::string> lines;  // UTF-8, without line ends
    QFont font;
    QColor colour = Qt::black;
    QString title;  // the print job's document title
};

// Renders the text onto the printer, page after page; false when the printer could not start.
bool printPlainText(QPrinter& printer, const PlainTextPrint& text);

// Shows the print dialog, then prints; false when the dialog was cancelled or printing failed.
bool printPlainTextWithDialog(QWidget* parent, const PlainTextPrint& text);

}  // namespace textaria::platform
