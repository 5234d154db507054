// textaria-cli print: the player's print commands, into one PDF file instead of a printer.
#include <unistd.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QImageReader>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/cli_command.h"
#include "cli/temp_folder.h"
#include "lesson/startup_facts.h"
#include "lesson/ui/place_gap_fields.h"
#include "platform/ui/rich_text_document.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/ui/page_document.h"
#include "player/ui/page_printer.h"

namespace textaria::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kHelp =
    "usage: textaria-cli print LESSON --pdf OUT.pdf [--pages LIST] [--pictures | "
    "--text-and-picture]\n"
    "\n"
    "Prints pages of LESSON (.rtf, or an .rsd archive) as the player's print commands do, into\n"
    "the PDF file OUT.pdf instead of a printer: the worksheet with its gaps as lines of\n"
    "underscores (\"Drucken\"); with --pictures the worksheet and then the page's pictures, each\n"
    "on its own sheet with its caption (F6); with --text-and-picture text and picture on one\n"
    "sheet (Ctrl F6). Reading pages print as \"Drucken\" prints them. --pages takes page\n"
    "numbers and ranges such as 2,4-6 (default: every page); each page is its own print job.\n"
    "OUT.pdf is written whole or not at all. Messages the player would show go to stderr.\n"
    "Exit status 0 on success, 1 when LESSON cannot be read, has nothing to print (a test\n"
    "prints nothing) or OUT.pdf cannot be written, 2 for a usage error.\n";

enum class Mode { Worksheet, Pictures, TextAndPicture };

// Messages of the player go to stderr; every question is answered no.
class QuietDialogs : public platform::DecliningDialogs {
  public:
    int page = 0;
    void information(std::string_view text) override {
        std::string line(text);
        for (char& c : line)
            if (c == '\r' || c == '\n') c = ' ';
        std::fprintf(stderr, "textaria-cli print: page %d: %s\n", page, line.c_str());
    }
};

// Keeps the formatted lesson, from which the pages are printed; shows nothing else.
class DocumentView : public player::PlayerView {
  public:
    QTextDocument lesson;
    std::string plain;

    std::string setLessonText(const platform::StyledText& text, int fontDelta) override {
        platform::setStyledText(lesson, text);
        player::changeFontSizes(lesson, fontDelta);
        plain = lesson::ui::documentPlainText(lesson);
        return plain;
    }
    void clearLessonText() override {
        lesson.clear();
        plain.clear();
    }
    void changeLessonFontSizes(int delta) override { player::changeFontSizes(lesson, delta); }
    void keepSelection() override {}
    void showSelection(int) override {}
    void showPageText(const player::PageText&, bool) override {}
    void showListPage(const std::vector<std::string>&) override {}
    void showPlainText(const std::vector<std::string>&, bool) override {}
    void clearPageView() override {}
    bool placeAnswerFields(const lesson::GapTable&, int) override { return true; }
    void setFieldText(int, const std::string&, bool) override {}
    void focusField(int) override {}
    void setStatus(const std::string&) override {}
    void setCounter(const std::string&) override {}
    void setNavigation(bool, bool, bool) override {}
    void setLoadButton(const std::string&, bool) override {}
    void showSideList(player::SideList, const std::vector<std::string>&) override {}
    void hideSideList() override {}
    bool showPicture(const std::string& path) override {
        return QImageReader(QString::fromStdString(path)).canRead();
    }
    void showPicturePanel(bool) override {}
    std::optional<std::string> askLessonFile(const std::string&) override { return std::nullopt; }
    void endProgram() override {}
};

std::optional<int> pageNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    if (text.empty() || std::from_chars(text.data(), end, value).ptr != end) return std::nullopt;
    return value;
}

// "2,4-6" -> 2 4 5 6; nothing when the list is malformed or leaves 1..last.
std::optional<std::vector<int>> parsePageList(std::string_view list, int last) {
    std::vector<int> pages;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        const std::size_t dash = item.find('-');
        const auto from = pageNumber(item.substr(0, dash));
        const auto to = dash == std::string_view::npos ? from : pageNumber(item.substr(dash + 1));
        if (!from || !to || *from < 1 || *to < *from || *to > last) return std::nullopt;
        for (int p = *from; p <= *to; ++p) pages.push_back(p);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return pages;
}

