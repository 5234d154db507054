#include "player/test_protocol.h"

#include <gtest/gtest.h>

#include "player/protocol_json.h"
#include "support/fake_user_dialogs.h"

namespace textaria::player {
namespace {

const ProtocolStamp kStamp{7, 12, 2026, 9, 30, 15};

TEST(TestProtocol, TextOfAnAbortedTestLineByLine) {
    TestProtocolInput in;
    in.lessonFileName = "Mathe1.rtf";
    in.person = "Müller,Hans";
    in.stamp = kStamp;
    in.currentPage = 3;
    in.pageCount = 5;  // pages 1..4
    in.totalValues = 10;
    in.totalCorrect = 3;
    in.pageResults = {"", " Seite (1):  0 richtig von 5  (0.00%)", "",
                      " Seite (3):  3 richtig von 5  (60.00%)"};
    const std::vector<std::string> expected = {
        " ",
        "",
        "      Testname  :  Mathe1.rtf",
        "      Testdatum :  07.12.2026 - 09:30:15",
        "      Testperson:  Müller,Hans",
        "",
        "      Der Test wurde abgebrochen!",
        "",
        "      Resultat:     3 von  10 richtig (30.00%)",
        "      Seite (1):  0 richtig von 5  (0.00%)",
        "     ",
        "      Seite (3):  3 richtig von 5  (60.00%)",
        "     ",  // page 4: never evaluated, and beyond the stored results
    };
    EXPECT_EQ(testProtocolLines(in), expected);

    in.pageTitles = {"", "Plus", "Minus"};
    in.pageAnswers = {{}, {"1", "2"}};
    const auto record = testProtocolRecord(in);
    EXPECT_FALSE(record.complete);
    ASSERT_EQ(record.pages.size(), 4u);
    EXPECT_EQ(record.pages[0].title, "Plus");
    EXPECT_EQ(record.pages[0].answers, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(record.pages[2].resultLine, " Seite (3):  3 richtig von 5  (60.00%)");
    EXPECT_TRUE(record.pages[3].title.empty());
}

TEST(TestProtocol, StatusAndTotalsAtTheEdges) {
    EXPECT_EQ(testStatusText(3, 11), "Der Test wurde abgebrochen!");
    EXPECT_EQ(testStatusText(10, 11), "Der Test wurde vollständig ausgeführt!");
    TestProtocolInput in;
    in.pageCount = 1;
    EXPECT_EQ(testProtocolLines(in)[8], "      Resultat:     0 von   0 richtig (0.00%)");
    EXPECT_EQ(totalPercentText(2, 3), "66.67");
    EXPECT_EQ(totalPercentText(7, 7), "100.00");
    EXPECT_EQ(width3(1234), "1234");
}

TEST(PersonName, AcceptedOnlyWithAnInnerComma) {
    const struct {
        const char* typed;
        const char* compacted;
        bool accepted;
    } cases[] = {
        {"Muster , Hans", "Muster,Hans", true},
        {",Hans", ",Hans", false},
        {"Muster,", "Muster,", false},
        {"Muster Hans", "MusterHans", false},
        {" a ,, b\t", "a,,b", true},
        {",", ",", false},
        {" , x", ",x", false},
        {"x ,", "x,", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(compactPersonName(c.typed), c.compacted) << c.typed;
        EXPECT_EQ(personNameAccepted(compactPersonName(c.typed)), c.accepted) << c.typed;
    }
}

TEST(PersonName, AskedAgainUntilAcceptedAndCancelGivesTheDefault) {
    testing::FakeUserDialogs dialogs;
    dialogs.inputAnswers = {",Hans", "Muster Hans", "Muster , Hans"};
    EXPECT_EQ(askPersonName(dialogs), "Muster,Hans");
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].caption, "Testprojekt");
    EXPECT_EQ(dialogs.shown[0].text, " Familienname , Vorname eingeben ");
    EXPECT_EQ(dialogs.shown[0].defaultText, "xxx, yyy");
    EXPECT_TRUE(dialogs.messages().empty());  // asked again without a message

    testing::FakeUserDialogs cancelling;
    cancelling.inputAnswers = {std::nullopt};
    EXPECT_EQ(askPersonName(cancelling), "xxx,yyy");
}

TEST(ProtocolName, BuiltFromLessonPersonStampAndLetters) {
    EXPECT_EQ(protocolBaseName("Mathe1.rtf", "Muster,Hans", kStamp, "kqz", '1'),
              "Mathe1_rtf_Muster_Hans_07_12_2026_09_30_15_kqz1");
    // Nothing in a name may leave the protocol folder or break the file system.
    const std::string hostile =
        protocolBaseName("T.rtf", "../../etc/x,\x01y\\z:*?\"<>|\xC3/\xC2\x85", kStamp, "abc", '5');
    EXPECT_EQ(hostile, "T_rtf_______etc_x__y_z___________07_12_2026_09_30_15_abc5");
    // Umlauts stay; a very long name is cut on a character boundary.
    std::string longName = "Ä";
    for (int i = 0; i < 100; ++i) longName += "ö";
    const std::string cut = fileNameSafe(longName + ",x", 60);
    EXPECT_EQ(cut.size(), 60u);
    EXPECT_EQ(cut.substr(0, 4), "Äö");
}

TEST(ProtocolStamp, ParsesOnlyTheFixedClockForm) {
    const auto t = ProtocolStamp::parse("07.12.2026 09:30:15");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->date(), "07.12.2026");
    EXPECT_EQ(t->time(), "09:30:15");
    for (const char* bad : {"7.12.2026 09:30:15", "07/12/2026 09:30:15", "32.12.2026 09:30:15",
                            "07.13.2026 09:30:15", "07.12.2026 24:00:00", "07.12.2026 09:30",
                            "07.12.2026T09:30:15", "0a.12.2026 09:30:15", ""})
        EXPECT_FALSE(ProtocolStamp::parse(bad)) << bad;
}

TEST(LetterSource, SameSeedSameLettersAllInRange) {
    auto a = seededLetterSource(42), b = seededLetterSource(42), c = seededLetterSource(43);
    std::string sa, sb, sc;
    for (int i = 0; i < 300; ++i) {
        sa += a();
        sb += b();
        sc += c();
    }
    EXPECT_EQ(sa, sb);
    EXPECT_NE(sa, sc);
    for (const char ch : sa) EXPECT_TRUE(ch >= 'a' && ch <= 'z');
    for (char ch = 'a'; ch <= 'z'; ++ch) EXPECT_NE(sa.find(ch), std::string::npos) << ch;
}

}  // namespace
}  // namespace textaria::player
