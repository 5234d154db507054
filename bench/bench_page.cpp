// The page change as the learner feels it: TForm1::ShowPage of a page with 20 gaps in a
// 300-page lesson (formatted range copy, option reading and removal, gap extraction and
// field placement), in the real main window on the offscreen platform. One frame is 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "lesson/startup_facts.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/media_programs.h"
#include "player/ui/tform1.h"

namespace {

using namespace textaria;

using QuietDialogs = platform::DecliningDialogs;

class NoPrograms : public player::ExternalPrograms {
  public:
    std::string openWithAssociatedProgram(const std::string&) override { return {}; }
    void endExternalViewer() override {}
    void toggleVolumeControl() override {}
    void endVolumeControl() override {}
};

// benchmark_main owns main(): the application is made on first use and lives to the end.
QApplication& application() {
    static int argc = 1;
    static char name[] = "textaria-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// Every page: a bold coloured heading, running text in two sizes, 20 gaps over four lines,
// and an option line that the page display reads and hides.
std::string makeLesson(int pages) {
    std::string rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
        "{\\colortbl;\\red128\\green0\\blue0;\\red31\\green78\\blue121;}\\f0\\fs28\n";
    for (int p = 1; p <= pages; ++p) {
        const std::string n = (p < 10 ? "00" : p < 100 ? "0" : "") + std::to_string(p);
        rtf += "{\\b\\cf1\\fs24 #" + n + ", Seite " + std::to_string(p) + "}\\par\n";
        rtf += "{\\b\\cf2\\fs36 \\'dcbung " + std::to_string(p) + "}\\par\n";
        rtf +=
            "Lies den Text und f\\'fclle die L\\'fccken. {\\i Zahlen} mit Komma oder Punkt."
            "\\par\n";
        for (int line = 0; line < 4; ++line) {
            for (int g = 0; g < 5; ++g)
                rtf += "{\\f1 Wort} [L\\'f6sung" + std::to_string(line * 5 + g) + "] und ";
            rtf += "Ende.\\par\n";
        }
        rtf += "{\\fs20 $\\'a7}\\par\n";
    }
    rtf += "#000\\par\n}";
    return rtf;
}

struct PagedWindow {
    QTemporaryDir temp;
    lesson::StartupState state;
    QuietDialogs dialogs;
    NoPrograms programs;
    std::unique_ptr<player::LessonPlayer> lesson;
    std::unique_ptr<player::TForm1> form;

    PagedWindow() {
        qputenv("TMPDIR", temp.path().toUtf8());
        state.programPath = "/opt/textaria/textaria";
        form = std::make_unique<player::TForm1>(state, dialogs, programs);
        lesson = std::make_unique<player::LessonPlayer>(state, *form, dialogs);
        form->attach(*lesson);
        form->show();
        QApplication::processEvents();
        const std::string file = temp.filePath(QStringLiteral("lang.rtf")).toStdString();
        std::ofstream(file, std::ios::binary) << makeLesson(300);
        form->openLesson(file);
    }
};

void BM_ShowPage20Gaps300Pages(benchmark::State& state) {
    application();
    static PagedWindow window;
    player::TForm1& form = *window.form;
    int page = 150;
    form.ShowPage(page);
    if (form.gapTable().GapCount() != 20) {
        state.SkipWithError("the page has no 20 gaps");
        return;
    }
    for (auto _ : state) {
        page = page == 150 ? 151 : 150;  // a different page each time, as in paging
        form.ShowPage(page);
        benchmark::DoNotOptimize(form.gapTable().GapCount());
    }
    state.counters["pages"] = form.player().PageCount - 1;
    state.counters["gaps"] = form.gapTable().GapCount();
}
BENCHMARK(BM_ShowPage20Gaps300Pages)->Unit(benchmark::kMillisecond);

}  // namespace
