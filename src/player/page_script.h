// The page scripts of a lesson: before the gaps of an "@" page are read, the page's section of
// the script file B"_m.txt" runs through the script runner, and the values it leaves replace
// the page's placeholders. The same run serves the window, the command line and the lesson
// check.
#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/eval_u.h"
#include "lesson/markup_placeholders.h"
#include "lesson/markup_script.h"
#include "lesson/page_prep.h"
#include "script/script_lines.h"
#include "script/script_runner.h"
#include "script/script_state.h"

namespace textaria::platform {
class UserDialogs;
}
namespace textaria::script {
class InputDialogs;
struct DrawingContext;
class ScriptHost;
}  // namespace textaria::script

namespace textaria::player {

// Decimals of placeholder values until a "dez" line sets others.
inline constexpr int kDefaultPlaceholderDecimals = 16;
// Executed lines after which a page script counts as one that never ends. A page script makes
// an exercise in a few hundred lines; this many take well under a second.
inline constexpr std::uint64_t kPageScriptStepBudget = 100000;

// A value as the page shows it: fixed point, 20 wide, with the decimals; then, if a number,
// without blanks, a leading "+" and trailing zeros (and a trailing "."). Values below 1e-12 in
// magnitude are 0.
std::string placeholderValueText(double value, int decimals);

// The lines of a section as a script text that remembers, for every line, its line number in
// the script file (0 for lines the run inserted), so that a problem names the author's line.
class SectionLines final : public script::ScriptLines {
  public:
    explicit SectionLines(const lesson::ScriptSection& section);

    std::size_t lineCount() const override { return lines_.lineCount(); }
    std::string line(std::size_t index) const override { return lines_.line(index); }
    void replaceLine(std::size_t index, std::string_view text) override;
    void insertLine(std::size_t index, std::string_view text) override;
    void removeLine(std::size_t index) override;
    std::size_t caretLine() const override { return lines_.caretLine(); }
    void setCaretLine(std::size_t index) override { lines_.setCaretLine(index); }

    // The file line of the line at index, or of the nearest written line above it (a result
    // line belongs to the command above it); 0 when there is none.
    int fileLine(std::size_t index) const;
    // A file line as the author wrote it.
    std::string writtenLine(int fileLine) const;

  private:
    script::LineBuffer lines_;
    std::vector<int> origin_;
    std::vector<std::string> written_;
    int firstLine_ = 0;
};

// What a page script run talks to. Without drawing nothing is drawn; without a calculator
// nothing is handed to it.
struct PageScriptServices {
    platform::UserDialogs& dialogs;
    script::InputDialogs& input;
    script::DrawingContext* drawing = nullptr;
    script::ScriptHost* host = nullptr;
    calc::FormulaVariables* calculator = nullptr;
    std::uint64_t stepBudget = kPageScriptStepBudget;
};

// Runs a section as a lesson run from its first line; the problem when it fails. Lines holding
// "dez" are the lesson's own and never count as unreadable.
std::optional<lesson::ScriptProblem> runSection(const lesson::ScriptSection& section,
                                                script::ScriptState& state,
                                                PageScriptServices& services);

// For the lesson check: the section run with nobody at the dialogs and nothing drawn.
std::optional<lesson::ScriptProblem> tryPageScript(const lesson::ScriptSection& section);

// The learner's message about a page script that failed.
std::string pageScriptMessage(int page, std::string_view scriptFile,
                              const lesson::ScriptProblem& problem);

class PageScripts {
  public:
    // Reads a whole file; nothing when it cannot be read.
    using FileReader = std::function<std::optional<std::string>(const std::string& path)>;

    explicit PageScripts(FileReader reader = {});

    // A lesson was loaded: its script file (an absolute path; empty for a lesson without page
    // scripts) is read once, when the first "@" page is shown.
    void setScriptFile(std::string path);
    void seed(std::uint64_t seed) { state_.random.seed(seed); }

    struct Outcome {
        lesson::PageScriptOutcome page;
        std::string message;  // for the learner when the script failed
    };
    // The page's section loaded (the "dez" lines read) and run, given the page text without
    // its option lines. No script file, or no section for the page: nothing runs (the
    // previous page's section is not run again).
    Outcome PreparePageScript(int page, std::string_view pageText, PageScriptServices& services);

    int decimals() const { return decimals_; }
    // The results of the last run, kept until the next one.
    const lesson::ScriptValues& results() const { return results_; }

  private:
    Outcome RunPageScript(int page, const lesson::ScriptSection& section, std::string_view pageText,
                          PageScriptServices& services);
    const std::optional<std::string>& scriptFile();

    FileReader read_;
    std::string path_;
    bool fileRead_ = false;
    std::optional<std::string> file_;
    int decimals_ = kDefaultPlaceholderDecimals;
    calc::FormulaVariables variables_;
    script::ScriptState state_{variables_};
    lesson::ScriptValues results_;
};

}  // namespace textaria::player
