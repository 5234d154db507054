#include "lesson/folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "lesson/texts.h"
#include "platform/text_helpers.h"
#include "platform/user_dialogs.h"

namespace textaria::lesson {

namespace fs = std::filesystem;

namespace {

bool folderExists(std::string_view path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::path(path), ec);
}

// Creates the folder when it does not exist yet; true when it exists afterwards.
bool ensureFolder(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    if (fs::is_directory(path, ec)) return true;
    fs::create_directory(path, ec);
    return !ec && fs::is_directory(path, ec);
}

struct FirstLine {
    bool readable = false;
    std::string text;
};

// Only the first line counts; the read is bounded so a strange file cannot stall start-up.
FirstLine readFirstLine(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    constexpr std::size_t kLimit = 4096;
    FirstLine line{true, {}};
    char c = 0;
    while (line.text.size() < kLimit && in.get(c)) {
        if (c == '\r' || c == '\n') break;
        line.text.push_back(c);
    }
    if (in.bad()) return {};
    // An editor's byte-order mark is not part of the answer.
    if (line.text.starts_with("\xEF\xBB\xBF")) line.text.erase(0, 3);
    return line;
}

// Writes a file whole or not at all: into a fresh, exclusively created file beside the
// target, then renamed over it. Nothing a stranger placed there (a link) is followed.
bool writeWholeFile(const std::string& target, std::string_view bytes) {
    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const auto n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else
            ok = false;
    }
    ::fchmod(fd, 0644);
    ok = ::close(fd) == 0 && ok;
    std::error_code ec;
    if (ok) fs::rename(temporary, target, ec);
    if (!ok || ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

DataRootSetup failed(std::string message) { return {false, {}, std::move(message)}; }

std::string folderNotCreated(const std::string& dataRoot) {
    return std::string(texts::kFolderNotCreatedBegin) + dataRoot + texts::kFolderNotCreatedEnd;
}

}  // namespace

std::string trimControls(std::string_view text) { return std::string(platform::trim(text)); }

std::string withoutTrailingSlash(std::string_view path) {
    if (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
    return std::string(path);
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string out = withoutTrailingSlash(folder);
    if (out != "/") out += '/';
    out += name;
    return out;
}

std::string folderPart(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

void clearReadOnly(const std::string& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
}

WorkFolderSetup prepareWorkFolder(std::string_view tempPath, std::string_view currentFolder) {
    WorkFolderSetup setup;
    const std::string temp = withoutTrailingSlash(tempPath);
    const bool inTemp = folderExists(temp);
    setup.WorkFolder = joinPath(inTemp ? temp : std::string(currentFolder), kWorkFolderName);
    // In a temporary folder shared by all users, a work folder someone else made (or a link
    // to elsewhere) must not be used: it is emptied at exit.
    if (!ensureFolder(setup.WorkFolder) || !isOwnFolder(setup.WorkFolder)) {
        setup.message = inTemp ? texts::kInternalError1 : texts::kExternalError1;
        setup.usable = false;
        return setup;
    }
    clearReadOnly(setup.WorkFolder);
    return setup;
}

std::string prepareProtocolFolder(std::string_view workFolder,
                                  const std::vector<std::string>& parameters,
                                  std::string_view currentFolder) {
    std::string folder = joinPath(workFolder, kProtocolFolderName);
    if (!parameters.empty()) {
        // A path with blanks that was not quoted arrives in pieces; joining them with one
        // blank each gives it back.
        std::string file;
        for (const auto& p : parameters) file += ' ' + p;
        file = parameters.size() == 1 ? parameters.front() : trimControls(file);
        folder = folderPart(file);
        // A bare file name lies in the current folder; a relative one is taken from there too,
        // so that later changes of the current folder do not move the protocols.
        if (folder.empty())
            folder = std::string(currentFolder);
        else if (folder.front() != '/')
            folder = joinPath(currentFolder, folder);
    }
    ensureFolder(folder);
    clearReadOnly(folder);
    return folder;
}

bool writeStartFolderFile(std::string_view workFolder, std::string_view startFolder) {
    const std::string text = trimControls(startFolder);
    const auto length = static_cast<std::uint32_t>(static_cast<std::int32_t>(text.size()));
    std::string bytes = {static_cast<char>(length & 0xFF), static_cast<char>((length >> 8) & 0xFF),
                         static_cast<char>((length >> 16) & 0xFF),
                         static_cast<char>((length >> 24) & 0xFF)};
    bytes += text;
    return writeWholeFile(joinPath(workFolder, kStartFolderFile), bytes);
}

StartupFolders prepareStartupFolders(std::string_view startFolder, std::string_view tempPath,
                                     const std::vector<std::string>& parameters) {
    StartupFolders folders;
    folders.StartFolder = std::string(startFolder);
    auto work = prepareWorkFolder(tempPath, startFolder);
    folders.WorkFolder = std::move(work.WorkFolder);
    folders.workFolderUsable = work.usable;
    if (!work.message.empty()) folders.messages.push_back(std::move(work.message));
    folders.ProtocolFolder = prepareProtocolFolder(folders.WorkFolder, parameters, startFolder);
    // Only sibling tools read it; a failure here does not concern the lessons.
    if (folders.workFolderUsable) writeStartFolderFile(folders.WorkFolder, folders.StartFolder);
    return folders;
}

DataRootSetup setUpDataRoot(const DataRootEnvironment& environment,
                            platform::UserDialogs& dialogs) {
    const std::string temp = withoutTrailingSlash(environment.tempFolder);
    const bool tempExists = folderExists(temp);

    const std::string configPath =
        joinPath(tempExists ? temp : environment.programFolder, kConfigFile);

    std::string answer;
    std::error_code ec;
    if (fs::exists(configPath, ec)) {
        const FirstLine line = readFirstLine(configPath);
        if (!line.readable) return failed(texts::kFolderError1);
        answer = line.text;
    } else if (tempExists) {
        answer = "?";
    } else {
        // A cancelled box gives the default, as the input box always did.
        answer =
            dialogs
                .inputBox(texts::kDataDriveTitle, texts::kDataDrivePrompt, texts::kDataDriveDefault)
                .value_or(texts::kDataDriveDefault);
    }

    answer = platform::asciiUpperCase(trimControls(answer));
    if (answer.empty()) answer = "!";
    if (platform::utf8Length(answer) > 1) return failed(texts::kFolderError2);
    // The letter W was never accepted as a data drive.
    constexpr std::string_view kAccepted = "?ABCDEFGHIJKLMNOPQRSTUVXYZ";
    if (answer.size() != 1 || kAccepted.find(answer[0]) == std::string_view::npos)
        return failed(texts::kFolderError3);

    std::string base;
    if (answer == "?") {
        if (temp.empty()) return failed(texts::kFolderError4);
        base = temp;
    } else {
        // Drive letters have no meaning here: every letter stands for the user's home folder.
        base = withoutTrailingSlash(environment.letterBase);
    }
    if (!folderExists(base)) return failed(texts::kFolderError5);

    const std::string dataRoot = joinPath(base, kDataRootName);
    if (folderExists(dataRoot))
        clearReadOnly(dataRoot);
    else if (!ensureFolder(dataRoot))
        return failed(folderNotCreated(dataRoot));

    for (const auto sub : kDataSubFolders)
        if (!ensureFolder(joinPath(dataRoot, sub))) return failed(folderNotCreated(dataRoot));

    return {true, dataRoot, {}};
}

std::string installLineDrawFont(std::string_view dataRoot, const std::string& sourceFont) {
    const std::string target = joinPath(joinPath(dataRoot, kDataSubFolders[0]), kLineDrawFontFile);
    std::error_code ec;
    if (!fs::is_regular_file(sourceFont, ec)) return {};
    std::ifstream in(sourceFont, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (in.bad() || bytes.empty()) return {};
    return writeWholeFile(target, bytes) ? target : std::string{};
}

bool isOwnFolder(const std::string& folder) {
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
}

}  // namespace textaria::lesson
