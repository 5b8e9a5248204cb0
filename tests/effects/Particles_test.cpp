// Particles, emitters, the long-drive light and the celebrations.
#include "effects/Captions.hpp"
#include "effects/Effects.hpp"
#include "effects/LongDriveStreams.hpp"
#include "effects/ParticleKinds.hpp"
#include "support/GameFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::GameFixture;
using testing_support::TestProgram;

class EffectsTest : public ::testing::Test
{
protected:
    void advance(int ms) { t.clock().now += ms; }
    TestProgram t;
    Effects fx;
};

TEST_F(EffectsTest, AParticleAtTheOriginIsNotMade)
{
    EXPECT_EQ(newParticle(fx.particles, 0, 0, 0, 10, 10, 5, 5, {}, 1, 0, 1, 1, 0, 0, 4, 0, 500), nullptr);
    EXPECT_TRUE(fx.particles.empty());
}

TEST_F(EffectsTest, ADelayedParticleWaitsThenLivesItsWholeLife)
{
    TParticle* p =
        newParticle(fx.particles, 0, 100, 100, 300, 100, 200, 100, {}, 1, 0, 1, 2, 0, 0, 4, 300, 500);
    ASSERT_NE(p, nullptr);
    advance(250);
    fx.updateParticles();
    EXPECT_FALSE(p->born); // not started: it neither ages nor moves
    EXPECT_FLOAT_EQ(p->a, 1);
    advance(100); // 350 ms: born now
    fx.updateParticles();
    EXPECT_EQ(p->bornTime, 350);
    advance(250); // half its life
    fx.updateParticles();
    EXPECT_FLOAT_EQ(p->lifePer, 0.5f);
    EXPECT_FLOAT_EQ(p->a, 0.5f);
    EXPECT_FLOAT_EQ(p->s, 1.5f);
    EXPECT_FLOAT_EQ(p->x, 200); // the middle of its straight path
    advance(250);
    fx.updateParticles();
    EXPECT_EQ(fx.particles.size(), 1u); // exactly at the end of its life it is still there
    advance(1);
    fx.updateParticles();
    EXPECT_TRUE(fx.particles.empty());
}

TEST_F(EffectsTest, AnEmitterBurstsEachFrameOfItsLifeThenEnds)
{
    newEmitter(fx.emitters, 7, 500, 300, 100, 1, 200);
    int frames = 0;
    while (!fx.emitters.empty() && frames < 100) {
        fx.updateEmitters();
        advance(17);
        ++frames;
    }
    EXPECT_EQ(frames, 19); // waits 100 ms, bursts for 200 ms, ends on the frame past its end
    // Three particles a burst (two sparks and a glint), one burst a frame of its life.
    EXPECT_GE(fx.particles.size(), 3u * 11);
    EXPECT_LE(fx.particles.size(), 3u * 14);
}

TEST_F(EffectsTest, PausingMovesTheClocksOnByTheLengthOfThePause)
{
    TParticle* p =
        newParticle(fx.particles, 0, 100, 100, 300, 100, 200, 100, {}, 1, 0, 1, 1, 0, 0, 4, 0, 500);
    fx.updateParticles();
    advance(300); // 200 ms of life left
    fx.updateParticles();
    TEmitter& e = newEmitter(fx.emitters, 1, 400, 400, 0, 1, 1000);
    fx.pauseAll();
    advance(10000);
    fx.resumeAll();
    fx.updateParticles();
    EXPECT_FLOAT_EQ(p->lifePer, 0.6f);
    advance(190);
    fx.updateParticles();
    EXPECT_FALSE(fx.particles.empty());
    EXPECT_EQ(e.endTime, 11300);
}

TEST_F(EffectsTest, CelebrationStreamsHaveTheirNumberOfLights)
{
    struct Case
    {
        float step;
        std::size_t lights;
    };
    for (Case c : {Case{0.003f, 335}, Case{0.0025f, 402}, Case{0.002f, 502}}) {
        fx.emitters.clear();
        celebrationStream(fx, 17, 0, 0, 1024, 384, 0, 768, c.step, 100, 2);
        EXPECT_EQ(fx.emitters.size(), c.lights) << c.step;
    }
    // The light halfway starts 1000 ms later and lasts 650 ms.
    fx.emitters.clear();
    celebrationStream(fx, 17, 0, 0, 1024, 384, 0, 768, 0.5f, 100, 2);
    ASSERT_EQ(fx.emitters.size(), 3u);
    auto middle = std::next(fx.emitters.begin());
    EXPECT_EQ((*middle)->startTime, 1000);
    EXPECT_EQ((*middle)->endTime, 1650);
}

