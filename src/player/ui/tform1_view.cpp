// The main window as the lesson player's view: it paints what the player decides.
#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "lesson/markup_text.h"
#include "lesson/texts.h"
#include "platform/ui/rich_text_document.h"
#include "player/test_protocol.h"
#include "player/texts.h"
#include "player/ui/page_document.h"
#include "player/ui/page_printer.h"
#include "player/ui/panel4.h"
#include "player/ui/tform1.h"
#include "player/ui/tform1_look.h"

namespace textaria::player {

namespace {

// Turns the dialog filter "Text (*.rtf)|*.rtf|..." into Qt's "Text (*.rtf);;...".
QString qtFilter(const char* filter) {
    const QStringList parts = QString::fromUtf8(filter).split(QLatin1Char('|'));
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2) names << parts[i];
    return names.join(QStringLiteral(";;"));
}

void setFieldBackground(QLineEdit& field, const QColor& colour) {
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    field.setPalette(palette);
}

void scrollToTop(QTextEdit& view) {
    view.moveCursor(QTextCursor::Start);
    view.verticalScrollBar()->setValue(0);
}

}  // namespace

std::string TForm1::setLessonText(const platform::StyledText& text, int fontDelta) {
    platform::setStyledText(*RichEdit3, text);
    changeFontSizes(*RichEdit3, fontDelta);
    lessonPlainText_ = lesson::ui::documentPlainText(*RichEdit3);
    return lessonPlainText_;
}

void TForm1::clearLessonText() {
    RichEdit3->clear();
    lessonPlainText_.clear();
}

void TForm1::changeLessonFontSizes(int delta) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    changeFontSizes(*RichEdit3, delta);
    QApplication::restoreOverrideCursor();
}

void TForm1::keepSelection() {
    copyDocumentRange(*RichEdit3, 0, RichEdit3->characterCount() - 1, *savedSelection_);
}

void TForm1::showSelection(int line) {
    setViewBackground(*RichEdit1, Qt::white);
    copyDocumentRange(*savedSelection_, 0, savedSelection_->characterCount() - 1,
                      *RichEdit1->document());
    applyPageMargins();
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->moveCursor(QTextCursor::Start);
    if (line >= 2) {
        const QTextBlock block = RichEdit1->document()->findBlockByNumber(line - 1);
        if (block.isValid()) {
            RichEdit1->setTextCursor(QTextCursor(block));
            RichEdit1->ensureCursorVisible();
        }
    }
}

void TForm1::showPageText(const PageText& page, bool readingPage) {
    setViewBackground(*RichEdit1, Qt::white);
    RichEdit1->setExtraSelections({});
    pageDocument(*RichEdit3, lessonPlainText_, page, *RichEdit1->document());
    applyPageMargins();
    RichEdit1->setAccessibleDescription(QString::fromStdString(page.title));
    RichEdit1->setVerticalScrollBarPolicy(readingPage ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    scrollToTop(*RichEdit1);
    RichEdit1->setFocus();
}

void TForm1::showListPage(const std::vector<std::string>& paragraphs) {
    setViewBackground(*RichEdit1, kListBackground);
    RichEdit1->clear();
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(14);
    format.setFontWeight(QFont::Bold);
    format.setForeground(kListText);
    QTextCursor cursor(RichEdit1->document());
    bool first = true;
    for (const std::string& paragraph : paragraphs) {
        // Each "\r" line is a paragraph of its own, so a click reads one line.
        for (const QString& line : QString::fromStdString(paragraph).split(QLatin1Char('\r'))) {
            if (!first) cursor.insertBlock();
            first = false;
            cursor.setBlockCharFormat(format);
            cursor.insertText(line, format);
        }
    }
    applyPageMargins();
    RichEdit1->setAccessibleDescription(QString::fromUtf8(texts::kAccessibleListPage));
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollToTop(*RichEdit1);
    // The arrow keys walk the titles and Enter opens one, as a click does.
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setFocus();
}

void TForm1::showPlainText(const std::vector<std::string>& lines, bool protocolLook) {
    setViewBackground(*RichEdit1, Qt::white);
    RichEdit1->clear();
    QTextCharFormat format;
    if (protocolLook) {
        format.setFontFamilies({QString::fromLatin1(ProtocolLook::kFontFamily)});
        format.setFontPointSize(ProtocolLook::kPointSize);
        format.setFontWeight(ProtocolLook::kBold ? QFont::Bold : QFont::Normal);
        format.setForeground(QColor(ProtocolLook::kRed, ProtocolLook::kGreen, ProtocolLook::kBlue));
    }
    QTextCursor cursor(RichEdit1->document());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) cursor.insertBlock();
        cursor.setBlockCharFormat(format);
        cursor.insertText(QString::fromStdString(lines[i]), format);
    }
    applyPageMargins();
    RichEdit1->setAccessibleDescription(protocolLook ? QString::fromUtf8(texts::kAccessibleProtocol)
                                                     : QString());
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scrollToTop(*RichEdit1);
    RichEdit1->setFocus();
}

