// The logical screen on windows and full screens of every shape.
#include "base/VirtualScreen.hpp"

#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::TestProgram;

struct BoxCase
{
    float surfaceW, surfaceH;
    float scale, offsetX, offsetY;
};

class LetterBoxNumbers : public ::testing::TestWithParam<BoxCase>
{};

TEST_P(LetterBoxNumbers, ScaleAndOffsets)
{
    const BoxCase& c = GetParam();
    LetterBox box = LetterBox::compute(c.surfaceW, c.surfaceH, 1024, 768, 3);
    EXPECT_NEAR(box.scale, c.scale, 1e-4);
    EXPECT_NEAR(box.offsetX, c.offsetX, 1e-2);
    EXPECT_NEAR(box.offsetY, c.offsetY, 1e-2);
}

INSTANTIATE_TEST_SUITE_P(Surfaces, LetterBoxNumbers,
                         ::testing::Values(
                             // A wide desktop: bars of 240 pixels left and right.
                             BoxCase{1920, 1080, 1.40625f, 170.67f, 0},
                             // The game's own size: nothing to fit.
                             BoxCase{1024, 768, 1, 0, 0},
                             // The small fallback window: scaled down, no bars.
                             BoxCase{640, 480, 0.625f, 0, 0},
                             // A 5:4 monitor: bars above and below.
                             BoxCase{1280, 1024, 1.25f, 0, 25.6f},
                             // Taller than wide.
                             BoxCase{768, 1024, 0.75f, 0, 298.67f}));

TEST(LetterBox, WholeScaleFlagFloorsAndKeepsAtLeastOne)
{
    EXPECT_FLOAT_EQ(LetterBox::compute(1920, 1080, 1024, 768, 4).scale, 1.0f);
    EXPECT_FLOAT_EQ(LetterBox::compute(640, 480, 1024, 768, 4).scale, 1.0f);
    EXPECT_FLOAT_EQ(LetterBox::compute(2048, 1600, 1024, 768, 4).scale, 2.0f);
}

TEST(OpenGraphics, WideFullScreenLetterBoxesAndMapsTheMouse)
{
    TestProgram t;
    ASSERT_TRUE(openGraphics(1024, 768, true, true));
    EXPECT_EQ(t.display().surfaceSize().width, 1920);
    EXPECT_TRUE(t.display().fullScreen());
    // The frame sits between two black bars of 240 pixels.
    EXPECT_NEAR(t.display().placement().x, 240, 0.01);
    EXPECT_NEAR(t.display().placement().w, 1440, 0.01);
    EXPECT_NEAR(t.display().placement().h, 1080, 0.01);

    t.input().feedMouseMove(100, 540); // over the left bar
    EXPECT_LT(virtualMouseX(), 0);
    EXPECT_NEAR(virtualMouseY(), 384, 0.01);
    t.input().feedMouseMove(1919, 0); // over the right bar
    EXPECT_GT(virtualMouseX(), 1024);
    t.input().feedMouseMove(960, 540); // the middle of the screen is the middle of the game
    EXPECT_NEAR(virtualMouseX(), 512, 0.01);
}

TEST(OpenGraphics, WindowOfTheGamesSizeHasNoBars)
{
    TestProgram t;
    ASSERT_TRUE(openGraphics(1024, 768, false, false));
    EXPECT_FALSE(t.display().fullScreen());
    EXPECT_FLOAT_EQ(t.display().placement().x, 0);
    EXPECT_FLOAT_EQ(t.display().placement().w, 1024);
    t.input().feedMouseMove(37, 701);
    EXPECT_FLOAT_EQ(virtualMouseX(), 37);
    EXPECT_FLOAT_EQ(virtualMouseY(), 701);
}

TEST(OpenGraphics, ShortDesktopGetsTheSmallWindow)
{
    TestProgram t({}, {1366, 700});
    ASSERT_TRUE(openGraphics(1024, 768, false, false));
    EXPECT_EQ(t.display().surfaceSize().width, 640);
    EXPECT_EQ(t.display().surfaceSize().height, 480);
    EXPECT_FLOAT_EQ(virtualScreen().scale, 0.625f);
}

TEST(OpenGraphics, RefusedModesFallBack)
{
    TestProgram t;
    t.display().refuseOpens(1);
    ASSERT_TRUE(openGraphics(1024, 768, true, false));
    EXPECT_EQ(t.display().surfaceSize().width, 800);

    t.display().refuseOpens(1);
    ASSERT_TRUE(openGraphics(1024, 768, false, false));
    EXPECT_EQ(t.display().surfaceSize().width, 640);
}

TEST(OpenGraphics, ReportsWhenEvenTheLastFallbackFails)
{
    TestProgram t;
    t.display().refuseOpens(2);
    EXPECT_FALSE(openGraphics(1024, 768, false, false));
}
} // namespace
