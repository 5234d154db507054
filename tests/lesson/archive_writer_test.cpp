// The writer: the byte layout it produces, round trips through the reader, and refusals.
#include <gtest/gtest.h>

#include "archive_test_support.h"
#include "lesson/archive.h"

namespace textaria::lesson {
namespace {

using namespace testing;

std::uint64_t le64(const std::string& bytes, std::size_t at) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

TEST(ArchiveWriter, ProducesTheDocumentedLayout) {
    ScratchFolder folder;
    writeFile(folder / "archiv13.txt", "archiv13.txt\r\nberuf.rtf\r\n");
    writeFile(folder / "beruf.rtf", "{\\rtf1 Haus}");
    ASSERT_EQ(writeArchive(folder / "x.rsd", {{"archiv13.txt", folder / "archiv13.txt", "Liste"},
                                              {"Übung.rtf", folder / "beruf.rtf", ""}}),
              "");
    const std::string a = readFile(folder / "x.rsd");
    ASSERT_EQ(a.size(), kDir + 25 + 12);
    // Record 0: name, comment, size, position.
    EXPECT_EQ(a[0], 12);
    EXPECT_EQ(a.substr(1, 12), "archiv13.txt");
    EXPECT_EQ(a[33], 5);
    EXPECT_EQ(a.substr(34, 5), "Liste");
    EXPECT_EQ(le64(a, 218), 25u);
    EXPECT_EQ(le64(a, 226), kDir);
    // Record 1: the name in code page 1252, the data right after the first member.
    EXPECT_EQ(a.substr(234, 10), std::string("\x09\xDC"
                                             "bung.rtf"));
    EXPECT_EQ(le64(a, 234 + 218), 12u);
    EXPECT_EQ(le64(a, 234 + 226), kDir + 25);
    // Every other record up to the cut-off record 2872 is free: "0".
    for (std::size_t slot : {2u, 3u, 1000u, 2871u, 2872u}) {
        EXPECT_EQ(a[slot * 234], 1) << slot;
        EXPECT_EQ(a[slot * 234 + 1], '0') << slot;
    }
    EXPECT_EQ(a.substr(kDir), "archiv13.txt\r\nberuf.rtf\r\n{\\rtf1 Haus}");
}

TEST(ArchiveWriter, RoundTripsThroughTheReader) {
    ScratchFolder folder;
    std::vector<PackMember> members;
    const std::size_t sizes[] = {0, 17, 262'144, 300'000};
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        const std::string name = "teil " + std::to_string(i) + (i == 3 ? ".rsd" : ".dat");
        writeFile(folder / name, patternBytes(sizes[i], static_cast<unsigned>(i) + 10));
        members.push_back({name, folder / name, "Kommentar " + std::to_string(i)});
    }
    ASSERT_EQ(writeArchive(folder / "pack.rsd", members), "");

    const ArchiveDirectoryRead dir = readArchiveDirectory(folder / "pack.rsd");
    ASSERT_TRUE(dir.ok()) << dir.error;
    ASSERT_EQ(dir.records.size(), members.size());
    for (std::size_t i = 0; i < members.size(); ++i) {
        EXPECT_EQ(dir.records[i].slot, i);
        EXPECT_EQ(dir.records[i].name, members[i].name);
        EXPECT_EQ(dir.records[i].comment, members[i].comment);
        EXPECT_EQ(dir.records[i].size, static_cast<std::int64_t>(sizes[i]));
    }

    fs::create_directory(folder / "out");
    const UnpackResult result = UnpackArchive(folder / "pack.rsd", folder / "out");
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.NestedArchiveCount, 1);
    for (const PackMember& m : members)
        EXPECT_EQ(readFile(folder / "out" / m.name), readFile(m.source));
}

TEST(ArchiveWriter, HoldsExactlyAsManyMembersAsCompleteRecords) {
    ScratchFolder folder;
    writeFile(folder / "one", "1");
    std::vector<PackMember> members;
    for (std::size_t i = 0; i < kArchiveMaxMembers; ++i)
        members.push_back({"m" + std::to_string(i), folder / "one", ""});
    ASSERT_EQ(writeArchive(folder / "full.rsd", members), "");
    const ArchiveDirectoryRead dir = readArchiveDirectory(folder / "full.rsd");
    ASSERT_EQ(dir.records.size(), kArchiveMaxMembers);
    EXPECT_EQ(dir.records.back().name, "m2871");

    members.push_back({"one more", folder / "one", ""});
    EXPECT_NE(writeArchive(folder / "over.rsd", members), "");
    EXPECT_FALSE(fs::exists(folder / "over.rsd"));
}

TEST(ArchiveWriter, RefusesMembersItCannotStoreFaithfully) {
    ScratchFolder folder;
    writeFile(folder / "src", "data");
    writeFile(folder / "x.rsd", "previous archive");
    const std::string comment185(185, 'c');
    const std::vector<std::vector<PackMember>> cases = {
        {{"../up.txt", folder / "src", ""}},
        {{"a/b.txt", folder / "src", ""}},
        {{"C:x", folder / "src", ""}},
        {{"", folder / "src", ""}},
        {{"0", folder / "src", ""}},
        {{" lead.txt", folder / "src", ""}},
        {{"neun-und-zwanzig-zeichen-lang.txt", folder / "src", ""}},  // 33 characters
        {{"日本.txt", folder / "src", ""}},
        {{"a.txt", folder / "src", comment185}},
        {{"a.txt", folder / "src", ""}, {"a.txt", folder / "src", ""}},
        {{"a.txt", folder / "missing", ""}},
        {{"a.txt", folder.path(), ""}},
    };
    for (const auto& members : cases) {
        SCOPED_TRACE(members.front().name);
        const std::string error = writeArchive(folder / "x.rsd", members);
        EXPECT_NE(error, "");
        EXPECT_EQ(readFile(folder / "x.rsd"), "previous archive");
    }
    EXPECT_EQ(listTree(folder.path()), (std::vector<std::string>{"src", "x.rsd"}));
    // 32 characters still fit.
    EXPECT_EQ(writeArchive(folder / "x.rsd", {{std::string(28, 'n') + ".txt", folder / "src", ""}}),
              "");
}

TEST(ArchiveWriter, UnwritableOutputIsReported) {
    ScratchFolder folder;
    writeFile(folder / "src", "data");
    const std::string error =
        writeArchive(folder / "no" / "such" / "x.rsd", {{"a", folder / "src", ""}});
    EXPECT_NE(error.find("x.rsd"), std::string::npos) << error;
}

}  // namespace
}  // namespace textaria::lesson