void TForm1::clearPageView() {
    RichEdit1->clear();
    RichEdit1->setAccessibleDescription({});
    setViewBackground(*RichEdit1, Qt::white);
}

bool TForm1::placeAnswerFields(const lesson::GapTable& gaps, int fontChange) {
    lesson::ui::clearGapFields(gapFields);
    if (gaps.GapCount() == 0) return true;
    const auto placement = lesson::ui::PlaceGapFields(*RichEdit1, gaps, gapFields, fontChange);
    if (placement.positionError) lesson::ui::clearGapFields(gapFields);
    return !placement.positionError;
}

void TForm1::setFieldText(int field, const std::string& text, bool corrected) {
    if (field < 1 || field > lesson::kMaxGaps) return;
    QLineEdit* edit = gapFields[static_cast<std::size_t>(field - 1)];
    if (corrected) setFieldBackground(*edit, CorrectionColour);
    edit->setText(QString::fromStdString(text));
    edit->setCursorPosition(0);
}

void TForm1::focusField(int field) {
    if (field == 0) {
        Panel1->setFocus();
    } else if (field >= 1 && field <= lesson::kMaxGaps) {
        gapFields[static_cast<std::size_t>(field - 1)]->setFocus();
    }
}

void TForm1::setStatus(const std::string& text) {
    Panel1->setText(QString::fromStdString(text));
    // The panel is announced as "Status"; what it says is its description.
    Panel1->setAccessibleDescription(Panel1->text());
}

void TForm1::setCounter(const std::string& text) {
    Label24->setText(QString::fromStdString(text));
    Label24->setAccessibleDescription(Label24->text());
    Label24->setVisible(!text.empty());
}

void TForm1::setNavigation(bool down, bool up, bool rep) {
    Label20->setVisible(down);
    Label21->setVisible(up);
    Label4->setVisible(rep);
}

void TForm1::setLoadButton(const std::string& text, bool visible) {
    if (!text.empty()) Button3->setText(QString::fromStdString(text));
    Button3->setVisible(visible);
}

void TForm1::showSideList(SideList kind, const std::vector<std::string>& lines) {
    RichEdit2->clear();
    RichEdit2->setExtraSelections({});
    QTextCharFormat format;
    const char* caption = texts::kAnswerListCaption;
    if (kind == SideList::Words) {
        // The word list stands out from the page: bold, dark red, a point smaller.
        format.setFontWeight(QFont::Bold);
        format.setForeground(QColor(128, 0, 0));
        format.setFontPointSize(std::max(1.0, RichEdit2->font().pointSizeF() - 1));
        caption = lesson::texts::kWordListHelp;
    }
    QTextCursor cursor(RichEdit2->document());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) cursor.insertBlock();
        cursor.insertText(QString::fromStdString(lines[i]), format);
    }
    Label13->setText(QString::fromUtf8(caption).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    RichEdit2->setAccessibleName(QString::fromUtf8(
        kind == SideList::Words ? texts::kAccessibleWordList : texts::kAccessibleAnswerList));
    RichEdit2->show();
    Panel3->show();
    Panel3->raise();
}

void TForm1::hideSideList() {
    RichEdit2->clear();
    Panel3->hide();
}

std::optional<std::string> TForm1::askLessonFile(const std::string& startFolder) {
    if (chooseLessonFile) return chooseLessonFile(startFolder);
    QFileDialog dialog(this, QString(), QString::fromStdString(startFolder),
                       qtFilter(texts::kLessonFileFilter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("rtf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

platform::ScreenPoint TForm1::pageCorner() {
    const QPoint corner = RichEdit1->mapToGlobal(QPoint(50, 50));
    return {corner.x(), corner.y()};
}

void TForm1::openCalculator(int field, bool clearVariables) {
    QLineEdit* target = field >= 1 && field <= lesson::kMaxGaps
                            ? gapFields[static_cast<std::size_t>(field - 1)]
                            : nullptr;
    emit calculatorRequested(target, clearVariables);
}

void TForm1::printPageView() {
    if (printDocument) {
        printDocument(*RichEdit1->document());
        return;
    }
    QPrinter printer;
    printer.setDocName(QStringLiteral(" "));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) RichEdit1->document()->print(&printer);
}

void TForm1::endProgram() { close(); }

}  // namespace textaria::player
