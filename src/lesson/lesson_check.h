// The lesson linter: every problem an author can fix, found by reading a lesson as the player
// reads it (pages, options, gaps, companion files, archives), without showing it.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/markup_script.h"

namespace textaria::lesson {

enum class CheckSeverity {
    Error,    // the learner would meet it as a failure
    Warning,  // probably a mistake
};

struct CheckFinding {
    int page = 0;  // as the list page numbers it; 0 before the first title and for the archive
    int line = 0;  // 1-based line of the lesson text; 0 for the archive as a whole
    CheckSeverity severity = CheckSeverity::Error;
    std::string message;
};

// Runs the script section of a page, as the player would, and tells why it fails. The script
// language is not the lesson's: the caller that has it hands it in.
using ScriptTrial = std::function<std::optional<ScriptProblem>(const ScriptSection& section)>;

// A lesson text and where its companion files lie.
struct CheckedLesson {
    std::string_view text;         // plain text, CR LF lines
    std::filesystem::path folder;  // the lesson's folder (the work folder for an archive)
    std::string baseName;          // B: the lesson file's name up to its first "."
    bool fromArchive = false;
    int nestedArchiveCount = 0;
    std::vector<std::string> skippedMembers;  // archive members the unpacker leaves out
    ScriptTrial scriptTrial;                  // none: page scripts are not run
};

// The findings of a lesson text, in text order (by line; stable within a line).
std::vector<CheckFinding> checkLessonText(const CheckedLesson& lesson);

struct LessonCheckReport {
    std::string unreadable;  // why the lesson cannot be checked at all (names the file); or empty
    std::vector<CheckFinding> findings;
    bool hasErrors() const;
};

// Opens an ".rtf" lesson or unpacks an ".rsd" archive into workFolder (a fresh, empty folder)
// and checks it: archive findings first, then those of the text.
LessonCheckReport checkLessonFile(const std::filesystem::path& file,
                                  const std::filesystem::path& workFolder,
                                  const ScriptTrial& scriptTrial = {});

// "FILE:PAGE:LINE: error|warning: MESSAGE".
std::string formatFinding(std::string_view file, const CheckFinding& finding);

}  // namespace textaria::lesson
