// Opening a lesson file: an ".rtf" text with its companion files beside it, or an ".rsd"
// archive unpacked into the work folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/archive.h"
#include "platform/styled_text.h"

namespace textaria::lesson {

struct LessonFile {
    std::filesystem::path folder;  // where the lesson's files lie
    std::string fileName;          // LessonFileName: the chosen file, without folder
    std::string baseName;          // B: the name up to its first "."
    platform::StyledText document;
    std::string plainText;  // CR LF lines, as the markup reader sees it
    UnpackResult unpacked;  // for archives
    bool fromArchive = false;
};

struct LessonOpenResult {
    bool ok = false;
    LessonFile lesson;
    std::string error;  // one line naming the file and the reason
};

// The lesson base name B: a file name up to its first ".".
std::string lessonBaseName(std::string_view fileName);

// An archive NAME.rsd carries its lesson text as the member NAME.rtf, NAME being the archive's
// name up to its first "."; the player looks for no other member.
struct LessonTextMember {
    std::string wanted;               // NAME.rtf
    bool found = false;               // a member has that name (ASCII case ignored)
    std::vector<std::string> others;  // the members that look like lesson texts (".rtf")
    std::string othersText() const;   // those joined with " or ", to suggest a rename
};
LessonTextMember lessonTextMember(std::string_view archiveName,
                                  const std::vector<std::string>& memberNames);

// A file of the folder by name; an exact match first, else one that differs only in the case
// of ASCII letters (archives made on other systems name their members freely).
std::filesystem::path findCompanionFile(const std::filesystem::path& folder, std::string_view name);

// What to read of the lesson text: the styled document for the page view, or only its plain
// text (far less memory for a long text; the document stays empty).
enum class LessonContent { Document, PlainTextOnly };

// Opens an ".rsd" archive (unpacked into workFolder) or a text file (".rtf" or plain text).
LessonOpenResult openLessonFile(const std::filesystem::path& file,
                                const std::filesystem::path& workFolder,
                                LessonContent content = LessonContent::Document);

}  // namespace textaria::lesson
