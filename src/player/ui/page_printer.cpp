#include "player/ui/page_printer.h"

#include <QImage>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QTextCursor>
#include <QTextDocument>

#include "lesson/ui/place_gap_fields.h"
#include "player/ui/page_document.h"

namespace textaria::player {

namespace {

int docPos(std::string_view text, std::size_t offset) {
    return static_cast<int>(lesson::documentPosition(text, offset));
}

// Every print job of the player carries this document title.
const QString kJobTitle = QStringLiteral(" ");

}  // namespace

void pageDocument(const QTextDocument& lesson, std::string_view lessonPlain, const PageText& page,
                  QTextDocument& to) {
    const std::string_view body =
        lessonPlain.substr(page.range.begin, page.range.end - page.range.begin);
    copyDocumentRange(lesson, docPos(lessonPlain, page.range.begin),
                      docPos(lessonPlain, page.range.end), to);
    std::vector<std::pair<int, int>> ranges;
    for (const lesson::ByteRange& r : page.removed)
        ranges.emplace_back(docPos(body, r.begin), docPos(body, r.end));
    removeDocumentRanges(to, ranges);
    replaceDocumentText(to, page.replacements);
    const std::string shown = lesson::ui::documentPlainText(to);
    if (page.keepLength < shown.size()) {
        QTextCursor cursor(&to);
        cursor.setPosition(docPos(shown, page.keepLength));
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}

QtPagePrinter::QtPagePrinter(const QTextDocument& lesson, const std::string& lessonPlain,
                             const QTextDocument* pageView)
    : lesson_(lesson), lessonPlain_(lessonPlain), pageView_(pageView) {}

void QtPagePrinter::printWorksheet(const PageText& page, const lesson::PrintFormPlan& form,
                                   int fontDelta) {
    QTextDocument doc;
    pageDocument(lesson_, lessonPlain_, page, doc);
    if (SheetPainter* sheets = beginJob()) {
        drawWorksheet(*sheets, doc, form, fontDelta);
        endJob();
    }
}

void QtPagePrinter::printPicture(const std::string& path, double scale,
                                 const std::string& caption) {
    const QImage picture(QString::fromStdString(path));
    if (picture.isNull()) return;
    if (SheetPainter* sheets = beginJob()) {
        drawPicture(*sheets, picture, scale, QString::fromStdString(caption));
        endJob();
    }
}

void QtPagePrinter::printTextAndPicture(const PageText& page, const lesson::PrintFormPlan& form,
                                        const std::string& picture) {
    QTextDocument doc;
    pageDocument(lesson_, lessonPlain_, page, doc);
    const QImage image = picture.empty() ? QImage() : QImage(QString::fromStdString(picture));
    if (SheetPainter* sheets = beginJob()) {
        drawTextAndPicture(*sheets, doc, form, image);
        endJob();
    }
}

void QtPagePrinter::printTextSheets(const TextSheets& text) {
    QTextDocument doc;
    if (text.page) {
        pageDocument(lesson_, lessonPlain_, *text.page, doc);
    } else if (pageView_) {
        copyDocumentRange(*pageView_, 0, pageView_->characterCount() - 1, doc);
    } else {
        return;
    }
    if (SheetPainter* sheets = beginJob()) {
        drawTextSheets(*sheets, doc, text.parts, text.fontDelta);
        endJob();
    }
}

PdfPagePrinter::PdfPagePrinter(QPdfWriter& writer, const QTextDocument& lesson,
                               const std::string& lessonPlain)
    : QtPagePrinter(lesson, lessonPlain, nullptr), writer_(writer) {}

SheetPainter* PdfPagePrinter::beginJob() {
    if (!sheets_) {
        writer_.setTitle(kJobTitle);
        sheets_ = std::make_unique<SheetPainter>(writer_);
    }
    return sheets_->isActive() ? sheets_.get() : nullptr;
}

bool PdfPagePrinter::finish() { return sheets_ && sheets_->isActive() && sheets_->end(); }

DialogPagePrinter::DialogPagePrinter(QWidget* parent, const QTextDocument& lesson,
                                     const std::string& lessonPlain, const QTextDocument* pageView,
                                     const std::function<bool(QPrinter&)>& chooser)
    : QtPagePrinter(lesson, lessonPlain, pageView), parent_(parent), chooser_(chooser) {}

bool DialogPagePrinter::choosePrinter() {
    if (chooser_) return chooser_(printer_);
    QPrintDialog dialog(&printer_, parent_);
    return dialog.exec() == QDialog::Accepted;
}

SheetPainter* DialogPagePrinter::beginJob() {
    printer_.setDocName(kJobTitle);
    job_ = std::make_unique<SheetPainter>(printer_);
    if (job_->isActive()) return job_.get();
    job_.reset();
    return nullptr;
}

void DialogPagePrinter::endJob() {
    if (job_) job_->end();
    job_.reset();
}

}  // namespace textaria::player
