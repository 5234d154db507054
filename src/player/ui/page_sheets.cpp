#include "player/ui/page_sheets.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <memory>

#include "lesson/ui/place_gap_fields.h"
#include "player/print_jobs.h"
#include "player/ui/page_document.h"

namespace textaria::player {

namespace {

int docPos(std::string_view text, std::size_t offset) {
    return static_cast<int>(lesson::documentPosition(text, offset));
}

// A copy of the document laid out for the device: sizes in points become device pixels.
std::unique_ptr<QTextDocument> layoutCopy(const QTextDocument& source, QPaintDevice& device,
                                          double width) {
    auto doc = std::unique_ptr<QTextDocument>(source.clone());
    doc->documentLayout()->setPaintDevice(&device);
    QTextOption option = doc->defaultTextOption();
    // Half an inch, the tab of the word processors the lessons come from. The layout takes
    // the distance in pixels of a 96 dpi screen and scales it to the device itself.
    option.setTabStopDistance(96 / 2.0);
    doc->setDefaultTextOption(option);
    doc->setDocumentMargin(0);
    doc->setTextWidth(width);
    return doc;
}

// Where the laid-out document is cut into sheets: no line is split between two sheets.
// `heights` gives the room of each sheet; the last one repeats.
std::vector<std::pair<double, double>> sheetSlices(QTextDocument& doc,
                                                   const std::vector<double>& heights) {
    std::vector<std::pair<double, double>> lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QRectF box = doc.documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        for (int i = 0; layout && i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.emplace_back(box.top() + line.y(), box.top() + line.y() + line.height());
        }
    }
    const double total = doc.size().height();
    std::vector<std::pair<double, double>> slices;
    double start = 0;
    for (std::size_t sheet = 0; start < total || slices.empty(); ++sheet) {
        // At least a pixel per sheet, so that even a degenerate page size comes to an end.
        double end = start + std::max(1.0, heights[std::min(sheet, heights.size() - 1)]);
        for (const auto& [top, bottom] : lines) {
            if (bottom > end && top >= start) {
                if (top > start) end = top;  // a line higher than a sheet is cut
                break;
            }
        }
        slices.emplace_back(start, end);
        start = end;
    }
    return slices;
}

void drawSlice(QPainter& painter, QTextDocument& doc, QPointF at,
               const std::pair<double, double>& slice) {
    painter.save();
    painter.translate(at.x(), at.y() - slice.first);
    const QRectF clip(0, slice.first, doc.textWidth(), slice.second - slice.first);
    painter.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    doc.documentLayout()->draw(&painter, context);
    painter.restore();
}

// Draws the document from `first` on, going on to whole printable sheets when it is longer.
void drawFlowing(SheetPainter& sheets, QTextDocument& doc, QRectF first, bool firstIsNewSheet) {
    const QRectF area = sheets.printable();
    if (first.height() <= 0) {  // no room left on the first sheet: start on the next
        first = area;
        firstIsNewSheet = true;
    }
    const auto slices = sheetSlices(doc, {first.height(), area.height()});
    for (std::size_t i = 0; i < slices.size(); ++i) {
        if (i == 0 && firstIsNewSheet) sheets.newSheet();
        if (i > 0) sheets.newSheet();
        const QPointF at = i == 0 ? first.topLeft() : area.topLeft();
        drawSlice(sheets.painter(), doc, at, slices[i]);
    }
}

QImage pictureForPrint(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_RGB888);  // as a 24-bit bitmap
}

}  // namespace

SheetPainter::SheetPainter(QPagedPaintDevice& device) : device_(device) {
    painter_.begin(&device_);
}

SheetPainter::~SheetPainter() { end(); }

QPainter& SheetPainter::newSheet() {
    if (started_) device_.newPage();
    started_ = true;
    return painter_;
}

QRectF SheetPainter::printable() const { return QRectF(0, 0, device_.width(), device_.height()); }

double SheetPainter::unit() const { return device_.logicalDpiX() / kPrinterPixelsPerInch; }

bool SheetPainter::end() { return !painter_.isActive() || painter_.end(); }

