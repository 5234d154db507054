#include "player/picture_panel.h"

#include <gtest/gtest.h>

#include "player/media_fakes.h"

namespace textaria::player {
namespace {

struct LayoutCase {
    const char* name;
    PixelSize source;
    int screenHeight;
    std::optional<double> zoom;
    PixelSize picture;
    PixelSize panel;
    int captionTop;
    int dragLineTop;
};

// The area is 374 x 254, the caption line 16 pixels high.
TEST(PicturePanel, LayoutScalesZoomsAndPlacesTheLines) {
    const LayoutCase cases[] = {
        // 67 % of 768 is 515: up to there a picture keeps its pixels.
        {"small", {400, 300}, 768, {}, {400, 300}, {440, 362}, 320, 338},
        {"at the limit", {515, 515}, 768, {}, {515, 515}, {555, 577}, 535, 553},
        {"wider than high", {516, 200}, 768, {}, {374, 145}, {414, 207}, 165, 183},
        {"higher than wide", {600, 1000}, 768, {}, {152, 254}, {192, 316}, 274, 292},
        {"square goes by height", {1000, 1000}, 768, {}, {254, 254}, {294, 316}, 274, 292},
        {"larger screen", {700, 700}, 1080, {}, {700, 700}, {740, 762}, 720, 738},
        {"unknown size fills the area", {0, 0}, 768, {}, {374, 254}, {414, 316}, 274, 292},
        // The quick zoom: picture + 24 wide, + 4 caption lines high; drag line two caption
        // heights under the picture.
        {"zoom 1.2", {400, 300}, 768, 1.2, {480, 360}, {504, 424}, 380, 400},
        {"zoom 1.1 of a scaled one", {1000, 1000}, 768, 1.1, {279, 279}, {303, 343}, 299, 319},
        {"zoom 1.3", {100, 50}, 768, 1.3, {130, 65}, {154, 129}, 85, 105},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PictureLayout l = layoutPicture(c.source, kPictureArea, c.screenHeight, c.zoom, 16);
        EXPECT_EQ(l.picture, c.picture);
        EXPECT_EQ(l.panel, c.panel);
        EXPECT_EQ(l.pictureAt, (PixelPoint{8, 8}));
        EXPECT_EQ(l.captionTop, c.captionTop);
        EXPECT_EQ(l.dragLineTop, c.dragLineTop);
        EXPECT_EQ(l.zoomed, c.zoom.has_value());
    }
}

TEST(PicturePanel, ZoomAnswersAndFactors) {
    const std::pair<const char*, std::optional<int>> answers[] = {
        {"0", 0},
        {"", 0},
        {"abc", 0},
        {"1", 1},
        {" 2 ", 2},
        {"3", 3},
        {"4", std::nullopt},
        {"-1", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& [typed, level] : answers) EXPECT_EQ(pictureZoomLevel(typed), level) << typed;
    EXPECT_EQ(quickZoomFactor(1), 1.1);
    EXPECT_EQ(quickZoomFactor(3), 1.3);
    EXPECT_EQ(quickZoomFactor(0), std::nullopt);
}

TEST(PicturePanel, TheFirstPlaceIsALowerCornerOrAboveTheWordList) {
    const PixelSize window{1366, 768};
    EXPECT_EQ(defaultPanelPlace({414, 316}, window, 56, false), (PixelPoint{938, 438}));
    EXPECT_EQ(defaultPanelPlace({414, 316}, window, 56, true), (PixelPoint{938, 56}));
    // A panel too high for the lower corner still starts below the buttons.
    EXPECT_EQ(defaultPanelPlace({555, 740}, window, 56, false), (PixelPoint{797, 28}));
}

TEST(PicturePanel, ADraggedPanelStaysWithinTheWindow) {
    const PixelSize window{1366, 768};
    EXPECT_EQ(keepPanelInside({100, 100}, {400, 300}, window), (PixelPoint{100, 100}));
    EXPECT_EQ(keepPanelInside({1200, 700}, {400, 300}, window), (PixelPoint{966, 468}));
    EXPECT_EQ(keepPanelInside({-50, -5}, {400, 300}, window), (PixelPoint{0, 0}));
    // Larger than the window: its corner stays in view.
    EXPECT_EQ(keepPanelInside({300, 300}, {1500, 900}, window), (PixelPoint{0, 0}));
}

TEST(PicturePanel, CaptionOnThePictureGrowsWithThePictureAndShrinksForLargeOnes) {
    // A font whose text is twice its point size high keeps the arithmetic visible.
    const auto height = [](int points) { return 2 * points; };
    struct Case {
        int pictureHeight, dpi, points, bandTop, textX, textY;
    };
    const Case cases[] = {
        // 500 / 25 = 20: the smallest size with a higher text is 11.
        {500, 96, 13, 448, 26, 461},
        {500, 120, 11, 456, 22, 467},
        // 1200 / 25 = 48 -> 25, less 4 (6 on fine screens).
        {1200, 96, 21, 1116, 42, 1137},
        {1200, 144, 19, 1124, 38, 1143},
        // 2000 / 25 = 80 -> 41, less 6 (8); the text stands 1.75 heights above the edge.
        {2000, 96, 35, 1860, 70, 1877},
        {2000, 120, 33, 1868, 66, 1884},
        // A tiny picture still gets a drawable font.
        {10, 120, 1, 6, 2, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pictureHeight);
        const CaptionOnPicture caption = captionOnPicture(c.pictureHeight, c.dpi, height);
        EXPECT_EQ(caption.pointSize, c.points);
        EXPECT_EQ(caption.bandTop, c.bandTop);
        EXPECT_EQ(caption.textAt, (PixelPoint{c.textX, c.textY}));
    }
    // A font measure that never grows must not hang the search.
    EXPECT_GT(captionOnPicture(500, 96, [](int) { return 0; }).pointSize, 0);
}

TEST(PicturePanel, PictureSizeFromTheFileHeader) {
    testing::TempFolder folder;
    // JFIF segment, then a baseline frame of 640 x 480.
    const std::string jpeg = std::string(
                                 "\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00"
                                 "\x01\x00\x00\xFF\xC0\x00\x11\x08\x01\xE0\x02\x80\x03",
                                 29) +
                             std::string(15, '\0');
    const std::string png = std::string(
        "\x89PNG\r\n\x1A\n\x00\x00\x00\x0DIHDR\x00\x00\x03\x20"
        "\x00\x00\x02\x58\x08\x02\x00\x00\x00",
        29);
    EXPECT_EQ(pictureFileSize(folder.file("a.jpg", jpeg)), (PixelSize{640, 480}));
    EXPECT_EQ(pictureFileSize(folder.file("b.png", png)), (PixelSize{800, 600}));
    EXPECT_EQ(pictureFileSize(folder.file("c.jpg", "")), std::nullopt);
    EXPECT_EQ(pictureFileSize(folder.file("d.jpg", "not a picture")), std::nullopt);
    EXPECT_EQ(pictureFileSize(folder.file("e.jpg", jpeg.substr(0, 22))), std::nullopt);
    EXPECT_EQ(pictureFileSize(folder.path() + "/missing.jpg"), std::nullopt);
}

}  // namespace
}  // namespace textaria::player
