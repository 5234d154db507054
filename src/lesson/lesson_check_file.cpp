// The linter on a lesson file: an archive is checked as it unpacks, then its text.
#include <algorithm>
#include <system_error>

#include "lesson/lesson_check.h"
#include "lesson/lesson_check_texts.h"
#include "lesson/lesson_file.h"
#include "lesson/markup_text.h"
#include "lesson/texts.h"

namespace textaria::lesson {

namespace {

namespace fs = std::filesystem;
using texts::fillIn;
namespace msg = check_texts;

CheckFinding archiveFinding(CheckSeverity severity, std::string message) {
    return {0, 0, severity, std::move(message)};
}

// The player reads NAME.rsd's text from its member NAME.rtf; a near miss is named in the fix.
std::string lessonTextFix(const std::string& archiveName, const UnpackResult& unpacked) {
    std::vector<std::string> members = unpacked.written;
    members.insert(members.end(), unpacked.skippedPictures.begin(), unpacked.skippedPictures.end());
    for (const RefusedMember& refused : unpacked.refused) members.push_back(refused.name);
    const LessonTextMember member = lessonTextMember(archiveName, members);
    if (member.others.size() == 1)
        return fillIn(msg::kRenameOne, {member.othersText(), member.wanted});
    if (member.others.size() > 1)
        return fillIn(msg::kRenameOfSeveral, {member.othersText(), member.wanted});
    return fillIn(msg::kAddLessonText, {member.wanted});
}

void checkUnpacking(const UnpackResult& unpacked, std::vector<CheckFinding>& out) {
    for (const RefusedMember& refused : unpacked.refused)
        out.push_back(archiveFinding(CheckSeverity::Error,
                                     fillIn(msg::kMemberRefused, {refused.name, refused.reason})));
    for (const std::string& skipped : unpacked.skippedPictures)
        out.push_back(
            archiveFinding(CheckSeverity::Warning, fillIn(msg::kMemberSkipped, {skipped})));
    if (!unpacked.copyError.empty())
        out.push_back(archiveFinding(CheckSeverity::Error,
                                     fillIn(msg::kArchiveDamaged, {unpacked.copyError})));
}

}  // namespace

bool LessonCheckReport::hasErrors() const {
    return !unreadable.empty() ||
           std::any_of(findings.begin(), findings.end(),
                       [](const CheckFinding& f) { return f.severity == CheckSeverity::Error; });
}

LessonCheckReport checkLessonFile(const fs::path& file, const fs::path& workFolder,
                                  const ScriptTrial& scriptTrial) {
    LessonCheckReport report;
    const LessonOpenResult open = openLessonFile(file, workFolder);
    const LessonFile& lesson = open.lesson;
    if (lesson.fromArchive) {
        if (!lesson.unpacked.error.empty()) {
            report.unreadable = open.error;
            return report;
        }
        checkUnpacking(lesson.unpacked, report.findings);
        const std::string wanted = lessonTextMember(lesson.fileName, {}).wanted;
        std::error_code ec;
        if (!fs::is_regular_file(findCompanionFile(workFolder, wanted), ec)) {
            report.findings.push_back(
                archiveFinding(CheckSeverity::Error,
                               fillIn(msg::kNoLessonText,
                                      {wanted, lessonTextFix(lesson.fileName, lesson.unpacked)})));
            return report;
        }
    }
    if (!open.ok) {
        report.unreadable = open.error;
        return report;
    }
    CheckedLesson checked;
    checked.scriptTrial = scriptTrial;
    checked.text = lesson.plainText;
    checked.folder = lesson.folder;
    checked.baseName = lesson.baseName;
    checked.fromArchive = lesson.fromArchive;
    checked.nestedArchiveCount = lesson.unpacked.NestedArchiveCount;
    checked.skippedMembers = lesson.unpacked.skippedPictures;
    const std::vector<CheckFinding> text = checkLessonText(checked);
    report.findings.insert(report.findings.end(), text.begin(), text.end());
    return report;
}

std::string formatFinding(std::string_view file, const CheckFinding& finding) {
    return std::string(file) + ":" + std::to_string(finding.page) + ":" +
           std::to_string(finding.line) + ": " +
           (finding.severity == CheckSeverity::Error ? "error" : "warning") + ": " +
           finding.message;
}

}  // namespace textaria::lesson
