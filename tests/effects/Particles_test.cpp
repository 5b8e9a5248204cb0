// Particles, emitters, the long-drive light and the celebrations.
#include "effects/LongDriveStreams.hpp"
#include "effects/ParticleKinds.hpp"
#include "effects/TEmitter.hpp"
#include "effects/TParticle.hpp"
#include "support/GameFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::GameFixture;
using testing_support::TestProgram;

class Effects : public ::testing::Test
{
protected:
    void TearDown() override
    {
        particles.clear();
        emitters.clear();
        captions.clear();
    }
    void advance(int ms) { t.clock().now += ms; }
    TestProgram t;
};

TEST_F(Effects, AParticleAtTheOriginIsNotMade)
{
    EXPECT_EQ(newParticle(0, 0, 0, 10, 10, 5, 5, {}, 1, 0, 1, 1, 0, 0, 4, 0, 500), nullptr);
    EXPECT_TRUE(particles.empty());
}

TEST_F(Effects, ADelayedParticleWaitsThenLivesItsWholeLife)
{
    TParticle* p = newParticle(0, 100, 100, 300, 100, 200, 100, {}, 1, 0, 1, 2, 0, 0, 4, 300, 500);
    ASSERT_NE(p, nullptr);
    advance(250);
    updateParticles();
    EXPECT_FALSE(p->born); // not started: it neither ages nor moves
    EXPECT_FLOAT_EQ(p->a, 1);
    advance(100); // 350 ms: born now
    updateParticles();
    EXPECT_EQ(p->bornTime, 350);
    advance(250); // half its life
    updateParticles();
    EXPECT_FLOAT_EQ(p->lifePer, 0.5f);
    EXPECT_FLOAT_EQ(p->a, 0.5f);
    EXPECT_FLOAT_EQ(p->s, 1.5f);
    EXPECT_FLOAT_EQ(p->x, 200); // the middle of its straight path
    advance(250);
    updateParticles();
    EXPECT_EQ(particles.size(), 1u); // exactly at the end of its life it is still there
    advance(1);
    updateParticles();
    EXPECT_TRUE(particles.empty());
}

TEST_F(Effects, AnEmitterBurstsEachFrameOfItsLifeThenEnds)
{
    newEmitter(7, 500, 300, 100, 1, 200);
    int frames = 0;
    while (!emitters.empty() && frames < 100) {
        updateEmitters();
        advance(17);
        ++frames;
    }
    EXPECT_EQ(frames, 19); // waits 100 ms, bursts for 200 ms, ends on the frame past its end
    // Three particles a burst (two sparks and a glint), one burst a frame of its life.
    EXPECT_GE(particles.size(), 3u * 11);
    EXPECT_LE(particles.size(), 3u * 14);
}

TEST_F(Effects, PausingMovesTheDefaultListsOnByTheLengthOfThePause)
{
    TParticle* p = newParticle(0, 100, 100, 300, 100, 200, 100, {}, 1, 0, 1, 1, 0, 0, 4, 0, 500);
    updateParticles();
    advance(300); // 200 ms of life left
    updateParticles();
    TEmitter& e = newEmitter(1, 400, 400, 0, 1, 1000);
    TParticle::pauseAll();
    TEmitter::pauseAll();
    advance(10000);
    TParticle::resumeAll();
    TEmitter::resumeAll();
    updateParticles();
    EXPECT_FLOAT_EQ(p->lifePer, 0.6f);
    advance(190);
    updateParticles();
    EXPECT_FALSE(particles.empty());
    EXPECT_EQ(e.endTime, 11300);
}

TEST_F(Effects, CelebrationStreamsHaveTheirNumberOfLights)
{
    struct Case
    {
        float step;
        std::size_t lights;
    };
    for (Case c : {Case{0.003f, 335}, Case{0.0025f, 402}, Case{0.002f, 502}}) {
        emitters.clear();
        celebrationStream(17, 0, 0, 1024, 384, 0, 768, c.step, 100, 2);
        EXPECT_EQ(emitters.size(), c.lights) << c.step;
        // The light halfway starts 1000 ms later and lasts 650 ms.
    }
    emitters.clear();
    celebrationStream(17, 0, 0, 1024, 384, 0, 768, 0.5f, 100, 2);
    ASSERT_EQ(emitters.size(), 3u);
    auto middle = std::next(emitters.begin());
    EXPECT_EQ((*middle)->startTime, 1000);
    EXPECT_EQ((*middle)->endTime, 1650);
}

TEST(LongDrive, TheMultiplierRisesOnlyWhenTheLightArrives)
{
    GameFixture f;
    TLevel& level = f.play({{300, 300, 13}}, {20, 21}, {2});
    level.driveN = 9;
    f.game->LongDrive_end();
    EXPECT_EQ(level.longestDrive, 9);
    EXPECT_TRUE(longDriveStreamsPending());
    int frames = 0;
    while (level.driveMN == 1 && frames < 300) {
        f.frame();
        ++frames;
    }
    EXPECT_FLOAT_EQ(level.driveMN, 1.4f); // four plays beyond the fifth
    // The last light starts about a second later and burns 10 ms a play: about 65 frames.
    EXPECT_GE(frames, 60);
    EXPECT_LE(frames, 66);
    EXPECT_FALSE(longDriveStreamsPending());
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
        TLevel& level = f.play({{300, 300, 13}}, {20, 21}, {2});
        if (c.sevenItem)
            profile().items = {{3, "MAX-MULTI-7"}};
        captions.clear();
        level.driveMN = 2.8f;
        longDriveArrives(level, 9, true); // 2.8 + 0.4 = 3.2
        EXPECT_FLOAT_EQ(level.driveMN, c.maximum);
        EXPECT_EQ(f.game->state, "WAIT-FOR-CAPTION1");
        ASSERT_EQ(captions.size(), 1u);
        EXPECT_FLOAT_EQ(profile().multiplier, c.maximum);
        f.frame(); // the celebration, then play waits three seconds
        EXPECT_EQ(f.game->state, "WAIT-FOR-CAPTION");
        EXPECT_GT(emitters.size(), 1000u);
    }
}

TEST(LongDrive, TheEffectsOfALevelDoNotOutliveIt)
{
    GameFixture f;
    TLevel& level = f.play({{300, 300, 13}}, {20, 21}, {2});
    generateWaterParticles(300, 300);
    level.driveN = 8;
    f.game->LongDrive_end();
    ASSERT_FALSE(particles.empty());
    f.game->finish();
    EXPECT_TRUE(particles.empty());
    EXPECT_TRUE(emitters.empty());
}

TEST_F(Effects, APopInCaptionHoldsThenGoes)
{
    showCaption(14, 512, 200, 3000);
    showCaption(15, 512, 300, 2000);
    int frames = 0;
    while (captions.size() == 2 && frames < 1000) {
        delta = 1;
        updateCaptions();
        advance(17);
        ++frames;
    }
    // 100 frames to arrive, then the hold: the shorter one goes first, 2000 ms after that.
    EXPECT_NEAR(frames, 100 + 2000 / 17, 3);
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_FLOAT_EQ(captions.front()->y, 200);
}
} // namespace
