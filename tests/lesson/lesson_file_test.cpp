#include "lesson/lesson_file.h"

#include <gtest/gtest.h>

#include <fstream>

namespace textaria::lesson {
namespace {

namespace fs = std::filesystem;

class LessonFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("textaria-lesson-file-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "src");
        fs::create_directories(root / "work");
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    fs::path root;
};

TEST_F(LessonFileTest, BaseNameEndsAtTheFirstPoint) {
    EXPECT_EQ(lessonBaseName("hafen.rtf"), "hafen");
    EXPECT_EQ(lessonBaseName("kurs.2024.rsd"), "kurs");
    EXPECT_EQ(lessonBaseName("ohne"), "ohne");
}

TEST(LessonTextMember, IsTheArchiveNameUpToItsFirstPointWithRtf) {
    struct Case {
        const char* archive;
        std::vector<std::string> members;
        const char* wanted;
        bool found;
        const char* others;
    };
    for (const Case& c : {
             Case{"tiere.rsd", {"bild.jpg", "tiere.rtf"}, "tiere.rtf", true, ""},
             Case{"tiere.rsd", {"TIERE.RTF"}, "tiere.rtf", true, ""},
             Case{"Tiere.v2.rsd", {"tiere.rtf"}, "Tiere.rtf", true, ""},
             Case{"neu.tiere.rsd", {"tiere.rtf"}, "neu.rtf", false, "tiere.rtf"},
             Case{"tiere.rsd",
                  {"meine.rtf", ".rtf", "zwei.RTF", "a.rtf.jpg"},
                  "tiere.rtf",
                  false,
                  "meine.rtf or zwei.RTF"},
             Case{"tiere.rsd", {}, "tiere.rtf", false, ""},
         }) {
        const LessonTextMember m = lessonTextMember(c.archive, c.members);
        EXPECT_EQ(m.wanted, c.wanted) << c.archive;
        EXPECT_EQ(m.found, c.found) << c.archive;
        EXPECT_EQ(m.othersText(), c.others) << c.archive;
    }
}

TEST_F(LessonFileTest, OpensAnRtfLessonWithItsFolder) {
    const auto file =
        write(root / "src" / "kurs.rtf", "{\\rtf1\\ansi #01, Eins\\par Das [Haus]\\par #00\\par}");
    const auto open = openLessonFile(file, root / "work");
    ASSERT_TRUE(open.ok) << open.error;
    EXPECT_EQ(open.lesson.plainText, "#01, Eins\r\nDas [Haus]\r\n#00\r\n");
    EXPECT_EQ(open.lesson.folder, root / "src");
    EXPECT_EQ(open.lesson.baseName, "kurs");
    EXPECT_FALSE(open.lesson.fromArchive);
}

TEST_F(LessonFileTest, UnpacksAnArchiveAndFindsItsTextWhateverTheCase) {
    write(root / "src" / "Kurs.RTF", "{\\rtf1 Text [a]\\par}");
    write(root / "src" / "bild.jpg", "jpeg");
    const auto archive = root / "src" / "kurs.rsd";
    ASSERT_EQ(writeArchive(archive, {{"Kurs.RTF", root / "src" / "Kurs.RTF", ""},
                                     {"bild.jpg", root / "src" / "bild.jpg", ""}}),
              "");
    const auto open = openLessonFile(archive, root / "work");
    ASSERT_TRUE(open.ok) << open.error;
    EXPECT_TRUE(open.lesson.fromArchive);
    EXPECT_EQ(open.lesson.folder, root / "work");
    EXPECT_EQ(open.lesson.plainText, "Text [a]\r\n");
    EXPECT_TRUE(fs::exists(root / "work" / "bild.jpg"));
    EXPECT_EQ(findCompanionFile(root / "work", "BILD.jpg"), root / "work" / "bild.jpg");
}

TEST_F(LessonFileTest, NamesTheFileAndTheReasonWhenItCannotOpen) {
    auto open = openLessonFile(root / "src" / "fehlt.rtf", root / "work");
    EXPECT_FALSE(open.ok);
    EXPECT_NE(open.error.find("fehlt.rtf"), std::string::npos);

    write(root / "src" / "bild.jpg", "jpeg");
    ASSERT_EQ(
        writeArchive(root / "src" / "leer.rsd", {{"bild.jpg", root / "src" / "bild.jpg", ""}}), "");
    open = openLessonFile(root / "src" / "leer.rsd", root / "work");
    EXPECT_FALSE(open.ok);
    EXPECT_NE(open.error.find("leer.rtf"), std::string::npos) << open.error;

    write(root / "src" / "kaputt.rsd", "zu kurz");
    open = openLessonFile(root / "src" / "kaputt.rsd", root / "work");
    EXPECT_FALSE(open.ok);
    EXPECT_NE(open.error.find("kaputt.rsd"), std::string::npos) << open.error;
}

}  // namespace
}  // namespace textaria::lesson
