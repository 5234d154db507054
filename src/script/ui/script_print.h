// Printing from the script editor: the script page by page (pages cut at the page mark), the
// output memo on its line grid, and a picture (the drawing surface or the lesson picture).
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <functional>

class QPrinter;

namespace textaria::script {

// The page mark inserted with Ctrl+Enter: "¶" and a line break.
inline const QString kPageMark = QStringLiteral("\u00B6");

// The script's pages, each headed "<Seite n>", left margin 8 % of the page width, top margin a
// quarter of that; long lines wrap, and a page longer than the sheet goes on on the next sheet.
// askBeforePage is asked before every page after the first (the print dialog) and stops the
// printing when it says no. Returns the pages printed.
int printScriptPages(QPrinter& printer, const QString& text, const QFont& font,
                     const std::function<bool()>& askBeforePage = {});

// The memo in its font at 10 points: 74 line heights to the printable height, the first line at
// two line heights, 400 device units from the left; a line beginning with "." starts a new
// sheet and is not printed. Returns the sheets printed.
int printMemo(QPrinter& printer, const QString& text, const QFont& memoFont);

// A picture at 0.6 of the printable width (smaller when it would not fit) at (500, 500) device
// units, with the caption in 14-point type 150 units below it.
void printPicture(QPrinter& printer, const QImage& picture, const QString& caption);

}  // namespace textaria::script
