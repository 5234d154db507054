// The self-contained lesson: recognising an appended archive, naming it, bundling and extracting.
#include "lesson/bundle.h"

#include <gtest/gtest.h>

#include "archive_test_support.h"
#include "lesson/archive.h"
#include "lesson/texts.h"

namespace textaria::lesson {
namespace {

using namespace testing;

// A small but real ELF64 file: header, one program header for the code, section table last.
std::string tinyElf() {
    std::string elf(4096, '\0');
    const auto put = [&](std::size_t at, std::uint64_t value, int width) {
        for (int i = 0; i < width; ++i) elf[at + i] = static_cast<char>(value >> (8 * i));
    };
    elf.replace(0, 4,
                "\x7F"
                "ELF");
    elf[4] = 2;          // 64-bit
    elf[5] = 1;          // little-endian
    put(0x20, 64, 8);    // program headers at 64
    put(0x28, 3072, 8);  // section headers at 3072
    put(0x36, 56, 2);
    put(0x38, 1, 2);
    put(0x3A, 64, 2);
    put(0x3C, 16, 2);      // 16 x 64 bytes: the table ends at 4096
    put(64 + 0x08, 0, 8);  // segment: offset 0, 2000 bytes
    put(64 + 0x20, 2000, 8);
    return elf;
}

TEST(Bundle, FindsAnArchiveOnlyPastTheBareProgram) {
    struct Case {
        const char* what;
        std::string bytes;
        bool found;
    };
    const std::string elf = tinyElf();
    const Case cases[] = {
        {"archive appended", elf + std::string(503, 'a'), true},
        {"bare program", elf, false},
        {"502 bytes are not an archive", elf + std::string(502, 'a'), false},
        {"truncated program", elf.substr(0, 3000), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto found = findAppendedArchive(std::span<const char>(c.bytes));
        ASSERT_EQ(found.has_value(), c.found);
        if (found) {
            EXPECT_EQ(found->offset, 4096u);
            EXPECT_EQ(found->size, 503u);
        }
    }
}

TEST(Bundle, LessonNameDropsBlanksAndTheFirstBrackets) {
    const std::pair<const char*, const char*> archiveNames[] = {
        {"/opt/Beruf.EXE", "beruf.rsd"},
        {"beruf", "beruf.rsd"},
        {"a.b.c", "a.rsd"},
        {"/x/.hidden", "Ressource.rsd"},
        {"/x/beruf (2).exe", "beruf (2).rsd"},
        {"Übung", "Übung.rsd"},
    };
    for (const auto& [program, name] : archiveNames)
        EXPECT_EQ(appendedArchiveName(program), name) << program;

    const std::pair<const char*, const char*> lessonNames[] = {
        {"/tmp/RSDDIR/beruf (2).rsd", "/tmp/RSDDIR/beruf.rsd"},
        {"/tmp/RSDDIR/beruf[neu].rsd", "/tmp/RSDDIR/beruf.rsd"},
        {"/tmp/RSDDIR/a [x] b [y].rsd", "/tmp/RSDDIR/ab[y].rsd"},
        {"/tmp/RSDDIR/b(1)(2).rsd", "/tmp/RSDDIR/b(2).rsd"},
        {"/tmp/RSDDIR/offen[.rsd", "/tmp/RSDDIR/offen[.rsd"},
        {"/home/my files/RSDDIR/kurs (1).rsd", "/home/my files/RSDDIR/kurs.rsd"},
    };
    for (const auto& [archive, lesson] : lessonNames)
        EXPECT_EQ(selfContainedLessonName(archive).string(), lesson) << archive;
}

class BundleFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFile(folder / "program", tinyElf());
        fs::permissions(folder / "program", fs::perms::owner_all);
        writeFile(folder / "kurs.rtf", "{\\rtf1 # 01, Start}");
        writeFile(folder / "bild.jpg", patternBytes(300'000, 2));
        ASSERT_EQ(writeArchive(folder / "kurs.rsd", {{"kurs.rtf", folder / "kurs.rtf", ""},
                                                     {"bild.jpg", folder / "bild.jpg", ""}}),
                  "");
        fs::create_directory(folder / "work");
    }
    ScratchFolder folder;
};

TEST_F(BundleFiles, BundlesExtractsAndUnpacks) {
    const BundleResult bundled =
        bundleLesson(folder / "program", folder / "kurs.rsd", folder / "Kurs");
    ASSERT_EQ(bundled.error, "");
    EXPECT_EQ(bundled.warning, "");
    const std::string out = readFile(folder / "Kurs");
    const std::string archive = readFile(folder / "kurs.rsd");
    EXPECT_EQ(out, readFile(folder / "program") + archive);
    EXPECT_NE(fs::status(folder / "Kurs").permissions() & fs::perms::owner_exec, fs::perms::none);

    const ExtractResult extracted = ExtractAppendedArchive(folder / "Kurs", folder / "work");
    EXPECT_TRUE(extracted.found);
    EXPECT_EQ(extracted.error, "");
    EXPECT_EQ(extracted.archivePath, folder / "work" / "kurs.rsd");
    EXPECT_EQ(extracted.lessonName, folder / "work" / "kurs.rsd");
    EXPECT_EQ(readFile(extracted.archivePath), archive);

    // The same from the program file as the start-up reads it into memory.
    fs::remove(extracted.archivePath);
    ProgramFileFacts facts = readProgramFileFacts((folder / "Kurs").string());
    ASSERT_TRUE(facts.ArchiveAppended);
    const ExtractResult fromMemory = ExtractAppendedArchive(facts, folder / "work");
    EXPECT_EQ(fromMemory.error, "");
    EXPECT_EQ(readFile(folder / "work" / "kurs.rsd"), archive);
    EXPECT_TRUE(facts.programBytes.empty());

    std::string error;
    fs::remove(extracted.archivePath);
    EXPECT_TRUE(extractAppendedArchive(folder / "Kurs", folder / "work", error)) << error;
    EXPECT_EQ(listTree(folder / "work"),
              (std::vector<std::string>{"bild.jpg", "kurs.rsd", "kurs.rtf"}));
    EXPECT_EQ(readFile(folder / "work" / "bild.jpg"), readFile(folder / "bild.jpg"));
}

TEST_F(BundleFiles, RebundlingReplacesTheLesson) {
    ASSERT_EQ(bundleLesson(folder / "program", folder / "kurs.rsd", folder / "first").error, "");
    ASSERT_EQ(writeArchive(folder / "zwei.rsd", {{"zwei.rtf", folder / "kurs.rtf", ""}}), "");
    const BundleResult again = bundleLesson(folder / "first", folder / "zwei.rsd", folder / "zwei");
    ASSERT_EQ(again.error, "");
    const std::string zwei = readFile(folder / "zwei.rsd");
    EXPECT_EQ(readFile(folder / "zwei"), readFile(folder / "program") + zwei);
}

TEST_F(BundleFiles, WarnsWhenTheLessonTextIsMissingAndRefusesNonArchives) {
    const BundleResult other =
        bundleLesson(folder / "program", folder / "kurs.rsd", folder / "beruf");
    EXPECT_EQ(other.error, "");
    EXPECT_NE(other.warning.find("beruf.rtf"), std::string::npos) << other.warning;

    const BundleResult notArchive =
        bundleLesson(folder / "program", folder / "kurs.rtf", folder / "kaputt");
    EXPECT_NE(notArchive.error.find("kurs.rtf"), std::string::npos) << notArchive.error;
    const BundleResult noProgram =
        bundleLesson(folder / "nix", folder / "kurs.rsd", folder / "kaputt");
    EXPECT_NE(noProgram.error.find("nix"), std::string::npos) << noProgram.error;
    EXPECT_FALSE(fs::exists(folder / "kaputt"));
}

// Offsets that wrap past 2^64 once made a "program" of a few hundred bytes.
TEST_F(BundleFiles, HeadersThatWrapAreNotAProgram) {
    const auto put = [](std::string& elf, std::size_t at, std::uint64_t value) {
        for (int i = 0; i < 8; ++i) elf[at + i] = static_cast<char>(value >> (8 * i));
    };
    std::string sections = tinyElf();
    put(sections, 0x28, ~std::uint64_t{0} - 100);  // section table offset
    std::string segment = tinyElf();
    put(segment, 64 + 0x08, ~std::uint64_t{0} - 1000);  // segment offset, size stays 2000
    for (const std::string& bytes : {sections, segment}) {
        writeFile(folder / "wrapped", bytes);
        const BundleResult result =
            bundleLesson(folder / "wrapped", folder / "kurs.rsd", folder / "kaputt");
        EXPECT_EQ(result.error,
                  texts::fillIn(texts::kBundleNotAProgram, {(folder / "wrapped").string()}));
        EXPECT_FALSE(fs::exists(folder / "kaputt"));
        EXPECT_FALSE(findAppendedArchive(std::span<const char>(bytes + std::string(600, 'a'))));
    }
}

TEST_F(BundleFiles, PlainProgramHasNothingToExtract) {
    std::string error;
    EXPECT_FALSE(ExtractAppendedArchive(folder / "program", folder / "work").found);
    EXPECT_TRUE(extractAppendedArchive(folder / "program", folder / "work", error));
    EXPECT_TRUE(fs::is_empty(folder / "work"));
}

TEST_F(BundleFiles, UnwritableWorkFolderIsASevereError) {
    ASSERT_EQ(bundleLesson(folder / "program", folder / "kurs.rsd", folder / "kurs").error, "");
    std::string error;
    EXPECT_FALSE(extractAppendedArchive(folder / "kurs", folder / "gone", error));
    EXPECT_EQ(error, texts::kAppendedArchiveWriteError);
}

}  // namespace
}  // namespace textaria::lesson
