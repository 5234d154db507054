#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <filesystem>

#include "app/application.h"
#include "app_test_support.h"
#include "calc/texts.h"
#include "calc/ui/tavkal_u.h"
#include "player/texts.h"
#include "player/ui/tavsound1_u.h"
#include "player/ui/tform1.h"
#include "script/texts.h"
#include "script/ui/input_u.h"
#include "script/ui/select_u.h"
#include "script/ui/tedit_u.h"

namespace textaria::app {
namespace {

class MainWindow : public ::testing::Test {
  protected:
    testing::PrivateTempFolder temp;
    std::filesystem::path startFolder = std::filesystem::current_path();

    void TearDown() override { std::filesystem::current_path(startFolder); }
};

TEST_F(MainWindow, CreationPreparesFoldersAndShowsThePleaseWaitPage) {
    Application program("/opt/textaria/textaria", StartupOptions{});
    ASSERT_TRUE(program.createWindows());
    auto* form1 = program.Form1();
    const auto& state = form1->state();

    EXPECT_TRUE(
        form1->RichEdit1->toPlainText().contains(QStringLiteral("\n  Bitte um Geduld  . . . . .")));
    EXPECT_EQ(QString::fromStdString(state.WorkFolder), temp.file("RSDDIR"));
    EXPECT_EQ(QString::fromStdString(state.ProtocolFolder), temp.file("RSDDIR/txDATA"));
    EXPECT_TRUE(QFile::exists(temp.file("RSDDIR/averz.stm")));
    EXPECT_EQ(state.StartFolder, startFolder.string());
    EXPECT_FALSE(state.facts.ArchiveAppended);  // the program file does not even exist
    EXPECT_TRUE(state.FullScreenMode);
    EXPECT_TRUE(form1->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(MainWindow, WindowsExistWithTheirCaptions) {
    Application program("/opt/textaria/textaria", StartupOptions{});
    ASSERT_TRUE(program.createWindows());
    EXPECT_EQ(program.Form13()->windowTitle(), QString::fromUtf8(calc::texts::kCalculatorCaption));
    EXPECT_EQ(program.Form30()->windowTitle(), QString::fromUtf8(player::texts::kRecorderCaption));
    EXPECT_EQ(program.Form2()->windowTitle(),
              QStringLiteral("SCRIPTUM, Programmieren in Mathematik"));
    EXPECT_EQ(program.Form27()->windowTitle(), QStringLiteral("Dateneingabe (Tab/Ret/Esc/Ok)"));
    EXPECT_EQ(program.Form28()->windowTitle(), QStringLiteral("Auswahlbox"));

    // The script editor made the data tree in the temporary folder and brought its font.
    EXPECT_EQ(QString::fromStdString(program.Form2()->dataRoot()), temp.file("TAVDATA"));
    EXPECT_TRUE(QDir(temp.file("TAVDATA/DATASND/Language")).exists());
    if (!script::lineDrawFontSource().empty()) {
        EXPECT_TRUE(QFile::exists(temp.file("TAVDATA/DATASYS/linedraw.ttf")));
        EXPECT_FALSE(program.Form2()->lineDrawFamily().empty());
    }
}

TEST_F(MainWindow, ConfigurationErrorEndsStartUp) {
    QFile config(temp.file("tavconfig.txt"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("w\r\n");
    config.close();
    Application program("/opt/textaria/textaria", StartupOptions{});
    // The message box is modal; answer it as soon as it shows.
    QTimer::singleShot(200, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    EXPECT_FALSE(program.createWindows());
    EXPECT_EQ(program.Form27(), nullptr);
}

TEST_F(MainWindow, FirstActivationRunsOnceAndClosingCleansUp) {
    Application program("/opt/textaria/textaria", StartupOptions{});
    ASSERT_TRUE(program.createWindows());
    auto* form1 = program.Form1();
    QSignalSpy activated(form1, &player::TForm1::firstActivation);
    QSignalSpy finished(&program, &Application::finished);

    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form1));
    QTest::qWait(50);
    form1->activateWindow();
    QTest::qWait(50);
    EXPECT_EQ(activated.count(), 1);
    EXPECT_EQ(form1->palette().color(QPalette::Window), QColor(80, 100, 140));

    // Files in the work folder go at exit, except the word list; folders stay.
    const QString work = QString::fromStdString(form1->state().WorkFolder);
    for (const char* name : {"worte.txt", "beruf.rtf", "Worte.txt"}) {
        QFile file(work + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    form1->close();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(QFile::exists(work + "/worte.txt"));
    EXPECT_FALSE(QFile::exists(work + "/beruf.rtf"));
    EXPECT_FALSE(QFile::exists(work + "/Worte.txt"));
    EXPECT_FALSE(QFile::exists(work + "/averz.stm"));
    EXPECT_TRUE(QDir(work + "/txDATA").exists());
    EXPECT_EQ(std::filesystem::current_path(), startFolder);  // never changed
}

TEST_F(MainWindow, ProtocolFolderFollowsThePlainParameters) {
    QDir(temp.path()).mkpath(QStringLiteral("Klasse 3a"));
    StartupOptions options;
    options.parameters = {temp.file("Klasse").toStdString(), "3a/test.rsd"};
    Application program("/opt/textaria/textaria", options);
    ASSERT_TRUE(program.createWindows());
    EXPECT_EQ(QString::fromStdString(program.Form1()->state().ProtocolFolder),
              temp.file("Klasse 3a"));
}

TEST_F(MainWindow, ProgramFileWithAnArchiveStartsSelfContained) {
    // Not an ELF program, so the build's recorded bare size counts: one byte over the limit.
    const QString program = temp.file("beruf");
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1'172'471, 'x'));
    file.close();

    Application app(program.toStdString(), StartupOptions{});
    ASSERT_TRUE(app.createWindows());
    const auto& state = app.Form1()->state();
    EXPECT_TRUE(state.facts.ArchiveAppended);
    EXPECT_TRUE(state.facts.SelfContainedRun);
    EXPECT_EQ(state.facts.archiveName, "beruf.rsd");
    // The lesson is found by absolute paths; the working folder stays where it was.
    EXPECT_NE(QString::fromStdString(std::filesystem::current_path().string()),
              temp.file("RSDDIR"));
}

TEST_F(MainWindow, LessonNamedAtStartOrByALaterStart) {
    StartupOptions options;
    options.openFile = "/schule/demo.rsd";
    Application program("/opt/textaria/textaria", options);
    ASSERT_TRUE(program.createWindows());
    EXPECT_EQ(program.Form1()->state().openFile, "/schule/demo.rsd");

    QSignalSpy requested(program.Form1(), &player::TForm1::openRequested);
    program.anotherStart({QStringLiteral("--open"), QStringLiteral("/schule/beruf.rsd")});
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested.first().first().toString(), QStringLiteral("/schule/beruf.rsd"));
    EXPECT_EQ(program.Form1()->state().openFile, "/schule/beruf.rsd");
    program.anotherStart({});  // only brings the window to the front
    EXPECT_EQ(requested.count(), 1);
}

TEST_F(MainWindow, RescaleByK) {
    Application program("/opt/textaria/textaria", StartupOptions{});
    ASSERT_TRUE(program.createWindows());
    auto* form1 = program.Form1();
    const int before = form1->RichEdit1->width();
    form1->rescale(1.2);
    EXPECT_NEAR(form1->RichEdit1->width(), before * 1.2, 2.0);  // larger with K > 1
    EXPECT_EQ(form1->state().scaling.FontDelta, 2);
    EXPECT_TRUE(form1->state().scaling.inversePass);
    form1->rescale(1.0);
    EXPECT_NEAR(form1->RichEdit1->width(), before, 2.0);
    EXPECT_EQ(form1->state().scaling.FontDelta, 0);
}

}  // namespace
}  // namespace textaria::app
