#include "cli/pack_lesson_name.h"

#include "lesson/lesson_file.h"
#include "lesson/markup_text.h"

namespace textaria::cli {

std::string lessonTextNameWarning(std::string_view archiveName,
                                  const std::vector<std::string>& memberNames) {
    // The same rule as the player's: the name up to the first "." plus ".rtf", ASCII case
    // ignored.
    const std::string wanted = lesson::lessonBaseName(archiveName) + ".rtf";
    std::string texts;  // the members that look like lesson texts, to suggest a rename
    int textCount = 0;
    for (const std::string& name : memberNames) {
        const std::string lower = lesson::asciiLowerCase(name);
        if (lower == lesson::asciiLowerCase(wanted)) return {};
        if (lower.size() > 4 && lower.ends_with(".rtf")) {
            texts += (textCount++ ? " or " : "") + name;
        }
    }
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
