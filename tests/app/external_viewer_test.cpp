#include "platform/ui/external_viewer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include "app_test_support.h"

namespace textaria::platform {
namespace {

// A stand-in viewer: writes each argument on a line of its own into a file, then waits.
class StubViewer : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString stub;
    QString record;

    void SetUp() override {
        stub = dir.filePath(QStringLiteral("viewer"));
        record = dir.filePath(QStringLiteral("arguments.txt"));
        QFile file(stub);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '%1'; done\n"
                           "echo END >> '%1'\nexec sleep 30\n")
                .arg(record)
                .toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The recorded arguments, once the stub has written them all.
    QStringList recorded() {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            const QString text = testing::readAll(record);
            if (text.endsWith(QStringLiteral("END\n"))) {
                QStringList lines = text.split(QLatin1Char('\n'));
                lines.removeLast();  // after the final line break
                lines.removeLast();  // END
                return lines;
            }
            QTest::qWait(20);
        }
        return {QStringLiteral("<nothing recorded>")};
    }
};

TEST_F(StubViewer, ArgumentsPassWholeWithoutAShell) {
    const std::string longArgument = std::string(5000, 'x') + " \"quoted\" $HOME; rm -rf / `id` ä";
    ExternalViewer viewer;
    EXPECT_EQ(viewer.open(ProgramCommand{stub.toStdString(), {longArgument, "a  b", ""}}),
              stub.toStdString());
    const QStringList got = recorded();
    ASSERT_EQ(got.size(), 3);
    EXPECT_EQ(got[0].toStdString(), longArgument);
    EXPECT_EQ(got[1], QStringLiteral("a  b"));
    EXPECT_EQ(got[2], QString());
    EXPECT_EQ(viewer.runningCount(), 1u);
}

TEST_F(StubViewer, EndingEndsOnlyOurOwnViewers) {
    QProcess stranger;  // the same program, started by someone else
    stranger.start(stub, {QStringLiteral("stranger")});
    ASSERT_TRUE(stranger.waitForStarted());

    ExternalViewer viewer;
    viewer.open(ProgramCommand{stub.toStdString(), {"one"}});
    viewer.open(ProgramCommand{stub.toStdString(), {"two"}});
    EXPECT_EQ(viewer.runningCount(), 2u);
    viewer.end();
    EXPECT_EQ(viewer.runningCount(), 0u);
    EXPECT_EQ(viewer.viewer(), "");
    EXPECT_EQ(stranger.state(), QProcess::Running);
    stranger.kill();
    stranger.waitForFinished();
}

TEST_F(StubViewer, AssociatedProgramFromTheDesktop) {
    QDir(dir.path()).mkpath(QStringLiteral("data/mime"));
    QDir(dir.path()).mkpath(QStringLiteral("data/applications"));
    auto write = [&](const QString& name, const QString& content) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.toUtf8());
    };
    write(QStringLiteral("data/mime/globs2"), QStringLiteral("50:video/mp4:*.mp4\n"));
    write(QStringLiteral("data/applications/stub.desktop"),
          QStringLiteral("[Desktop Entry]\nExec=viewer --play %f\nMimeType=video/mp4;\n"));
    XdgEnvironment xdg;
    xdg.dataDirs = {dir.filePath(QStringLiteral("data")).toStdString()};
    xdg.pathList = dir.path().toStdString();

    ExternalViewer viewer(xdg);
    const std::string film = dir.filePath(QStringLiteral("Film 1.MP4")).toStdString();
    EXPECT_EQ(viewer.open(film, 7), stub.toStdString());
    EXPECT_EQ(recorded(), (QStringList{QStringLiteral("--play"), QString::fromStdString(film)}));
    viewer.end();

    // No program for the type: the fallback number is remembered, nothing runs.
    EXPECT_EQ(viewer.open(dir.filePath(QStringLiteral("notes.xyz")).toStdString(), 7), "7");
    EXPECT_FALSE(viewer.lastStarted());
    EXPECT_EQ(viewer.runningCount(), 0u);

    // A program that cannot be started is remembered but not counted as started.
    viewer.open(ProgramCommand{dir.filePath(QStringLiteral("gone")).toStdString(), {}});
    EXPECT_FALSE(viewer.lastStarted());
}

TEST_F(StubViewer, VolumeControlToggles) {
    VolumeControl volume(stub.toStdString());
    EXPECT_TRUE(volume.toggle());
    EXPECT_TRUE(volume.isRunning());
    EXPECT_TRUE(volume.toggle());
    EXPECT_FALSE(volume.isRunning());

    VolumeControl none("");
    EXPECT_FALSE(none.toggle());
    VolumeControl missing(dir.filePath(QStringLiteral("no-such-mixer")).toStdString());
    EXPECT_FALSE(missing.toggle());
}

}  // namespace
}  // namespace textaria::platform
