#include "lesson/startup_facts.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace textaria::lesson {
namespace {

namespace fs = std::filesystem;

class ProgramFile : public ::testing::Test {
  protected:
    std::string path;
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "textaria-facts-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        path = folder_ + "/Beruf (2).bin";
    }
    void TearDown() override { fs::remove_all(folder_); }
    void writeBytes(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

  private:
    std::string folder_;
};

TEST_F(ProgramFile, ThresholdOfAPlainFile) {
    // Not an ELF program: the bare size is the build's recorded one.
    writeBytes(std::string(kArchiveThreshold, 'x'));
    auto facts = readProgramFileFacts(path);
    EXPECT_EQ(facts.ownSize, 1'172'470u);
    EXPECT_FALSE(facts.ArchiveAppended);
    EXPECT_TRUE(facts.programBytes.empty());

    writeBytes(std::string(kArchiveThreshold + 1, 'x'));
    facts = readProgramFileFacts(path);
    EXPECT_TRUE(facts.ArchiveAppended);
    EXPECT_EQ(facts.AppendedArchiveOffset, 1'171'968u);
    EXPECT_EQ(facts.programBytes.size(), kArchiveThreshold + 1);
}

TEST_F(ProgramFile, ArchiveBehindOurOwnProgram) {
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const auto selfSize = fs::file_size(self);
    fs::copy_file(self, path);
    auto facts = readProgramFileFacts(path);
    EXPECT_TRUE(facts.error.empty());
    EXPECT_EQ(facts.AppendedArchiveOffset, selfSize);
    EXPECT_FALSE(facts.ArchiveAppended);

    std::ofstream(path, std::ios::binary | std::ios::app) << std::string(503, 'A');
    facts = readProgramFileFacts(path);
    EXPECT_TRUE(facts.ArchiveAppended);
    ASSERT_EQ(facts.programBytes.size(), selfSize + 503);
    EXPECT_EQ(facts.programBytes[selfSize], 'A');
}

TEST_F(ProgramFile, TruncatedOrMissingFiles) {
    writeBytes(
        "\x7F"
        "ELF\x02\x01");  // header cut short
    EXPECT_FALSE(readProgramFileFacts(path).ArchiveAppended);
    const auto missing = readProgramFileFacts(path + ".gone");
    EXPECT_FALSE(missing.error.empty());
    EXPECT_FALSE(missing.ArchiveAppended);
}

TEST(StartupFacts, HostileElfHeaderStaysInBounds) {
    std::vector<char> head(64, '\0');
    const char magic[] = {0x7F, 'E', 'L', 'F', 2, 1};
    std::copy(std::begin(magic), std::end(magic), head.begin());
    for (int i = 0x20; i < 0x28; ++i) head[i] = '\xFF';  // program headers "far away"
    head[0x36] = 56;
    head[0x38] = '\xFF';
    EXPECT_GT(bareProgramSize(head), 0u);  // must not read outside the buffer
}

TEST(StartupFacts, ArchiveNames) {
    EXPECT_EQ(appendedArchiveName("/opt/Schule/BERUF.EXE"), "beruf.rsd");
    EXPECT_EQ(appendedArchiveName("/opt/beruf.lektion.bin"), "beruf.rsd");
    EXPECT_EQ(appendedArchiveName("/opt/beruf (2)"), "beruf (2).rsd");
    EXPECT_EQ(appendedArchiveName("/opt/.hidden"), "Ressource.rsd");
}

}  // namespace
}  // namespace textaria::lesson
