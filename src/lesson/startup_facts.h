// What the program knows about its own file at start: its path and size, and whether a
// lesson archive has been appended to it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/scaling.h"

namespace textaria::lesson {

// The size of the program file of the build these numbers come from; used for files that are
// not ELF programs (and by tests). For our own ELF program the bare size is read from its
// headers, see bareProgramSize.
inline constexpr std::uint64_t kAppendedArchiveOffset = 1'171'968;
// An archive needs more than this many bytes beyond the bare program to be one.
inline constexpr std::uint64_t kArchiveMinimumExtra = 502;
inline constexpr std::uint64_t kArchiveThreshold = kAppendedArchiveOffset + kArchiveMinimumExtra;
inline constexpr std::string_view kDefaultArchiveName = "Ressource.rsd";

struct ProgramFileFacts {
    std::string ownPath;  // as given; the file system here is case-sensitive
    std::uint64_t ownSize = 0;
    std::uint64_t AppendedArchiveOffset = kAppendedArchiveOffset;
    bool ArchiveAppended = false;
    bool SelfContainedRun = false;
    std::string archiveName{kDefaultArchiveName};
    // The whole program file, kept only when it carries an archive, until that is written out.
    std::vector<char> programBytes;
    std::string error;  // why the file could not be read; empty when it could
};

// Built for a borderless window over the whole screen.
inline constexpr bool kFullScreenMode = true;

// The start-up group of the main window's state: folders, program-file facts and scaling.
// The program owns one for the whole run and hands it to the main window.
struct StartupState {
    // Given by the program before the main window is made.
    std::string programPath;
    std::vector<std::string> parameters;  // plain command-line parameters
    std::string openFile;                 // a lesson named with --open, not loaded yet

    // Set when the main window is made.
    bool FullScreenMode = kFullScreenMode;
    std::string StartFolder;
    std::string WorkFolder;
    bool workFolderUsable = true;  // a folder of our own; only then is it emptied at exit
    std::string ProtocolFolder;
    std::string volumeProgram;
    ProgramFileFacts facts;
    ScalingState scaling;
    int restoreWidth = 0;  // the window's size after the start-up scaling
    int restoreHeight = 0;
    bool activated = false;  // the first activation has run
    // The appended archive, written and unpacked into the work folder at the first activation,
    // and the lesson name its files are found by.
    std::string appendedArchivePath;
    std::string selfContainedLesson;
};

// Where the bare program ends: for an ELF file the end of its last section, segment or header
// table, so an archive appended by copying it behind the program is found without knowing
// the build's size in advance. Other files: kAppendedArchiveOffset.
std::uint64_t bareProgramSize(const std::vector<char>& head);
// The same for a little-endian ELF file only: nothing for any other file, a head too short for
// the ELF header, or headers whose offset plus size would pass 2^64.
std::optional<std::uint64_t> elfProgramSize(const std::vector<char>& head);

// Whether a program file of this size carries an archive behind the bare program.
bool carriesArchive(std::uint64_t fileSize, std::uint64_t bareSize);

// The archive's name in the work folder: the program file's name, lower case, up to its first
// "." followed by ".rsd".
std::string appendedArchiveName(std::string_view programPath);

// Reads the facts of the program file; the file's bytes are kept when it carries an archive.
ProgramFileFacts readProgramFileFacts(const std::string& programPath);

}  // namespace textaria::lesson
