// Click-click and the picture tasks in the main window: mouse presses and the keys that pick
// and drop words go to the player; picks are highlighted and marks drawn on the picture.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextEdit>

#include "player/ui/page_document.h"
#include "player/ui/tform1.h"

namespace textaria::player {

namespace {

// UTF-16 length of the first `bytes` bytes of a line's UTF-8 text.
int utf16Length(const QString& line, std::size_t bytes) {
    const QByteArray utf8 = line.toUtf8();
    return static_cast<int>(
        QString::fromUtf8(utf8.left(static_cast<qsizetype>(
                              std::min<std::size_t>(bytes, static_cast<std::size_t>(utf8.size())))))
            .size());
}

void highlight(QTextEdit& view, int from, int to) {
    QTextEdit::ExtraSelection selection;
    selection.cursor = QTextCursor(view.document());
    selection.cursor.setPosition(from);
    selection.cursor.setPosition(to, QTextCursor::KeepAnchor);
    selection.format.setBackground(view.palette().color(QPalette::Highlight));
    selection.format.setForeground(view.palette().color(QPalette::HighlightedText));
    view.setExtraSelections({selection});
    view.setTextCursor(selection.cursor);
    view.ensureCursorVisible();
}

}  // namespace

void TForm1::RichEdit1MouseDown(const QPoint& viewportPoint, Qt::MouseButton button,
                                Qt::KeyboardModifiers modifiers) {
    const QTextCursor cursor = RichEdit1->cursorForPosition(viewportPoint);
    const QString line = cursor.block().text();
    // The character under the mouse: the cursor stands after it when the click hit its right
    // half.
    int column = cursor.positionInBlock();
    if (column > 0 && RichEdit1->cursorRect(cursor).left() > viewportPoint.x()) --column;
    const std::string text = line.toStdString();
    const auto byteColumn = static_cast<std::size_t>(line.left(column).toUtf8().size());
    const int lineNumber = cursor.blockNumber() + 1;
    if (player_->pickAt(text, lineNumber, byteColumn, button == Qt::RightButton,
                        modifiers == Qt::NoModifier))
        return;
    player_->clickLine(text, lineNumber);
}

// Image1 holds exactly the shown picture, so a press is in the shown picture's pixels.
void TForm1::Image1MouseDown(const QPoint& point, Qt::MouseButton button,
                             Qt::KeyboardModifiers modifiers) {
    player_->pictureMouseDown(point.x(), point.y(), button == Qt::RightButton,
                              modifiers == Qt::NoModifier);
    // On a coordinate-system page a right click shows the point; Image1 is as large as the
    // picture it shows.
    if (button == Qt::RightButton && modifiers == Qt::NoModifier)
        player_->showCoordinates(point.x(), point.y(), Image1->width(), Image1->height());
}

// Alt with an arrow picks and drops without a mouse; true when the key was one of them.
bool TForm1::pickKey(QObject* watched, const QKeyEvent& key) {
    if (key.modifiers() != Qt::AltModifier) return false;
    switch (key.key()) {
        case Qt::Key_Right:
            player_->stepPick(1);
            return true;
        case Qt::Key_Left:
            player_->stepPick(-1);
            return true;
        case Qt::Key_Up:
            player_->toggleAppendMode();
            return true;
        case Qt::Key_Down: {
            int field = gapFieldIndex(watched);
            if (field == 0) field = gapFieldIndex(QApplication::focusWidget());
            player_->FormClick(field);
            return true;
        }
        default:
            return false;
    }
}

void TForm1::highlightPick(int line, LineRange range) {
    const QTextBlock block = RichEdit1->document()->findBlockByNumber(line - 1);
    if (!block.isValid()) return;
    const QString text = block.text();
    QWidget* focus = QApplication::focusWidget();
    highlight(*RichEdit1, block.position() + utf16Length(text, range.begin),
              block.position() + utf16Length(text, range.end));
    if (focus) focus->setFocus();  // the learner stays in the answer field
}

void TForm1::highlightWordListLine(int index) {
    const QTextBlock block = RichEdit2->document()->findBlockByNumber(index);
    if (!block.isValid()) return;
    highlight(*RichEdit2, block.position(), block.position() + block.length() - 1);
}

void TForm1::selectFieldText(int field) {
    if (field < 1 || field > lesson::kMaxGaps) return;
    QLineEdit* edit = gapFields[static_cast<std::size_t>(field - 1)];
    // Selected from the start, so the caret stands at the end.
    edit->setSelection(0, static_cast<int>(edit->text().size()));
}

// Every mark is painted on a copy of the clean picture, which restorePicture() shows again.
void TForm1::paintOnPicture(const std::function<void(QPainter&)>& paint) {
    const QPixmap current = Image1->pixmap();
    if (current.isNull()) return;
    if (current.cacheKey() != markedPictureKey_) cleanPicture_ = current;
    QPixmap marked = cleanPicture_.copy();
    {
        QPainter painter(&marked);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter);
    }
    Image1->setPixmap(marked);
    markedPictureKey_ = Image1->pixmap().cacheKey();
}

void TForm1::drawPictureRectangle(const PixelRect& rect) {
    paintOnPicture([&](QPainter& painter) {
        painter.setPen(QPen(Qt::red, 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(QPoint(rect.left, rect.top), QPoint(rect.right, rect.bottom)));
    });
    Image1->repaint();  // seen while the message box waits
}

void TForm1::drawPictureNumbers(const std::vector<PictureLabel>& labels) {
    paintOnPicture([&](QPainter& painter) {
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(12);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::red);
        for (const PictureLabel& label : labels)
            painter.drawText(QRect(QPoint(label.rect.left, label.rect.top),
                                   QPoint(label.rect.right, label.rect.bottom)),
                             Qt::AlignCenter | Qt::TextDontClip,
                             QString::fromStdString(label.text));
    });
}

void TForm1::restorePicture() {
    if (Image1->pixmap().cacheKey() == markedPictureKey_ && !cleanPicture_.isNull())
        Image1->setPixmap(cleanPicture_);
}

platform::ScreenPoint TForm1::pictureCorner() {
    const QPoint corner = Panel5->mapToGlobal(QPoint(-10, 20));
    return {corner.x(), corner.y()};
}

}  // namespace textaria::player
