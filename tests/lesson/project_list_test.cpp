#include "lesson/project_list.h"

#include <gtest/gtest.h>

namespace textaria::lesson {
namespace {

using Kind = ListChoice::Kind;

TEST(ListPage, HasHeadingTitlesBlankLineAndRuleExceptInChildMode) {
    const std::vector<std::string> titles{"01, Einleitung", "02, Übung"};
    const auto normal = listPageParagraphs(titles, ListMode::Normal);
    ASSERT_EQ(normal.size(), 5u);
    EXPECT_EQ(normal[0].substr(0, 51), "   -----------------------------------------------\r");
    EXPECT_EQ(normal[1], "   01, Einleitung");
    EXPECT_EQ(normal[2], "   02, Übung");
    EXPECT_EQ(normal[3], "   ");
    EXPECT_EQ(normal[4], "   -----------------------------------------------");
    EXPECT_NE(listPageParagraphs(titles, ListMode::Test)[0].find("Testmodus"), std::string::npos);
    const auto child = listPageParagraphs(titles, ListMode::Child);
    ASSERT_EQ(child.size(), 2u) << "only the heading box and the blank line";
    EXPECT_NE(child[0].find("Ein Textaria-Lernprogramm"), std::string::npos);
}

TEST(ChooseFromList, ReadsTheTwoDigitPageNumberOfTheClickedLine) {
    const struct {
        const char* line;
        int pageCount;
        Kind kind;
        int page;
    } cases[] = {
        // clang-format off
        {"   01, Einleitung", 12, Kind::OpenPage, 1},
        {"   11, Schluss", 12, Kind::OpenPage, 11},
        {"   7 Bruchrechnen", 12, Kind::Nothing, 0},  // "7 " is no number
        {"   05, Test", 5, Kind::ShowListAgain, 0},  // five "#" lines: pages 1..4
        {"   05, Test", 6, Kind::OpenPage, 5},
        {"   00", 7, Kind::ShowListAgain, 0},
        {"   ------", 7, Kind::Nothing, 0},
        {"", 7, Kind::Nothing, 0},
        {"   Auswahl anzeigen", 7, Kind::Nothing, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        const auto choice = chooseFromList(c.line, c.pageCount, ListMode::Normal);
        EXPECT_EQ(choice.kind, c.kind) << c.line;
        EXPECT_EQ(choice.page, c.page) << c.line;
    }
    EXPECT_EQ(chooseFromList("   anything", 12, ListMode::Test).page, 1);
    EXPECT_EQ(chooseFromList("", 12, ListMode::Child).page, 1);
}

TEST(ProjectMenu, IsATextWithoutTitlesThatNamesUnpackedArchives) {
    EXPECT_TRUE(isProjectMenu("Projekte\r\nbruch.rsd\r\n", 2));
    EXPECT_TRUE(isProjectMenu("BRUCH.RSD", 1));
    EXPECT_FALSE(isProjectMenu("bruch.rsd", 0));
    EXPECT_FALSE(isProjectMenu("#01\r\nbruch.rsd", 2));
    EXPECT_FALSE(isProjectMenu("Nur Text", 2));
}

TEST(ProjectMenu, ArchiveNameRunsFromTheLineStartToTheFirstRsd) {
    EXPECT_EQ(projectArchiveName("  Bruch.rsd  Brüche üben"), "bruch.rsd");
    EXPECT_EQ(projectArchiveName("Projekt: bruch.rsd"), "projekt: bruch.rsd");
    EXPECT_EQ(projectArchiveName("Keine Datei"), std::nullopt);
    EXPECT_EQ(menuProjects("Auswahl\r\nbruch.rsd Brüche\r\n\r\nGEO.RSD\r\n"),
              (std::vector<std::string>{"bruch.rsd", "geo.rsd"}));
}

}  // namespace
}  // namespace textaria::lesson
