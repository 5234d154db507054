#include "lesson/folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "lesson/texts.h"
#include "support/fake_user_dialogs.h"

namespace textaria::lesson {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "textaria-folders-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    std::string operator/(std::string_view name) const { return joinPath(path_, name); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

void writeFile(const std::string& path, std::string_view content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Folders, TrimRemovesControlsAndBlanksOnly) {
    EXPECT_EQ(trimControls("\t  c: \r\n"), "c:");
    EXPECT_EQ(trimControls(" \x01\x1f "), "");
    EXPECT_EQ(trimControls("a b"), "a b");
    EXPECT_EQ(trimControls("\xC3\xA4"), "\xC3\xA4");  // bytes above 127 are text, not blanks
}

TEST(Folders, FolderPartOfAPath) {
    EXPECT_EQ(folderPart("/a/b c/test.rsd"), "/a/b c");
    EXPECT_EQ(folderPart("/test.rsd"), "/");
    EXPECT_EQ(folderPart("test.rsd"), "");
}

TEST(Folders, WorkFolderInTempFolderIsCreated) {
    TempDir dir;
    const auto setup = prepareWorkFolder(dir.path() + "/", "/nonexistent");
    EXPECT_EQ(setup.WorkFolder, dir / "RSDDIR");
    EXPECT_TRUE(setup.message.empty());
    EXPECT_TRUE(fs::is_directory(setup.WorkFolder));
}

TEST(Folders, WorkFolderFallsBackToCurrentFolder) {
    TempDir dir;
    const auto setup = prepareWorkFolder(dir / "missing", dir.path());
    EXPECT_EQ(setup.WorkFolder, dir / "RSDDIR");
    EXPECT_TRUE(fs::is_directory(setup.WorkFolder));
}

TEST(Folders, WorkFolderErrorsAreReportedAndStartContinues) {
    TempDir dir;
    writeFile(dir / "RSDDIR", "a file in the way");
    EXPECT_EQ(prepareWorkFolder(dir.path(), "/").message, texts::kInternalError1);
    EXPECT_EQ(prepareWorkFolder(dir / "missing", dir.path()).message, texts::kExternalError1);
}

TEST(Folders, ForeignWorkFolderIsNotUsed) {
    TempDir dir;
    TempDir elsewhere;
    writeFile(elsewhere / "precious.txt", "keep me");
    fs::create_directory_symlink(elsewhere.path(), dir / "RSDDIR");
    const auto folders = prepareStartupFolders("/", dir.path(), {});
    EXPECT_FALSE(folders.workFolderUsable);
    EXPECT_EQ(folders.messages, std::vector<std::string>{texts::kInternalError1});
    EXPECT_FALSE(fs::exists(elsewhere / "averz.stm"));
    EXPECT_FALSE(isOwnFolder(dir / "RSDDIR"));
    EXPECT_TRUE(isOwnFolder(dir.path()));
}

TEST(Folders, WritesDoNotFollowPlantedLinks) {
    TempDir dir;
    TempDir elsewhere;
    writeFile(elsewhere / "precious.txt", "keep me");
    fs::create_symlink(elsewhere / "precious.txt", dir / "averz.stm");
    ASSERT_TRUE(writeStartFolderFile(dir.path(), "/start"));
    EXPECT_EQ(readFile(elsewhere / "precious.txt"), "keep me");
    EXPECT_FALSE(fs::is_symlink(dir / "averz.stm"));
    EXPECT_EQ(readFile(dir / "averz.stm").substr(4), "/start");
}

TEST(Folders, ProtocolFolderFromParameters) {
    TempDir dir;
    fs::create_directories(dir / "Schule/Klasse 3a");
    const std::string work = dir / "RSDDIR";
    struct Case {
        std::vector<std::string> parameters;
        std::string expected;
    };
    const Case cases[] = {
        {{}, work + "/txDATA"},
        {{dir / "Schule/test.rsd"}, dir / "Schule"},
        // A path with a blank that arrived as two parameters.
        {{dir / "Schule/Klasse", "3a/test.rsd"}, dir / "Schule/Klasse 3a"},
        {{"  " + (dir / "Schule/Klasse"), "3a/test.rsd  "}, dir / "Schule/Klasse 3a"},
        // Relative names are taken from the current folder.
        {{"test.rsd"}, dir.path()},
        {{"Schule/test.rsd"}, dir / "Schule"},
    };
    fs::create_directories(work);
    for (const auto& c : cases) {
        EXPECT_EQ(prepareProtocolFolder(work, c.parameters, dir.path()), c.expected);
        EXPECT_TRUE(fs::is_directory(c.expected)) << c.expected;
    }
}

TEST(Folders, StartFolderFileHoldsLengthAndTrimmedPath) {
    TempDir dir;
    ASSERT_TRUE(writeStartFolderFile(dir.path(), "  /home/lehrer/Unterricht \t"));
    const std::string content = readFile(dir / "averz.stm");
    EXPECT_EQ(content, std::string("\x17\0\0\0", 4) + "/home/lehrer/Unterricht");
    // Overwritten, not appended, at the next start.
    ASSERT_TRUE(writeStartFolderFile(dir.path(), "/"));
    EXPECT_EQ(readFile(dir / "averz.stm"), std::string("\x01\0\0\0/", 5));
    EXPECT_FALSE(writeStartFolderFile(dir / "missing", "/"));
}

TEST(Folders, StartupSequence) {
    TempDir dir;
    fs::create_directories(dir / "tmp");
    const auto folders = prepareStartupFolders(dir.path(), dir / "tmp/", {});
    EXPECT_EQ(folders.WorkFolder, dir / "tmp/RSDDIR");
    EXPECT_EQ(folders.ProtocolFolder, dir / "tmp/RSDDIR/txDATA");
    EXPECT_TRUE(folders.messages.empty());
    EXPECT_TRUE(fs::is_directory(folders.ProtocolFolder));
    EXPECT_EQ(readFile(dir / "tmp/RSDDIR/averz.stm").substr(4), dir.path());
}

// The data root set-up with a temporary folder, a program folder and a "drive" folder.
class DataRoot : public ::testing::Test {
  protected:
    TempDir dir;
    testing::FakeUserDialogs dialogs;
    DataRootEnvironment environment;

