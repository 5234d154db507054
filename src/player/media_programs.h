// Programs outside ours that the lesson player starts and ends again: the viewer the desktop
// associates with a video or document, and the desktop's volume control.
#pragma once

#include <string>

namespace textaria::player {

class ExternalPrograms {
  public:
    virtual ~ExternalPrograms() = default;

    // Opens the file with the program the desktop associates with it. Returns that program's
    // name, or an empty text when no program could be found or started.
    virtual std::string openWithAssociatedProgram(const std::string& path) = 0;

    // Ends every viewer started by openWithAssociatedProgram since the last call, and only
    // those: other windows of the same program stay.
    virtual void endExternalViewer() = 0;

    // Starts the volume control, or ends it when it is running.
    virtual void toggleVolumeControl() = 0;
    // Ends the volume control if it is running.
    virtual void endVolumeControl() = 0;
};

}  // namespace textaria::player
