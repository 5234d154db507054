#include "platform/ui/text_printer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <filesystem>

namespace textaria::platform {
namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(TextPrinter, ProtocolLinesReachThePdfInOrderOverSeveralPages) {
    const auto pdf = std::filesystem::temp_directory_path() /
                     ("textaria-print-" + std::to_string(::getpid()) + ".pdf");
    PlainTextPrint text;
    text.font = QFont(QStringLiteral("Courier New"), 12, QFont::Bold);
    text.colour = QColor(0, 0, 128);
    text.title = QStringLiteral(" ");
    text.lines = {" ", "", "      Testname  :  Mathe1.rtf", "      Testperson:  Müller,Hans"};
    for (int i = 1; i <= 80; ++i)
        text.lines.push_back("      Seite (" + std::to_string(i) + "):  3 richtig von 5  (60.00%)");

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(printPlainText(printer, text));

    // pdftotext joins runs of blanks; the words and their order are what it can tell.
    const QString plain = run("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    EXPECT_TRUE(plain.simplified().startsWith(
        QString::fromUtf8("Testname : Mathe1.rtf Testperson: Müller,Hans Seite (1):")));
    const int first = plain.indexOf("Seite (1):");
    const int last = plain.indexOf("Seite (80):");
    EXPECT_GE(first, 0);
    EXPECT_GT(last, first);
    EXPECT_FALSE(
        plain.contains(QRegularExpression("^\\s*1\\s*$", QRegularExpression::MultilineOption)))
        << "no page numbers are added";
    const QString info = run("pdfinfo", {QString::fromStdString(pdf.string())});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2"))) << info.toStdString();
    // The text keeps its colour (navy blue): look for bluish ink on the first page.
    const QString prefix = QString::fromStdString(pdf.string()) + "-page";
    run("pdftoppm", {"-r", "40", "-png", "-f", "1", "-l", "1", "-singlefile",
                     QString::fromStdString(pdf.string()), prefix});
    const QImage image(prefix + ".png");
    bool navy = false;
    for (int y = 0; y < image.height() && !navy; ++y)
        for (int x = 0; x < image.width() && !navy; ++x) {
            const QColor c = image.pixelColor(x, y);
            navy = c.blue() > c.red() + 60 && c.green() < 100;
        }
    EXPECT_TRUE(navy);
    std::filesystem::remove((prefix + ".png").toStdString());
    if (!::testing::Test::HasFailure()) std::filesystem::remove(pdf);
}

}  // namespace
}  // namespace textaria::platform
