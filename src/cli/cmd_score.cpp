// textaria-cli score: one page of a lesson shown and evaluated by the player's own logic.
#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/cli_command.h"
#include "cli/temp_folder.h"
#include "lesson/lesson_file.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/navigation.h"

namespace textaria::cli {

namespace {

constexpr const char* kHelp =
    "usage: textaria-cli score [--seed N] FILE PAGE [ANSWER]...\n"
    "\n"
    "Shows page PAGE of the lesson FILE (.rtf, or an .rsd archive) as the player would, types\n"
    "ANSWER i into answer field i (missing answers stay empty; every argument after PAGE is an\n"
    "answer, also one that begins with \"-\"), presses \"Bewerten\" and prints two lines: the\n"
    "status text and the page result line. A questionnaire page prints its factor line instead.\n"
    "A page without answer fields (no gaps, a gap error, a reading page) is not evaluated and\n"
    "prints two empty lines. A single text has the one page 1.\n"
    "The script of a page with the option \"@\" runs first, as in the player; --seed N (only\n"
    "before FILE) seeds its random numbers, so that the page poses the same exercise again.\n"
    "Exit status 0 on success, 1 when FILE cannot be read, 2 for a usage error or a page the\n"
    "lesson does not have.\n";

void printLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

// Keeps the status line and the result line the player shows.
class ScoreView : public player::PlayerView {
  public:
    std::string status;
    std::string result;
    void setStatus(const std::string& text) override { status = text; }
    void pageResultStored(const std::string& line) override { result = line; }
};

// Nobody answers: messages (a gap error, say) are not printed, questions get No.
using NoDialogs = platform::DecliningDialogs;

int run(const CommandArgs& given) {
    CommandArgs args = given;
    std::optional<std::uint64_t> seed;
    if (!args.empty() && args[0] == "--seed") {
        if (args.size() < 2 || !(seed = parseSeed(args[1])))
            return fail("score", "--seed takes a whole number", kExitUsage);
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() < 2) return fail("score", "needs FILE and PAGE (see --help)", kExitUsage);
    const std::optional<long long> page = player::parseWholeNumber(args[1]);
    if (!page) return fail("score", "PAGE must be a whole number: " + args[1], kExitUsage);

    TempFolder work("score");
    if (!work.ok()) return fail("score", "cannot create a temporary folder", kExitUnreadable);
    // The file is read here first, so that a file that cannot be read says why.
    const auto open = lesson::openLessonFile(args[0], work.path());
    if (!open.ok) return fail("score", open.error, kExitUnreadable);
    if (!open.lesson.unpacked.copyError.empty())
        return fail("score", args[0] + ": " + open.lesson.unpacked.copyError, kExitUnreadable);

    // Then the player loads and shows it as "Laden" and the list page do.
    lesson::StartupState startup;
    startup.WorkFolder = work.path().string();
    ScoreView view;
    NoDialogs dialogs;
    player::LessonPlayer player(startup, view, dialogs);
    if (seed) player.seed(*seed);
    std::error_code ec;
    if (!player.openLesson(std::filesystem::absolute(args[0], ec).string()))
        return fail("score", args[0] + ": cannot be read as a lesson", kExitUnreadable);
    const player::PlayerState& state = player.state();
    if (state.SelectionArchive)
        return fail("score", args[0] + ": a project menu has no pages to evaluate", kExitUsage);
    if (!state.ListMode) {
        if (*page != 1) return fail("score", "a single text has only page 1", kExitUsage);
    } else {
        const auto pages = static_cast<long long>(state.pages.pages.size());
        if (*page < 1 || *page > pages)
            return fail("score", "the lesson has pages 1 to " + std::to_string(pages), kExitUsage);
        player.ShowPage(static_cast<int>(*page));
    }

    if (!state.hasAnswerFields) {
        printLine("");
        printLine("");
        return kExitOk;
    }
    for (std::size_t i = 2; i < args.size() && i - 2 < lesson::kMaxGaps; ++i)
        player.setAnswer(static_cast<int>(i - 1), args[i]);
    const bool questionnaire = state.QuestionnairePage;
    view.status.clear();
    player.Button6Click();
    if (questionnaire) {
        printLine(player.scores().pageResults[static_cast<std::size_t>(*page)]);
    } else {
        printLine(view.status);
        printLine(view.result);
    }
    return std::fflush(stdout) == 0 ? kExitOk : kExitUnreadable;
}

const CommandRegistration registration({"score", "evaluate one page with given answers", kHelp,
                                        run});

}  // namespace

}  // namespace textaria::cli
