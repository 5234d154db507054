// The player's external programs served by the platform's viewer and volume control.
#pragma once

#include "platform/ui/external_viewer.h"
#include "player/media_programs.h"

namespace textaria::app {

class DesktopPrograms : public player::ExternalPrograms {
  public:
    DesktopPrograms(platform::ExternalViewer& viewer, platform::VolumeControl& volume)
        : viewer_(viewer), volume_(volume) {}

    std::string openWithAssociatedProgram(const std::string& path) override;
    void endExternalViewer() override { viewer_.end(); }
    void toggleVolumeControl() override { volume_.toggle(); }
    void endVolumeControl() override { volume_.end(); }

  private:
    platform::ExternalViewer& viewer_;
    platform::VolumeControl& volume_;
};

}  // namespace textaria::app
