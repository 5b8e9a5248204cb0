// Frame timing: delta, the approach rule and the screen fades.
#include "screens/Frame.hpp"

#include "base/Approach.hpp"
#include "screens/TEkran.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{
using testing_support::TestProgram;

// Frames needed for a fade from 0 to 1 at the default speed. Frame times cycle through
// `pattern` (milliseconds), as a real clock's whole milliseconds do around 1000/60 or 1000/30.
int framesForFade(TestProgram& t, std::vector<int> pattern)
{
    updateDelta();
    TEkran screen;
    screen.fade = 0;
    screen.dFade = 1;
    int frames = 0;
    while (!screen.fadedOut() && frames < 1000) {
        t.clock().now += pattern[frames % pattern.size()];
        updateDelta();
        screen._updateFade();
        ++frames;
    }
    return frames;
}

TEST(Delta, SixtyFramesASecondIsOneAndThirtyIsTwo)
{
    TestProgram t;
    updateDelta();
    t.clock().now += 1000 / 60 + 1; // 17 ms
    updateDelta();
    EXPECT_NEAR(base::program().delta, 1.02, 0.01);
    t.clock().now += 33;
    updateDelta();
    EXPECT_NEAR(base::program().delta, 1.98, 0.01);
}

TEST(Delta, FadeTakesTwentyFramesAtSixtyAndTenAtThirty)
{
    TestProgram t;
    EXPECT_EQ(framesForFade(t, {17, 17, 16}), 20);
    EXPECT_EQ(framesForFade(t, {34, 33, 33}), 10);
}

TEST(Delta, PrepareDeltaForgetsALongLoad)
{
    TestProgram t;
    updateDelta();
    t.clock().now += 5000; // loading took five seconds
    TEkran screen;
    screen._prepareDelta();
    t.clock().now += 16;
    updateDelta();
    EXPECT_LT(base::program().delta, 1.0f);
}

TEST(Delta, FixedStepIsExactlyOneWhateverTheClock)
{
    shell::LaunchOptions options;
    options.fixedStep = true;
    TestProgram t(options);
    // The manual clock is not a fixed-step clock, so install one.
    auto fixed = std::make_unique<media::FixedStepClock>();
    media::FixedStepClock& clock = *fixed;
    t.program().platform = std::make_unique<media::Platform>(
        std::make_unique<media::NullDisplay>(media::Size{1024, 768}), std::move(fixed), 1);
    media::install(t.program().platform.get());
    for (int i = 0; i < 5; ++i) {
        updateDelta();
        EXPECT_EQ(base::program().delta, 1.0f);
        clock.frameDone();
    }
    // Five frames of game time, to the millisecond.
    EXPECT_EQ(clock.millisecs(), 83);
}

struct ApproachCase
{
    float from, to, speed, deltaFactor;
    float expected;
};

class ApproachRule : public ::testing::TestWithParam<ApproachCase>
{};

