// The keyboard of the main window and its help memo: every key reaches the lesson player
// first, whichever control has the focus, and the whole lesson can be played without a mouse.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>

#include "player/ui/tform1.h"

namespace textaria::player {

namespace {

// Over the page view, left, under the buttons; wide enough for the longest line of the help.
constexpr QRect kHelpDesign{8, 44, 760, 690};

std::optional<Key> mapKey(int key) {
    switch (key) {
        case Qt::Key_PageDown:
            return Key::PageDown;
        case Qt::Key_PageUp:
            return Key::PageUp;
        case Qt::Key_Escape:
            return Key::Escape;
        default:
            break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return static_cast<Key>(static_cast<int>(Key::F1) + (key - Qt::Key_F1));
    return std::nullopt;
}

Modifier mapModifiers(Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held == Qt::KeyboardModifiers()) return Modifier::None;
    if (held == Qt::KeyboardModifiers(Qt::ShiftModifier)) return Modifier::Shift;
    if (held == Qt::KeyboardModifiers(Qt::ControlModifier)) return Modifier::Ctrl;
    return Modifier::Other;
}

bool isEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

void TForm1::createHelpControls() {
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(kHelpDesign);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setTabChangesFocus(true);
    // The lines are aligned with blanks.
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(font().pointSize() - 2);
    Memo1->setFont(mono);
    Memo1->hide();
}

void TForm1::setUpKeyboard() {
    // Every control passes its keys to the window first; answer fields were set up with
    // their own filter already.
    for (QWidget* child : findChildren<QWidget*>())
        if (!child->isWindow() && gapFieldIndex(child) == 0) child->installEventFilter(this);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The tab order and the focus frame: describeControls().
}

bool TForm1::keyEvent(QObject* watched, QKeyEvent* key) {
    const bool press = key->type() == QEvent::KeyPress;
    const int field = gapFieldIndex(watched);
    if (press && pickKey(watched, *key)) return true;
    if (press && isEnter(*key)) {
        if (field != 0) {
            player_->enterInField(field);
            return true;
        }
        // Enter presses the button that has the focus, as the space bar does.
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            button->click();
            return true;
        }
        // Enter in the page view acts on the caret's line as a click on it: a title of the
        // list page or a project of the menu opens.
        if (watched == RichEdit1) {
            emit calculatorReset();
            const QTextBlock line = RichEdit1->textCursor().block();
            player_->clickLine(line.text().toStdString(), line.blockNumber() + 1);
            return true;
        }
        return false;
    }
    const auto mapped = mapKey(key->key());
    // Escape belongs to the control (and to long computations that watch for it).
    if (!mapped || *mapped == Key::Escape) return false;
    // Acting on the release, as the window's key-up handler does; the press must not scroll
    // the page view or reach the control.
    if (!press && !key->isAutoRepeat()) FormKeyUp(key->key(), key->modifiers());
    return true;
}

void TForm1::FormKeyUp(int key, Qt::KeyboardModifiers modifiers) {
    if (const auto mapped = mapKey(key)) player_->keyUp(*mapped, mapModifiers(modifiers));
}

void TForm1::showHelp(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    Memo1->setPlainText(text.join(QLatin1Char('\n')));
    Memo1->show();
    Memo1->raise();
}

void TForm1::hideHelp() { Memo1->hide(); }

void TForm1::openScriptEditor() { emit scriptEditorRequested(); }

void TForm1::setFullScreen(bool fullScreen) {
    if (!state_.FullScreenMode) {
        // A test outside full-screen mode: the whole screen stands for the hidden task bar.
        if (fullScreen)
            QWidget::showFullScreen();
        else
            showMaximized();
        return;
    }
    if (fullScreen)
        enterFullScreen();
    else
        leaveFullScreen();
    show();
}

}  // namespace textaria::player
