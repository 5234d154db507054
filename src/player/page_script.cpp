#include "player/page_script.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "calc/numeric_number.h"
#include "platform/codepage.h"
#include "platform/user_dialogs.h"
#include "player/texts.h"
#include "script/headless_run.h"

namespace textaria::player {

namespace {

// A long computation inside one line (a factorisation of a huge number) ends after this many
// polls, as Escape would end it.
constexpr std::uint64_t kPollsPerLine = 1u << 20;

std::optional<std::string> readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string fileName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

std::string placeholderValueText(double value, int decimals) {
    if (std::fabs(value) < 1e-12) value = 0.0;
    const std::string text = calc::formatFixed(value, 20, decimals);
    // CleanNumber drops the blanks, one "+" and the trailing zeros, and refuses non-numbers.
    std::string clean = calc::CleanNumber(text);
    return clean.empty() ? text : clean;
}

SectionLines::SectionLines(const lesson::ScriptSection& section)
    : lines_(section.lines), written_(section.lines), firstLine_(section.firstLine) {
    origin_.reserve(section.lines.size());
    for (std::size_t i = 0; i < section.lines.size(); ++i)
        origin_.push_back(firstLine_ + static_cast<int>(i));
}

void SectionLines::replaceLine(std::size_t index, std::string_view text) {
    lines_.replaceLine(index, text);
}

void SectionLines::insertLine(std::size_t index, std::string_view text) {
    index = std::min(index, origin_.size());
    lines_.insertLine(index, text);
    origin_.insert(origin_.begin() + static_cast<std::ptrdiff_t>(index), 0);
}

void SectionLines::removeLine(std::size_t index) {
    if (index >= origin_.size()) return;
    lines_.removeLine(index);
    origin_.erase(origin_.begin() + static_cast<std::ptrdiff_t>(index));
}

int SectionLines::fileLine(std::size_t index) const {
    for (std::size_t i = std::min(index + 1, origin_.size()); i > 0; --i)
        if (origin_[i - 1] != 0) return origin_[i - 1];
    return 0;
}

std::string SectionLines::writtenLine(int fileLine) const {
    const long long i = static_cast<long long>(fileLine) - firstLine_;
    if (fileLine == 0 || i < 0 || i >= static_cast<long long>(written_.size())) return {};
    return written_[static_cast<std::size_t>(i)];
}

std::optional<lesson::ScriptProblem> runSection(const lesson::ScriptSection& section,
                                                script::ScriptState& state,
                                                PageScriptServices& services) {
    SectionLines lines(section);
    lines.setCaretLine(0);
    script::LineBudgetKeys keys(kPollsPerLine);
    script::ScriptHost plainHost;
    script::ScriptEnvironment env{lines,
                                  services.dialogs,
                                  services.input,
                                  keys,
                                  services.host ? *services.host : plainHost,
                                  services.drawing};
    std::optional<lesson::ScriptProblem> problem;
    script::RunOptions options;
    options.maxSteps = services.stepBudget;
    options.unreadableLine = [&](std::size_t index) {
        const int fileLine = lines.fileLine(index);
        const std::string written = lines.writtenLine(fileLine);
        // The "dez" line belongs to the lesson, not to the script language.
        if (problem || written.find("dez") != std::string::npos) return;
        problem =
            lesson::ScriptProblem{lesson::ScriptProblem::Kind::Unreadable, fileLine, written, 0};
    };
    const script::RunResult result = script::runScript(state, env, options);
    if (result.end == script::RunEnd::StepBudget) {
        const int fileLine = lines.fileLine(lines.caretLine());
        return lesson::ScriptProblem{lesson::ScriptProblem::Kind::Runaway, fileLine,
                                     lines.writtenLine(fileLine), result.steps};
    }
    return problem;
}

std::optional<lesson::ScriptProblem> tryPageScript(const lesson::ScriptSection& section) {
    calc::FormulaVariables variables;
    script::ScriptState state(variables);
    state.lessonKeyLock = true;
    // Nobody answers: every dialog is escaped, which ends the run as Escape would.
    script::ScriptedAnswers nobody;
    PageScriptServices services{nobody, nobody};
    return runSection(section, state, services);
}

std::string pageScriptMessage(int page, std::string_view scriptFile,
                              const lesson::ScriptProblem& problem) {
    const std::string where = texts::pageScriptPlace(page, fileName(scriptFile), problem.fileLine);
    if (problem.kind == lesson::ScriptProblem::Kind::Runaway)
        return texts::pageScriptRunaway(where, problem.lineText, problem.steps);
    return texts::pageScriptUnreadable(where, problem.lineText);
}

PageScripts::PageScripts(FileReader reader)
    : read_(reader ? std::move(reader) : FileReader(readWholeFile)) {}

void PageScripts::setScriptFile(std::string path) {
    path_ = std::move(path);
    fileRead_ = false;
    file_.reset();
    // A new lesson starts from the default; within a lesson "dez" holds from page to page.
    decimals_ = kDefaultPlaceholderDecimals;
}

const std::optional<std::string>& PageScripts::scriptFile() {
    if (!fileRead_) {
        fileRead_ = true;
        file_.reset();
        if (!path_.empty())
            if (auto bytes = read_(path_)) file_ = platform::decodeTextFile(*bytes);
    }
    return file_;
}

PageScripts::Outcome PageScripts::PreparePageScript(int page, std::string_view pageText,
                                                    PageScriptServices& services) {
    Outcome outcome;
    const std::optional<std::string>& file = scriptFile();
    if (!file) return outcome;
    const lesson::ScriptSection section = lesson::scriptSection(*file, page);
    if (!section.found) return outcome;
    if (!section.error.empty()) {
        // The page's preparation stops at the "dez" line it cannot read.
        outcome.page.status = lesson::PageScriptStatus::Failed;
        outcome.message = section.error;
        return outcome;
    }
    if (section.decimals) decimals_ = *section.decimals;
    return RunPageScript(page, section, pageText, services);
}

PageScripts::Outcome PageScripts::RunPageScript(int page, const lesson::ScriptSection& section,
                                                std::string_view pageText,
                                                PageScriptServices& services) {
    Outcome outcome;
    // The variables are reset by the run itself; the function slots are not.
    state_.numeric.functionSlots.fill({});
    state_.lessonKeyLock = true;
    const std::bitset<26> shown = lesson::lettersShownOutsideGaps(pageText);

    const auto problem = runSection(section, state_, services);
    for (int i = 0; i < 26; ++i)
        results_.values[static_cast<std::size_t>(i)] =
            placeholderValueText(variables_.values[static_cast<std::size_t>(i)], decimals_);
    for (int n = 0; n < 5; ++n)
        results_.formulas[static_cast<std::size_t>(n)] = state_.numeric.functionSlot(n + 1);
    if (problem) {
        outcome.page.status = lesson::PageScriptStatus::Failed;
        outcome.message = pageScriptMessage(page, path_, *problem);
        return outcome;
    }

    outcome.page.status = lesson::PageScriptStatus::Ran;
    outcome.page.results = results_;
    if (services.calculator) {
        for (int i = 0; i < 26; ++i) {
            if (!shown.test(static_cast<std::size_t>(i))) continue;
            const auto value = calc::EvaluateFormula(results_.values[static_cast<std::size_t>(i)],
                                                     *services.calculator);
            if (calc::evaluationSucceeded(value.code))
                services.calculator->values[static_cast<std::size_t>(i)] = value.value;
        }
    }
    return outcome;
}

}  // namespace textaria::player
