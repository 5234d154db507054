#include "platform/ui/qt_user_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace textaria::platform {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString informationCaption() {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Textaria") : name;
}

}  // namespace

QString QtUserDialogs::toDisplayText(std::string_view text) {
    QString out = fromUtf8(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

void QtUserDialogs::information(std::string_view text) {
    QMessageBox::information(parent_, informationCaption(), toDisplayText(text));
}

void QtUserDialogs::informationTitled(std::string_view text, std::string_view caption) {
    QMessageBox::information(parent_, QString::fromUtf8(caption.data(), qsizetype(caption.size())),
                             toDisplayText(text));
}

void QtUserDialogs::informationAt(std::string_view text, ScreenPoint where) {
    QMessageBox box(QMessageBox::Information, informationCaption(), toDisplayText(text),
                    QMessageBox::Ok, parent_);
    box.move(where.x, where.y);
    box.exec();
}

bool QtUserDialogs::askYesNo(std::string_view text, std::string_view caption) {
    const auto answer = QMessageBox::question(parent_, toDisplayText(caption), toDisplayText(text),
                                              QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes;
}

DialogAnswer QtUserDialogs::askYesNoCancel(std::string_view text, std::string_view caption) {
    const auto answer =
        QMessageBox::question(parent_, toDisplayText(caption), toDisplayText(text),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) return DialogAnswer::Yes;
    if (answer == QMessageBox::No) return DialogAnswer::No;
    return DialogAnswer::Cancel;
}

std::optional<std::string> QtUserDialogs::inputBox(std::string_view title, std::string_view prompt,
                                                   std::string_view defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, toDisplayText(title), toDisplayText(prompt),
                                               QLineEdit::Normal, fromUtf8(defaultText), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

}  // namespace textaria::platform
