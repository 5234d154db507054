// textaria-cli play: a lesson played through the player's logic, commands from stdin, one
// output line per event.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "cli/cli_command.h"
#include "cli/temp_folder.h"
#include "lesson/markup_text.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "script/input_dialogs.h"

namespace textaria::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kHelp =
    "usage: textaria-cli play LESSON [--protocol-folder DIR] [--clock \"DD.MM.YYYY HH:MM:SS\"]\n"
    "                         [--seed N]\n"
    "\n"
    "Loads LESSON (.rtf or .rsd) as \"Laden\" does and plays it with commands read from\n"
    "standard input, one per line (empty lines and lines starting with \"#\" are skipped):\n"
    "  open N          click the title of page N on the list page\n"
    "  dn | up | rep   the buttons \"[ Dn ]\", \"[ Up ]\", \"[ Rep ]\"\n"
    "  type I TEXT     answer field I (1-based) holds TEXT (the rest of the line)\n"
    "  bewerten | luecken | liste | beenden | hilfe   the buttons of those names\n"
    "  key NAME        F1..F12, pagedown, pageup, escape, enter I (Enter in answer field I);\n"
    "                  prefix shift+ or ctrl+ (alt+ or a mix matches no key of the window)\n"
    "  answer TEXT     queues an answer for the next dialog: yes / no, the text of an input\n"
    "                  box (\"answer\" alone: empty; \"answer cancel\": Cancel), the 0-based\n"
    "                  button of a selection box (-1: Escape)\n"
    "  show            prints the page view's lines (\"| LINE\") and the answer fields\n"
    "  link TEXT       clicks the first line of the shown page that contains TEXT: its\n"
    "                  picture link \"{...}\", slide show \"{{...}}\" or file link \"<<...>>\"\n"
    "  slide next|prev|pause|stop|tick|escape\n"
    "                  the slide show's \"[ >> ]\", \"[ << ]\", \"[  ||  ]\" (ends it), a double\n"
    "                  click on its picture (stop/start), one tick of its timer (with\n"
    "                  Escape held down: escape)\n"
    "A dialog without a queued answer gets No, Cancel or Escape; messages are confirmed.\n"
    "Output, one line per event: page:, status:, message:, question:, input:, select:,\n"
    "result:, protocol:, picture: FILE (or \"hidden\"), slide: N CAPTION-LINE [| CAPTION],\n"
    "slide: end, timer: MS (or \"off\"), help: (\"? LINE\" for each line of the help\n"
    "shown), and \"end\" at the end of input. Keys that only change the window (F7, F8,\n"
    "F12, Ctrl F1) print nothing.\n"
    "--protocol-folder sets where protocols go (default: the current folder); --clock fixes\n"
    "their date and time; --seed N seeds every random choice.\n"
    "Exit status 0 on success, 1 when LESSON cannot be read, 2 for a usage error.\n";

// A text's line breaks as "\n", so that every event stays on one line.
std::string oneLine(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\r' || text[i] == '\n')
            out += "\\n";
        else
            out += text[i];
    }
    return out;
}