void applyPrintForm(QTextDocument& page, const lesson::PrintFormPlan& form) {
    const std::string plain = lesson::ui::documentPlainText(page);
    QTextCursor cursor(&page);
    cursor.beginEditBlock();
    if (form.keepLength < plain.size()) {
        cursor.setPosition(docPos(plain, form.keepLength));
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    for (auto blank = form.blanks.rbegin(); blank != form.blanks.rend(); ++blank) {
        cursor.setPosition(docPos(plain, blank->begin) + 1);
        const QTextCharFormat format = cursor.charFormat();  // the gap's first character
        cursor.setPosition(docPos(plain, blank->begin));
        cursor.setPosition(docPos(plain, blank->end), QTextCursor::KeepAnchor);
        cursor.insertText(QString(static_cast<qsizetype>(blank->underscores), QLatin1Char('_')),
                          format);
    }
    cursor.endEditBlock();
}

void drawWorksheet(SheetPainter& sheets, const QTextDocument& page,
                   const lesson::PrintFormPlan& form, int fontDelta) {
    std::unique_ptr<QTextDocument> doc(page.clone());
    applyPrintForm(*doc, form);
    QTextCursor cursor(doc.get());
    const QTextCharFormat first = doc->begin().charFormat();
    for (int i = 0; i < 5; ++i) {
        cursor.insertText(QStringLiteral(" "), first);
        cursor.insertBlock();
    }
    changeFontSizes(*doc, fontDelta);
    for (QTextBlock block = doc->begin().next(); block.isValid(); block = block.next()) {
        QTextCursor start(block);
        start.insertText(QStringLiteral("\t"));
    }
    const QRectF area = sheets.printable();
    auto laid = layoutCopy(*doc, sheets.device(), area.width());
    drawFlowing(sheets, *laid, area, true);
}

void drawPicture(SheetPainter& sheets, const QImage& picture, double scale,
                 const QString& caption) {
    const QRectF area = sheets.printable();
    const PrintSize size = printedPictureSize(
        {picture.width(), picture.height()},
        {static_cast<int>(area.width()), static_cast<int>(area.height())}, scale);
    if (size.width <= 0 || size.height <= 0) return;
    QPainter& painter = sheets.newSheet();
    const double u = sheets.unit();
    const QRectF target(kPictureLeft * u, kPictureTop * u, size.width, size.height);
    painter.drawImage(target, pictureForPrint(picture));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(kCaptionPointSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double baseline =
        target.bottom() + kCaptionGap * u + QFontMetricsF(font, &sheets.device()).ascent();
    painter.drawText(QPointF(target.left(), baseline), caption);
}

void drawTextAndPicture(SheetPainter& sheets, const QTextDocument& page,
                        const lesson::PrintFormPlan& form, const QImage& picture) {
    const QRectF area = sheets.printable();
    const double u = sheets.unit();
    QPainter& painter = sheets.newSheet();
    QPen pen(Qt::black);
    pen.setWidthF(4 * u);
    painter.setPen(pen);
    const double left = kOneSheetLeft * u;
    const double right = area.width() - kOneSheetLeft * u;
    double textTop = kOneSheetTop * u;
    const PrintSize size =
        oneSheetPictureSize({picture.width(), picture.height()},
                            {static_cast<int>(area.width()), static_cast<int>(area.height())});
    if (size.width > 0) {
        const QRectF target(left, kOneSheetTop * u, size.width, size.height);
        painter.drawLine(QPointF(left, target.top() - 40 * u),
                         QPointF(right, target.top() - 40 * u));
        painter.drawImage(target, pictureForPrint(picture));
        painter.drawLine(QPointF(left, target.bottom() + 40 * u),
                         QPointF(right, target.bottom() + 40 * u));
        textTop = target.bottom() + 100 * u;
    }
    const double bottomLine = area.height() - kOneSheetBottomLine * u;
    painter.drawLine(QPointF(left, bottomLine), QPointF(right, bottomLine));

    std::unique_ptr<QTextDocument> doc(page.clone());
    applyPrintForm(*doc, form);
    changeFontSizes(*doc, kOneSheetFontDelta);
    auto laid = layoutCopy(*doc, sheets.device(), right - left);
    const QRectF first(left, textTop, right - left, std::max(0.0, bottomLine - 40 * u - textTop));
    drawFlowing(sheets, *laid, first, false);
}

void drawTextSheets(SheetPainter& sheets, const QTextDocument& text,
                    const std::vector<lesson::ByteRange>& parts, int fontDelta) {
    const QRectF area = sheets.printable();
    const double margin = 0.08 * area.width();
    // The left margin of 8 % is kept on the right too, so no line runs off the sheet's edge.
    const QRectF room(margin, margin / 4, area.width() - 2 * margin, area.height() - margin / 2);
    const std::string plain = lesson::ui::documentPlainText(text);
    int number = 0;
    for (const lesson::ByteRange& part : parts) {
        QTextDocument doc;
        copyDocumentRange(text, docPos(plain, part.begin), docPos(plain, part.end), doc);
        changeFontSizes(doc, fontDelta);
        QTextCursor cursor(&doc);
        cursor.movePosition(QTextCursor::End);
        const QTextCharFormat format = cursor.charFormat();
        cursor.insertBlock();
        cursor.insertText(QString::fromStdString(sheetFooter(++number)), format);
        auto laid = layoutCopy(doc, sheets.device(), room.width());
        drawFlowing(sheets, *laid, room, true);
    }
}

}  // namespace textaria::player
