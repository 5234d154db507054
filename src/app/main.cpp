// Textaria desktop program.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/application.h"
#include "app/startup_options.h"
#include "app/tavstop_u.h"
#include "player/ui/tform1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("TEXTARIA"));

    QStringList rest = app.arguments();
    rest.removeFirst();
    std::vector<std::string> arguments;
    for (const QString& a : rest) arguments.push_back(a.toStdString());
    const auto options = textaria::app::parseStartupOptions(arguments);
    if (!options.error.empty()) {
        std::fprintf(stderr, "textaria: %s\n", options.error.c_str());
        return 2;
    }

    // A second start hands its arguments to the first and ends without a word.
    textaria::app::SingleInstanceGuard guard;
    if (!guard.acquire(rest)) return 0;

    textaria::app::Application program(QCoreApplication::applicationFilePath().toStdString(),
                                       options);
    if (!program.createWindows()) return 1;
    QObject::connect(&guard, &textaria::app::SingleInstanceGuard::anotherStart, &program,
                     &textaria::app::Application::anotherStart);
    QObject::connect(&program, &textaria::app::Application::finished, &app, &QApplication::quit);
    program.show();

    if (options.quitAfterSeconds) {
        QTimer::singleShot(*options.quitAfterSeconds * 1000, &app, [&] {
            if (!options.screenshotFile.empty())
                program.Form1()->grab().save(QString::fromStdString(options.screenshotFile));
            program.Form1()->close();
        });
    }
    return app.exec();
}
