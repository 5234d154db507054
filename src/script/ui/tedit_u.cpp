#include "script/ui/tedit_u.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/ui/font_registry.h"
#include "platform/user_dialogs.h"
#include "platform/wtools_u.h"
#include "script/texts.h"

namespace textaria::script {

std::string lineDrawFontSource() {
    const QString name = QStringLiteral("DejaVuSansMono.ttf");
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::FontsLocation);
    folders << QStringLiteral("/usr/share/fonts/truetype/dejavu")
            << QStringLiteral("/usr/share/fonts/dejavu") << QStringLiteral("/usr/share/fonts");
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile()) return file.absoluteFilePath().toStdString();
    }
    return {};
}

TForm2::TForm2(platform::UserDialogs& dialogs, platform::FontRegistry& fonts, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), fonts_(fonts) {
    FormCreate();
}

void TForm2::FormCreate() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(texts::kEditorCaption));

    const lesson::DataRootEnvironment environment{
        platform::TempFolder(), QCoreApplication::applicationDirPath().toStdString(),
        QDir::homePath().toStdString()};
    dataRoot_ = lesson::setUpDataRoot(environment, dialogs_);
    if (!dataRoot_.ok) {
        dialogs_.information(dataRoot_.message);
        return;
    }
    // A missing font only costs the box-drawing look; errors are not reported.
    const std::string font = lesson::installLineDrawFont(dataRoot_.DataRoot, lineDrawFontSource());
    if (!font.empty()) lineDrawFamily_ = fonts_.RegisterFont(font);
}

}  // namespace textaria::script
