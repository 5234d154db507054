#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "app/tavstop_u.h"
#include "app_test_support.h"

namespace textaria::app {
namespace {

QString programPath() { return QStringLiteral(TEXTARIA_BINARY_DIR "/src/app/textaria"); }

QString uniqueName(const char* what) {
    return QStringLiteral("textaria-test-%1-%2-%3")
        .arg(QLatin1String(what))
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch());
}

QProcessEnvironment environmentFor(const QString& name, const QString& temp) {
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TEXTARIA_INSTANCE_NAME"), name);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TMPDIR"), temp);
    return env;
}

TEST(SingleInstance, GuardHandsArgumentsToTheFirst) {
    const QString name = uniqueName("guard");
    SingleInstanceGuard first(name);
    ASSERT_TRUE(first.acquire({}));
    QSignalSpy received(&first, &SingleInstanceGuard::anotherStart);

    // Another guard of the same name, as a second program would hold it, in this process.
    SingleInstanceGuard second(name);
    const QStringList arguments{QStringLiteral("--open"), QStringLiteral("/home/a b/ö.rsd")};
    EXPECT_FALSE(second.acquire(arguments));
    ASSERT_TRUE(received.wait(3000));
    EXPECT_EQ(received.first().first().toStringList(), arguments);

    // Garbage on the socket is ignored.
    QLocalSocket intruder;
    intruder.connectToServer(name);
    ASSERT_TRUE(intruder.waitForConnected(1000));
    intruder.write("\xff\xff\xff\xff\x01");
    intruder.disconnectFromServer();
    QTest::qWait(200);
    EXPECT_EQ(received.count(), 1);

    // Nor does a flood: the connection is dropped, the first instance lives on.
    QLocalSocket flood;
    flood.connectToServer(name);
    ASSERT_TRUE(flood.waitForConnected(1000));
    const QByteArray block(64 * 1024, 'x');
    for (int i = 0; i < 40 && flood.state() == QLocalSocket::ConnectedState; ++i) {
        flood.write(block);
        flood.waitForBytesWritten(200);
        QCoreApplication::processEvents();
    }
    flood.abort();
    QTest::qWait(200);
    EXPECT_EQ(received.count(), 1);

    // A start without arguments still brings the first one forward.
    SingleInstanceGuard third(name);
    EXPECT_FALSE(third.acquire({}));
    ASSERT_TRUE(received.wait(3000));
    EXPECT_EQ(received.last().first().toStringList(), QStringList{});
}

TEST(SingleInstance, SecondProgramEndsAtOnceAndTheFirstHearsOfIt) {
    if (!QFile::exists(programPath())) GTEST_SKIP() << "the program is not built";
    testing::PrivateTempFolder temp;
    const QString name = uniqueName("program");
    const auto env = environmentFor(name, temp.path());

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(programPath(), {QStringLiteral("--quit-after"), QStringLiteral("30")});
    ASSERT_TRUE(first.waitForStarted(5000));
    // Wait until the first listens.
    QElapsedTimer clock;
    clock.start();
    bool listening = false;
    while (!listening && clock.elapsed() < 15000) {
        QLocalSocket probe;
        probe.connectToServer(name);
        listening = probe.waitForConnected(200);
        if (!listening) QTest::qWait(100);
    }
    ASSERT_TRUE(listening);

    QProcess second;
    second.setProcessEnvironment(env);
    clock.restart();
    second.start(programPath(), {QStringLiteral("--open"), QStringLiteral("/x/y.rsd")});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    first.waitForFinished(5000);
}

TEST(SingleInstance, ProgramEndsCleanlyWhenItsWindowCloses) {
    if (!QFile::exists(programPath())) GTEST_SKIP() << "the program is not built";
    testing::PrivateTempFolder temp;
    QProcess program;
    program.setProcessEnvironment(environmentFor(uniqueName("close"), temp.path()));
    const QString shot = temp.file("shot.png");
    program.start(programPath(), {QStringLiteral("--screenshot"), shot,
                                  QStringLiteral("--quit-after"), QStringLiteral("1")});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(shot));
    EXPECT_TRUE(QFile::exists(temp.file("RSDDIR/txDATA")));
    EXPECT_FALSE(QFile::exists(temp.file("RSDDIR/averz.stm")));  // emptied at exit
}

}  // namespace
}  // namespace textaria::app
