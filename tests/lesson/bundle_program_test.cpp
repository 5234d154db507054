// The real desktop program with a lesson appended: started headless, it must unpack the lesson
// into its work folder by itself.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "archive_test_support.h"
#include "lesson/archive.h"
#include "lesson/bundle.h"

extern char** environ;

namespace textaria::lesson {
namespace {

using namespace testing;

TEST(BundledProgram, StartsIntoItsLesson) {
    const fs::path program = fs::path(TEXTARIA_BINARY_DIR) / "src" / "app" / "textaria";
    ASSERT_TRUE(fs::exists(program)) << program << " must be built first";
    ScratchFolder folder;
    writeFile(folder / "demo.rtf", "{\\rtf1\\ansi Ein [Haus] steht am See.\\par}");
    writeFile(folder / "demo_m.txt", "A=1\r\n");
    ASSERT_EQ(writeArchive(folder / "demo.rsd", {{"demo.rtf", folder / "demo.rtf", ""},
                                                 {"demo_m.txt", folder / "demo_m.txt", ""}}),
              "");
    ASSERT_EQ(bundleLesson(program, folder / "demo.rsd", folder / "demo").error, "");
    fs::create_directory(folder / "tmp");

    // A private temporary folder keeps the work folder (and the single-instance lock) ours.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("TMPDIR=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("TMPDIR=" + (folder / "tmp").string());
    env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = (folder / "demo").string(), quit = "--quit-after", seconds = "2";
    char* argv[] = {path.data(), quit.data(), seconds.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, envp.data()), 0);

    // The work folder is emptied at exit, so look while the program runs.
    const fs::path work = folder / "tmp" / "RSDDIR";
    bool unpacked = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int status = 0;
    bool exited = false;
    while (std::chrono::steady_clock::now() < deadline) {
        if (!unpacked && fs::exists(work / "demo.rtf") && fs::exists(work / "demo_m.txt"))
            unpacked = readFile(work / "demo.rtf") == readFile(folder / "demo.rtf");
        if (waitpid(pid, &status, WNOHANG) == pid) {
            exited = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!exited) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    EXPECT_TRUE(exited) << "the program did not quit by itself";
    EXPECT_TRUE(unpacked) << "the lesson was not unpacked into " << work;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace textaria::lesson
