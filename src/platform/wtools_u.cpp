#include "platform/wtools_u.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include "platform/text_helpers.h"

namespace textaria::platform {

namespace fs = std::filesystem;

namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::vector<std::string> splitList(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        auto end = text.find(separator, begin);
        if (end == std::string_view::npos) end = text.size();
        if (end > begin) parts.emplace_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return parts;
}

bool isExecutableFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

// Lines of an ini-style file, grouped: calls visit(group, key, value) for each entry.
template <typename Visit>
void readIniFile(const std::string& path, Visit visit) {
    std::ifstream in(path);
    std::string line;
    std::string group;
    while (std::getline(in, line)) {
        const std::string text(trimOf(line, " \t\r\n"));
        if (text.empty() || text.front() == '#') continue;
        if (text.front() == '[' && text.back() == ']') {
            group = text.substr(1, text.size() - 2);
            continue;
        }
        const auto equals = text.find('=');
        if (equals == std::string::npos) continue;
        visit(group, std::string(trimOf(std::string_view(text).substr(0, equals), " \t\r\n")),
              std::string(trimOf(std::string_view(text).substr(equals + 1), " \t\r\n")));
    }
}

std::vector<std::string> applicationDirs(const XdgEnvironment& xdg) {
    std::vector<std::string> dirs;
    for (const auto& d : xdg.dataDirs) dirs.push_back(d + "/applications");
    return dirs;
}

// Finds a desktop file id in the applications folders; "kde-foo.desktop" may also live in
// a sub-folder "kde/foo.desktop".
std::string desktopFilePath(const std::string& id, const XdgEnvironment& xdg) {
    if (id.empty() || id.find("..") != std::string::npos || id.front() == '/') return {};
    for (const auto& dir : applicationDirs(xdg)) {
        std::string candidate = dir + "/" + id;
        std::error_code ec;
        if (fs::is_regular_file(candidate, ec)) return candidate;
        std::string nested = id;
        for (auto dash = nested.find('-'); dash != std::string::npos;
             dash = nested.find('-', dash + 1)) {
            nested[dash] = '/';
            candidate = dir + "/" + nested;
            if (fs::is_regular_file(candidate, ec)) return candidate;
        }
    }
    return {};
}

// The general escapes of desktop-file string values.
std::string unescapeValue(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        switch (next) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                out += '\\';
                out += next;
                break;
        }
    }
    return out;
}

std::string resolveProgram(const std::string& program, const XdgEnvironment& xdg) {
    if (program.find('/') != std::string::npos) return isExecutableFile(program) ? program : "";
    return findOnPath({program}, xdg.pathList);
}

}  // namespace

std::string systemVersionText(std::string_view systemId, int major, int minor) {
    return " SystemId. = " + std::string(systemId) + ",  VersionsNr. = " + std::to_string(major) +
           "." + std::to_string(minor) + " ";
}

std::string SystemVersionText() {
    utsname name{};
    if (::uname(&name) != 0) return systemVersionText("", 0, 0);
    // The kernel release, e.g. "6.1.0-13-amd64", gives major and minor.
    const std::string_view release = name.release;
    int major = 0;
    int minor = 0;
    const char* end = release.data() + release.size();
    auto [next, error] = std::from_chars(release.data(), end, major);
    if (error == std::errc{} && next != end && *next == '.') std::from_chars(next + 1, end, minor);
    return systemVersionText(name.sysname, major, minor);
}

std::string TempFolder() {
    std::string folder = environmentValue("TMPDIR");
    if (folder.empty()) folder = "/tmp";
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string localisedFolderName(std::string folder) {
    ReplaceAll(folder, "DOKUME~1", "Dokumente und Einstellungen", true);
    ReplaceAll(folder, "LOKALE~1", "Lokale Einstellungen", true);
    return folder;
}

std::string LocalisedTempFolder() { return localisedFolderName(TempFolder()); }

int ReplaceAll(std::string& text, std::string_view search, std::string_view replacement,
               bool ignoreCase, char marker) {
    if (search.empty()) return 0;
    const std::string pattern = ignoreCase ? latin1UpperCase(search) : std::string(search);
    std::string copy = ignoreCase ? latin1UpperCase(text) : text;
    int count = 0;
    // Searching on after each marker finds the same places as searching from the start (a
    // match cannot span a marker unless the search text holds one) and cannot loop.
    for (std::size_t at = copy.find(pattern); at != std::string::npos;
         at = copy.find(pattern, at + 1)) {
        copy.replace(at, pattern.size(), 1, marker);
        text.replace(at, search.size(), 1, marker);
        ++count;
    }
    std::string out;
    out.reserve(text.size() + static_cast<std::size_t>(count) * replacement.size());
    for (char c : text) {
        if (c == marker)
            out += replacement;
        else
            out += c;
    }
    text = std::move(out);
    return count;
}

int EmptyFolder(std::string_view folder) {
    std::string path(folder);
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    std::error_code ec;
    int deleted = 0;
    for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        // A link is removed itself, never what it points to.
        if (it->symlink_status(entryError).type() == fs::file_type::directory) continue;
        if (it->path().filename() == "worte.txt") continue;
        if (fs::remove(it->path(), entryError)) ++deleted;
    }
    return deleted;
}

