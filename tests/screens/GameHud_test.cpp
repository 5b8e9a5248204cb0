// The display around the table: the multiplier's bulbs agree with the printed multiplier, and
// the cash panel's shake swings twice and comes to rest.
#include "screens/GameHud.hpp"

#include "support/GameFixture.hpp"

#include <gtest/gtest.h>

#include <array>

namespace
{
struct BulbCase
{
    int tenths;
    const char* text;
    std::array<float, 4> bulbs; // each big bulb's level
    int numer;                  // the bulb that shows the text
    int smallLit;               // small bulbs lit, from the first
};

class Bulbs : public ::testing::TestWithParam<BulbCase>
{};

TEST_P(Bulbs, LightWhatThePrintedMultiplierSays)
{
    const BulbCase& c = GetParam();
    EXPECT_EQ(GameHud::multiplierText(c.tenths), c.text);
    const std::array<float, 4> targets = GameHud::bulbTargets(c.tenths);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(targets[i], c.bulbs[i], 1e-5) << "bulb " << i;
    EXPECT_EQ(GameHud::numerBulb(targets), c.numer);
    int lit = 0;
    for (int j = 0; j < 20; ++j) {
        if (GameHud::smallBulbLit(c.tenths, j)) {
            EXPECT_EQ(j, lit) << "the lit small bulbs run from the first";
            ++lit;
        }
    }
    EXPECT_EQ(lit, c.smallLit);
}

INSTANTIATE_TEST_SUITE_P(
    Multipliers, Bulbs,
    ::testing::Values(BulbCase{10, "1.0", {0, 0, 0, 0}, 0, 0}, BulbCase{11, "1.1", {0.2f, 0, 0, 0}, 0, 1},
                      BulbCase{13, "1.3", {0.6f, 0, 0, 0}, 0, 3}, BulbCase{15, "1.5", {1, 0.5f, 0, 0}, 0, 5},
                      BulbCase{20, "2.0", {1, 1, 10.0f / 15, 0}, 2, 10},
                      BulbCase{29, "2.9", {1, 1, 1, 0.95f}, 3, 19}, BulbCase{50, "5.0", {1, 1, 1, 1}, 3, 20},
                      BulbCase{70, "7.0", {1, 1, 1, 1}, 3, 20}),
    [](const ::testing::TestParamInfo<BulbCase>& i) { return "x" + std::to_string(i.param.tenths); });

TEST(CashPanel, AShakeSwingsTwiceAndRestsFivePixelsLeft)
{
    testing_support::CardFixture cards;
    GameHud hud;
    EXPECT_FLOAT_EQ(hud.getAdXForCashPanel(), -5);
    ParticleList particles;
    hud.zatrzas(particles);
    EXPECT_FALSE(particles.empty()); // a burst of light over the panel
    int tops = 0;
    float previous = hud.trzas;
    bool rising = true;
    int frames = 0;
    for (; frames < 100 && (frames == 0 || hud.trzas != 0 || hud.dTrzas != 0); ++frames) {
        hud.update({});
        if (rising && hud.trzas < previous) {
            ++tops;
            EXPECT_FLOAT_EQ(previous, 1);
        }
        rising = hud.trzas >= previous;
        previous = hud.trzas;
        const float x = hud.getAdXForCashPanel();
        EXPECT_GE(x, -5.0f);
        EXPECT_LE(x, 5.0f);
    }
    EXPECT_EQ(tops, 2);
    EXPECT_NEAR(frames, 14, 2); // four swings of 1/0.3 frames each
    EXPECT_FLOAT_EQ(hud.getAdXForCashPanel(), -5);
    hud.trzas = 0.5f;
    EXPECT_NEAR(hud.getAdXForCashPanel(), 0, 1e-5);
    hud.trzas = 1;
    EXPECT_FLOAT_EQ(hud.getAdXForCashPanel(), 5);
}

TEST(DriveCounter, KeepsTheEndedDrivesLengthWhileItFades)
{
    testing_support::GameFixture f;
    TLevel& level = f.play({{100, 300, 3}, {250, 300, 4}, {400, 300, 5}, {700, 500, 13}}, {20, 21}, {2});
    for (int i = 0; i < 3; ++i) {
        f.clickCard(*level.cards.front());
        f.settle();
    }
    f.frames(25);
    EXPECT_FLOAT_EQ(f.game->hud_.comboA, 1);
    f.clickDeck(); // the drive of three ends
    EXPECT_EQ(f.game->hud_.remDriveN, 3);
    int fading = f.frames(60, [&] { return f.game->hud_.comboA == 0; });
    EXPECT_NEAR(fading, 25, 1);
}
} // namespace

namespace
{
TEST(DriveMotes, TwoForEveryPlayOfTheDriveAndNoneWhenItEnds)
{
    testing_support::CardFixture f;
    DriveMotes motes;
    std::size_t most = 0;
    for (int frame = 0; frame < 300; ++frame) {
        motes.updateAll(3);
        most = std::max(most, motes.size());
        f.program().clock().now += 17;
    }
    EXPECT_EQ(most, 6u);
    EXPECT_GT(motes.size(), 0u);
    for (int frame = 0; frame < 300; ++frame) {
        motes.updateAll(0);
        f.program().clock().now += 17;
    }
    EXPECT_EQ(motes.size(), 0u); // each fades out and goes
}
} // namespace
