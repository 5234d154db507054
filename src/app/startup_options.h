// The desktop program's command line: a few options of ours, and plain parameters that keep
// their old meaning (they name a file whose folder receives the test protocols).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace textaria::app {

struct StartupOptions {
    // Each option may also be written as one argument, e.g. --open=FILE.
    std::string openFile;                 // --open FILE: a lesson to load once the window is up
    std::string scriptFile;               // --script FILE: a script opened in the script editor
    std::string screenshotFile;           // --screenshot FILE: saved before quitting
    std::optional<int> quitAfterSeconds;  // --quit-after SECONDS
    std::vector<std::string> parameters;  // everything else, in order
    std::string error;                    // a malformed option; empty when all is well
};

// Reads the arguments after the program name.
StartupOptions parseStartupOptions(const std::vector<std::string>& arguments);

// The same arguments with the files they name (lesson, script, plain parameters) made
// absolute against `folder`: a second start hands them to a program running elsewhere.
std::vector<std::string> withAbsolutePaths(std::vector<std::string> arguments,
                                           const std::string& folder);

}  // namespace textaria::app
