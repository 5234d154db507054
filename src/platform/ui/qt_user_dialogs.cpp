#include "platform/ui/qt_user_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "platform/ui/accessibility.h"

namespace textaria::platform {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString informationCaption() {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Textaria") : name;
}

// A message box that a screen reader announces by its caption and reads its text as the
// description, with the focus frame of every window.
class Box final : public QMessageBox {
  public:
    Box(QMessageBox::Icon icon, const QString& caption, std::string_view text,
        QMessageBox::StandardButtons buttons, QWidget* parent)
        : QMessageBox(icon, caption, QtUserDialogs::toDisplayText(text), buttons, parent) {
        setObjectName(QStringLiteral("MessageBox"));
        const QString name = caption.trimmed();
        setAccessibleName(name.isEmpty() ? informationCaption() : name);
        setAccessibleDescription(QtUserDialogs::toDisplayText(text).simplified());
        FocusFrame::install(this);
    }
};

}  // namespace

QString QtUserDialogs::toDisplayText(std::string_view text) {
    QString out = fromUtf8(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

void QtUserDialogs::information(std::string_view text) {
    Box(QMessageBox::Information, informationCaption(), text, QMessageBox::Ok, parent_).exec();
}

void QtUserDialogs::informationTitled(std::string_view text, std::string_view caption) {
    Box(QMessageBox::Information, fromUtf8(caption), text, QMessageBox::Ok, parent_).exec();
}

void QtUserDialogs::informationAt(std::string_view text, ScreenPoint where) {
    Box box(QMessageBox::Information, informationCaption(), text, QMessageBox::Ok, parent_);
    box.move(where.x, where.y);
    box.exec();
}

bool QtUserDialogs::askYesNo(std::string_view text, std::string_view caption) {
    Box box(QMessageBox::Question, toDisplayText(caption), text, QMessageBox::Yes | QMessageBox::No,
            parent_);
    return box.exec() == QMessageBox::Yes;
}

DialogAnswer QtUserDialogs::askYesNoCancel(std::string_view text, std::string_view caption) {
    Box box(QMessageBox::Question, toDisplayText(caption), text,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) return DialogAnswer::Yes;
    if (answer == QMessageBox::No) return DialogAnswer::No;
    return DialogAnswer::Cancel;
}

std::optional<std::string> QtUserDialogs::inputBox(std::string_view title, std::string_view prompt,
                                                   std::string_view defaultText) {
    QInputDialog box(parent_);
    box.setObjectName(QStringLiteral("InputBox"));
    box.setWindowTitle(toDisplayText(title));
    box.setLabelText(toDisplayText(prompt));
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(fromUtf8(defaultText));
    describeForScreenReaders(&box, title, prompt);
    // The entry line is announced by what it asks for.
    if (auto* line = box.findChild<QLineEdit*>())
        describeForScreenReaders(line, toDisplayText(prompt).simplified().toStdString());
    FocusFrame::install(&box);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue().toStdString();
}

}  // namespace textaria::platform
