// The script editor's printing, memo, stored script and drawing keys.
#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocumentFragment>
#include <filesystem>

#include "calc/numeric_number.h"
#include "calc/numeric_text.h"
#include "platform/user_dialogs.h"
#include "script/draw_surface.h"
#include "script/graphics_text_size.h"
#include "script/texts.h"
#include "script/ui/script_print.h"
#include "script/ui/surface_view.h"
#include "script/ui/tedit_u.h"

namespace textaria::script {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// ---- printing and the memo -------------------------------------------------------------

int TForm2::printScriptTo(QPrinter& printer) {
    if (Memo1->isVisible()) return printMemo(printer, Memo1->toPlainText(), Memo1->font());
    const QTextCursor cursor = RichEdit1->textCursor();
    QString text =
        cursor.hasSelection() ? cursor.selection().toPlainText() : RichEdit1->toPlainText();
    return printScriptPages(printer, text, RichEdit1->font(), [this, &printer] {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    });
}

void TForm2::showMemo(const QString& text) {
    Memo1->setPlainText(text);
    Memo1->show();
    Memo1->raise();
}

void TForm2::Memo1DblClick() {
    Memo1->hide();
    RichEdit1->setFocus();
}

QString TForm2::storedScript() const { return RichEdit7->toPlainText(); }

void TForm2::restoreStoredScript() {
    if (Memo1->isVisible() || RichEdit7->toPlainText().isEmpty()) return;
    RichEdit1->setPlainText(RichEdit7->toPlainText());
}

void TForm2::Drucken1Click() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    printScriptTo(printer);
}

// ---- drawing keys ----------------------------------------------------------------------

void TForm2::printDrawing() {
    if (jpegRedirection_) {
        const std::string start = QDir::currentPath().toStdString();
        const std::string folder = std::filesystem::is_directory(start) ? start : folder_;
        const QString path = QFileDialog::getSaveFileName(
            this, QString(), QDir(qs(folder)).filePath(qs(nextPictureName(drawing_) + ".jpg")),
            qs(texts::kPictureFilter));
        if (path.isEmpty()) return;
        if (!saveSurface(drawing_, pictureFiles_, path.toStdString(),
                         platform::PictureFormat::Jpeg))
            dialogs_.informationTitled(texts::kDataError, texts::kProblemTitle);
        return;
    }
    printPictureWithDialog(canvas_.image());
}

// F5 in a script box: the lesson picture while a lesson runs the script, else the surface.
void TForm2::printLessonPicture() {
    if (drawing_.lessonPicture != nullptr)
        printPictureWithDialog(platform::toQImage(drawing_.lessonPicture->snapshot()));
    else
        printPictureWithDialog(canvas_.image());
}

void TForm2::printPictureWithDialog(const QImage& picture) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    printPicture(printer, picture.convertToFormat(QImage::Format_RGB888),
                 QStringLiteral("Grafik %1").arg(++state_.graphicCaptionCounter));
}

void TForm2::loadPictureKey() {
    if (!Panel3->isVisible()) {
        dialogs_.information(texts::kDrawingFirst);
        return;
    }
    const QString path =
        QFileDialog::getOpenFileName(this, QString(), qs(folder_), qs(texts::kPictureFilter));
    if (path.isEmpty()) return;
    if (!loadPictureIntoSurface(drawing_, pictureFiles_, path.toStdString()))
        dialogs_.informationTitled(texts::kDataError, texts::kProblemTitle);
    Image1->update();
}

void TForm2::toggleJpegRedirection() {
    if (jpegRedirection_) {
        jpegRedirection_ = false;
        dialogs_.information(texts::kJpegOff);
        return;
    }
    const auto answer = dialogs_.inputBox(texts::kJpegOn, texts::kFirstPictureNumber,
                                          std::to_string(drawing_.pictureCounter));
    if (!answer) return;
    jpegRedirection_ = true;
    if (const auto n = calc::readNumber(calc::trimBlanks(*answer)); n && *n >= 0 && *n < 1e9)
        drawing_.pictureCounter = static_cast<int>(*n);
}

void TForm2::graphicsTextSize(int step) {
    dialogs_.information(stepGraphicsTextSize(drawing_, step));
}

}  // namespace textaria::script
