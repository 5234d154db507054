// Textaria desktop program.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window("  Bitte um Geduld  . . . . .");
    window.setWindowTitle("Textaria");
    window.show();
    const QStringList args = app.arguments();
    const qsizetype shot = args.indexOf("--screenshot");
    const qsizetype quit = args.indexOf("--quit-after");
    if (quit > 0 && quit + 1 < args.size()) {
        QTimer::singleShot(args[quit + 1].toInt() * 1000, &app, [&] {
            if (shot > 0 && shot + 1 < args.size()) window.grab().save(args[shot + 1]);
            app.quit();
        });
    }
    return app.exec();
}
