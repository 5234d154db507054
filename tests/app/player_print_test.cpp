// The print commands of the main window, printed into PDF files in place of the print dialog's
// printer, and read back with poppler.
#include <gtest/gtest.h>

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>

#include "player_test_support.h"

namespace textaria::testing {
namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintFromWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(demoArchive())) GTEST_SKIP() << "demo.rsd not built";
        ASSERT_TRUE(w->openLesson(demoArchive()));
        // Each job into a file of its own, as if a printer had been chosen each time.
        w->choosePrinter = [this](QPrinter& printer) {
            if (cancel) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            jobs << QDir(w.temp.path()).filePath(QStringLiteral("job%1.pdf").arg(jobs.size()));
            printer.setOutputFileName(jobs.back());
            return true;
        };
        ASSERT_TRUE(w.clickLine(QStringLiteral("02, Im Hafen")));
    }
    QString text(int job) { return run(QStringLiteral("pdftotext"), {jobs.at(job), "-"}); }
    int pictures(int job) {
        const QStringList lines = run(QStringLiteral("pdfimages"), {"-list", jobs.at(job)})
                                      .split('\n', Qt::SkipEmptyParts);
        return static_cast<int>(lines.size()) - 2;  // two header lines
    }

    PlayerWindow w;
    QStringList jobs;
    bool cancel = false;
};

TEST_F(PrintFromWindow, DruckenPrintsTheWorksheetWithoutTheAnswers) {
    w.press(w->Button4);
    ASSERT_EQ(jobs.size(), 1);
    const QString sheet = text(0);
    EXPECT_TRUE(sheet.contains(QStringLiteral("Das _____ liegt im _____."))) << sheet.toStdString();
    EXPECT_FALSE(sheet.contains(QStringLiteral("Schiff")));
    EXPECT_EQ(pictures(0), 0);
}

TEST_F(PrintFromWindow, F6PrintsTextThenPictureCtrlF6BothOnOneSheet) {
    w.key(Qt::Key_F6);
    ASSERT_EQ(jobs.size(), 2);
    EXPECT_TRUE(text(0).contains(QStringLiteral("_____")));
    EXPECT_EQ(pictures(0), 0);
    EXPECT_EQ(pictures(1), 1);
    EXPECT_TRUE(text(1).contains(QStringLiteral("[ hafen ]")));

    w.key(Qt::Key_F6, Qt::ControlModifier);
    ASSERT_EQ(jobs.size(), 3);
    EXPECT_EQ(pictures(2), 1);
    EXPECT_TRUE(text(2).contains(QStringLiteral("_____")));

    cancel = true;  // a cancelled dialog prints nothing
    w.press(w->Button4);
    w.key(Qt::Key_F5);
    EXPECT_EQ(jobs.size(), 3);
}

TEST(PrintProtocol, TheEndedTestPrintsItsProtocolInTheLookItIsShownIn) {
    PlayerWindow w;
    w.state.ProtocolFolder = w.temp.path().toStdString();
    const QString pdf = QDir(w.temp.path()).filePath(QStringLiteral("protocol.pdf"));
    w->choosePrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    ASSERT_TRUE(
        w->openLesson(writeLesson(w.temp.path(), "t.rtf", {"#01_, Test", "Ein [a].", "#00"})));
    w->ShowPage(1);
    w.dialogs.yesNoAnswers = {true, true};  // end the test, print the protocol
    w.press(w->Button7);
    const QString text = run(QStringLiteral("pdftotext"), {pdf, "-"});
    EXPECT_TRUE(text.contains(QStringLiteral("Testname")) && text.contains(QStringLiteral("t.rtf")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("<Seite 1>")));
}

}  // namespace
}  // namespace textaria::testing