std::string findOnPath(const std::vector<std::string>& names, std::string_view pathList) {
    const auto dirs = splitList(pathList, ':');
    for (const auto& name : names) {
        if (name.empty() || name.find('/') != std::string::npos) continue;
        for (const auto& dir : dirs) {
            const std::string candidate = dir + "/" + name;
            if (isExecutableFile(candidate)) return candidate;
        }
    }
    return {};
}

std::string volumeProgramName(std::string_view pathList) {
    return findOnPath({"pavucontrol", "pavucontrol-qt", "kmix", "xfce4-mixer",
                       "mate-volume-control", "gnome-alsamixer"},
                      pathList);
}

std::string VolumeProgramName() { return volumeProgramName(environmentValue("PATH")); }

XdgEnvironment XdgEnvironment::fromSystem() {
    XdgEnvironment xdg;
    const std::string home = environmentValue("HOME");
    std::string configHome = environmentValue("XDG_CONFIG_HOME");
    if (configHome.empty() && !home.empty()) configHome = home + "/.config";
    if (!configHome.empty()) xdg.configDirs.push_back(configHome);
    std::string configDirs = environmentValue("XDG_CONFIG_DIRS");
    if (configDirs.empty()) configDirs = "/etc/xdg";
    for (auto& d : splitList(configDirs, ':')) xdg.configDirs.push_back(d);

    std::string dataHome = environmentValue("XDG_DATA_HOME");
    if (dataHome.empty() && !home.empty()) dataHome = home + "/.local/share";
    if (!dataHome.empty()) xdg.dataDirs.push_back(dataHome);
    std::string dataDirs = environmentValue("XDG_DATA_DIRS");
    if (dataDirs.empty()) dataDirs = "/usr/local/share:/usr/share";
    for (auto& d : splitList(dataDirs, ':')) xdg.dataDirs.push_back(d);

    xdg.pathList = environmentValue("PATH");
    xdg.desktops = environmentValue("XDG_CURRENT_DESKTOP");
    return xdg;
}

std::string mimeTypeOf(std::string_view fileName, const XdgEnvironment& xdg) {
    const auto slash = fileName.rfind('/');
    const std::string name =
        asciiLowerCase(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1));
    std::string best;
    int bestWeight = -1;
    std::size_t bestLength = 0;
    for (const auto& dir : xdg.dataDirs) {
        std::ifstream in(dir + "/mime/globs2");
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line.front() == '#') continue;
            const auto fields = splitList(line, ':');
            if (fields.size() < 3) continue;
            const std::string& glob = fields[2];
            // Only the plain "*.suffix" globs matter for naming a file's type.
            if (glob.size() < 3 || glob[0] != '*' || glob[1] != '.' ||
                glob.find_first_of("*?[", 1) != std::string::npos)
                continue;
            const bool caseSensitive =
                fields.size() > 3 && fields[3].find("cs") != std::string::npos;
            const std::string suffix =
                caseSensitive ? glob.substr(1) : asciiLowerCase(glob.substr(1));
            const std::string subject =
                caseSensitive
                    ? std::string(slash == std::string_view::npos ? fileName
                                                                  : fileName.substr(slash + 1))
                    : name;
            if (!subject.ends_with(suffix)) continue;
            int weight = 0;
            std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), weight);
            if (weight > bestWeight || (weight == bestWeight && glob.size() > bestLength)) {
                best = fields[1];
                bestWeight = weight;
                bestLength = glob.size();
            }
        }
        // The first folder that knows the type wins over the ones below it.
        if (!best.empty()) break;
    }
    return best;
}

