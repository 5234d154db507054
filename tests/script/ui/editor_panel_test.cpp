// The editor window's search panel, stored script, memo and files, driven through its widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "editor_test_support.h"
#include "script/ui/script_print.h"
#include "script/ui/surface_view.h"

namespace textaria::script {
namespace {

QString pdfOf(const QString& path, const std::function<void(QPrinter&)>& print) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    print(printer);
    return pdfText(path);
}

TEST(EditorPanel, SearchPanelFindsAndReplaces) {
    Editor e;
    e.form.RichEdit1->setPlainText(QStringLiteral("kor(10,1)\nKOR(5,2)\nkrs(0,0,kor)"));
    QTest::keyClick(e.form.RichEdit1, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(e.form.Panel2->isVisible());
    struct Step {
        QString needle, replacement;
        bool matchCase, all;
        QString selected, label, text;
    };
    const QString original = e.form.editorText();
    const Step steps[] = {
        // One step at a time from the caret, on at the start after the end.
        {"kor", "", false, false, "kor", "Gefunden", original},
        {"kor", "", false, false, "KOR", "Gefunden", original},
        {"kor", "", true, false, "kor", "Gefunden", original},
        {"kor", "", true, false, "kor", "Gefunden", original},  // wrapped to the first
        {"xyz", "", false, false, "kor", "Nicht gefunden", original},
        {"", "", false, false, "kor", "Kein Suchtext", original},
        {"KOR", "", false, true, "KOR", "3 gefunden", original},
        // A selected occurrence is replaced, then the next one is selected.
        {"KOR", "ras", true, false, "", "Nicht gefunden", "kor(10,1)\nras(5,2)\nkrs(0,0,kor)"},
        {"kor", "Kor", false, true, "", "2 ersetzt", "Kor(10,1)\nras(5,2)\nkrs(0,0,Kor)"},
    };
    QTextCursor start = e.form.RichEdit1->textCursor();
    start.setPosition(0);
    e.form.RichEdit1->setTextCursor(start);
    for (const Step& s : steps) {
        e.form.Edit1->setText(s.needle);
        e.form.Edit2->setText(s.replacement);
        e.form.CheckBox1->setChecked(s.matchCase);
        e.form.CheckBox2->setChecked(s.all);
        QTest::mouseClick(e.form.Button1, Qt::LeftButton);
        EXPECT_EQ(e.form.Label5->text(), s.label) << s.needle.toStdString();
        EXPECT_EQ(e.form.editorText(), s.text) << s.needle.toStdString();
        if (!s.selected.isEmpty()) {
            EXPECT_EQ(e.form.RichEdit1->textCursor().selectedText(), s.selected)
                << s.needle.toStdString();
        }
    }
}

TEST(EditorPanel, CtrlF9BringsBackTheStoredScript) {
    QTemporaryDir dir;
    Editor e;
    QTest::keyClick(e.form.RichEdit1, Qt::Key_F9, Qt::ControlModifier);
    EXPECT_EQ(e.form.editorText(), QString());  // nothing stored yet
    e.form.RichEdit1->setPlainText(QStringLiteral("a = 2\nb = a*a"));
    ASSERT_TRUE(e.form.saveScript(dir.filePath(QStringLiteral("s.txt")).toStdString()));
    QTest::keyClick(e.form.RichEdit1, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(e.form.RichEdit1, Qt::Key_F11);
    EXPECT_TRUE(e.form.editorText().contains(QStringLiteral("= 4.00")));
    QTest::keyClick(e.form.RichEdit1, Qt::Key_F9, Qt::ControlModifier);
    EXPECT_EQ(e.form.editorText(), QStringLiteral("a = 2\nb = a*a"));
}

TEST(EditorPanel, RtfScriptsKeepTheirLines) {
    QTemporaryDir dir;
    Editor e;
    const QString script = QStringLiteral("// Fläche {x}\nkor(10,2)\n\n  txt(1,1,\\a\\)");
    e.form.RichEdit1->setPlainText(script);
    const QString path = dir.filePath(QStringLiteral("skript.RTF"));
    ASSERT_TRUE(e.form.saveScript(path.toStdString()));
    EXPECT_EQ(fileBytes(path).rfind("{\\rtf", 0), 0u);
    Editor reopened;
    ASSERT_TRUE(reopened.form.openScript(path.toStdString()));
    EXPECT_EQ(reopened.form.editorText(), script);
}

TEST(EditorPanel, FunctionKeysReachTheWindowOutsideTheEditor) {
    Editor e;
    QTest::keyClick(e.form.RichEdit1, Qt::Key_F, Qt::ControlModifier);
    e.form.Edit1->setFocus();
    e.dialogs.inputAnswers.push_back(std::string("7"));
    QTest::keyClick(e.form.Edit1, Qt::Key_F6);
    ASSERT_FALSE(e.dialogs.shown.empty());
    EXPECT_EQ(e.dialogs.shown.back().caption, "Druckumleitung in JPEG-Bilder: EIN ");
    EXPECT_EQ(e.form.drawing().pictureCounter, 7);
    QTest::keyClick(e.form.Edit1, Qt::Key_F5);
    EXPECT_EQ(e.dialogs.shown.back().text, "Zuerst <Grafik Ein> anklicken !");
    QTest::keyClick(e.form.Edit1, Qt::Key_F6);
    EXPECT_EQ(e.dialogs.shown.back().text, "Druckumleitung in JPEG-Bilder: AUS ");
}

TEST(EditorPanel, MemoPrintsOnItsLineGrid) {
    QTemporaryDir dir;
    Editor e;
    QStringList lines;
    for (int i = 1; i <= 80; ++i) lines << QStringLiteral("Zeile %1").arg(i);
    lines << QStringLiteral(".Seitenwechsel") << QStringLiteral("Nach dem Punkt");
    e.form.showMemo(lines.join(QLatin1Char('\n')));
    int sheets = 0;
    const QString text = pdfOf(dir.filePath(QStringLiteral("memo.pdf")),
                               [&](QPrinter& p) { sheets = e.form.printScriptTo(p); });
    // 72 lines fill the first sheet, the rest goes on; the "." line only turns the sheet.
    EXPECT_EQ(sheets, 3);
    const QStringList pages = text.split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Zeile 72")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Zeile 73")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Zeile 80")));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("Nach dem Punkt")));
    EXPECT_FALSE(text.contains(QStringLiteral("Seitenwechsel")));
    EXPECT_FALSE(text.contains(QStringLiteral("<Seite")));

    // A double click on the memo gives the editor back; printing then prints the script.
    QTest::mouseDClick(e.form.Memo1->viewport(), Qt::LeftButton);
    EXPECT_FALSE(e.form.Memo1->isVisible());
}

TEST(EditorPanel, LongScriptLinesWrapInPrint) {
    QTemporaryDir dir;
    Editor e;
    QString longLine = QStringLiteral("txt(0,0,");
    for (int i = 0; i < 40; ++i) longLine += QStringLiteral("Wort%1 ").arg(i);
    longLine += QStringLiteral("Ende)");
    e.form.RichEdit1->setPlainText(QStringLiteral("kor(10,1)\n") + longLine);
    const QString text = pdfOf(dir.filePath(QStringLiteral("lang.pdf")),
                               [&](QPrinter& p) { EXPECT_EQ(e.form.printScriptTo(p), 1); });
    EXPECT_TRUE(text.startsWith(QStringLiteral("<Seite 1>"))) << text.toStdString();
    // Nothing is cut off at the sheet's right edge.
    EXPECT_TRUE(text.contains(QStringLiteral("Wort39")) && text.contains(QStringLiteral("Ende)")))
        << text.toStdString();
}

TEST(EditorPanel, KeyMapAnswersAsStated) {
    Editor e;
    const int standard = standardGraphicsTextSize(e.form.drawing().screen);
    const auto sizes = [&](int current) {
        return " Aktuelle Schriftgröße in Grafiken: " + std::to_string(current) +
               "\r Standard-Schriftgröße in Grafiken: " + std::to_string(standard);
    };
    struct Press {
        QString text;  // the editor before the key; "|" selects everything
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::string message;  // the last message afterwards, or empty
        QString after;        // the editor afterwards, or empty for unchanged
    };
    const Press presses[] = {
        {"", Qt::Key_F10, Qt::ShiftModifier, sizes(standard + 1), ""},
        {"", Qt::Key_F10, Qt::ShiftModifier, sizes(standard + 2), ""},
        {"", Qt::Key_F10, Qt::ControlModifier, sizes(standard + 1), ""},
        {"", Qt::Key_F10, Qt::NoModifier, sizes(standard), ""},
        {"", Qt::Key_F12, Qt::NoModifier, " Fettschrift in Grafik EIN ", ""},
        {"", Qt::Key_F12, Qt::NoModifier, " Fettschrift in Grafik AUS ", ""},
        {"", Qt::Key_F9, Qt::ShiftModifier, "<Shift F9> derzeit unbelegt !", ""},
        {"1, 2", Qt::Key_F9, Qt::NoModifier, "Kein Zahlenbereich markiert ! ", ""},
        {"|1, a", Qt::Key_F9, Qt::NoModifier, "Datenfehler !", ""},
        {"x", Qt::Key_F7, Qt::ControlModifier,
         "Nur markierte Textzeilen werden umgewandelt ( + txz ) !", ""},
        {"x", Qt::Key_F7, Qt::ShiftModifier,
         "Nur markierte Textzeilen werden umgewandelt ( - txz ) !", ""},
        {"", Qt::Key_F8, Qt::ControlModifier, "",
         "select((1) Wiederholen  (0) Zurück: s,1)\nifeq(s,1,start1)\nifeq(s,0,start0)\n "},
        {"a", Qt::Key_Return, Qt::ControlModifier, "", "a\u00B6\n"},
        {"  a = 1", Qt::Key_Return, Qt::NoModifier, "", "  a = 1\n  "},
        {"|txz(00,eins)", Qt::Key_F7, Qt::ShiftModifier, "", "eins"},
    };
    for (const Press& p : presses) {
        const bool selectAll = p.text.startsWith(QLatin1Char('|'));
        e.form.RichEdit1->setPlainText(selectAll ? p.text.mid(1) : p.text);
        if (selectAll)
            e.form.RichEdit1->selectAll();
        else
            e.form.RichEdit1->moveCursor(QTextCursor::End);
        const std::size_t before = e.dialogs.shown.size();
        QTest::keyClick(e.form.RichEdit1, p.key, p.modifiers);
        SCOPED_TRACE(p.text.toStdString() + " " + std::to_string(p.key));
        const std::string last =
            e.dialogs.shown.size() > before ? e.dialogs.shown.back().text : std::string();
        EXPECT_EQ(last, p.message);
        EXPECT_EQ(e.form.editorText(),
                  p.after.isEmpty() ? (selectAll ? p.text.mid(1) : p.text) : p.after);
    }
}

TEST(EditorPanel, RightClicksShowCoordinatesOrAreJudged) {
    Editor e;
    e.form.RichEdit1->setPlainText(QStringLiteral("kor(10,0)"));
    QTest::keyClick(e.form.RichEdit1, Qt::Key_F11);
    ASSERT_TRUE(e.form.surfaceShown());
    const auto click = [&](double x, double y) {
        const auto p = e.form.drawing().worldToPixel(x, y);
        QTest::mouseClick(e.form.Image1, Qt::RightButton, Qt::KeyboardModifiers(),
                          QPoint(p.x, p.y));
    };
    click(-5, 5);
    const QString shown = e.form.Image1->lastCoordinates();
    const auto at = e.form.drawing().worldToPixel(-5, 5);
    const auto w = e.form.drawing().pixelToWorld(at.x, at.y);
    EXPECT_EQ(shown, QStringLiteral("P(%1/%2)").arg(w.x, 0, 'f', 2).arg(w.y, 0, 'f', 2));
    EXPECT_NEAR(w.x, -5, 0.1);

    std::vector<bool> recorded;
    e.form.clickCheck =
        GraphicClickCheck{{5, 5}, {0, 0}, [&](bool hit) { recorded.push_back(hit); }};
    struct Click {
        double x, y;
        bool hit;
    };
    for (const Click c :
         {Click{2, 3, true}, Click{-3, -3, false}, Click{5, 0, true}, Click{6, 1, false}}) {
        click(c.x, c.y);
        EXPECT_EQ(e.dialogs.shown.back().text, c.hit ? "<< RICHTIGER Klick in die Grafik >>"
                                                     : "<< FALSCHER Klick in die Grafik >>");
        // The " X" stands on a white box right of the click.
        const auto p = e.form.drawing().worldToPixel(c.x, c.y);
        int dark = 0;
        for (int dy = 0; dy < 20; ++dy)
            for (int dx = 0; dx < 20; ++dx)
                dark += qGray(e.form.surfaceImage().pixel(p.x + dx, p.y + dy)) < 128;
        EXPECT_GT(dark, 5);
    }
    EXPECT_EQ(recorded, (std::vector<bool>{true, false, true, false}));  // the border is inside
    EXPECT_EQ(e.form.Image1->lastCoordinates(), shown);
}

}  // namespace
}  // namespace textaria::script