    void SetUp() override {
        fs::create_directories(dir / "tmp");
        fs::create_directories(dir / "prog");
        fs::create_directories(dir / "home");
        environment = {dir / "tmp", dir / "prog", dir / "home"};
    }
    void configure(std::string_view firstLines) {
        writeFile(dir / "tmp/tavconfig.txt", firstLines);
    }
};

TEST_F(DataRoot, ConfigurationAnswers) {
    struct Case {
        std::string config;
        std::string expectedRoot;  // empty: fails with the message
        std::string message;
    };
    const Case cases[] = {
        {"?\r\nanything else", "tmp/TAVDATA", ""}, {"  c \n", "home/TAVDATA", ""},
        {"\xEF\xBB\xBF?\r\n", "tmp/TAVDATA", ""},  {"w\r\n", "", texts::kFolderError3},
        {"cd\r\n", "", texts::kFolderError2},      {"", "", texts::kFolderError3},
        {"\r\n?", "", texts::kFolderError3},       {"1", "", texts::kFolderError3},
        {"\xC3\xA4", "", texts::kFolderError3},  // one letter, though two bytes
        {"\xC3\xA4x", "", texts::kFolderError2},
    };
    for (const auto& c : cases) {
        configure(c.config);
        const auto setup = setUpDataRoot(environment, dialogs);
        SCOPED_TRACE(c.config);
        if (c.expectedRoot.empty()) {
            EXPECT_FALSE(setup.ok);
            EXPECT_EQ(setup.message, c.message);
        } else {
            EXPECT_TRUE(setup.ok) << setup.message;
            EXPECT_EQ(setup.DataRoot, dir / c.expectedRoot);
        }
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DataRoot, CreatesTheNineSubFolders) {
    const auto setup = setUpDataRoot(environment, dialogs);  // no configuration: temp folder
    ASSERT_TRUE(setup.ok) << setup.message;
    EXPECT_EQ(setup.DataRoot, dir / "tmp/TAVDATA");
    for (const char* sub : {"DATASYS", "DATAPRO", "DATASND", "DATACOPY", "DATASHOW", "DATATEXT",
                            "DATAMATH", "DATALOG", "DATASND/Language"})
        EXPECT_TRUE(fs::is_directory(setup.DataRoot + "/" + sub)) << sub;
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(fs::exists(dir / "tmp/tavconfig.txt"));  // never written
}

TEST_F(DataRoot, WithoutTempFolderAsksForTheDrive) {
    environment.tempFolder = dir / "gone";
    dialogs.inputAnswers = {std::string(" d ")};
    const auto setup = setUpDataRoot(environment, dialogs);
    ASSERT_TRUE(setup.ok) << setup.message;
    EXPECT_EQ(setup.DataRoot, dir / "home/TAVDATA");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, texts::kDataDriveTitle);
    EXPECT_EQ(dialogs.shown[0].defaultText, "C");

    // Cancelling the box takes its default.
    EXPECT_TRUE(setUpDataRoot(environment, dialogs).ok);

    // Without a temporary folder the configuration is looked up beside the program.
    writeFile(dir / "prog/tavconfig.txt", "?\r\n");
    EXPECT_EQ(setUpDataRoot(environment, dialogs).message, texts::kFolderError5);
    environment.tempFolder.clear();
    EXPECT_EQ(setUpDataRoot(environment, dialogs).message, texts::kFolderError4);
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(DataRoot, LineDrawFontGoesIntoDataSys) {
    const auto setup = setUpDataRoot(environment, dialogs);
    ASSERT_TRUE(setup.ok);
    writeFile(dir / "font.ttf", "glyphs");
    EXPECT_EQ(installLineDrawFont(setup.DataRoot, dir / "font.ttf"),
              setup.DataRoot + "/DATASYS/linedraw.ttf");
    EXPECT_EQ(readFile(setup.DataRoot + "/DATASYS/linedraw.ttf"), "glyphs");
    EXPECT_EQ(installLineDrawFont(setup.DataRoot, dir / "missing.ttf"), "");
    EXPECT_EQ(readFile(setup.DataRoot + "/DATASYS/linedraw.ttf"), "glyphs");  // left intact
}

TEST_F(DataRoot, MissingDriveFolder) {
    environment.letterBase = dir / "nowhere";
    configure("x");
    EXPECT_EQ(setUpDataRoot(environment, dialogs).message, texts::kFolderError5);
}

TEST_F(DataRoot, UnreadableConfiguration) {
    fs::create_directories(dir / "tmp/tavconfig.txt");  // a folder cannot be read as a file
    EXPECT_EQ(setUpDataRoot(environment, dialogs).message, texts::kFolderError1);
}

TEST_F(DataRoot, FolderThatCannotBeCreated) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    configure("c");
    fs::permissions(dir / "home", fs::perms::owner_read | fs::perms::owner_exec);
    const std::string root = dir / "home/TAVDATA";
    EXPECT_EQ(setUpDataRoot(environment, dialogs).message,
              std::string("Abbruch: Ordner \r") + root + "\rNICHT angelegt !");
}

TEST_F(DataRoot, SubFolderInTheWay) {
    fs::create_directories(dir / "tmp/TAVDATA");
    writeFile(dir / "tmp/TAVDATA/DATASHOW", "not a folder");
    const auto setup = setUpDataRoot(environment, dialogs);
    EXPECT_FALSE(setup.ok);
    EXPECT_EQ(setup.message, "Abbruch: Ordner \r" + (dir / "tmp/TAVDATA") + "\rNICHT angelegt !");
    EXPECT_TRUE(fs::is_directory(dir / "tmp/TAVDATA/DATACOPY"));  // the ones before it exist
    EXPECT_FALSE(fs::exists(dir / "tmp/TAVDATA/DATATEXT"));
}

}  // namespace
}  // namespace textaria::lesson
