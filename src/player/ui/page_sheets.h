// Drawing print sheets onto a paged device: a printer, or a PDF file. One SheetPainter is one
// print job; its sheets follow one another.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "lesson/gaps_print.h"
#include "lesson/markup_text.h"

class QPagedPaintDevice;
class QTextDocument;

namespace textaria::player {

class SheetPainter {
  public:
    explicit SheetPainter(QPagedPaintDevice& device);
    SheetPainter(const SheetPainter&) = delete;
    SheetPainter& operator=(const SheetPainter&) = delete;
    ~SheetPainter();

    bool isActive() const { return painter_.isActive(); }
    // Starts a sheet; the first sheet of the job needs no page break.
    QPainter& newSheet();
    QPainter& painter() { return painter_; }
    QPagedPaintDevice& device() { return device_; }
    // The printable area in device pixels, and device pixels per printer pixel.
    QRectF printable() const;
    double unit() const;
    // Ends the job; false when the device reported a failure.
    bool end();

  private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    bool started_ = false;
};

// The worksheet: the print form of `page`, five blank lines above, every line after the first
// indented by a tab, all sizes changed by `fontDelta`, over as many sheets as it needs.
void drawWorksheet(SheetPainter& sheets, const QTextDocument& page,
                   const lesson::PrintFormPlan& form, int fontDelta);

// A picture at `scale` of the printable width with its caption below; nothing at scale 0.
void drawPicture(SheetPainter& sheets, const QImage& picture, double scale, const QString& caption);

// Picture and print form together on one sheet, between frame lines (text that does not fit
// goes on to further sheets).
void drawTextAndPicture(SheetPainter& sheets, const QTextDocument& page,
                        const lesson::PrintFormPlan& form, const QImage& picture);

// Each part of `text` (byte ranges of its plain text) on sheets of its own, with margins and
// its footer line " <Seite n>".
void drawTextSheets(SheetPainter& sheets, const QTextDocument& text,
                    const std::vector<lesson::ByteRange>& parts, int fontDelta);

// The print form of a page as a document: the text cut where the plan cuts it, each gap
// replaced by its underscores in the gap's own format.
void applyPrintForm(QTextDocument& page, const lesson::PrintFormPlan& form);

}  // namespace textaria::player
