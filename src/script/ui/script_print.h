// Printing from the script editor: the script page by page (pages cut at the page mark) and
// the drawing surface.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <functional>

class QPrinter;

namespace textaria::script {

// The page mark inserted with Ctrl+Enter: "¶" and a line break.
inline const QString kPageMark = QStringLiteral("\u00B6");

// The script's pages, each headed "<Seite n>"; askBeforePage is asked before every page after
// the first (the print dialog) and stops the printing when it says no. Returns the pages printed.
int printScriptPages(QPrinter& printer, const QString& text, const QFont& font,
                     const std::function<bool()>& askBeforePage = {});

// A picture at 0.6 of the printable width with the caption below it.
void printPicture(QPrinter& printer, const QImage& picture, const QString& caption);

}  // namespace textaria::script