TEST_F(EffectsTest, ADrivesLastLightReportsItsArrivalOnceWithTheWaves)
{
    std::vector<std::pair<int, bool>> arrived;
    fx.driveLightArrived = [&](const TEmitter& light, bool waves) {
        arrived.push_back({light.ticket, waves});
    };
    startLongDriveStream(fx, 9, 42, 500, 600);
    EXPECT_TRUE(longDriveStreamsPending(fx));
    for (int frame = 0; frame < 200 && !fx.emitters.empty(); ++frame) {
        fx.updateEmitters();
        advance(17);
    }
    EXPECT_EQ(arrived, (std::vector<std::pair<int, bool>>{{42, true}}));
    EXPECT_FALSE(longDriveStreamsPending(fx));

    // Landed at once (the level ends), it arrives without the waves, and only once.
    arrived.clear();
    startLongDriveStream(fx, 7, 43, 500, 600);
    landLongDriveStreams(fx);
    landLongDriveStreams(fx);
    EXPECT_EQ(arrived, (std::vector<std::pair<int, bool>>{{43, false}}));
}

TEST(LongDrive, TheMultiplierRisesOnlyWhenTheLightArrives)
{
    GameFixture f;
    TLevel& level = f.play({{300, 300, 13}}, {20, 21}, {2}, [](TLevel& made) { made.driveN = 9; });
    f.game->LongDrive_end();
    EXPECT_EQ(level.longestDrive, 9);
    EXPECT_TRUE(longDriveStreamsPending(f.inPlay().effects));
    int frames = 0;
    while (level.driveMN == 1 && frames < 300) {
        f.frame();
        ++frames;
    }
    EXPECT_FLOAT_EQ(level.driveMN, 1.4f); // four plays beyond the fifth
    // The last light starts about a second later and burns 10 ms a play: about 65 frames.
    EXPECT_GE(frames, 60);
    EXPECT_LE(frames, 66);
    EXPECT_FALSE(longDriveStreamsPending(f.inPlay().effects));
}

TEST(LongDrive, AboveThreeTheMultiplierJumpsToTheMaximumAndIsAnnounced)
{
    struct Case
    {
        bool sevenItem;
        float maximum;
    };
    for (Case c : {Case{false, 5}, Case{true, 7}}) {
        GameFixture f;
        if (c.sevenItem)
            profile().items = {{3, "MAX-MULTI-7"}};
        TLevel& level = f.play({{300, 300, 13}}, {20, 21}, {2}, [](TLevel& made) {
            made.driveMN = 2.8f;
            made.driveN = 9;
        });
        f.inPlay().effects.captions.clear();
        f.game->LongDrive_end(); // 2.8 + 0.4 = 3.2, once the light arrives
        f.frames(300, [&] { return f.game->state != GameState::Normal; });
        EXPECT_FLOAT_EQ(level.driveMN, c.maximum);
        EXPECT_EQ(f.game->state, GameState::WaitForCaption1);
        ASSERT_EQ(f.inPlay().effects.captions.size(), 1u);
        EXPECT_FLOAT_EQ(profile().multiplier, c.maximum);
        f.frame(); // the celebration, then play waits three seconds
        EXPECT_EQ(f.game->state, GameState::WaitForCaption);
        EXPECT_GT(f.inPlay().effects.emitters.size(), 1000u);
    }
}

TEST(LongDrive, TheEffectsOfALevelDoNotOutliveIt)
{
    GameFixture f;
    f.play({{300, 300, 13}}, {20, 21}, {2}, [](TLevel& made) { made.driveN = 8; });
    generateWaterParticles(f.inPlay().effects.particles, 300, 300);
    f.game->LongDrive_end();
    ASSERT_FALSE(f.inPlay().effects.particles.empty());
    ASSERT_FALSE(f.inPlay().effects.emitters.empty());
    f.game->finish();
    EXPECT_TRUE(f.inPlay().effects.particles.empty());
    EXPECT_TRUE(f.inPlay().effects.emitters.empty());
}

TEST_F(EffectsTest, APopInCaptionHoldsThenGoes)
{
    showCaption(fx.captions, 14, 512, 200, 3000);
    showCaption(fx.captions, 15, 512, 300, 2000);
    int frames = 0;
    while (fx.captions.size() == 2 && frames < 1000) {
        base::program().delta = 1;
        fx.updateCaptions();
        advance(17);
        ++frames;
    }
    // 100 frames to arrive, then the hold: the shorter one goes first, 2000 ms after that.
    EXPECT_NEAR(frames, 100 + 2000 / 17, 3);
    ASSERT_EQ(fx.captions.size(), 1u);
    EXPECT_FLOAT_EQ(fx.captions.front()->y, 200);
}
} // namespace
