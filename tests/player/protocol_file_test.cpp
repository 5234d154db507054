#include "player/protocol_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "player/protocol_json.h"
#include "support/fake_user_dialogs.h"

namespace textaria::player {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class ProtocolFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("textaria-protocol-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all);
        fs::remove_all(folder);
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path folder;
};

// Letters given by the test, three per name.
LetterSource scripted(std::string letters) {
    return [letters = std::move(letters), i = std::size_t{0}]() mutable {
        return letters[i++ % letters.size()];
    };
}

const auto kBase = [](std::string_view letters) { return "T_" + std::string(letters) + "1"; };

TEST_F(ProtocolFileTest, WritesCodePage1252WithCrLfAfterEveryLineAndItsJsonTwin) {
    const auto files = writeProtocolFiles(folder.string(), kBase, {" ", "", "Größe: 5 €"}, "{}\n",
                                          scripted("abc"));
    ASSERT_FALSE(files.failure);
    EXPECT_EQ(files.textPath, (folder / "T_abc1.txt").string());
    EXPECT_EQ(files.jsonPath, (folder / "T_abc1.json").string());
    EXPECT_EQ(readBytes(files.textPath),
              " \r\n\r\nGr\xF6\xDF"
              "e: 5 \x80\r\n");
    EXPECT_EQ(readBytes(files.jsonPath), "{}\n");
    EXPECT_EQ(entries(), (std::vector<std::string>{"T_abc1.json", "T_abc1.txt"}));  // no leftovers
}

TEST_F(ProtocolFileTest, NeverOverwritesNewLettersAreDrawn) {
    std::ofstream(folder / "T_aaa1.txt") << "old";
    std::ofstream(folder / "T_bbb1.json") << "old twin";
    const auto files =
        writeProtocolFiles(folder.string(), kBase, {"new"}, "{}", scripted("aaabbbccc"));
    ASSERT_FALSE(files.failure);
    EXPECT_EQ(fs::path(files.textPath).filename(), "T_ccc1.txt");
    EXPECT_EQ(readBytes(folder / "T_aaa1.txt"), "old");
    EXPECT_EQ(readBytes(folder / "T_bbb1.json"), "old twin");
}

TEST_F(ProtocolFileTest, TwoProtocolsInTheSameSecondDiffer) {
    const auto letters = seededLetterSource(7);
    const auto first = writeProtocolFiles(folder.string(), kBase, {"1"}, "{}", letters);
    const auto second = writeProtocolFiles(folder.string(), kBase, {"2"}, "{}", letters);
    ASSERT_FALSE(first.failure);
    ASSERT_FALSE(second.failure);
    EXPECT_NE(first.textPath, second.textPath);
    // Even a source that repeats itself cannot make the second replace the first.
    const auto same =
        writeProtocolFiles(folder.string(), kBase, {"3"}, "{}", scripted("abcabcxyz"));
    const auto again =
        writeProtocolFiles(folder.string(), kBase, {"4"}, "{}", scripted("abcabcxyz"));
    EXPECT_EQ(fs::path(same.textPath).filename(), "T_abc1.txt");
    EXPECT_EQ(fs::path(again.textPath).filename(), "T_xyz1.txt");
    EXPECT_EQ(readBytes(same.textPath), "3\r\n");
}

TEST_F(ProtocolFileTest, AFailureIsReturnedNamingTheFileAndTheReason) {
    const auto missing =
        writeProtocolFiles((folder / "nicht-da").string(), kBase, {"x"}, "{}", scripted("abc"));
    ASSERT_TRUE(missing.failure);
    EXPECT_EQ(missing.failure->path, (folder / "nicht-da" / "T_abc1.txt").string());
    EXPECT_EQ(missing.failure->reason, "Der Ordner existiert nicht.");
    EXPECT_EQ(writeFailureMessage(*missing.failure),
              "Die Datei konnte nicht gespeichert werden:\r" + missing.failure->path +
                  "\rDer Ordner existiert nicht.");
    EXPECT_TRUE(missing.textPath.empty());

    testing::FakeUserDialogs dialogs;
    const auto reported =
        saveProtocol((folder / "nicht-da").string(), kBase, {"x"}, "{}", scripted("abc"), dialogs);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{writeFailureMessage(*reported.failure)});
    writeQuestionFileOnce((folder / "nicht-da").string(), "B.rtf", {"q"}, &dialogs);
    EXPECT_EQ(dialogs.messages().size(), 2u);
}

TEST_F(ProtocolFileTest, AFolderWithoutWriteRightsIsNamedAsSuch) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const auto locked = writeProtocolFiles(folder.string(), kBase, {"x"}, "{}", scripted("abc"));
    ASSERT_TRUE(locked.failure);
    EXPECT_EQ(locked.failure->reason, "Keine Schreibrechte im Ordner.");
}

TEST_F(ProtocolFileTest, QuestionFileIsWrittenOnce) {
    EXPECT_EQ(questionFileName("Fragen.Bogen.RTF"), "fragen_fragen.txt");
    EXPECT_EQ(questionFileName("ÄRGER.rsd"), "ärger_fragen.txt");
    const auto first = writeQuestionFileOnce(folder.string(), "Bogen.rtf", {"Frage eins", "Zwei"});
    EXPECT_TRUE(first.written);
    EXPECT_EQ(first.path, (folder / "bogen_fragen.txt").string());
    const auto second = writeQuestionFileOnce(folder.string(), "Bogen.rtf", {"anders"});
    EXPECT_FALSE(second.written);
    EXPECT_FALSE(second.failure);
    EXPECT_EQ(readBytes(first.path), "Frage eins\r\nZwei\r\n");
}

TEST(ProtocolJson, RecordOfATest) {
    ProtocolRecord r;
    r.lesson = "Mathe1.rtf";
    r.person = "Muster,\"Hans\"";
    r.date = "07.12.2026";
    r.time = "09:30:15";
    r.totalValues = 3;
    r.totalCorrect = 2;
    r.pages = {{1, "Plus", " Seite (1):  2 richtig von 3  (66.67%)", {"3", "4\\5", "x\ty"}}};
    EXPECT_EQ(protocolJson(r), R"json({
  "lesson": "Mathe1.rtf",
  "person": "Muster,\"Hans\"",
  "date": "07.12.2026",
  "time": "09:30:15",
  "status": "aborted",
  "totalCorrect": 2,
  "totalValues": 3,
  "percent": 66.67,
  "pages": [
    {
      "number": 1,
      "title": "Plus",
      "result": " Seite (1):  2 richtig von 3  (66.67%)",
      "answers": [
        "3",
        "4\\5",
        "x\ty"
      ]
    }
  ]
}
)json");
    EXPECT_EQ(jsonString("a\x01\xFF"), "\"a\\u0001\xEF\xBF\xBD\"");
}

}  // namespace
}  // namespace textaria::player
