// Unpacking: which members are written, what the unpack reports, and how broken or hostile
// archives are handled.
#include <gtest/gtest.h>

#include <random>

#include "archive_test_support.h"
#include "lesson/archive.h"

namespace textaria::lesson {
namespace {

using namespace testing;
using namespace std::string_literals;

TEST(ArchiveUnpack, NamesDecideWhatIsWrittenAndWhatIsReported) {
    struct Case {
        const char* name;
        bool written;
        bool nested;
        bool media;
    };
    const Case cases[] = {
        {"titelbild.jpg", false, false, false},
        {"titel.txt", true, false, false},
        {"bild.jpg", true, false, false},
        {"BACKGRAPH2.JPG", false, false, false},
        {"Haus_titel.jpeg", true, false, false},
        {"film.MP4", true, false, true},
        {"a.rsd", true, true, false},
        {"b.RSD", true, true, false},
        {"a.rsd.txt", true, false, false},
        {"rsd", true, false, false},
        {"info.pdf.txt", true, false, true},
        {"clip.flv", true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        RawArchive raw;
        raw.member(0, c.name, "content");
        raw.save(folder / "x.rsd");
        const UnpackResult result = UnpackArchive("x.rsd", folder.path());
        EXPECT_TRUE(result.complete());
        EXPECT_EQ(fs::exists(folder / c.name), c.written);
        EXPECT_EQ(result.NestedArchiveCount, c.nested ? 1 : 0);
        EXPECT_EQ(result.externalMedia, c.media);
        EXPECT_EQ(result.externalMediaName, c.media ? c.name : "");
    }
}

TEST(ArchiveUnpack, WalksAllSlotsInOrderPastFreeOnes) {
    ScratchFolder folder;
    RawArchive raw;
    raw.member(0, "archiv.txt", "archiv.txt\r\nbild.jpg\r\n");
    raw.freeRecord(1);
    raw.record(2, "   ", 5, kDir);                 // blank name: free, its size is ignored
    raw.member(7, " lesson.rtf  ", "{\\rtf1 x}");  // blanks around the name are trimmed
    raw.member(2000, "x.pdf", "1");
    raw.member(2871, "last.avi", "2");  // the last complete record
    raw.member(5, "a.rsd", "nested");
    raw.save(folder / "x.rsd");

    const UnpackResult result = UnpackArchive(folder / "x.rsd", folder.path());
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.written,
              (std::vector<std::string>{"archiv.txt", "a.rsd", "lesson.rtf", "x.pdf", "last.avi"}));
    EXPECT_EQ(readFile(folder / "lesson.rtf"), "{\\rtf1 x}");
    EXPECT_EQ(result.NestedArchiveCount, 1);
    EXPECT_EQ(result.externalMediaName, "last.avi");  // the last one wins
}

TEST(ArchiveUnpack, EmptyDirectoryWritesNothing) {
    ScratchFolder folder;
    RawArchive raw;
    for (std::size_t slot = 0; slot < 2872; ++slot) raw.freeRecord(slot);
    raw.save(folder / "leer.rsd");
    const UnpackResult result = UnpackArchive("leer.rsd", folder.path());
    EXPECT_TRUE(result.complete());
    EXPECT_TRUE(result.written.empty());
    EXPECT_EQ(result.NestedArchiveCount, 0);
    EXPECT_EQ(listTree(folder.path()), std::vector<std::string>{"leer.rsd"});
}

TEST(ArchiveUnpack, CopiesExactBytesAcrossBlockBoundaries) {
    ScratchFolder folder;
    RawArchive raw;
    const std::size_t sizes[] = {0, 1, 262'143, 262'144, 262'145, 2 * 262'144, 600'001};
    for (std::size_t i = 0; i < std::size(sizes); ++i)
        raw.member(i, "m" + std::to_string(i), patternBytes(sizes[i], static_cast<unsigned>(i)));
    raw.save(folder / "x.rsd");
    fs::create_directory(folder / "out");
    const UnpackResult result = UnpackArchive(folder / "x.rsd", folder / "out");
    EXPECT_TRUE(result.complete()) << result.copyError;
    for (std::size_t i = 0; i < std::size(sizes); ++i)
        EXPECT_EQ(readFile(folder / "out" / ("m" + std::to_string(i))),
                  patternBytes(sizes[i], static_cast<unsigned>(i)))
            << sizes[i];
}

TEST(ArchiveUnpack, PositionsUseTheLowThirtyTwoBitsAndMayOverlap) {
    ScratchFolder folder;
    RawArchive raw;
    raw.member(0, "a.txt", "shared bytes");
    raw.record(1, "b.txt", 6, (std::int64_t{7} << 32) + static_cast<std::int64_t>(kDir));
    raw.record(2, "c.txt", 5, static_cast<std::int64_t>(kDir) + 7);
    raw.save(folder / "x.rsd");
    const UnpackResult result = UnpackArchive("x.rsd", folder.path());
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(readFile(folder / "b.txt"), "shared");
    EXPECT_EQ(readFile(folder / "c.txt"), "bytes");
}

TEST(ArchiveUnpack, OverwritesExistingFilesAndReplacesPlantedLinks) {
    ScratchFolder folder;
    fs::create_directory(folder / "work");
    fs::create_directory(folder / "elsewhere");
    writeFile(folder / "work" / "lesson.rtf", "old text");
    writeFile(folder / "elsewhere" / "secret", "untouched");
    fs::create_symlink(folder / "elsewhere" / "secret", folder / "work" / "bild.jpg");
    RawArchive raw;
    raw.member(0, "lesson.rtf", "new text");
    raw.member(1, "bild.jpg", "picture");
    raw.save(folder / "work" / "x.rsd");

    EXPECT_TRUE(UnpackArchive("x.rsd", folder / "work").complete());
    EXPECT_EQ(readFile(folder / "work" / "lesson.rtf"), "new text");
    EXPECT_FALSE(fs::is_symlink(folder / "work" / "bild.jpg"));
    EXPECT_EQ(readFile(folder / "work" / "bild.jpg"), "picture");
    EXPECT_EQ(readFile(folder / "elsewhere" / "secret"), "untouched");
}

TEST(ArchiveUnpack, UnsafeNamesAreNeverWrittenNorCounted) {
    struct Case {
        std::string name;
        int lengthByte;
    };
    const Case cases[] = {
        {"../evil.txt", -1},  {"..\\evil.txt", -1}, {"/tmp/evil.txt", -1},
        {"sub/evil.txt", -1}, {"..", -1},           {".", -1},
        {"C:evil.txt", -1},   {"a:stream.pdf", -1}, {"tab\tname", -1},
        {"bell\x07", -1},     {"del\x7F", -1},      {"c1\x81.rsd", -1},
        {"nul\0x.mp4"s, 9},   {"long.txt", 40},     {"..\\..\\x.rsd", -1},
    };
    ScratchFolder folder;
    fs::create_directories(folder / "a" / "work");
    RawArchive raw;
    std::size_t slot = 0;
    for (const Case& c : cases) raw.member(slot++, c.name, "hostile", c.lengthByte);
    raw.member(slot++, "good.txt", "fine");
    raw.save(folder / "a" / "work" / "x.rsd");

    const UnpackResult result = UnpackArchive("x.rsd", folder / "a" / "work");
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.written, std::vector<std::string>{"good.txt"});
    ASSERT_EQ(result.refused.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(result.refused[i].slot, i);
        EXPECT_FALSE(result.refused[i].reason.empty());
    }
    EXPECT_EQ(result.NestedArchiveCount, 0);
    EXPECT_FALSE(result.externalMedia);
    EXPECT_EQ(listTree(folder.path()),
              (std::vector<std::string>{"a", "a/work", "a/work/good.txt", "a/work/x.rsd"}));
    EXPECT_FALSE(fs::exists("/tmp/evil.txt"));
}

TEST(ArchiveUnpack, RandomlyDamagedDirectoriesStayInsideTheTarget) {
    ScratchFolder folder;
    fs::create_directories(folder / "a" / "work");
    std::mt19937 random(20261209);
    const std::string alphabet("./\\:a\0\x81 ", 8);
    for (int round = 0; round < 100; ++round) {
        RawArchive raw;
        for (std::size_t slot = 0; slot < 4; ++slot)
            raw.member(slot, "m" + std::to_string(slot) + ".txt", patternBytes(300, round));
        for (int damage = 0; damage < 6; ++damage) {
            char* record = raw.bytes().data() + (random() % 5) * 234;
            const std::size_t at = random() % 4 == 0 ? 0 : random() % 234;
            record[at] = at > 0 && at < 33 ? alphabet[random() % alphabet.size()]
                                           : static_cast<char>(random());
        }
        raw.save(folder / "a" / "work" / "x.rsd");
        UnpackArchive("x.rsd", folder / "a" / "work");
        for (const std::string& entry : listTree(folder.path()))
            ASSERT_TRUE(entry == "a" || entry.rfind("a/work", 0) == 0) << entry;
        for (const auto& entry : fs::directory_iterator(folder / "a" / "work"))
            ASSERT_TRUE(entry.is_regular_file()) << entry.path();
    }
}

TEST(ArchiveUnpack, PlainNamesWithOddCharactersAreKept) {
    ScratchFolder folder;
    RawArchive raw;
    raw.member(0,
               "\xDC"
               "bung ..2.txt",
               "u");  // "Übung ..2.txt" in code page 1252
    raw.member(1, "...", "dots");
    raw.member(2, "-n", "dash");
    raw.save(folder / "x.rsd");
    const UnpackResult result = UnpackArchive("x.rsd", folder.path());
    EXPECT_TRUE(result.refused.empty());
    EXPECT_EQ(readFile(folder / "\xC3\x9C"
                                "bung ..2.txt"),
              "u");
    EXPECT_EQ(readFile(folder / "..."), "dots");
    EXPECT_EQ(readFile(folder / "-n"), "dash");
}

TEST(ArchiveUnpack, BrokenMemberStopsAndLeavesNoPartialFile) {
    const std::int64_t end = static_cast<std::int64_t>(kDir) + 4;  // file: directory + "good"
    struct Case {
        const char* what;
        std::int64_t size;
        std::int64_t position;
    };
    const Case cases[] = {
        {"runs past the end", 5, end - 1},
        {"starts past the end", 1, end + 100},
        {"absurd size", std::int64_t{1} << 62, static_cast<std::int64_t>(kDir)},
        {"negative size", -1, static_cast<std::int64_t>(kDir)},
        {"largest position", 1, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        RawArchive raw;
        raw.member(0, "first.txt", "good");
        raw.record(1, "broken.txt", c.size, c.position);
        raw.member(2, "later.txt", "");  // never reached
        raw.save(folder / "x.rsd");
        const UnpackResult result = UnpackArchive("x.rsd", folder.path());
        EXPECT_FALSE(result.complete());
        EXPECT_TRUE(result.error.empty());
        EXPECT_NE(result.copyError.find("broken.txt"), std::string::npos) << result.copyError;
        EXPECT_EQ(result.written, std::vector<std::string>{"first.txt"});
        EXPECT_EQ(listTree(folder.path()), (std::vector<std::string>{"first.txt", "x.rsd"}));
    }
}

TEST(ArchiveUnpack, UnreadableOrMissingArchiveWritesNothing) {
    ScratchFolder folder;
    const UnpackResult missing = UnpackArchive("nix.rsd", folder.path());
    EXPECT_TRUE(missing.archiveMissing);
    EXPECT_TRUE(missing.error.empty());

    RawArchive raw;
    raw.member(0, "a.txt", "x");
    raw.bytes().resize(kDir - 1);  // one byte short of a directory
    raw.save(folder / "short.rsd");
    const UnpackResult shortDir = UnpackArchive("short.rsd", folder.path());
    EXPECT_FALSE(shortDir.archiveMissing);
    EXPECT_NE(shortDir.error.find("short.rsd"), std::string::npos) << shortDir.error;
    EXPECT_NE(shortDir.error.find("672224"), std::string::npos) << shortDir.error;
    EXPECT_NE(shortDir.error.find("672223"), std::string::npos) << shortDir.error;

    fs::create_directory(folder / "dir.rsd");
    EXPECT_FALSE(UnpackArchive("dir.rsd", folder.path()).error.empty());
    EXPECT_EQ(listTree(folder.path()), (std::vector<std::string>{"dir.rsd", "short.rsd"}));
}

TEST(ArchiveUnpack, WriteFailureStopsWithAMessage) {
    ScratchFolder folder;
    fs::create_directory(folder / "work");
    fs::create_directory(folder / "work" / "b.txt");  // a folder where a member should go
    RawArchive raw;
    raw.member(0, "a.txt", "1");
    raw.member(1, "b.txt", "2");
    raw.member(2, "c.txt", "3");
    raw.save(folder / "x.rsd");
    const UnpackResult result = UnpackArchive(folder / "x.rsd", folder / "work");
    EXPECT_NE(result.copyError.find("b.txt"), std::string::npos) << result.copyError;
    EXPECT_EQ(listTree(folder / "work"), (std::vector<std::string>{"a.txt", "b.txt"}));
}

}  // namespace
}  // namespace textaria::lesson
