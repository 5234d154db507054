#include "lesson/scaling.h"

#include <gtest/gtest.h>

#include "lesson/texts.h"
#include "support/fake_user_dialogs.h"

namespace textaria::lesson {
namespace {

using Steps = std::vector<ScaleStep>;

TEST(Scaling, NearestIntegerTiesToEven) {
    const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},  {2.5, 2},  {-0.5, 0},
                                            {-1.5, -2}, {2.49, 2}, {2.51, 3}, {1366 * 1.1, 1503}};
    for (const auto& [x, expected] : cases) EXPECT_EQ(nint(x), expected) << x;
}

TEST(Scaling, ForwardPassChoosesTheLimitingSide) {
    struct Case {
        ScreenMetrics screen;
        double k;
        Steps expected;
    };
    const Case cases[] = {
        {{1366, 768, 96}, 1.0, {{1366, 1366}}},
        {{1920, 1080, 96}, 1.0, {{1920, 1366}}},  // 0.5625 is just above 768/1366
        {{2560, 1080, 96}, 1.0, {{1080, 768}}},
        {{1280, 1024, 96}, 1.0, {{1280, 1366}}},
        {{1920, 1080, 120}, 1.0, {{1920, 1366}, {96, 120}}},
        {{1920, 1080, 96}, 1.1, {{1920, 1503}}},
        {{2560, 1080, 96}, 0.8, {{1080, 614}}},  // 768 * 0.8 = 614.4
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaleMainWindowSteps(c.screen, c.k, false), c.expected)
            << c.screen.width << "x" << c.screen.height << " K=" << c.k;
}

TEST(Scaling, InversePassUndoesTheForwardPass) {
    const ScreenMetrics screen{1920, 1080, 120};
    EXPECT_EQ(scaleMainWindowSteps(screen, 1.0, true), (Steps{{1366, 1920}, {120, 96}}));

    // A rescale runs forward with the old K and backward with the new one: K(new)/K(old).
    Steps rescale = scaleMainWindowSteps({1366, 768, 96}, 1.0, false);
    for (const auto& s : scaleMainWindowSteps({1366, 768, 96}, 1.2, true)) rescale.push_back(s);
    EXPECT_EQ(scaleValue(1000, rescale), 1200);
}

TEST(Scaling, ScaledValuesRoundToNearest) {
    EXPECT_EQ(scaleValue(100, ScaleStep{1920, 1366}), 141);  // 140.55
    EXPECT_EQ(scaleValue(1366, ScaleStep{1920, 1366}), 1920);
    EXPECT_EQ(scaleValue(-7, ScaleStep{1, 2}), -4);
    EXPECT_EQ(scaleValue(5, ScaleStep{1, 0}), 5);  // a broken screen report changes nothing
}

TEST(Scaling, FontDelta) {
    const std::pair<double, int> cases[] = {{1.0, 0}, {0.8, -2}, {0.9, -1}, {1.1, 1}, {1.2, 2}};
    for (const auto& [k, expected] : cases) EXPECT_EQ(fontDeltaFor(k), expected) << k;
}

TEST(Scaling, ScaleFactorInput) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1", 1.0},   {" 0.8 ", 0.8}, {"1.2", 1.2}, {"+1.05", 1.05}, {"1,1", {}}, {"1.25", {}},
        {"0.79", {}}, {"", {}},       {"abc", {}},  {"1.1x", {}},    {"1e0", {}}, {"nan", {}},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parseScaleFactor(text), expected) << text;
    EXPECT_EQ(formatScaleFactor(1.0), "1.00");
    EXPECT_EQ(formatScaleFactor(0.85), "0.85");
}

TEST(Scaling, AskingForKRepeatsUntilValid) {
    testing::FakeUserDialogs dialogs;
    dialogs.inputAnswers = {std::string("1,1"), std::string("1.25"), std::string(" 1.1 ")};
    EXPECT_DOUBLE_EQ(askScaleFactor(dialogs, 0.9), 1.1);
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].caption, texts::kScaleFactorTitle);
    EXPECT_EQ(dialogs.shown[0].defaultText, "0.90");

    dialogs.inputAnswers = {std::string("x"), std::nullopt};
    EXPECT_DOUBLE_EQ(askScaleFactor(dialogs, 1.15), 1.15);  // cancel keeps K
    EXPECT_FALSE(dialogs.ranOut);
}

TEST(Scaling, PageMargins) {
    EXPECT_EQ(pageMarginsFor(768).left, 38);  // 38.4
    EXPECT_EQ(pageMarginsFor(768).right, 9);
    EXPECT_EQ(pageMarginsFor(1080).top, 54);
    EXPECT_EQ(pageMarginsFor(1080).bottom, 13);
    EXPECT_EQ(pageMarginsFor(1050).left, 52);  // 52.5 goes to the even neighbour
}

}  // namespace
}  // namespace textaria::lesson
