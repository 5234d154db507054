#include "app/startup_options.h"

#include <gtest/gtest.h>

namespace textaria::app {
namespace {

TEST(StartupOptions, OptionsAndPlainParameters) {
    auto options = parseStartupOptions({"/D/Schule/Klasse", "--open", "/a/demo.rsd", "3a/test.rsd",
                                        "--quit-after", "6", "--screenshot", "/tmp/shot.png"});
    EXPECT_TRUE(options.error.empty());
    EXPECT_EQ(options.openFile, "/a/demo.rsd");
    EXPECT_EQ(options.screenshotFile, "/tmp/shot.png");
    EXPECT_EQ(options.quitAfterSeconds, 6);
    EXPECT_EQ(options.parameters, (std::vector<std::string>{"/D/Schule/Klasse", "3a/test.rsd"}));

    // The one-argument form, as the desktop entry passes a double-clicked file; started from
    // the menu the entry leaves an empty value.
    options = parseStartupOptions({"--open=/home/a b/x=y.rsd", "--quit-after=3", "--screenshot=s"});
    EXPECT_TRUE(options.error.empty());
    EXPECT_EQ(options.openFile, "/home/a b/x=y.rsd");
    EXPECT_EQ(options.quitAfterSeconds, 3);
    EXPECT_EQ(options.screenshotFile, "s");
    options = parseStartupOptions({"--open="});
    EXPECT_TRUE(options.error.empty());
    EXPECT_TRUE(options.openFile.empty());
    EXPECT_TRUE(options.parameters.empty());
    EXPECT_EQ(parseStartupOptions({"--opening=x"}).parameters,
              std::vector<std::string>{"--opening=x"});

    EXPECT_TRUE(parseStartupOptions({}).parameters.empty());
    EXPECT_FALSE(parseStartupOptions({}).quitAfterSeconds);
}

TEST(StartupOptions, MalformedOptions) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{{"--open"},
                                                                       {"--quit-after", "soon"},
                                                                       {"--quit-after", "-1"},
                                                                       {"--quit-after", "2x"},
                                                                       {"--quit-after="}})
        EXPECT_FALSE(parseStartupOptions(arguments).error.empty()) << arguments.front();
}

TEST(StartupOptions, FilesAreHandedOnAsAbsolutePaths) {
    const std::vector<std::string> given = {"--open",       "a/x.rsd",  "--script=s.txt",
                                            "--screenshot", "shot.png", "/abs/p.txt",
                                            "--open=",      "prot.txt"};
    const std::vector<std::string> expected = {
        "--open",     "/home/u/a/x.rsd", "--script=/home/u/s.txt", "--screenshot", "shot.png",
        "/abs/p.txt", "--open=",         "/home/u/prot.txt"};
    EXPECT_EQ(withAbsolutePaths(given, "/home/u"), expected);
}

}  // namespace
}  // namespace textaria::app
