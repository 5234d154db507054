// Textaria desktop program.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include "app/application.h"
#include "app/startup_options.h"
#include "app/tavstop_u.h"
#include "player/ui/tform1.h"

namespace {

constexpr const char* kUsage =
    "usage: textaria [--open LESSON] [--script FILE] [--screenshot FILE --quit-after SECONDS]\n"
    "                [FOLDER-FILE]\n"
    "\n"
    "Starts the lesson player. --open loads a lesson (.rtf or .rsd) once the window is up\n"
    "(also written --open=LESSON, as the desktop entry does); --script opens a math script in\n"
    "the script editor; a plain parameter names a file whose folder receives the test\n"
    "protocols. A second start hands its lesson to the program already running.\n"
    "  --help       this text\n"
    "  --version    the program's version\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered before anything starts: no window, no display, no single-instance guard.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("textaria %s\n", TEXTARIA_VERSION);
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("TEXTARIA"));
    // The program speaks German throughout, Qt's own buttons and file dialog included.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_de"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

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
    // The running program has its own working folder: files are handed over as absolute paths.
    QStringList handed;
    for (const std::string& a :
         textaria::app::withAbsolutePaths(arguments, QDir::currentPath().toStdString()))
        handed << QString::fromStdString(a);
    if (!guard.acquire(handed)) return 0;

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
