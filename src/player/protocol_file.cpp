#include "player/protocol_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "lesson/markup_text.h"
#include "platform/codepage.h"
#include "player/texts.h"

namespace textaria::player {

namespace fs = std::filesystem;

namespace {

std::string reasonFor(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return texts::kReasonNoFolder;
        case EACCES:
        case EPERM:
        case EROFS:
            return texts::kReasonNoRights;
        case ENOSPC:
        case EDQUOT:
            return texts::kReasonDiskFull;
        default:
            return std::strerror(error);
    }
}

bool writeAll(int fd, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const auto n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Puts the finished temporary file at path unless something is there already. A hard link
// fails on an existing name, so even a file that appears meanwhile is not replaced.
int placeNoClobber(const std::string& temporary, const std::string& path) {
    if (::link(temporary.c_str(), path.c_str()) == 0) return 0;
    const int error = errno;
    if (error == EEXIST) return EEXIST;
    if (error != EPERM && error != ENOTSUP && error != EXDEV) return error;
    // File systems without hard links: check, then rename (a narrow window remains).
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) return EEXIST;
    return ::rename(temporary.c_str(), path.c_str()) == 0 ? 0 : errno;
}

}  // namespace

std::string writeFailureMessage(const WriteFailure& failure) {
    return std::string(texts::kFileNotWritten) + failure.path + "\r" + failure.reason;
}

std::string programTextBytes(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += platform::utf8ToCp1252(line);
        out += "\r\n";
    }
    return out;
}

NewFileResult writeNewFile(const std::string& path, std::string_view bytes) {
    NewFileResult result;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        result.exists = true;
        return result;
    }
    const fs::path target(path);
    std::string temporary =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        result.failure = WriteFailure{path, reasonFor(errno)};
        return result;
    }
    errno = 0;
    bool ok = writeAll(fd, bytes);
    int error = ok ? 0 : (errno != 0 ? errno : EIO);
    ::fchmod(fd, 0644);
    if (::fsync(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) error = placeNoClobber(temporary, path);
    ::unlink(temporary.c_str());
    if (error == EEXIST)
        result.exists = true;
    else if (error != 0)
        result.failure = WriteFailure{path, reasonFor(error)};
    return result;
}

ProtocolFiles writeProtocolFiles(const std::string& folder,
                                 const std::function<std::string(std::string_view)>& baseName,
                                 const std::vector<std::string>& lines, std::string_view json,
                                 const LetterSource& letters) {
    const std::string text = programTextBytes(lines);
    // 26^3 names per second; far fewer attempts find a free one unless the folder is flooded.
    constexpr int kAttempts = 1000;
    std::string lastPath;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::string drawn{letters(), letters(), letters()};
        const fs::path base = fs::path(folder) / baseName(drawn);
        const std::string textPath = base.string() + ".txt";
        const std::string jsonPath = base.string() + ".json";
        lastPath = textPath;
        struct stat st {};
        if (::lstat(jsonPath.c_str(), &st) == 0) continue;
        const auto written = writeNewFile(textPath, text);
        if (written.exists) continue;
        if (written.failure) return {{}, {}, written.failure};
        ProtocolFiles files{textPath, jsonPath, {}};
        const auto twin = writeNewFile(jsonPath, json);
        if (twin.failure)
            files.failure = twin.failure;
        else if (twin.exists)
            files.failure = WriteFailure{jsonPath, texts::kReasonNoFreeName};
        if (files.failure) files.jsonPath.clear();
        return files;
    }
    return {{}, {}, WriteFailure{lastPath, texts::kReasonNoFreeName}};
}

std::string questionFileName(std::string_view lessonFileName) {
    const auto dot = lessonFileName.find('.');
    return lesson::lowerCase(fileNameSafe(lessonFileName.substr(0, dot), 120) + "_fragen.txt");
}

ProtocolFiles saveProtocol(const std::string& folder,
                           const std::function<std::string(std::string_view)>& baseName,
                           const std::vector<std::string>& lines, std::string_view json,
                           const LetterSource& letters, platform::UserDialogs& dialogs) {
    auto files = writeProtocolFiles(folder, baseName, lines, json, letters);
    if (files.failure) dialogs.information(writeFailureMessage(*files.failure));
    return files;
}

QuestionFileResult writeQuestionFileOnce(const std::string& folder, std::string_view lessonFileName,
                                         const std::vector<std::string>& questions,
                                         platform::UserDialogs* dialogs) {
    QuestionFileResult result;
    result.path = (fs::path(folder) / questionFileName(lessonFileName)).string();
    const auto written = writeNewFile(result.path, programTextBytes(questions));
    result.written = !written.exists && !written.failure;
    result.failure = written.failure;
    if (result.failure && dialogs) dialogs->information(writeFailureMessage(*result.failure));
    return result;
}

}  // namespace textaria::player