void say(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

// The learner at the keyboard: answers come from the queue the script fills.
class ScriptedDialogs : public platform::UserDialogs, public script::InputDialogs {
  public:
    std::deque<std::string> answers;

    void information(std::string_view text) override { say("message: " + oneLine(text)); }

    bool askYesNo(std::string_view text, std::string_view) override {
        const bool yes = next() == "yes";
        say("question: " + oneLine(text) + " -> " + (yes ? "yes" : "no"));
        return yes;
    }

    platform::DialogAnswer askYesNoCancel(std::string_view text, std::string_view) override {
        const auto answer = next();
        const auto result = answer == "yes"  ? platform::DialogAnswer::Yes
                            : answer == "no" ? platform::DialogAnswer::No
                                             : platform::DialogAnswer::Cancel;
        say("question: " + oneLine(text) + " -> " +
            (result == platform::DialogAnswer::Yes  ? "yes"
             : result == platform::DialogAnswer::No ? "no"
                                                    : "cancel"));
        return result;
    }

    std::optional<std::string> inputBox(std::string_view, std::string_view prompt,
                                        std::string_view) override {
        const auto answer = next();
        if (!answer || *answer == "cancel") {
            say("input: " + oneLine(prompt) + " -> cancel");
            return std::nullopt;
        }
        say("input: " + oneLine(prompt) + " -> " + oneLine(*answer));
        return answer;
    }

    std::optional<std::string> enterData(const script::EntryRequest& request) override {
        return inputBox({}, request.prompt, request.defaults);
    }

    int select(const script::SelectRequest& request) override {
        const auto answer = next();
        int index = -1;
        if (answer) {
            const char* end = answer->data() + answer->size();
            if (std::from_chars(answer->data(), end, index).ptr != end) index = -1;
        }
        if (index < -1 || index >= request.count) index = -1;
        say("select: " + oneLine(request.prompt) + " (" + std::to_string(request.count) + ") -> " +
            std::to_string(index));
        return index;
    }

  private:
    std::optional<std::string> next() {
        if (answers.empty()) return std::nullopt;
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The page view as text: what it holds is printed on "show"; changes are events.
class TextView : public player::PlayerView {
  public:
    bool ended = false;
    const player::LessonPlayer* player = nullptr;

    bool displayPicture(const player::PictureDisplay& picture) override {
        const std::string name = fs::path(picture.path).filename().string();
        const auto& show = player->slideShow();
        if (show.running()) {
            say("slide: " + std::to_string(show.index()) + " " + picture.captionLine +
                (picture.caption.empty() ? "" : " | " + picture.caption));
            inShow_ = true;
        } else {
            say("picture: " + name);
        }
        pictureShown_ = true;
        return true;
    }
    void showPicturePanel(bool visible) override {
        if (inShow_ && !player->slideShow().running()) {
            inShow_ = false;
            say("slide: end");
        } else if (!visible && pictureShown_) {
            say("picture: hidden");
        }
        pictureShown_ = visible;
    }

    void showSelection(int) override { say("page: 0"); }
    void showPageText(const player::PageText& page, bool) override {
        say("page: " + std::to_string(page.number) + (page.title.empty() ? "" : " " + page.title));
    }
    void showListPage(const std::vector<std::string>&) override { say("page: 0"); }
    void setStatus(const std::string& text) override {
        if (text == status_) return;
        status_ = text;
        say("status: " + oneLine(text));
    }
    void pageResultStored(const std::string& line) override { say("result: " + line); }
    void protocolWritten(const std::string& path) override {
        const bool json = path.size() > 5 && path.compare(path.size() - 5, 5, ".json") == 0;
        say(std::string(json ? "protocol-json: " : "protocol: ") + path);
    }
    void endProgram() override { ended = true; }
    void showHelp(const std::vector<std::string>& lines) override {
        say("help: shown");
        for (const auto& line : lines) say("? " + line);
    }
    void hideHelp() override { say("help: hidden"); }

  private:
    std::string status_;
    bool inShow_ = false;        // a slide is on screen
    bool pictureShown_ = false;  // a picture is on screen
};

void show(const player::LessonPlayer& player) {
    const std::string& text = player.pageText();
    for (const auto& line : lesson::splitLines(text))
        say("| " + std::string(lesson::lineText(text, line)));
    if (!player.state().hasAnswerFields) return;
    for (int i = 1; i <= player.gapTable().GapCount(); ++i)
        say("field " + std::to_string(i) + ": " + player.answer(i));
}

// The slide show's timer, ticked by "slide tick" while it runs.
class HandTimer : public player::SlideTimer {
  public:
    bool running = false;
    bool escape = false;
    bool escapeHeld() override { return escape; }
    void startSlideTimer(int intervalMs) override {
        running = true;
        say("timer: " + std::to_string(intervalMs));
    }
    void stopSlideTimer() override {
        if (running) say("timer: off");
        running = false;
    }
};

// Clicks the first line of the shown page that contains `text`; false when none does.
bool clickLinkLine(player::LessonPlayer& player, const std::string& text) {
    const std::string& page = player.pageText();
    int number = 0;
    for (const auto& span : lesson::splitLines(page)) {
        ++number;
        const std::string line(lesson::lineText(page, span));
        if (line.find(text) == std::string::npos) continue;
        player.clickLine(line, number);
        return true;
    }
    return false;
}

std::optional<int> number(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    if (text.empty() || std::from_chars(text.data(), end, value).ptr != end) return std::nullopt;
    return value;
}

struct KeyStroke {
    player::Key key;
    player::Modifier modifier;
};

// "F1".."F12", "pagedown", "pageup", "escape", each with the prefixes "shift+", "ctrl+" or
// "alt+" (lower case); Shift or Ctrl alone is a modifier of its own, any mix is another.
std::optional<KeyStroke> keyStroke(std::string_view name) {
    bool shift = false, ctrl = false, alt = false;
    for (;;) {
        if (name.rfind("shift+", 0) == 0) {
            shift = true;
            name.remove_prefix(6);
        } else if (name.rfind("ctrl+", 0) == 0) {
            ctrl = true;
            name.remove_prefix(5);
        } else if (name.rfind("alt+", 0) == 0) {
            alt = true;
            name.remove_prefix(4);
        } else {
            break;
        }
    }
    const int count = int(shift) + int(ctrl) + int(alt);
    const player::Modifier modifier = count == 0         ? player::Modifier::None
                                      : count > 1 || alt ? player::Modifier::Other
                                      : shift            ? player::Modifier::Shift
                                                         : player::Modifier::Ctrl;
    if (name == "pagedown") return KeyStroke{player::Key::PageDown, modifier};
    if (name == "pageup") return KeyStroke{player::Key::PageUp, modifier};
    if (name == "escape") return KeyStroke{player::Key::Escape, modifier};
    if (name.size() < 2 || name[0] != 'f') return std::nullopt;
    const auto n = number(name.substr(1));
    if (!n || *n < 1 || *n > 12) return std::nullopt;
    return KeyStroke{static_cast<player::Key>(static_cast<int>(player::Key::F1) + *n - 1),
                     modifier};
}

// The line of the list page that carries page N's title.
std::string titleLine(const player::LessonPlayer& player, int page) {
    const auto& pages = player.state().pages.pages;
    if (page < 1 || page > static_cast<int>(pages.size())) return {};
    return "   " + pages[static_cast<std::size_t>(page - 1)].title;
}

// Runs one command; false with a message for a usage error.
bool runCommand(const std::string& line, player::LessonPlayer& player, ScriptedDialogs& dialogs,
                HandTimer& timer, std::string& error) {
    const auto blank = line.find(' ');
    const std::string word = line.substr(0, blank);
    const std::string rest = blank == std::string::npos ? "" : line.substr(blank + 1);
    if (word == "open") {
        const auto n = number(rest);
        if (!n) return error = "open needs a page number: " + line, false;
        // Clicking a line that names no page is a click on the list page all the same.
        const std::string title = titleLine(player, *n);
        player.clickLine(title.empty() ? "   " + rest : title, *n + 1);
    } else if (word == "dn") {
        player.Label20Click();
    } else if (word == "up") {
        player.Label21Click();
    } else if (word == "rep") {
        player.Label4Click();
    } else if (word == "type") {
        const auto space = rest.find(' ');
        const auto field = number(rest.substr(0, space));
        if (!field || *field < 1 || *field > lesson::kMaxGaps)
            return error = "answer field out of range (1 to 20): " + line, false;
        player.setAnswer(*field, space == std::string::npos ? "" : rest.substr(space + 1));
    } else if (word == "bewerten") {
        player.Button6Click();
    } else if (word == "luecken") {
        player.Button5Click();
    } else if (word == "liste") {
        player.Button8Click();
    } else if (word == "beenden") {
        player.Button7Click();
    } else if (word == "hilfe") {
        player.Button1Click();
    } else if (word == "answer") {
        dialogs.answers.push_back(rest);
    } else if (word == "show") {
        show(player);
    } else if (word == "link") {
        if (rest.empty()) return error = "link needs a text of the line: " + line, false;
        if (!clickLinkLine(player, rest)) say("link: no line with " + rest);
    } else if (word == "slide") {
        if (rest == "next") {
            player.Label1Click();
        } else if (rest == "prev") {
            player.Label2Click();
        } else if (rest == "pause") {
            player.Label3Click();
        } else if (rest == "stop") {
            player.Image1DblClick();
        } else if (rest == "tick" || rest == "escape") {
            timer.escape = rest == "escape";
            if (timer.running) player.Timer2Timer();
            timer.escape = false;
        } else {
            return error = "slide takes next, prev, pause, stop, tick or escape: " + line, false;
        }
    } else if (word == "key") {
        const auto lower = lesson::asciiLowerCase(rest);
        if (lower.rfind("enter ", 0) == 0) {
            const auto field = number(lower.substr(6));
            if (!field || *field < 1 || *field > lesson::kMaxGaps)
                return error = "answer field out of range (1 to 20): " + line, false;
            player.enterInField(*field);
        } else if (const auto stroke = keyStroke(lower)) {
            player.keyUp(stroke->key, stroke->modifier);
        } else {
            return error = "unknown key: " + rest, false;
        }
    } else {
        return error = "unknown command: " + line, false;
    }
    return true;
}

int run(const CommandArgs& args) {
    std::string lessonPath;
    std::string protocolFolder;
    std::optional<player::ProtocolStamp> clock;
    std::optional<std::uint64_t> seed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--protocol-folder" && hasValue) {
            protocolFolder = args[++i];
        } else if (a == "--clock" && hasValue) {
            clock = player::ProtocolStamp::parse(args[++i]);
            if (!clock) return fail("play", "--clock takes \"DD.MM.YYYY HH:MM:SS\"", kExitUsage);
        } else if (a == "--seed" && hasValue) {
            const std::string& text = args[++i];
            std::uint64_t n = 0;
            const char* end = text.data() + text.size();
            if (text.empty() || std::from_chars(text.data(), end, n).ptr != end)
                return fail("play", "--seed takes a whole number", kExitUsage);
            seed = n;
        } else if (a.rfind("--", 0) == 0 || !lessonPath.empty()) {
            return fail("play", "unexpected argument: " + a + " (see --help)", kExitUsage);
        } else {
            lessonPath = a;
        }
    }
    if (lessonPath.empty()) return fail("play", "needs a LESSON (see --help)", kExitUsage);
    std::error_code ec;
    if (!fs::is_regular_file(lessonPath, ec))
        return fail("play", lessonPath + ": no such file", kExitUnreadable);

    TempFolder work("play");
    if (!work.ok()) return fail("play", "cannot create a temporary folder", kExitUnreadable);
    lesson::StartupState startup;
    startup.StartFolder = fs::current_path(ec).string();
    startup.WorkFolder = work.path().string();
    startup.ProtocolFolder =
        fs::absolute(protocolFolder.empty() ? startup.StartFolder : protocolFolder, ec).string();

    ScriptedDialogs dialogs;
    TextView view;
    HandTimer timer;
    player::LessonPlayer player(startup, view, dialogs);
    view.player = &player;
    player.setInputDialogs(&dialogs);
    player.setSlideTimer(&timer);
    if (clock) player.setClock([stamp = *clock] { return stamp; });
    if (seed) player.seed(*seed);
    if (!player.openLesson(fs::absolute(lessonPath, ec).string()))
        return fail("play", lessonPath + ": cannot be read as a lesson", kExitUnreadable);

    std::string line;
    std::string error;
    while (!view.ended && std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        if (!runCommand(line, player, dialogs, timer, error)) {
            std::fflush(stdout);
            return fail("play", error, kExitUsage);
        }
    }
    say("end");
    return std::fflush(stdout) == 0 ? kExitOk : kExitUnreadable;
}

const CommandRegistration registration({"play", "play a lesson with commands from stdin", kHelp,
                                        run});

}  // namespace

}  // namespace textaria::cli
