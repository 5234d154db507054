#include "cli/temp_folder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace textaria::cli {

namespace {

namespace fs = std::filesystem;

// A signal handler can do almost nothing safely, so it only writes the signal's number into a
// pipe; a thread waiting on the pipe removes the live folders and then ends the process with
// that signal. The registry is process-wide by nature: signals are.
struct LiveFolders {
    std::mutex mutex;
    std::vector<fs::path> folders;
    int pipe[2] = {-1, -1};
};

LiveFolders& live() {
    static LiveFolders* folders = new LiveFolders;  // never destroyed: the thread outlives main
    return *folders;
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int signal) {
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const auto written = ::write(live().pipe[1], &byte, 1);
}

void removeAll(const fs::path& folder) {
    std::error_code ec;
    // The program may still be writing into it; a few rounds catch what appears meanwhile.
    for (int round = 0; round < 3 && fs::exists(folder, ec); ++round) fs::remove_all(folder, ec);
}

[[noreturn]] void cleanUpAfterSignal() {
    unsigned char byte = 0;
    while (::read(live().pipe[0], &byte, 1) != 1) {
    }
    {
        std::lock_guard lock(live().mutex);
        for (const fs::path& folder : live().folders) removeAll(folder);
        live().folders.clear();
        std::signal(byte, SIG_DFL);
    }
    ::raise(byte);
    ::_exit(128 + byte);
}

void installSignalCleanup() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (::pipe2(live().pipe, O_CLOEXEC) != 0) return;
        std::thread(cleanUpAfterSignal).detach();
        struct sigaction action {};
        action.sa_handler = onSignal;
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        for (const int signal : kSignals) {
            struct sigaction previous {};
            // A signal ignored by whoever started us (nohup) stays ignored.
            if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
                continue;
            ::sigaction(signal, &action, nullptr);
        }
    });
}

}  // namespace

TempFolder::TempFolder(const std::string& purpose) {
    installSignalCleanup();
    std::error_code ec;
    std::string pattern =
        (fs::temp_directory_path(ec) / ("textaria-" + purpose + "-XXXXXX")).string();
    std::lock_guard lock(live().mutex);
    if (!ec && ::mkdtemp(pattern.data())) {
        path_ = pattern;
        live().folders.push_back(path_);
    }
}

TempFolder::~TempFolder() {
    if (path_.empty()) return;
    std::lock_guard lock(live().mutex);
    auto& folders = live().folders;
    folders.erase(std::remove(folders.begin(), folders.end(), path_), folders.end());
    removeAll(path_);
}

}  // namespace textaria::cli
