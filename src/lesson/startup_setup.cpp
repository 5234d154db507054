#include "lesson/startup_setup.h"

#include <filesystem>

#include "lesson/archive.h"
#include "lesson/bundle.h"
#include "lesson/folders.h"
#include "lesson/scaling.h"

namespace textaria::lesson {

std::vector<std::string> setUpStartupState(StartupState& state, const std::string& tempFolder,
                                           const std::string& volumeProgram) {
    state.FullScreenMode = kFullScreenMode;
    std::error_code ec;
    state.StartFolder = std::filesystem::current_path(ec).string();
    auto folders = prepareStartupFolders(state.StartFolder, tempFolder, state.parameters);
    state.WorkFolder = folders.WorkFolder;
    state.workFolderUsable = folders.workFolderUsable;
    state.ProtocolFolder = folders.ProtocolFolder;
    state.volumeProgram = volumeProgram;
    state.facts = readProgramFileFacts(state.programPath);
    // The appended archive is unpacked only into a work folder of our own.
    if (state.facts.ArchiveAppended && state.workFolderUsable) state.facts.SelfContainedRun = true;
    return std::move(folders.messages);
}

void rememberRestoreSize(StartupState& state, int width, int height) {
    state.restoreWidth = width;
    state.restoreHeight = height;
}

bool takeFirstActivation(StartupState& state) {
    if (state.activated) return false;
    state.activated = true;
    return true;
}

void beginRescale(ScalingState& scaling) { scaling.inversePass = false; }

void finishRescale(ScalingState& scaling, double newK) {
    scaling.inversePass = true;
    scaling.ScaleFactorK = newK;
    scaling.FontDelta = fontDeltaFor(newK);
}

std::string unpackAppendedArchive(StartupState& state) {
    auto extracted = ExtractAppendedArchive(state.facts, state.WorkFolder);
    if (!extracted.error.empty() || !extracted.found) return extracted.error;
    state.appendedArchivePath = extracted.archivePath.string();
    state.selfContainedLesson = extracted.lessonName.string();
    // Members that cannot be written are missing later, when the lesson text is read.
    UnpackArchive(extracted.archivePath, state.WorkFolder);
    return {};
}

}  // namespace textaria::lesson
