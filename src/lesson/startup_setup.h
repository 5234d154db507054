// The main window's start-up steps on its StartupState, without the window: folders,
// program-file facts, rescaling and the appended archive. The window calls them in order and
// only applies what they decide.
#pragma once

#include <string>
#include <vector>

#include "lesson/startup_facts.h"

namespace textaria::lesson {

// Sets the folders (start folder = the current folder, read only), the volume program and the
// program file's facts. Returns the folder messages to show.
std::vector<std::string> setUpStartupState(StartupState& state, const std::string& tempFolder,
                                           const std::string& volumeProgram);

// The window's size once the start-up scaling has run: the size it goes back to when it
// leaves the full-screen form.
void rememberRestoreSize(StartupState& state, int width, int height);

// True once: the first activation of the main window.
bool takeFirstActivation(StartupState& state);

// A rescale undoes the current factor and then applies the new one: the window scales between
// the two calls.
void beginRescale(ScalingState& scaling);
void finishRescale(ScalingState& scaling, double newK);

// Writes the program's appended archive into the work folder and unpacks it there, and
// remembers where it lies. Returns the error to show; empty also when there is none.
std::string unpackAppendedArchive(StartupState& state);

}  // namespace textaria::lesson
