#include "cli/pack_lesson_name.h"

#include "lesson/lesson_file.h"

namespace textaria::cli {

std::string lessonTextNameWarning(std::string_view archiveName,
                                  const std::vector<std::string>& memberNames) {
    const lesson::LessonTextMember member = lesson::lessonTextMember(archiveName, memberNames);
    if (member.found) return {};
    const std::string& wanted = member.wanted;
    const std::string texts = member.othersText();
    const std::size_t textCount = member.others.size();
    std::string message = "warning: " + std::string(archiveName) + " holds no " + wanted +
                          ", so the player will not find the lesson text in it (it looks for"
                          " the archive's name with .rtf). ";
    if (textCount == 1)
        message += "Rename " + texts + " to " + wanted + " and pack again.";
    else if (textCount > 1)
        message += "Rename the lesson text (" + texts + ") to " + wanted + " and pack again.";
    else
        message += "Add the lesson text as " + wanted + " and pack again.";
    return message;
}

}  // namespace textaria::cli