TEST_P(ApproachRule, MovesBySpeedTimesDeltaAndStopsOnTheTarget)
{
    const ApproachCase& c = GetParam();
    testing_support::TestProgram t;
    base::program().delta = c.deltaFactor;
    float value = c.from;
    approach(value, c.to, c.speed);
    EXPECT_FLOAT_EQ(value, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ApproachRule,
                         ::testing::Values(ApproachCase{0, 1, 0.05f, 1, 0.05f}, // up
                                           ApproachCase{1, 0, 0.05f, 1, 0.95f}, // down
                                           ApproachCase{0.98f, 1, 0.05f, 1, 1}, // never past the target
                                           ApproachCase{0.02f, 0, 0.05f, 1, 0}, // ... either way
                                           ApproachCase{0, 1, 0.05f, 2, 0.1f},  // twice as long a frame
                                           ApproachCase{0.5f, 0.5f, 0.05f, 1, 0.5f},
                                           ApproachCase{0, 1, 0.05f, 0, 0})); // a zero frame stands still

TEST(ApproachRule, NotANumberSettlesOnTheTarget)
{
    testing_support::TestProgram t;
    float value = std::numeric_limits<float>::quiet_NaN();
    approach(value, 1, 0.05f);
    EXPECT_EQ(value, 1.0f);
}

TEST(Pause, AnInactiveWindowHoldsTheGameUntilItComesBack)
{
    TestProgram t;
    t.program().pauseFont = &media::fonts().get(72);
    t.program().pauseText = "Paused";
    updateDelta();
    int presentedBefore = t.display().presented();
    t.display().deactivateFor(3);
    t.clock().now += 10000; // the player is away for ten seconds
    endFrame(false);
    // Three frames of the pause screen, a quarter of a second apart, then the game's own frame.
    EXPECT_EQ(t.display().presented(), presentedBefore + 4);
    EXPECT_EQ(t.display().waited(), 2 * 250);
    EXPECT_TRUE(t.display().isActive());
    // The pause kept the timer running, so the first frame back does not jump ten seconds.
    t.clock().now += 17;
    updateDelta();
    EXPECT_LT(base::program().delta, 1.1f);
}

TEST(Pause, AMinimisedWindowDrawsNothingUntilItIsBack)
{
    TestProgram t;
    t.program().pauseFont = &media::fonts().get(72);
    t.program().pauseText = "Paused";
    updateDelta();
    int presentedBefore = t.display().presented();
    t.display().setVisible(false);
    t.display().deactivateFor(5);
    endFrame(false);
    // The pause waited for events and drew nothing until the window was back; then its
    // picture once, and the game's own frame.
    EXPECT_EQ(t.display().presented(), presentedBefore + 2);
    EXPECT_GE(t.display().waited(), 4 * 250);
    EXPECT_TRUE(t.display().isActive());
}

TEST(Pause, HeadlessAndFixedStepRunsNeverWait)
{
    for (int kind = 0; kind < 2; ++kind) {
        shell::LaunchOptions options;
        options.headless = kind == 0;
        options.fixedStep = kind == 1;
        TestProgram t(options);
        EXPECT_FALSE(t.program().mayPause());
        t.display().deactivateFor(1000000);
        int presentedBefore = t.display().presented();
        endFrame(false);
        EXPECT_EQ(t.display().presented(), presentedBefore + 1);
    }
}

// A screen that says whether it is calm.
class CalmScreen : public TEkran
{
public:
    bool calm() const override { return isCalm; }
    bool isCalm = true;
};

TEST(Pace, ACalmScreenLeftAloneIsDrawnAtHalfPaceUntilTouched)
{
    TestProgram t;
    CalmScreen screen;
    t.program().runningScreen = &screen;
    auto frames = [](int n) {
        for (int i = 0; i < n; ++i) {
            updateDelta();
            endFrame(true);
        }
    };
    frames(29);
    EXPECT_EQ(t.display().framePace(), 60); // not yet half a second without input
    frames(2);
    EXPECT_EQ(t.display().framePace(), 30);
    // The mouse moves: full pace at once, and for the next half second.
    media::input().feedMouseMove(100, 100);
    frames(1);
    EXPECT_EQ(t.display().framePace(), 60);
    frames(20);
    EXPECT_EQ(t.display().framePace(), 60);
    frames(20);
    EXPECT_EQ(t.display().framePace(), 30);
    // Something on the screen starts to move.
    screen.isCalm = false;
    frames(1);
    EXPECT_EQ(t.display().framePace(), 60);
    t.program().runningScreen = nullptr;
}

TEST(TEkranFades, BlackFadeCoversTheScreenAtTheFadeAmount)
{
    TestProgram t;
    TEkran screen;
    screen.fade = 0.25f;
    int before = t.display().nullRenderer().drawCalls();
    screen._drawBlackFade();
    EXPECT_EQ(t.display().nullRenderer().drawCalls(), before + 1);
    const media::DrawState& s = t.display().nullRenderer().lastState();
    EXPECT_FLOAT_EQ(s.alpha, 0.25f);
    EXPECT_EQ(s.red + s.green + s.blue, 0);
}

TEST(TEkranFades, StandardDataResetsAlphaAndFade)
{
    TEkran screen;
    screen.alpha = 0.3f;
    screen.dAlpha = 0;
    screen.fade = 0.7f;
    screen.dFade = 1;
    screen.STANDARD_DATA();
    EXPECT_EQ(screen.alpha, 1);
    EXPECT_EQ(screen.dAlpha, 1);
    EXPECT_EQ(screen.fade, 0);
    EXPECT_EQ(screen.dFade, 0);
    EXPECT_FALSE(screen.fadedOut());
}
} // namespace
