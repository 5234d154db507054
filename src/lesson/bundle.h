// The self-contained lesson: a copy of the program with a lesson archive appended, which starts
// straight into that lesson.
//
// File layout: the bare program, then the archive unchanged up to the end of the file (member
// positions stay relative to the archive's start). The bare program's size is what its own ELF
// headers describe (see bareProgramSize), so nothing else has to be recorded and a plain
// "cat textaria lesson.rsd > lesson" works too. The program loader ignores bytes past the ELF
// image, so the program still runs. An archive must be longer than 502 bytes to count.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "lesson/startup_facts.h"

namespace textaria::lesson {

struct AppendedArchive {
    std::uint64_t offset = 0;  // also the size of the bare program
    std::uint64_t size = 0;
};

// The archive appended to a program file, if it carries one.
std::optional<AppendedArchive> findAppendedArchive(std::span<const char> programBytes);
std::optional<AppendedArchive> findAppendedArchive(const std::filesystem::path& program);

// The lesson name of a written archive: blanks, then the first "[...]" and the first "(...)"
// are removed from its file name, so "beruf (2)" and "beruf[neu]" both open the files of "beruf".
// Only the file name is changed: the folder may well contain blanks or brackets.
std::filesystem::path selfContainedLessonName(const std::filesystem::path& archivePath);

struct ExtractResult {
    bool found = false;  // the program carries an archive
    std::filesystem::path archivePath;
    std::filesystem::path lessonName;
    std::string error;  // the message to show before the program closes
};

// Writes the archive appended to program into workFolder under its archive name
// (appendedArchiveName), reading it from the file.
ExtractResult ExtractAppendedArchive(const std::filesystem::path& program,
                                     const std::filesystem::path& workFolder);

// The same from the copy of the program file read at start; releases that copy afterwards.
ExtractResult ExtractAppendedArchive(ProgramFileFacts& facts,
                                     const std::filesystem::path& workFolder);

// For the main window's first activation: writes the appended archive and unpacks it into
// workFolder. False with error set when the program's archive cannot be written or read.
bool extractAppendedArchive(const std::filesystem::path& programPath,
                            const std::filesystem::path& workFolder, std::string& error);

struct BundleResult {
    std::string error;    // empty on success
    std::string warning;  // e.g. the archive lacks the lesson text the output's name calls for
};

// Writes output = the bare program (without any archive it already carries) + archive, with
// the program's permissions. The output is replaced only when complete.
BundleResult bundleLesson(const std::filesystem::path& program,
                          const std::filesystem::path& archive,
                          const std::filesystem::path& output);

}  // namespace textaria::lesson
