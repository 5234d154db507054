// The script editor window for tests: made, sized and shown offscreen, with a scripted user.
#pragma once

#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/ui/font_registry.h"
#include "script/ui/tedit_u.h"
#include "support/fake_user_dialogs.h"

namespace textaria::script {

inline std::string fileBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The text of a PDF file, through poppler's pdftotext (sheets separated by form feeds).
inline QString pdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Editor {
    testing::FakeUserDialogs dialogs;
    platform::FontRegistry fonts;
    calc::FormulaVariables variables;
    TForm2 form{dialogs, fonts, variables};

    Editor() {
        form.resize(1200, 800);
        form.show();
    }
    void type(const QString& text) {
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            QTest::keyClicks(form.RichEdit1, line);
            QTest::keyClick(form.RichEdit1, Qt::Key_Return);
        }
    }
    platform::Rgb pixelAt(double x, double y) {
        const auto p = form.drawing().worldToPixel(x, y);
        return platform::Rgb::fromPacked(form.surfaceImage().pixel(p.x, p.y));
    }
};

}  // namespace textaria::script
