#include "lesson/lesson_file.h"

#include <system_error>

#include "lesson/markup_text.h"
#include "platform/document_file.h"
#include "platform/texts.h"

namespace textaria::lesson {

namespace fs = std::filesystem;

std::string lessonBaseName(std::string_view fileName) {
    return std::string(fileName.substr(0, fileName.find('.')));
}

LessonTextMember lessonTextMember(std::string_view archiveName,
                                  const std::vector<std::string>& memberNames) {
    LessonTextMember member;
    member.wanted = lessonBaseName(archiveName) + ".rtf";
    const std::string wanted = asciiLowerCase(member.wanted);
    for (const std::string& name : memberNames) {
        const std::string lower = asciiLowerCase(name);
        if (lower == wanted)
            member.found = true;
        else if (lower.size() > 4 && lower.ends_with(".rtf"))
            member.others.push_back(name);
    }
    return member;
}

std::string LessonTextMember::othersText() const {
    std::string text;
    for (const std::string& name : others) text += (text.empty() ? "" : " or ") + name;
    return text;
}

fs::path findCompanionFile(const fs::path& folder, std::string_view name) {
    const fs::path exact = folder / fs::path(std::string(name));
    std::error_code ec;
    if (fs::is_regular_file(exact, ec)) return exact;
    const std::string wanted = asciiLowerCase(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (asciiLowerCase(it->path().filename().string()) == wanted && it->is_regular_file(ec))
            return it->path();
    }
    return exact;
}

LessonOpenResult openLessonFile(const fs::path& file, const fs::path& workFolder,
                                LessonContent content) {
    LessonOpenResult result;
    LessonFile& lesson = result.lesson;
    lesson.fileName = file.filename().string();
    lesson.baseName = lessonBaseName(lesson.fileName);
    std::error_code ec;
    if (fs::is_directory(file, ec)) {
        result.error = file.string() + ": is a folder, not a lesson file";
        return result;
    }
    if (!fs::exists(file, ec)) {
        result.error = file.string() + ": no such file";
        return result;
    }
    if (!fs::is_regular_file(file, ec)) {  // a FIFO or a device is never opened
        result.error = file.string() + ": " + platform::texts::kNotRegularFile;
        return result;
    }
    fs::path textFile = file;
    lesson.folder = file.parent_path();
    if (asciiLowerCase(file.extension().string()) == ".rsd") {
        lesson.fromArchive = true;
        fs::create_directories(workFolder, ec);
        lesson.unpacked = UnpackArchive(fs::absolute(file, ec), workFolder);
        if (!lesson.unpacked.error.empty()) {
            result.error = file.string() + ": " + lesson.unpacked.error;
            return result;
        }
        lesson.folder = workFolder;
        textFile = findCompanionFile(workFolder, lesson.baseName + ".rtf");
    }
    std::string error;
    if (content == LessonContent::PlainTextOnly) {
        platform::PlainTextLoad load = platform::loadDocumentPlainText(textFile.string());
        lesson.plainText = std::move(load.text);
        error = std::move(load.error);
    } else {
        platform::DocumentLoad load = platform::loadDocumentFile(textFile.string());
        lesson.document = std::move(load.text);
        lesson.plainText = platform::plainText(lesson.document);
        error = std::move(load.error);
    }
    if (!error.empty()) {
        result.error = lesson.fromArchive ? file.string() + ": the archive holds no lesson text " +
                                                textFile.filename().string()
                                          : error;
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace textaria::lesson
