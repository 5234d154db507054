// textaria-cli score: one page of a lesson evaluated as the player's "Bewerten" does it.
#include <cstdio>
#include <optional>

#include "cli/cli_command.h"
#include "cli/temp_folder.h"
#include "lesson/lesson_file.h"
#include "lesson/markup_pages.h"
#include "lesson/page_prep.h"
#include "player/evaluation.h"
#include "player/navigation.h"

namespace textaria::cli {

namespace {

constexpr const char* kHelp =
    "usage: textaria-cli score FILE PAGE [ANSWER]...\n"
    "\n"
    "Shows page PAGE of the lesson FILE (.rtf, or an .rsd archive) as the player would, types\n"
    "ANSWER i into answer field i (missing answers stay empty; every argument after PAGE is an\n"
    "answer, also one that begins with \"-\"), presses \"Bewerten\" and prints two lines: the\n"
    "status text and the page result line. A questionnaire page prints its factor line instead.\n"
    "A page without answer fields (no gaps, a gap error, a reading page) is not evaluated and\n"
    "prints two empty lines. A single text has the one page 1.\n"
    "Exit status 0 on success, 1 when FILE cannot be read, 2 for a usage error or a page the\n"
    "lesson does not have.\n";

void printLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

int run(const CommandArgs& args) {
    if (args.size() < 2) return fail("score", "needs FILE and PAGE (see --help)", kExitUsage);
    const std::optional<long long> page = player::parseWholeNumber(args[1]);
    if (!page) return fail("score", "PAGE must be a whole number: " + args[1], kExitUsage);

    TempFolder work("score");
    if (!work.ok()) return fail("score", "cannot create a temporary folder", kExitUnreadable);
    const auto open = lesson::openLessonFile(args[0], work.path());
    if (!open.ok) return fail("score", open.error, kExitUnreadable);
    if (!open.lesson.unpacked.copyError.empty())
        return fail("score", args[0] + ": " + open.lesson.unpacked.copyError, kExitUnreadable);
    const std::string& text = open.lesson.plainText;

    lesson::PreparedPage prepared;
    bool childMode = false;
    switch (lesson::classifyLesson(text, open.lesson.unpacked.NestedArchiveCount)) {
        case lesson::LessonKind::Menu:
            return fail("score", args[0] + ": a project menu has no pages to evaluate", kExitUsage);
        case lesson::LessonKind::Single:
            if (*page != 1) return fail("score", "a single text has only page 1", kExitUsage);
            prepared = lesson::prepareSingleText(text);
            break;
        case lesson::LessonKind::List: {
            const lesson::PageList list = lesson::splitPages(text);
            if (*page < 1 || *page > static_cast<long long>(list.pages.size()))
                return fail("score",
                            "the lesson has pages 1 to " + std::to_string(list.pages.size()),
                            kExitUsage);
            const auto& span = list.pages[static_cast<std::size_t>(*page - 1)];
            prepared = lesson::prepareListPage(
                std::string_view(text).substr(span.body.begin, span.body.end - span.body.begin),
                static_cast<int>(*page));
            childMode = list.ChildMode;
            break;
        }
    }

    if (prepared.readingPage || prepared.gapError != lesson::GapError::None ||
        prepared.gaps.GapCount() == 0) {
        printLine("");
        printLine("");
        return kExitOk;
    }
    player::EvaluationInput input;
    input.pageNumber = static_cast<int>(*page);
    for (const auto& gap : prepared.gaps.entries) input.solutions.push_back(gap.answer);
    input.answers.assign(args.begin() + 2, args.end());
    input.caseSensitive = !prepared.options.has(lesson::Marker::IgnoreCase);
    input.questionnairePage = prepared.options.questionnaireLevels() != 0;
    input.showCorrections =
        !prepared.options.has(lesson::Marker::NoCorrections) && !input.questionnairePage;
    input.childMode = childMode;
    input.showAnswers = !childMode;
    input.pageText = prepared.text;
    const player::EvaluationResult result = player::EvaluatePage(input);
    if (input.questionnairePage) {
        printLine(result.factorLine);
    } else {
        printLine(result.statusText);
        printLine(result.resultLine);
    }
    return std::fflush(stdout) == 0 ? kExitOk : kExitUnreadable;
}

const CommandRegistration registration({"score", "evaluate one page with given answers", kHelp,
                                        run});

}  // namespace

}  // namespace textaria::cli
