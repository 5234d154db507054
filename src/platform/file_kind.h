// Inputs and outputs that are regular files only: a FIFO would block a reader forever, and a
// rename over a device or a folder would replace it.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace textaria::platform {

// Opens path for reading when it is a regular file (links followed), without ever waiting on a
// FIFO or a device. Returns nullptr with reason set otherwise (the system's reason, or
// texts::kNotRegularFile).
std::FILE* openRegularFile(const std::filesystem::path& path, std::string& reason);

// Empty when a new regular file may take path's place (nothing there, or a regular file);
// otherwise why not.
std::string replaceableOutputReason(const std::filesystem::path& path);

}  // namespace textaria::platform
