#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/wtools_u.h"

namespace textaria::platform {
namespace {

namespace fs = std::filesystem;

class TempTree {
  public:
    TempTree() {
        std::string pattern = (fs::temp_directory_path() / "textaria-wtools-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
    }
    ~TempTree() { fs::remove_all(root_); }
    std::string path(std::string_view relative) const {
        return root_ + "/" + std::string(relative);
    }
    std::string write(std::string_view relative, std::string_view content) const {
        const std::string p = path(relative);
        fs::create_directories(fs::path(p).parent_path());
        std::ofstream(p, std::ios::binary) << content;
        return p;
    }
    std::string program(std::string_view relative) const {
        const std::string p = write(relative, "#!/bin/sh\n");
        fs::permissions(p, fs::perms::owner_all);
        return p;
    }
    const std::string& root() const { return root_; }

  private:
    std::string root_;
};

TEST(ReplaceAll, Cases) {
    struct Case {
        std::string text, search, replacement;
        bool ignoreCase;
        std::string expected;
        int count;
    };
    const Case cases[] = {
        {"banana", "a", "aa", false, "baanaanaa", 3},
        {"banana", "A", "o", false, "banana", 0},
        {"banana", "A", "o", true, "bonono", 3},
        {"aaaa", "aa", "a", false, "aa", 2},
        {"Straße ÄRGER ärger", "ärger", "Freude", true, "Straße Freude Freude", 2},
        {"x\x03y", "q", "-", false, "x-y", 0},  // a marker in the text is replaced as well
        {"abc", "", "z", false, "abc", 0},
        {"", "a", "b", false, "", 0},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(ReplaceAll(text, c.search, c.replacement, c.ignoreCase), c.count) << c.text;
        EXPECT_EQ(text, c.expected) << c.text;
    }
    // The lesson player's copy marks with code 1 and leaves code 3 alone.
    std::string text = "a\x03\x01";
    EXPECT_EQ(ReplaceAll(text, "a", "b", false, kPlayerReplaceMarker), 1);
    EXPECT_EQ(text,
              "b\x03"
              "b");
    // A search text that holds the marker must not loop.
    text = "\x03\x03";
    EXPECT_EQ(ReplaceAll(text, "\x03", "z", false), 2);
    EXPECT_EQ(text, "zz");
}

TEST(TempFolder, LocalisedNames) {
    EXPECT_EQ(localisedFolderName("C:\\DOKUME~1\\Lehrer\\lokale~1\\Temp"),
              "C:\\Dokumente und Einstellungen\\Lehrer\\Lokale Einstellungen\\Temp");
    EXPECT_EQ(localisedFolderName("/tmp"), "/tmp");
    EXPECT_FALSE(TempFolder().empty());
    EXPECT_NE(TempFolder().back(), '/');
}

TEST(SystemVersion, Text) {
    EXPECT_EQ(systemVersionText("Linux", 6, 1), " SystemId. = Linux,  VersionsNr. = 6.1 ");
    EXPECT_TRUE(SystemVersionText().starts_with(" SystemId. = Linux,  VersionsNr. = "));
}

TEST(EmptyFolder, KeepsWordListAndSubFolders) {
    TempTree tree;
    tree.write("work/worte.txt", "x");
    tree.write("work/Worte.txt", "x");
    tree.write("work/beruf.rtf", "x");
    tree.write("work/.hidden", "x");
    tree.write("work/sub/inner.txt", "x");
    tree.write("elsewhere/keep.txt", "x");
    fs::create_directory_symlink(tree.path("elsewhere"), tree.path("work/link"));
    EXPECT_EQ(EmptyFolder(tree.path("work") + "/"), 4);
    EXPECT_TRUE(fs::exists(tree.path("work/worte.txt")));
    EXPECT_FALSE(fs::exists(tree.path("work/Worte.txt")));
    EXPECT_FALSE(fs::exists(tree.path("work/beruf.rtf")));
    EXPECT_FALSE(fs::exists(tree.path("work/link")));
    EXPECT_TRUE(fs::exists(tree.path("work/sub/inner.txt")));
    EXPECT_TRUE(fs::exists(tree.path("elsewhere/keep.txt")));
    EXPECT_EQ(EmptyFolder(tree.path("missing")), 0);
}

TEST(ProgramSearch, PathAndVolumeProgram) {
    TempTree tree;
    tree.program("b/kmix");
    tree.write("a/pavucontrol", "not executable");
    const std::string path = tree.path("a") + ":" + tree.path("b");
    EXPECT_EQ(findOnPath({"nothing", "kmix"}, path), tree.path("b/kmix"));
    EXPECT_EQ(volumeProgramName(path), tree.path("b/kmix"));
    EXPECT_EQ(volumeProgramName(tree.path("a")), "");
    EXPECT_EQ(findOnPath({"../b/kmix"}, path), "");
}

TEST(ExecLine, Parsing) {
    struct Case {
        std::string exec;
        std::vector<std::string> expected;  // program first; empty: malformed
    };
    const std::string file = "/tmp/RSDDIR/film 1.mp4";
    const Case cases[] = {
        {"vlc %U", {"vlc", file}},
        {"vlc", {"vlc", file}},
        {"viewer --open=%f --x", {"viewer", "--open=" + file, "--x"}},
        {"\"/opt/My Viewer/run\" %f", {"/opt/My Viewer/run", file}},
        {"sh -c \"echo \\\"$1\\\"\" %F", {"sh", "-c", "echo \"$1\"", file}},
        {"viewer %i %c %k 100%% %f", {"viewer", "100%", file}},
        {"viewer\\s--x %f", {"viewer", "--x", file}},  // \s is a blank like any other
        {"\"unclosed %f", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        const auto command = parseExecLine(c.exec, file);
        if (c.expected.empty()) {
            EXPECT_FALSE(command) << c.exec;
            continue;
        }
        ASSERT_TRUE(command) << c.exec;
        std::vector<std::string> got{command->program};
        got.insert(got.end(), command->arguments.begin(), command->arguments.end());
        EXPECT_EQ(got, c.expected) << c.exec;
    }
}

// A small desktop: MIME globs, three viewers, and the user's choices.
class Associations : public ::testing::Test {
  protected:
    TempTree tree;
    XdgEnvironment xdg;

    void SetUp() override {
        tree.write("data/mime/globs2",
                   "# comment\n50:video/mp4:*.mp4\n50:text/plain:*.txt\n"
                   "60:application/x-compressed-tar:*.tar.gz\n50:application/gzip:*.gz\n"
                   "50:text/x-c:*.C:cs\n50:image/jpeg:*.jpg\n");
        tree.program("bin/player");
        tree.program("bin/editor");
        tree.write("data/applications/player.desktop",
                   "[Desktop Entry]\nName=Player\nExec=player --fullscreen %U\n"
                   "MimeType=video/mp4;\n[Desktop Action x]\nExec=player --other\n");
        tree.write("data/applications/editor.desktop",
                   "[Desktop Entry]\nExec=editor %f\nMimeType=text/plain;video/mp4;\n");
        tree.write("data/applications/gone.desktop",
                   "[Desktop Entry]\nExec=not-installed %f\nMimeType=image/jpeg;\n");
        tree.write("data/applications/kde/imgview.desktop",
                   "[Desktop Entry]\nExec=editor --image %f\n");
        xdg.configDirs = {tree.path("config")};
        xdg.dataDirs = {tree.path("data")};
        xdg.pathList = tree.path("bin");
    }
};

TEST_F(Associations, MimeTypesByName) {
    EXPECT_EQ(mimeTypeOf("/x/FILM.MP4", xdg), "video/mp4");
    EXPECT_EQ(mimeTypeOf("a.tar.gz", xdg), "application/x-compressed-tar");
    EXPECT_EQ(mimeTypeOf("a.gz", xdg), "application/gzip");
    EXPECT_EQ(mimeTypeOf("main.C", xdg), "text/x-c");
    EXPECT_EQ(mimeTypeOf("main.c", xdg), "");  // that glob is case-sensitive
    EXPECT_EQ(mimeTypeOf("noextension", xdg), "");
}

TEST_F(Associations, DefaultsAndDeclaredTypes) {
    // Without a choice of the user: the entries that declare the type.
    auto command = findViewerCommand("/w/film.mp4", xdg);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->program, tree.path("bin/editor"));  // first by name

    tree.write(
        "config/mimeapps.list",
        "[Default Applications]\nvideo/mp4=missing.desktop;editor.desktop;\n"
        "image/jpeg=kde-imgview.desktop\n[Removed Associations]\ntext/plain=editor.desktop\n");
    command = findViewerCommand("/w/film.mp4", xdg);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->program, tree.path("bin/editor"));
    EXPECT_EQ(command->arguments, std::vector<std::string>{"/w/film.mp4"});

    command = findViewerCommand("/w/bild.jpg", xdg);  // found in a sub-folder of applications
    ASSERT_TRUE(command);
    EXPECT_EQ(command->arguments, (std::vector<std::string>{"--image", "/w/bild.jpg"}));

    EXPECT_FALSE(findViewerCommand("/w/notes.txt", xdg));  // removed by the user
    EXPECT_EQ(FindViewer("/w/notes.txt", 7, xdg), "7");
    EXPECT_EQ(FindViewer("/w/film.mp4", 7, xdg), tree.path("bin/editor"));
}

TEST_F(Associations, EntriesOfMissingProgramsAreSkipped) {
    tree.write("config/mimeapps.list", "[Default Applications]\nimage/jpeg=gone.desktop\n");
    EXPECT_EQ(defaultDesktopEntry("image/jpeg", xdg), "");
    tree.write("data/applications/hidden.desktop",
               "[Desktop Entry]\nExec=player %f\nHidden=true\nMimeType=image/jpeg;\n");
    EXPECT_EQ(defaultDesktopEntry("image/jpeg", xdg), "");
}

}  // namespace
}  // namespace textaria::platform
