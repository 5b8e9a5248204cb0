// The title screen's scenery: the lights pulse, the owl plays with its eyes and blinks, the
// clouds come and go and stay ten.
#include "effects/CloudLayers.hpp"
#include "effects/TLightLayer.hpp"
#include "effects/TSowa.hpp"

#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using testing_support::TestProgram;

TEST(LightLayer, PulsesTwoHundredFramesEachWay)
{
    TestProgram t;
    base::program().delta = 1;
    TLightLayer light;
    light.alpha = 0;
    light.dAlpha = 1;
    int up = 0;
    while (light.dAlpha == 1 && up < 1000) {
        light.update();
        ++up;
    }
    EXPECT_NEAR(up, 200, 1);
    EXPECT_EQ(light.alpha, 1);
    int down = 0;
    while (light.dAlpha == 0 && down < 1000) {
        light.update();
        ++down;
    }
    EXPECT_NEAR(down, 200, 1);
    EXPECT_EQ(light.alpha, 0);
}

TEST(Owl, AClickPlaysTheEyeFramesThenRestsBeforeTheNextBlink)
{
    TestProgram t;
    base::program().delta = 1;
    TSowa owl;
    owl.time = 1000000; // no blink due
    owl.eyes();
    std::vector<int> shown;
    while (owl.state == TSowa::State::EyePlay && shown.size() < 100) {
        if (shown.empty() || shown.back() != owl.shownFrame())
            shown.push_back(owl.shownFrame());
        owl.update();
        t.clock().now += 17;
    }
    // Frame 8 shows the open eyes, as frame 0 does; it lasts a frame at most, as the play ends
    // when the frame count passes 8.
    if (shown.size() == 3) {
        EXPECT_EQ(shown[2], 8);
        shown.pop_back();
    }
    EXPECT_EQ(shown, (std::vector<int>{6, 7}));
    EXPECT_EQ(owl.shownFrame(), 0);
    EXPECT_TRUE(owl.pupilsShown());
    EXPECT_EQ(owl.time, t.clock().now - 17 + 1500);
    // The blink comes once the rest is over: the closed eyes show no pupils.
    t.clock().now = owl.time + 1;
    for (int i = 0; i < 12; ++i)
        owl.update();
    EXPECT_EQ(owl.state, TSowa::State::Blinking);
    EXPECT_EQ(owl.shownFrame(), 1);
    EXPECT_FALSE(owl.pupilsShown());
}

TEST(Clouds, StayTenAndFadeOutWhenTheirTimeIsUp)
{
    TestProgram t;
    base::program().delta = 1;
    CloudLayers clouds;
    clouds.updateAll(1.0f);
    EXPECT_EQ(clouds.size(), 1u);
    for (int i = 0; i < 50; ++i)
        clouds.updateAll(1.0f);
    EXPECT_EQ(clouds.size(), CloudLayers::wanted);
    for (const TChmura& c : clouds.back()) {
        EXPECT_GE(c.y, 480);
        EXPECT_LE(c.y, 705);
    }
    // Twenty seconds on, every first cloud has started to fade; a fade takes 125 frames.
    t.clock().now += 21000;
    for (int i = 0; i < 130; ++i)
        clouds.updateAll(1.0f);
    EXPECT_EQ(clouds.size(), CloudLayers::wanted);
    for (const auto* layer : {&clouds.back(), &clouds.front()}) {
        for (const TChmura& c : *layer)
            EXPECT_GT(c.time, t.clock().now - 1) << "a cloud outlived its time";
    }
}
} // namespace