std::string defaultDesktopEntry(std::string_view mimeType, const XdgEnvironment& xdg) {
    if (mimeType.empty()) return {};
    const std::string mime(mimeType);
    std::vector<std::string> listFiles;
    std::vector<std::string> desktopNames;
    for (const auto& d : splitList(xdg.desktops, ':')) desktopNames.push_back(asciiLowerCase(d));
    auto addListFiles = [&](const std::string& dir) {
        for (const auto& desktop : desktopNames)
            listFiles.push_back(dir + "/" + desktop + "-mimeapps.list");
        listFiles.push_back(dir + "/mimeapps.list");
    };
    for (const auto& d : xdg.configDirs) addListFiles(d);
    for (const auto& d : applicationDirs(xdg)) addListFiles(d);

    std::vector<std::string> defaults;
    std::vector<std::string> added;
    std::set<std::string> removed;
    for (const auto& file : listFiles) {
        readIniFile(
            file, [&](const std::string& group, const std::string& key, const std::string& value) {
                if (key != mime) return;
                for (auto& id : splitList(value, ';')) {
                    if (group == "Default Applications") defaults.push_back(id);
                    if (group == "Added Associations") added.push_back(id);
                    if (group == "Removed Associations") removed.insert(id);
                }
            });
    }
    // Entries that declare the type themselves, as the desktop's cache lists them.
    std::vector<std::string> declared;
    for (const auto& dir : applicationDirs(xdg)) {
        readIniFile(dir + "/mimeinfo.cache", [&](const std::string& group, const std::string& key,
                                                 const std::string& value) {
            if (group == "MIME Cache" && key == mime)
                for (auto& id : splitList(value, ';')) declared.push_back(id);
        });
        std::error_code ec;
        // In name order, so the choice does not depend on how the folder happens to list.
        std::vector<fs::path> entries;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().extension() == ".desktop") entries.push_back(it->path());
        std::sort(entries.begin(), entries.end());
        for (const auto& entry : entries) {
            readIniFile(entry.string(), [&](const std::string& group, const std::string& key,
                                            const std::string& value) {
                if (group != "Desktop Entry" || key != "MimeType") return;
                for (auto& type : splitList(value, ';'))
                    if (type == mime) declared.push_back(entry.filename().string());
            });
        }
    }

    auto usable = [&](const std::string& id) -> std::string {
        const std::string path = desktopFilePath(id, xdg);
        if (path.empty()) return {};
        return desktopEntryCommand(path, "", xdg) ? path : "";
    };
    for (const auto& id : defaults)
        if (auto path = usable(id); !path.empty()) return path;
    for (const auto* list : {&added, &declared})
        for (const auto& id : *list)
            if (!removed.contains(id))
                if (auto path = usable(id); !path.empty()) return path;
    return {};
}

std::optional<ProgramCommand> parseExecLine(std::string_view exec, std::string_view filePath) {
    const std::string line = unescapeValue(exec);
    std::vector<std::string> words;
    std::vector<bool> quoted;
    std::string word;
    bool inWord = false;
    bool inQuotes = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inQuotes) {
            if (c == '"') {
                inQuotes = false;
            } else if (c == '\\' && i + 1 < line.size() &&
                       std::string_view("\"`$\\").find(line[i + 1]) != std::string_view::npos) {
                word += line[++i];
            } else {
                word += c;
            }
        } else if (c == '"') {
            inQuotes = inWord = true;
            if (quoted.size() < words.size() + 1) quoted.resize(words.size() + 1, false);
            quoted[words.size()] = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inQuotes) return std::nullopt;
    if (inWord) words.push_back(std::move(word));
    quoted.resize(words.size(), false);

    ProgramCommand command;
    bool fileUsed = false;
    for (std::size_t w = 0; w < words.size(); ++w) {
        if (quoted[w]) {  // field codes are not expanded inside quotes
            command.arguments.push_back(words[w]);
            continue;
        }
        const std::string& source = words[w];
        if (source == "%F" || source == "%U" || source == "%f" || source == "%u") {
            command.arguments.emplace_back(filePath);
            fileUsed = true;
            continue;
        }
        if (source == "%i" || source == "%c" || source == "%k") continue;
        std::string expanded;
        for (std::size_t i = 0; i < source.size(); ++i) {
            if (source[i] != '%' || i + 1 == source.size()) {
                expanded += source[i];
                continue;
            }
            const char code = source[++i];
            if (code == '%') {
                expanded += '%';
            } else if (code == 'f' || code == 'u') {
                expanded += filePath;
                fileUsed = true;
            }  // other codes are dropped
        }
        command.arguments.push_back(std::move(expanded));
    }
    if (command.arguments.empty() || command.arguments.front().empty()) return std::nullopt;
    command.program = command.arguments.front();
    command.arguments.erase(command.arguments.begin());
    if (!fileUsed && !filePath.empty()) command.arguments.emplace_back(filePath);
    return command;
}

std::optional<ProgramCommand> desktopEntryCommand(const std::string& desktopFile,
                                                  std::string_view filePath,
                                                  const XdgEnvironment& xdg) {
    std::string exec;
    std::string tryExec;
    bool hidden = false;
    readIniFile(desktopFile,
                [&](const std::string& group, const std::string& key, const std::string& value) {
                    if (group != "Desktop Entry") return;
                    if (key == "Exec") exec = value;
                    if (key == "TryExec") tryExec = unescapeValue(value);
                    if (key == "Hidden") hidden = value == "true";
                });
    if (hidden || exec.empty()) return std::nullopt;
    if (!tryExec.empty() && resolveProgram(tryExec, xdg).empty()) return std::nullopt;
    auto command = parseExecLine(exec, filePath);
    if (!command) return std::nullopt;
    command->program = resolveProgram(command->program, xdg);
    if (command->program.empty()) return std::nullopt;
    return command;
}

std::optional<ProgramCommand> findViewerCommand(std::string_view filePath,
                                                const XdgEnvironment& xdg) {
    const std::string entry = defaultDesktopEntry(mimeTypeOf(filePath, xdg), xdg);
    if (entry.empty()) return std::nullopt;
    return desktopEntryCommand(entry, filePath, xdg);
}

std::string FindViewer(std::string_view filePath, int fallback, const XdgEnvironment& xdg) {
    const auto command = findViewerCommand(filePath, xdg);
    return command ? command->program : std::to_string(fallback);
}

}  // namespace textaria::platform
