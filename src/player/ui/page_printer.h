// The player's printer on Qt: builds the formatted page from the lesson document and draws
// its sheets. Where the sheets go (the printer chosen in the print dialog, or one PDF file for
// all jobs) is up to the subclass.
#pragma once

#include <QPrinter>
#include <functional>
#include <memory>
#include <string>

#include "player/print_jobs.h"
#include "player/ui/page_sheets.h"

class QPdfWriter;
class QTextDocument;
class QWidget;

namespace textaria::player {

// The page as the page view shows it: its range of the lesson document without its option
// lines, cut where the player cut it.
void pageDocument(const QTextDocument& lesson, std::string_view lessonPlain, const PageText& page,
                  QTextDocument& to);

class QtPagePrinter : public PagePrinter {
  public:
    // `lessonPlain` is the lesson document's plain text, which page ranges refer to; the page
    // view holds what is printed when no page is given (the test protocol).
    QtPagePrinter(const QTextDocument& lesson, const std::string& lessonPlain,
                  const QTextDocument* pageView);

    void printWorksheet(const PageText& page, const lesson::PrintFormPlan& form,
                        int fontDelta) override;
    void printPicture(const std::string& path, double scale, const std::string& caption) override;
    void printTextAndPicture(const PageText& page, const lesson::PrintFormPlan& form,
                             const std::string& picture) override;
    void printTextSheets(const TextSheets& sheets) override;

  protected:
    // A job's sheets; nullptr when the printer cannot start.
    virtual SheetPainter* beginJob() = 0;
    virtual void endJob() = 0;

  private:
    const QTextDocument& lesson_;
    const std::string& lessonPlain_;
    const QTextDocument* pageView_;
};

// All jobs one after another in one PDF file.
class PdfPagePrinter : public QtPagePrinter {
  public:
    PdfPagePrinter(QPdfWriter& writer, const QTextDocument& lesson, const std::string& lessonPlain);
    bool choosePrinter() override { return true; }
    // Ends the file; false when it could not be written.
    bool finish();
    bool printedAnything() const { return sheets_ != nullptr; }

  protected:
    SheetPainter* beginJob() override;
    void endJob() override {}

  private:
    QPdfWriter& writer_;
    std::unique_ptr<SheetPainter> sheets_;
};

// The platform printer: the print dialog chooses it, every job is its own.
class DialogPagePrinter : public QtPagePrinter {
  public:
    // `chooser` replaces the print dialog when set (tests print to PDF files that way).
    DialogPagePrinter(QWidget* parent, const QTextDocument& lesson, const std::string& lessonPlain,
                      const QTextDocument* pageView, const std::function<bool(QPrinter&)>& chooser);
    bool choosePrinter() override;

  protected:
    SheetPainter* beginJob() override;
    void endJob() override;

  private:
    QWidget* parent_;
    const std::function<bool(QPrinter&)>& chooser_;
    QPrinter printer_{QPrinter::HighResolution};
    std::unique_ptr<SheetPainter> job_;
};

}  // namespace textaria::player
