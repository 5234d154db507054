// The script editor's keys and its text tools.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocumentFragment>

#include "platform/user_dialogs.h"
#include "script/editor_tools.h"
#include "script/text_search.h"
#include "script/texts.h"
#include "script/ui/document_lines.h"
#include "script/ui/script_print.h"
#include "script/ui/tedit_u.h"

namespace textaria::script {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// ---- text keys -------------------------------------------------------------------------

std::vector<std::string> TForm2::selectedLines() const {
    const QTextCursor cursor = RichEdit1->textCursor();
    if (!cursor.hasSelection()) return {};
    std::vector<std::string> out;
    for (const QString& line : cursor.selection().toPlainText().split(QLatin1Char('\n')))
        out.push_back(line.toStdString());
    return out;
}

void TForm2::statisticsKey() {
    const std::vector<std::string> lines = selectedLines();
    if (lines.empty()) {
        dialogs_.information(texts::kNoNumbersSelected);
        return;
    }
    const auto result = statisticsLines(lines, state_.format().decimals);
    if (!result) {
        state_.numeric.errorFlag = true;
        dialogs_.information(texts::kDataFault);
        return;
    }
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.setPosition(std::max(cursor.position(), cursor.anchor()));
    cursor.movePosition(QTextCursor::EndOfBlock);
    QString text;
    for (const std::string& line : *result) text += QStringLiteral("\n") + qs(line);
    cursor.insertText(text);
}

void TForm2::convertSelectedRows(bool toRows) {
    const std::vector<std::string> lines = selectedLines();
    if (lines.empty()) {
        dialogs_.information(toRows ? texts::kOnlySelectedToRows : texts::kOnlySelectedFromRows);
        return;
    }
    const std::vector<std::string> converted = toRows ? toTextRows(lines) : fromTextRows(lines);
    QStringList out;
    for (const std::string& line : converted) out << qs(line);
    RichEdit1->textCursor().insertText(out.join(QLatin1Char('\n')));
}

void TForm2::insertAtCaret(const QString& text) { RichEdit1->textCursor().insertText(text); }

void TForm2::updateCaretLabel() {
    const QTextCursor cursor = RichEdit1->textCursor();
    Label2->setText(QStringLiteral("Spalte/Zeile: %1 / %2")
                        .arg(cursor.positionInBlock() + 1)
                        .arg(cursor.blockNumber() + 1));
}

void TForm2::Label6Click() {
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.movePosition(QTextCursor::Start);
    RichEdit1->setTextCursor(cursor);
}

void TForm2::Label7Click() {
    Memo1->hide();
    showDrawing(!Panel3->isVisible());
}

void TForm2::toggleSearchPanel() {
    Panel2->setVisible(!Panel2->isVisible());
    if (Panel2->isVisible()) {
        Panel2->raise();
        Edit1->setFocus();
    }
}

// "Start": without "Alles Suchen" one step from the caret (a selected occurrence is replaced
// first when an "Ersatztext" is given), going on at the start after the end; with it, every
// occurrence is counted, or replaced in one undoable step. An empty "Ersatztext" only finds.
void TForm2::Button1Click() {
    const std::u16string needle = Edit1->text().toStdU16String();
    if (needle.empty()) {
        Label5->setText(qs(texts::kSearchNoText));
        return;
    }
    const bool matchCase = CheckBox1->isChecked();
    const QString replacement = Edit2->text();
    QTextCursor cursor = RichEdit1->textCursor();
    if (CheckBox2->isChecked() && !replacement.isEmpty()) {
        const ReplaceAllResult result = replaceAll(RichEdit1->toPlainText().toStdU16String(),
                                                   needle, replacement.toStdU16String(), matchCase);
        if (result.count > 0) {
            cursor.select(QTextCursor::Document);
            cursor.insertText(QString::fromStdU16String(result.text));
        }
        Label5->setText(QString::number(result.count) + qs(texts::kSearchReplaced));
        return;
    }
    std::size_t from = static_cast<std::size_t>(cursor.selectionEnd());
    if (!CheckBox2->isChecked() && !replacement.isEmpty() && cursor.hasSelection() &&
        sameText(cursor.selectedText().toStdU16String(), needle, matchCase)) {
        cursor.insertText(replacement);
        RichEdit1->setTextCursor(cursor);
        from = static_cast<std::size_t>(cursor.position());
    }
    const std::u16string text = RichEdit1->toPlainText().toStdU16String();
    const auto found = findText(text, needle, from, {matchCase, true});
    if (!found) {
        Label5->setText(qs(texts::kSearchNotFound));
        return;
    }
    cursor.setPosition(static_cast<int>(*found));
    cursor.setPosition(static_cast<int>(*found + needle.size()), QTextCursor::KeepAnchor);
    RichEdit1->setTextCursor(cursor);
    Label5->setText(CheckBox2->isChecked()
                        ? QString::number(countOccurrences(text, needle, matchCase)) +
                              qs(texts::kSearchCounted)
                        : qs(texts::kSearchFound));
}

bool TForm2::FormKeyUp(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)) return false;
    switch (key) {
        case Qt::Key_F4:
            if (Panel3->isVisible()) printDrawing();
            return true;
        case Qt::Key_F5:
            loadPictureKey();
            return true;
        case Qt::Key_F6:
            toggleJpegRedirection();
            return true;
        case Qt::Key_F7:
            if (onCalculator) onCalculator();
            return true;
        default:
            return false;
    }
}

