// Programs started for the learner: the viewer of an external file (a film, a PDF) and the
// desktop's volume control. Each started process is kept, and ending ends exactly those
// processes, never others that happen to run the same program.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "platform/wtools_u.h"

class QProcess;

namespace textaria::platform {

// One program started by us, without a shell: arguments pass whole, whatever their length
// or content.
class ExternalProcess {
  public:
    ExternalProcess();
    ~ExternalProcess();
    ExternalProcess(const ExternalProcess&) = delete;
    ExternalProcess& operator=(const ExternalProcess&) = delete;

    // Starts the program; false when it could not be started.
    bool start(const ProgramCommand& command, const std::string& workingFolder = {});
    bool isRunning() const;
    // Asks the process to end, then forces it after a short grace time.
    void end();
    qint64 processId() const;

  private:
    std::unique_ptr<QProcess> process_;
};

class ExternalViewer {
  public:
    explicit ExternalViewer(XdgEnvironment xdg = XdgEnvironment::fromSystem());
    ~ExternalViewer();

    // Opens the file with its associated program. Returns the remembered viewer: the
    // program's path, or the fallback number as text when no program is associated (the
    // desktop is then asked to open the file, and nothing can be ended later).
    std::string open(const std::string& file, int fallback = 0);
    // Starts a given command as the viewer (also used by tests).
    std::string open(const ProgramCommand& command);

    // Ends every viewer started since the last call and forgets the viewer's name.
    void end();

    const std::string& viewer() const { return viewer_; }
    // Whether the last open started a program of ours.
    bool lastStarted() const { return lastStarted_; }
    std::size_t runningCount() const;

  private:
    XdgEnvironment xdg_;
    std::string viewer_;
    bool lastStarted_ = false;
    std::vector<std::unique_ptr<ExternalProcess>> processes_;
};

// The desktop's mixer, started and ended like a viewer.
class VolumeControl {
  public:
    // The program to start; by default the first mixer installed.
    explicit VolumeControl(std::string program = VolumeProgramName());

    // Starts the mixer, or ends it when it runs. False when there is nothing to start.
    bool toggle();
    void end();
    bool isRunning() const { return process_.isRunning(); }
    const std::string& program() const { return program_; }

  private:
    std::string program_;
    ExternalProcess process_;
};

}  // namespace textaria::platform
