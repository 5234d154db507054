// The script editor window driven as a user would: typing, F11, saving and reopening,
// printing to PDF, the text keys.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "editor_test_support.h"
#include "script/ui/script_print.h"

namespace textaria::script {
namespace {

TEST(EditorWindow, TypedScriptRunsWithF11) {
    Editor e;
    e.type(QStringLiteral("kor(10,1)\npen(3,2)\nlin(-5,3,5,3)\na = 2*3\nnul(x*x-2,0,0,3)"));
    QTest::keyClick(e.form.RichEdit1, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(e.form.RichEdit1, Qt::Key_F11);
    const QString text = e.form.editorText();
    EXPECT_TRUE(text.contains(QStringLiteral("a = 2*3 = 6.00"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("    = N(1.41,0.00)"))) << text.toStdString();
    EXPECT_TRUE(e.form.surfaceShown());
    EXPECT_EQ(e.pixelAt(0, 3), (platform::Rgb{255, 0, 0}));
    EXPECT_EQ(e.pixelAt(2, 5), platform::kWhite);
    ASSERT_FALSE(e.dialogs.shown.empty());
    EXPECT_EQ(e.dialogs.shown.back().text, "Skript-Ende");
}

TEST(EditorWindow, SavedScriptReopensByteIdentical) {
    QTemporaryDir dir;
    Editor e;
    e.form.RichEdit1->setPlainText(QStringLiteral("// Übung: Größe\nkor(10,2)\n\n  a = 3"));
    const QString first = dir.filePath(QStringLiteral("skript.txt"));
    ASSERT_TRUE(e.form.saveScript(first.toStdString()));
    const std::string bytes = fileBytes(first);
    EXPECT_EQ(bytes,
              "// \xDC"
              "bung: Gr\xF6\xDF"
              "e\r\nkor(10,2)\r\n\r\n  a = 3");

    Editor reopened;
    ASSERT_TRUE(reopened.form.openScript(first.toStdString()));
    EXPECT_EQ(reopened.form.editorText(), e.form.editorText());
    const QString second = dir.filePath(QStringLiteral("zweites.txt"));
    ASSERT_TRUE(reopened.form.saveScript(second.toStdString()));
    EXPECT_EQ(fileBytes(second), bytes);

    // An empty editor is not saved; a missing file is a clear message.
    reopened.form.RichEdit1->clear();
    EXPECT_FALSE(reopened.form.saveScript(dir.filePath(QStringLiteral("leer.txt")).toStdString()));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("leer.txt"))));
    EXPECT_FALSE(reopened.form.openScript(dir.filePath(QStringLiteral("fehlt.txt")).toStdString()));
    EXPECT_EQ(reopened.dialogs.shown.back().text, "Daten-Fehler");
    EXPECT_EQ(reopened.dialogs.shown.back().caption, "Problem");
}

TEST(EditorWindow, ScriptPrintsPageByPageToPdf) {
    QTemporaryDir dir;
    Editor e;
    e.form.RichEdit1->setPlainText(QStringLiteral("a = 1\n\u00B6\nb = 2\n\u00B6\nc = 3"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath(QStringLiteral("skript.pdf"));
    printer.setOutputFileName(pdf);
    // The print dialog before each further page is answered by the test: only the first two.
    int asked = 0;
    EXPECT_EQ(printScriptPages(printer, e.form.editorText(), e.form.RichEdit1->font(),
                               [&] { return ++asked < 2; }),
              2);
    EXPECT_GT(QFileInfo(pdf).size(), 500);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("<Seite 1>")) &&
                text.contains(QStringLiteral("<Seite 2>")));
    EXPECT_TRUE(text.contains(QStringLiteral("b = 2")));
    EXPECT_FALSE(text.contains(QStringLiteral("c = 3")));

    QPrinter picturePrinter(QPrinter::HighResolution);
    picturePrinter.setOutputFormat(QPrinter::PdfFormat);
    const QString picturePdf = dir.filePath(QStringLiteral("grafik.pdf"));
    picturePrinter.setOutputFileName(picturePdf);
    printPicture(picturePrinter, e.form.surfaceImage(), QStringLiteral("Grafik 1"));
    EXPECT_TRUE(pdfText(picturePdf).contains(QStringLiteral("Grafik 1")));
}

TEST(EditorWindow, TextKeys) {
    Editor e;
    e.form.RichEdit1->setPlainText(QStringLiteral("eins\nzwei\ndrei"));
    e.form.RichEdit1->selectAll();
    QTest::keyClick(e.form.RichEdit1, Qt::Key_F7, Qt::ControlModifier);
    EXPECT_EQ(e.form.editorText(), QStringLiteral("txz(00,eins)\ntxz(01,zwei)\ntxz(02,drei)"));
    e.form.RichEdit1->selectAll();
    QTest::keyClick(e.form.RichEdit1, Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(e.form.editorText(), QStringLiteral("eins\nzwei\ndrei"));

    e.form.RichEdit1->setPlainText(QStringLiteral("1, 2, 3\n4"));
    e.form.RichEdit1->selectAll();
    QTest::keyClick(e.form.RichEdit1, Qt::Key_F9);
    const QString text = e.form.editorText();
    EXPECT_TRUE(text.contains(QStringLiteral("\nAnzahl = 4\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nMittelwert = 2.50\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nStreuung = 1.12\n")));

    e.dialogs.inputAnswers.push_back(std::string("abc"));
    e.form.Dezimalstellen1Click();
    EXPECT_EQ(e.form.scriptState().format().decimals, 2);
    e.dialogs.inputAnswers.push_back(std::string("5"));
    e.form.Dezimalstellen1Click();
    EXPECT_EQ(e.form.scriptState().format().decimals, 5);

    e.form.RichEdit1->setPlainText(QStringLiteral("eins\nzwei"));
    e.form.RichEdit1->moveCursor(QTextCursor::End);
    QTest::keyClick(e.form.RichEdit1, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(e.form.editorText(), QStringLiteral("eins"));
}

}  // namespace
}  // namespace textaria::script