bool TForm2::RichEdit1KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    switch (key) {
        case Qt::Key_F1:
            evaluateCaretLine();
            return true;
        case Qt::Key_F2: {
            QString table;
            for (const std::string& line : characterTable())
                table += QStringLiteral("\n") + qs(line);
            QTextCursor cursor = RichEdit1->textCursor();
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(table);
            return true;
        }
        case Qt::Key_F3:
            Label7Click();
            return true;
        case Qt::Key_F4:
        case Qt::Key_F5:
        case Qt::Key_F6:
            FormKeyUp(key, {});
            return true;
        case Qt::Key_F7:
            if (ctrl)
                convertSelectedRows(true);
            else if (shift)
                convertSelectedRows(false);
            else
                FormKeyUp(key, {});
            return true;
        case Qt::Key_F8:
            if (shift) insertAtCaret(qs(texts::kSpecialCharacters));
            if (ctrl) insertAtCaret(qs(texts::kSelectTemplate));
            return true;
        case Qt::Key_F9:
            if (shift)
                dialogs_.information(texts::kShiftF9Free);
            else if (ctrl)
                restoreStoredScript();
            else
                statisticsKey();
            return true;
        case Qt::Key_F10:
            graphicsTextSize(shift ? 1 : (ctrl ? -1 : 0));
            return true;
        case Qt::Key_F11:
            Skriptausfhren1Click();
            return true;
        case Qt::Key_F12:
            drawing_.boldGraphics = !drawing_.boldGraphics;
            dialogs_.information(drawing_.boldGraphics ? texts::kBoldOn : texts::kBoldOff);
            return true;
        case Qt::Key_F:
            if (!ctrl) return false;
            toggleSearchPanel();
            return true;
        case Qt::Key_Y:
            if (!ctrl) return false;
            lines_->removeLine(lines_->caretLine());
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            if (ctrl) {
                insertAtCaret(kPageMark + QStringLiteral("\n"));
                return true;
            }
            if (!autoIndent_) return false;
            const QString line = RichEdit1->textCursor().block().text();
            qsizetype blanks = 0;
            while (blanks < line.size() && line[blanks] == QLatin1Char(' ')) ++blanks;
            insertAtCaret(QStringLiteral("\n") + QString(blanks, QLatin1Char(' ')));
            return true;
        }
        default:
            return false;
    }
}

}  // namespace textaria::script
