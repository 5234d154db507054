#include "player/protocol_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "player/protocol_file.h"

namespace textaria::player {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

fs::path freshFolder(const std::string& name) {
    const auto folder =
        fs::temp_directory_path() / ("textaria-writer-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

TestOutcome testOutcome() {
    TestOutcome o;
    o.lessonFileName = "Mathe1.rtf";
    o.person = "Muster,Hans";
    o.when = {"07.12.2026", "09:30:15"};
    o.complete = true;
    o.totalValues = 5;
    o.totalCorrect = 3;
    o.pageCount = 3;
    o.pageResults = {" Seite (1):  3 richtig von 5  (60.00%)", ""};
    o.lastAnswers = {"7", ""};
    o.factorKeys = {"", ""};
    return o;
}

TEST(ProtocolWriter, SameClockAndSeedWriteTheSameFilesIntoFreshFolders) {
    std::vector<std::pair<std::string, std::string>> runs;
    for (const char* name : {"a", "b"}) {
        const auto folder = freshFolder(name);
        std::mt19937 random(11);
        const auto writer = makeProtocolWriter([&] { return ProtocolContext{folder.string()}; });
        const auto result = writer(testOutcome(), random);
        ASSERT_TRUE(result.errors.empty());
        ASSERT_EQ(result.written.size(), 2u);
        const fs::path text = result.written[0];
        EXPECT_TRUE(std::regex_match(text.filename().string(),
                                     std::regex("Mathe1_rtf_Muster_Hans_07_12_2026_09_30_15_"
                                                "[a-z]{3}1\\.txt")));
        EXPECT_EQ(fs::path(result.written[1]).filename(), text.stem().string() + ".json");
        EXPECT_EQ(result.lines[6], "      Der Test wurde vollständig ausgeführt!");
        EXPECT_EQ(readBytes(text), programTextBytes(result.lines));
        runs.emplace_back(text.filename(), readBytes(result.written[1]));
        // The same seed again into the same folder: the name is taken, others are drawn.
        std::mt19937 again(11);
        const auto second = writer(testOutcome(), again);
        EXPECT_NE(second.written[0], result.written[0]);
        fs::remove_all(folder);
    }
    EXPECT_EQ(runs[0], runs[1]);
}

TEST(ProtocolWriter, QuestionnaireWritesItsQuestionFileOnceAndReportsFailures) {
    const auto folder = freshFolder("q");
    TestOutcome o = testOutcome();
    o.lessonFileName = "Bogen.rtf";
    o.questionnaireLevels = 5;
    o.pageResults = {"?F1 Ruhig", "?F2 Laut"};
    o.lastAnswers = {"4", "1"};
    const auto writer = makeProtocolWriter([&] {
        return ProtocolContext{folder.string(), {{"1 Ruhig", "2 Laut"}, 2}, {"", "F1", "F2"}};
    });
    std::mt19937 random(3);
    const auto first = writer(o, random);
    ASSERT_EQ(first.written.size(), 3u);
    EXPECT_EQ(fs::path(first.written[0]).stem().string().back(), '5');
    EXPECT_EQ(first.lines[8], "     Punktesumme:   5 von   8");
    EXPECT_EQ(readBytes(folder / "bogen_fragen.txt"), "1 Ruhig\r\n2 Laut\r\n");
    const auto second = writer(o, random);
    EXPECT_EQ(second.written.size(), 2u);  // the question file stays as it was

    const auto broken =
        makeProtocolWriter([&] { return ProtocolContext{(folder / "x").string()}; });
    const auto failed = broken(o, random);
    EXPECT_TRUE(failed.written.empty());
    ASSERT_EQ(failed.errors.size(), 2u);  // protocol and question file
    EXPECT_NE(failed.errors[0].find("\rDer Ordner existiert nicht."), std::string::npos);
    EXPECT_FALSE(failed.lines.empty());  // still shown and printable
    fs::remove_all(folder);
}

}  // namespace
}  // namespace textaria::player