int run(const CommandArgs& args) {
    std::string lessonPath, outPath, pageList;
    Mode mode = Mode::Worksheet;
    bool modeGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--pdf" && hasValue) {
            outPath = args[++i];
        } else if (a == "--pages" && hasValue) {
            pageList = args[++i];
        } else if (a == "--pictures" || a == "--text-and-picture") {
            if (modeGiven)
                return fail("print", "--pictures and --text-and-picture exclude each other",
                            kExitUsage);
            modeGiven = true;
            mode = a == "--pictures" ? Mode::Pictures : Mode::TextAndPicture;
        } else if (a.rfind("--", 0) == 0 || !lessonPath.empty()) {
            return fail("print", "unexpected argument: " + a + " (see --help)", kExitUsage);
        } else {
            lessonPath = a;
        }
    }
    if (lessonPath.empty() || outPath.empty())
        return fail("print", "needs LESSON and --pdf OUT.pdf (see --help)", kExitUsage);
    std::error_code ec;
    if (!fs::is_regular_file(lessonPath, ec))
        return fail("print", lessonPath + ": no such file", kExitUnreadable);

    // Laying out text and drawing pictures needs Qt's GUI layer, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "textaria-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    TempFolder work("print");
    if (!work.ok()) return fail("print", "cannot create a temporary folder", kExitUnreadable);
    lesson::StartupState startup;
    startup.StartFolder = fs::current_path(ec).string();
    startup.WorkFolder = work.path().string();
    QuietDialogs dialogs;
    DocumentView view;
    player::LessonPlayer player(startup, view, dialogs);
    if (!player.openLesson(fs::absolute(lessonPath, ec).string()))
        return fail("print", lessonPath + ": cannot be read as a lesson", kExitUnreadable);

    const player::PlayerState& state = player.state();
    const bool single = !state.ListMode && state.PageShown;
    if (!state.ListMode && !single)
        return fail("print", lessonPath + ": a project menu has no pages to print",
                    kExitUnreadable);
    if (state.TestMode)
        return fail("print", lessonPath + ": a test prints nothing", kExitUnreadable);
    const int last = single ? 1 : state.PageCount - 1;
    std::vector<int> pages;
    if (pageList.empty()) {
        for (int p = 1; p <= last; ++p) pages.push_back(p);
    } else if (auto parsed = parsePageList(pageList, last)) {
        pages = *parsed;
    } else {
        return fail("print",
                    "--pages takes numbers and ranges such as 2,4-6 within 1 to " +
                        std::to_string(last) + ": " + pageList,
                    kExitUsage);
    }

    const fs::path out = fs::absolute(outPath, ec);
    const fs::path temp =
        out.parent_path() / ("." + out.filename().string() + "." + std::to_string(::getpid()));
    bool printed = false;
    bool written = false;
    {
        // A4 with the border an office printer cannot print on.
        QPdfWriter writer(QString::fromStdString(temp.string()));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        player::PdfPagePrinter printer(writer, view.lesson, view.plain);
        player.setPrinter(&printer);
        for (int page : pages) {
            dialogs.page = page;
            if (!single) player.ShowPage(page);
            if (state.readingPage || mode == Mode::Worksheet)
                player.Button4Click();
            else if (mode == Mode::Pictures)
                player.printTextAndPictures();
            else
                player.PrintTextAndPicture();
        }
        player.setPrinter(nullptr);
        printed = printer.printedAnything();
        written = printed && printer.finish();
    }
    if (!written) {
        fs::remove(temp, ec);
        return fail("print",
                    printed ? outPath + ": cannot be written"
                            : "nothing was printed; " + outPath + " is not written",
                    kExitUnreadable);
    }
    fs::rename(temp, out, ec);
    if (ec) {
        fs::remove(temp, ec);
        return fail("print", outPath + ": cannot be written", kExitUnreadable);
    }
    return kExitOk;
}

const CommandRegistration registration({"print", "print worksheets and pictures into a PDF file",
                                        kHelp, run});

}  // namespace

}  // namespace textaria::cli
