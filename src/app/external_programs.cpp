#include "app/external_programs.h"

namespace textaria::app {

std::string DesktopPrograms::openWithAssociatedProgram(const std::string& path) {
    const std::string viewer = viewer_.open(path);
    // A number instead of a path: no program is associated (the desktop was asked instead).
    if (viewer.empty() || viewer.find('/') == std::string::npos) return {};
    return viewer;
}

}  // namespace textaria::app
