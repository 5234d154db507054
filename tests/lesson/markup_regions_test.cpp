#include "lesson/markup_regions.h"

#include <gtest/gtest.h>

namespace textaria::lesson {
namespace {

TEST(RegionTable, SectionRunsFromItsHeaderToTheNextPagesHeader) {
    const std::string table =
        "#1\r\n10,10,50,50,1\r\n#2\r\n 1,2,3,4,5 "
        "\r\n\r\n6,7,8,9,10\r\n#3\r\n#12\r\n9,9,9,9,9\r\n#13\r\n";
    struct Case {
        int page;
        std::vector<std::string> lines;
    } cases[] = {
        {1, {"10,10,50,50,1"}},
        {2, {"1,2,3,4,5", "6,7,8,9,10"}},  // trimmed, the blank line carries no region
        {3, {}},                           // no "#4" closes it
        {4, {}},                           // no header "#4", and "#12" is not "#1" + "2"
        {12, {"9,9,9,9,9"}},
        {13, {}},  // the last header only closes page 12
    };
    for (const auto& c : cases) EXPECT_EQ(regionLines(table, c.page), c.lines) << c.page;
    EXPECT_FALSE(regionSection(table, 13));
    EXPECT_FALSE(regionSection(table, 3));
    EXPECT_EQ(regionSection(table, 1), "10,10,50,50,1");
}

TEST(RegionTable, HeaderOfPageOneIsNotFoundInsideTenOrTwelve) {
    // A table that lists page 12 before page 1 still gives page 1 its own section.
    const std::string table = "#12\r\n1,1,2,2,9\r\n#13\r\n#1\r\n3,3,4,4,1\r\n#2";
    EXPECT_EQ(regionLines(table, 1), std::vector<std::string>{"3,3,4,4,1"});
    EXPECT_EQ(regionLines(table, 12), std::vector<std::string>{"1,1,2,2,9"});
}

TEST(RegionTable, LinesReadAsIntegers) {
    struct Case {
        const char* line;
        int fields;
        std::array<int, 6> values;
    } cases[] = {
        {"10,20,30,40,3", 5, {10, 20, 30, 40, 3, 0}},
        {"10,20,30,40,3,", 5, {10, 20, 30, 40, 3, 0}},  // a closing comma adds no field
        {" 1 , 2 ,3, 4 ,5 , 1", 6, {1, 2, 3, 4, 5, 1}},
        {"1,2,3,4,5,6,7", 7, {1, 2, 3, 4, 5, 6}},  // more fields are counted, not kept
        {"-5,0,3,4,2", 5, {-5, 0, 3, 4, 2, 0}},
        {"1,2,3,4", 4, {1, 2, 3, 4, 0, 0}},
        {"1,2,x,4,5", 0, {}},
        {"1,2,,4,5", 0, {}},
        {"1.5,2,3,4,5", 0, {}},
        {"", 0, {}},
    };
    for (const auto& c : cases) {
        const RegionLine r = parseRegionLine(c.line);
        EXPECT_EQ(r.fieldCount, c.fields) << c.line;
        if (c.fields > 0) {
            EXPECT_EQ(r.values, c.values) << c.line;
        }
        EXPECT_EQ(r.usable(), c.fields >= 5) << c.line;
    }
}

TEST(RegionTable, ContainsIsStrictlyInside) {
    const RegionLine r = parseRegionLine("10,20,30,40,1");
    EXPECT_TRUE(r.contains(11, 21));
    EXPECT_TRUE(r.contains(29, 39));
    EXPECT_FALSE(r.contains(10, 25));  // on the edge
    EXPECT_FALSE(r.contains(20, 40));
    EXPECT_FALSE(r.contains(31, 25));
    EXPECT_FALSE(parseRegionLine("a,b").contains(0, 0));
}

}  // namespace
}  // namespace textaria::lesson
