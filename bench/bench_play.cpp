// A whole lesson played through the player's logic, as textaria-cli play and the window drive
// it: every page of a 300-page lesson shown, its 20 answers typed and evaluated. Reported per
// page; one frame is 16 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "lesson/startup_facts.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/player_view.h"

namespace {

using namespace textaria;

using SilentDialogs = platform::DecliningDialogs;

// Paints nothing (every view operation does nothing by default): what is measured is the
// player's own work.
class BlindView : public player::PlayerView {};

// 300 pages of formatted text, each with 20 gaps (numbers, alternatives, words) and options.
std::string makeLesson(int pages) {
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs28\n";
    for (int p = 1; p <= pages; ++p) {
        const std::string n = (p < 10 ? "00" : p < 100 ? "0" : "") + std::to_string(p);
        rtf += "{\\b #" + n + ", Seite " + std::to_string(p) + "}\\par\n";
        rtf += "Lies den Text und f\\'fclle die L\\'fccken.\\par\n";
        for (int line = 0; line < 4; ++line) {
            rtf += "[" + std::to_string(line) + ",5] und [Haus\\\\Heim] und [Wort" +
                   std::to_string(p) + "] und [B\\'e4r] und [" + std::to_string(p) + "].\\par\n";
        }
        rtf += "{\\fs20 \\'a7}\\par\n";
    }
    return rtf + "#000\\par\n}";
}

void BM_PlayLesson300Pages(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "textaria-bench-play";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "lang.rtf").string();
    std::ofstream(file, std::ios::binary) << makeLesson(300);

    lesson::StartupState startup;
    startup.WorkFolder = (folder / "work").string();
    SilentDialogs dialogs;
    BlindView view;
    player::LessonPlayer player(startup, view, dialogs);
    if (!player.openLesson(file)) {
        state.SkipWithError("the lesson cannot be loaded");
        return;
    }
    const int pages = player.state().PageCount - 1;
    std::mt19937 random(7);
    for (auto _ : state) {
        for (int page = 1; page <= pages; ++page) {
            player.ShowPage(page);
            const int gaps = player.gapTable().GapCount();
            // Half right, half wrong, so corrections and the answer list are made too.
            for (int i = 1; i <= gaps; ++i)
                player.setAnswer(i, random() % 2 ? player.gapTable().entries[i - 1].answer : "x");
            player.Button6Click();
        }
        benchmark::DoNotOptimize(player.scores().totalValues);
    }
    state.SetItemsProcessed(state.iterations() * pages);
    state.counters["pages"] = pages;
    state.counters["gaps/page"] = player.gapTable().GapCount();
    state.counters["time/page"] =
        benchmark::Counter(static_cast<double>(state.iterations() * pages),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_PlayLesson300Pages)->Unit(benchmark::kMillisecond);

}  // namespace
