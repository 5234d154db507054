#include "app/external_programs.h"

namespace textaria::app {

std::string DesktopPrograms::openWithAssociatedProgram(const std::string& path) {
    const std::string viewer = viewer_.open(path);
    // Without a program of ours (none associated, or it would not start) there is nothing to
    // name or to end later.
    return viewer_.lastStarted() ? viewer : std::string{};
}

}  // namespace textaria::app
