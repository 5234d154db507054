// System tools shared by the lesson player, the recorder, the calculator and the script
// editor: version text, temporary folder, text replacement, emptying the work folder, and
// finding the program the desktop opens a file with.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::platform {

// " SystemId. = <system>,  VersionsNr. = <major>.<minor> " of the running kernel.
std::string SystemVersionText();
std::string systemVersionText(std::string_view systemId, int major, int minor);

// The temporary folder ($TMPDIR, else /tmp) without trailing "/".
std::string TempFolder();
// The temporary folder with the old short folder names spelt out.
std::string LocalisedTempFolder();
std::string localisedFolderName(std::string folder);

// Marker characters of the two-step replacement: this module's and the lesson player's.
inline constexpr char kReplaceMarker = '\x03';
inline constexpr char kPlayerReplaceMarker = '\x01';

// Replaces every occurrence of search by replacement and returns how many there were.
// Found places are first marked with the marker character, then all markers are replaced,
// so a replacement may contain the search text. A marker already in the text is replaced too.
// Ignoring case compares ASCII and Latin-1 letters case-insensitively.
int ReplaceAll(std::string& text, std::string_view search, std::string_view replacement,
               bool ignoreCase, char marker = kReplaceMarker);

// Deletes every file in the folder except "worte.txt"; sub-folders and their contents stay.
// Returns the number of files deleted.
int EmptyFolder(std::string_view folder);

// The first of the names found as an executable in the folders of a PATH-like list.
std::string findOnPath(const std::vector<std::string>& names, std::string_view pathList);

// The desktop's mixer: the first installed of the usual volume control programs; empty
// when none is installed.
std::string VolumeProgramName();
std::string volumeProgramName(std::string_view pathList);

// Where the desktop keeps its MIME data and application entries.
struct XdgEnvironment {
    std::vector<std::string> configDirs;  // $XDG_CONFIG_HOME first, then $XDG_CONFIG_DIRS
    std::vector<std::string> dataDirs;    // $XDG_DATA_HOME first, then $XDG_DATA_DIRS
    std::string pathList;                 // $PATH
    std::string desktops;                 // $XDG_CURRENT_DESKTOP
    static XdgEnvironment fromSystem();
};

// A program and its arguments, ready to start without a shell.
struct ProgramCommand {
    std::string program;
    std::vector<std::string> arguments;
};

// The MIME type of a file by its name, from the desktop's glob table; empty when unknown.
std::string mimeTypeOf(std::string_view fileName, const XdgEnvironment& xdg);

// The desktop entry file that opens this MIME type by default; empty when none.
std::string defaultDesktopEntry(std::string_view mimeType, const XdgEnvironment& xdg);

// The command of a desktop entry's Exec line with the file put in for its field code.
std::optional<ProgramCommand> desktopEntryCommand(const std::string& desktopFile,
                                                  std::string_view filePath,
                                                  const XdgEnvironment& xdg);

// Splits an Exec value into program and arguments, with the file in place of %f/%u/%F/%U
// (appended when the line has no such code). Empty when the line is malformed.
std::optional<ProgramCommand> parseExecLine(std::string_view exec, std::string_view filePath);

// The command that opens the file with its associated program, if there is one.
std::optional<ProgramCommand> findViewerCommand(std::string_view filePath,
                                                const XdgEnvironment& xdg);

// The path of the associated program, or the fallback number as text when there is none.
std::string FindViewer(std::string_view filePath, int fallback, const XdgEnvironment& xdg);

}  // namespace textaria::platform
