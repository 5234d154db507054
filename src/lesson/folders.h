// The folders the program works in: the start folder, the work folder in the temporary
// folder, the protocol folder and the data tree chosen through tavconfig.txt.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::platform {
class UserDialogs;
}

namespace textaria::lesson {

inline constexpr std::string_view kWorkFolderName = "RSDDIR";
inline constexpr std::string_view kProtocolFolderName = "txDATA";
inline constexpr std::string_view kDataRootName = "TAVDATA";
inline constexpr std::string_view kStartFolderFile = "averz.stm";
inline constexpr std::string_view kConfigFile = "tavconfig.txt";

// The sub-folders of the data root, in the order they are created.
inline constexpr std::array<std::string_view, 9> kDataSubFolders = {
    "DATASYS",  "DATAPRO",  "DATASND", "DATACOPY",        "DATASHOW",
    "DATATEXT", "DATAMATH", "DATALOG", "DATASND/Language"};

// Removes the characters with codes up to 32 (blanks and control characters) at both ends.
std::string trimControls(std::string_view text);

// a + "/" + b; paths are held without a trailing "/".
std::string joinPath(std::string_view folder, std::string_view name);

// The path without one trailing "/" (the root "/" stays as it is).
std::string withoutTrailingSlash(std::string_view path);

// The folder part of a file path, without trailing "/"; empty when the path names no folder.
std::string folderPart(std::string_view path);

// Whether the path is a real folder (not a link) that belongs to the running user.
bool isOwnFolder(const std::string& folder);

// Makes a folder writable for its owner, if it exists. Errors are ignored.
void clearReadOnly(const std::string& folder);

struct WorkFolderSetup {
    std::string WorkFolder;
    std::string message;  // shown to the user when not empty; start-up continues anyway
    bool usable = true;   // false: missing, or not a folder of our own; never emptied
};

// The work folder "RSDDIR" in the temporary folder, or in the current folder when the
// temporary folder does not exist. Creates it when missing.
WorkFolderSetup prepareWorkFolder(std::string_view tempPath, std::string_view currentFolder);

// The protocol folder: "txDATA" in the work folder, or the folder of the file named by the
// plain command-line parameters (several parameters are a path split at its blanks).
// Creates it when missing; failure to do so is silent.
std::string prepareProtocolFolder(std::string_view workFolder,
                                  const std::vector<std::string>& parameters,
                                  std::string_view currentFolder);

// Writes "averz.stm" into the work folder: a 32-bit little-endian length, then the trimmed
// start folder. Returns false when the file could not be written.
bool writeStartFolderFile(std::string_view workFolder, std::string_view startFolder);

// The folders of the main window's creation, in their order: work folder, protocol folder,
// then "averz.stm". Messages are shown and start-up continues.
struct StartupFolders {
    std::string StartFolder;
    std::string WorkFolder;
    std::string ProtocolFolder;
    std::vector<std::string> messages;
    bool workFolderUsable = true;
};
StartupFolders prepareStartupFolders(std::string_view startFolder, std::string_view tempPath,
                                     const std::vector<std::string>& parameters);

// Where the data root set-up looks and what a drive letter stands for on this system.
struct DataRootEnvironment {
    std::string tempFolder;     // empty when the system reports none
    std::string programFolder;  // folder of the program file
    std::string letterBase;     // the folder a drive letter stands for (the user's home)
};

struct DataRootSetup {
    bool ok = false;
    std::string DataRoot;
    std::string message;  // on failure: shown, then the program ends
};

// Reads tavconfig.txt (asking the user when there is none and no temporary folder), then
// creates the data root and its sub-folders. Never writes tavconfig.txt.
DataRootSetup setUpDataRoot(const DataRootEnvironment& environment, platform::UserDialogs& dialogs);

// The line-drawing font's file in the data root's DATASYS folder.
inline constexpr std::string_view kLineDrawFontFile = "linedraw.ttf";

// Writes the line-drawing font (a copy of the given font file) into DATASYS; returns the
// written path, or empty when it could not be written.
std::string installLineDrawFont(std::string_view dataRoot, const std::string& sourceFont);

}  // namespace textaria::lesson
