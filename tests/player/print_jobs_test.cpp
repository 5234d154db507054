#include "player/print_jobs.h"

#include <gtest/gtest.h>

#include <set>

namespace textaria::player {
namespace {

TEST(PrintJobs, PictureSizeOnItsOwnSheet) {
    struct Case {
        PrintSize picture;
        double scale;
        PrintSize expected;
    };
    const PrintSize printable{4000, 6000};
    const Case cases[] = {
        {{800, 600}, 0.6, {2400, 1800}},   // landscape: width decides
        {{600, 800}, 0.75, {3000, 4000}},  // portrait still fits the height
        {{100, 1000}, 0.75, {450, 4500}},  // too high: the height decides
        {{800, 600}, -0.5, {2000, 1500}},  // the sign of the scale does not matter
        {{800, 600}, 0.0, {0, 0}},         // scale 0 prints nothing
        {{0, 600}, 0.6, {0, 0}},           // an empty picture neither
        {{3, 2}, 0.5, {2000, 1333}},       // 1333.33 rounds down
    };
    for (const Case& c : cases)
        EXPECT_EQ(printedPictureSize(c.picture, printable, c.scale), c.expected)
            << c.picture.width << "x" << c.picture.height << " at " << c.scale;
}

TEST(PrintJobs, PictureSizeOnTheSheetWithText) {
    const PrintSize printable{4000, 6000};
    EXPECT_EQ(oneSheetPictureSize({800, 400}, printable), (PrintSize{3600, 1800}));
    // Not wider than high: 0.9 × 48 % of the height, 2592.
    EXPECT_EQ(oneSheetPictureSize({400, 800}, printable), (PrintSize{1296, 2592}));
    EXPECT_EQ(oneSheetPictureSize({500, 500}, printable), (PrintSize{2592, 2592}));
}

TEST(PrintJobs, CaptionNamesThePictureAndThePage) {
    EXPECT_EQ(pictureCaption(pictureName("/a/b/hund.jpg"), "[ 3 / 12 ]"),
              "[ hund ]  in  [ 3 / 12 ]");
    EXPECT_EQ(pictureCaption(pictureName("C:\\bilder\\Haus.Alt.jpg"), ""), "[ Haus.Alt ]");
    EXPECT_EQ(pictureCaption("Grafik", ""), "[ Grafik ]");
}

TEST(PrintJobs, PictureLinksInTextOrderLowerCased) {
    EXPECT_EQ(pictureLinkFiles("Der {Hund} und {katze.JPG}\r\nund { maus }. {} {offen"),
              (std::vector<std::string>{"hund.jpg", "katze.jpg", "maus.jpg"}));
    EXPECT_TRUE(pictureLinkFiles("ohne Verweise").empty());
}

TEST(PrintJobs, PagePicturesComeOnceEachAndOnlyWhenTheyExist) {
    const std::set<std::string> files = {"/l/bild.jpg", "/l/hund.jpg", "/l/katze.jpg"};
    auto resolve = [](const std::string& name) { return "/l/" + name; };
    auto exists = [&](const std::string& path) { return files.count(path) > 0; };
    EXPECT_EQ(pagePictures("/l/bild.jpg", "{hund} {fehlt} {Hund} {bild} {katze}", resolve, exists),
              (std::vector<std::string>{"/l/bild.jpg", "/l/hund.jpg", "/l/katze.jpg"}));
    EXPECT_EQ(pagePictures("", "{katze} {hund}", resolve, exists),
              (std::vector<std::string>{"/l/katze.jpg", "/l/hund.jpg"}));
    EXPECT_TRUE(pagePictures("/l/weg.jpg", "", resolve, exists).empty());
}

TEST(PrintJobs, TextPagesBreakAtTheMicroSign) {
    const std::string text = "eins\xC2\xB5zwei\r\n\xC2\xB5";
    const auto parts = sheetParts(text);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(text.substr(parts[0].begin, parts[0].end - parts[0].begin), "eins");
    EXPECT_EQ(text.substr(parts[1].begin, parts[1].end - parts[1].begin), "zwei\r\n");
    EXPECT_EQ(parts[2].begin, parts[2].end);
    EXPECT_EQ(sheetParts("nur Text").size(), 1u);
    EXPECT_EQ(sheetFooter(2), " <Seite 2>");
}

}  // namespace
}  // namespace textaria::player
