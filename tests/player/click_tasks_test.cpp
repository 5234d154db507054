#include "player/click_tasks.h"

#include <gtest/gtest.h>

namespace textaria::player {
namespace {

// The text a click at the first occurrence of `at` (plus `offset` bytes) picks; "-" for none.
std::string pickedAt(std::string_view line, std::string_view at, std::size_t offset = 0) {
    const std::size_t column = line.find(at);
    EXPECT_NE(column, std::string_view::npos) << at;
    const auto r = pickWordAt(line, column + offset);
    return r ? std::string(line.substr(r->begin, r->end - r->begin)) : "-";
}

TEST(ClickPick, WordUnderTheClick) {
    struct Case {
        std::string_view line, at;
        std::size_t offset;
        std::string picked;
    } cases[] = {
        {"((Haus, Baum, Hund))", "Baum", 2, "Baum"},
        {"((grüner Hund, Katze))", "grüner", 0, "grüner Hund"},  // blanks join a phrase
        {"((grüner Hund, Katze))", "Hund", 3, "grüner Hund"},
        {"((grüner Hund, Katze))", "ü", 0, "grüner Hund"},  // on a two-byte character
        {"Wähle: ((Äpfel; Öl. Über))", "Öl", 0, "Öl"},      // ";" and "." end words too
        {"((3+4, -2, x_1?))", "-2", 0, "-2"},
        {"((Haus, Baum))", ", ", 0, "-"},        // on the comma itself
        {"((Haus, Baum))", "((", 0, "-"},        // the brackets are no part of the list
        {"Text ((Haus)) mehr", "Text", 0, "-"},  // before the "(("
        {"Text ((Haus)) mehr", "mehr", 0, "-"},  // after the "))"
        {"Ohne Liste", "Liste", 0, "-"},
        {"   Tal, Berg))", "Tal", 0, "Tal"},                 // the end of a list over several lines
        {"   Tal, Berg)) und Ende", "Ende", 0, "und Ende"},  // such a line takes any click
        {"((Anfang, Mitte", "Mitte", 0, "Mitte"},            // a list that goes on below
        {"((café, Tee))", "caf", 0, "caf"},                  // "é" is no word character
    };
    for (const auto& c : cases) EXPECT_EQ(pickedAt(c.line, c.at, c.offset), c.picked) << c.line;
}

TEST(ClickPick, ItemsOfALineInOrder) {
    struct Case {
        std::string_view line;
        std::vector<std::string> items;
    } cases[] = {
        {"Wähle ((Haus, Baum ,grüner Hund)) aus", {"Haus", "Baum", "grüner Hund"}},
        {"((a,,b, ))", {"a", "b"}},
        {"   Tal, Berg)) und Ende", {"Tal", "Berg"}},
        {"((Anfang, Mitte", {"Anfang", "Mitte"}},
        {"keine Liste", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> items;
        for (const LineRange& r : pickItems(c.line))
            items.emplace_back(c.line.substr(r.begin, r.end - r.begin));
        EXPECT_EQ(items, c.items) << c.line;
    }
}

TEST(ClickPick, AllowedAnswersAreTheFirstList) {
    EXPECT_EQ(allowedAnswersOf("F1\r\n((  0 ,  1 ,  2  ))\r\n((x))"), "0 ,  1 ,  2");
    EXPECT_EQ(allowedAnswersOf("((Haus,\r\nBaum ))"), "Haus,\r\nBaum");
    EXPECT_EQ(allowedAnswersOf("kein ((Ende"), "");
    EXPECT_EQ(allowedAnswersOf("Text"), "");
}

TEST(RegionTaskFind, FourRegionsWithHitsOnTheFirstAndThird) {
    RegionTask task;
    task.read(RegionMode::Find,
              {"0,0,100,100,1", "100,0,200,100,2", "0,100,100,200,3", "100,100,200,200,4"});
    struct Step {
        PixelPoint at;
        bool hit;
        const char* status;
    } steps[] = {
        {{50, 50}, true, "1. Klick von 4 = RICHTIG  (25.00% richtig)"},
        {{50, 50}, false, "2. Klick von 4 = FALSCH  (25.00% richtig)"},
        {{50, 150}, true, "3. Klick von 4 = RICHTIG  (50.00% richtig)"},
        {{100, 150}, false, "4. Klick von 4 = FALSCH  (50.00% richtig)"},  // on the edge
    };
    RegionTask::Attempt a;
    for (const auto& s : steps) {
        EXPECT_EQ(a.result, "");  // only the last attempt has a result
        a = task.find(s.at);
        EXPECT_TRUE(a.counted);
        EXPECT_EQ(a.hit, s.hit) << s.status;
        EXPECT_EQ(a.status, s.status);
    }
    EXPECT_EQ(a.result, "Ergebnis: 2 RICHTIG von 4  (50.00 %) ");
    EXPECT_EQ(a.region.number(), 4);
    EXPECT_TRUE(task.TaskClosed());
    EXPECT_EQ(task.HitCount(), 2);
    EXPECT_EQ(task.ClickIndex(), 4);
    EXPECT_FALSE(task.find({150, 150}).counted);  // closed: further clicks do nothing
}

TEST(RegionTaskFind, NoTaskWithoutRegionsOrInAnotherMode) {
    RegionTask task;
    task.read(RegionMode::Find, {});
    EXPECT_FALSE(task.find({1, 1}).counted);
    task.read(RegionMode::Label, {"0,0,9,9,1"});
    EXPECT_FALSE(task.find({1, 1}).counted);
    EXPECT_EQ(task.ClickIndex(), 0);
}

TEST(RegionTaskFind, PercentHasTwoDecimalsInWidthFive) {
    EXPECT_EQ(regionPercent(0, 4), " 0.00");
    EXPECT_EQ(regionPercent(1, 5), "20.00");
    EXPECT_EQ(regionPercent(2, 3), "66.67");
    EXPECT_EQ(regionPercent(4, 4), "100.00");
}

TEST(RegionTaskLabel, FirstContainingRegionGivesItsNumber) {
    RegionTask task;
    task.read(RegionMode::Label, {"0,0,100,100,5", "50,50,150,150,6", "bad line"});
    EXPECT_EQ(task.labelAt({60, 60}), "5");  // in both: the first wins
    EXPECT_EQ(task.labelAt({120, 120}), "6");
    EXPECT_EQ(task.labelAt({100, 20}), std::nullopt);  // on the edge of the first only
    task.read(RegionMode::Find, {"0,0,100,100,5"});
    EXPECT_EQ(task.labelAt({60, 60}), std::nullopt);
}

TEST(RegionTaskLabel, NumbersOnlyWhenTheSecondLineSaysSo) {
    const PictureGeometry half{{400, 200}, {200, 100}};
    struct Case {
        std::vector<std::string> lines;
        std::size_t labels;
    } cases[] = {
        {{"0,0,100,100,1", "100,0,200,100,2,1"}, 2},
        {{"0,0,100,100,1", "100,0,200,100,2,0"}, 0},   // sixth field 0
        {{"0,0,100,100,1", "100,0,200,100,2"}, 0},     // no sixth field
        {{"0,0,100,100,1", "100,0,200,100,2,x"}, 0},   // not an integer
        {{"0,0,100,100,1,1"}, 0},                      // no second line
        {{"0,0,100,100,1", "1,1,2,2,2,3", "bad"}, 2},  // a bad line gets no number
    };
    for (const auto& c : cases) {
        RegionTask task;
        task.read(RegionMode::Label, c.lines);
        EXPECT_EQ(task.numbers(half).size(), c.labels) << c.lines.back();
    }
    RegionTask task;
    task.read(RegionMode::Label, {"0,0,100,100,1", "100,0,200,100,2,1"});
    const auto labels = task.numbers(half);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[1].text, "2");
    EXPECT_EQ(labels[1].rect, (PixelRect{50, 0, 100, 50}));
    EXPECT_TRUE(task.numbers({}).empty());  // no picture shown
}

TEST(RegionGeometry, ClicksMapToSourcePixelsAndBack) {
    const PictureGeometry g{{800, 600}, {400, 300}};
    EXPECT_EQ(toSource(g, 100, 50).x, 200);
    EXPECT_EQ(toSource(g, 100, 50).y, 100);
    const PictureGeometry odd{{1000, 1000}, {300, 300}};
    EXPECT_EQ(toSource(odd, 1, 1).x, 3);  // 3.33 rounded
    EXPECT_EQ(toShown(odd, lesson::parseRegionLine("100,200,500,999,1")),
              (PixelRect{30, 60, 150, 300}));
}

}  // namespace
}  // namespace textaria::player
