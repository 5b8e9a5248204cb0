// Swords on the game screen: a rack sword slides out and goes onto the spot, a table sword is
// picked up onto the rack, and both are taken back exactly.
#include "screens/TMainGame.hpp"

#include "cards/Swords.hpp"
#include "cards/TCard.hpp"
#include "cards/TCardData.hpp"
#include "cards/TSwordData.hpp"
#include "screens/TProfile.hpp"
#include "support/GameFixture.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace
{
using testing_support::GameFixture;

// The player holds these swords (identities), laid out on the rack.
void holdSwords(GameFixture& f, std::initializer_list<int> ids)
{
    f.cards().defineAllSwords();
    for (int id : ids) {
        if (std::optional<TSword> s = newSwordById(id))
            profile().swords.push_back(*s);
    }
    profile().setupAllSwords();
}

const TSword* onRack(int id)
{
    for (const TSword& s : profile().swords) {
        if (s.sd && s.sd->id == id)
            return &s;
    }
    return nullptr;
}

// A click on the bare part of a rack sword's face (the fan opens to the right).
void clickSword(GameFixture& f, int id)
{
    const TSword& s = *onRack(id);
    const float across = (s.rot + 90) * 3.14159265f / 180;
    f.click(s.dim.x - 36 * std::cos(across), s.dim.y - 36 * std::sin(across));
}

TEST(GameSwords, ARackSwordSlidesOutGoesOntoTheSpotAndTheCardsWaitForIt)
{
    GameFixture f;
    holdSwords(f, {205, 210});
    // A 4 that follows neither the king on the spot nor the deck's jack, until the 5 comes.
    TLevel& level = f.play({{200, 300, 4}, {700, 300, 13}}, {11}, {13});
    ASSERT_EQ(f.inPlay().board.rack().size(), 2u);
    f.frames(5);
    clickSword(f, 205);
    EXPECT_EQ(f.game->clickedSword, 205);
    EXPECT_EQ(level.driveN, 1); // the sword counts at once
    EXPECT_EQ(f.game->getFirstCard()->id, 205);
    // It slides out 130 pixels in 13 frames, then leaves for the spot; a card clicked meanwhile
    // waits (the spot it would land on is still empty of the sword).
    f.clickCard(*f.cardAt(200, 300));
    EXPECT_NE(f.cardAt(200, 300), nullptr);
    const int frames = f.frames(30, [&] { return f.game->clickedSword == 0; });
    EXPECT_NEAR(frames, 12, 2);
    EXPECT_EQ(onRack(205), nullptr);
    ASSERT_NE(onRack(210), nullptr);
    f.settle();
    EXPECT_EQ(level.spot.back()->id, 205);
    f.clickCard(*f.cardAt(200, 300));
    f.settle();
    EXPECT_EQ(level.spot.back()->id, 4);
    EXPECT_EQ(level.driveN, 2);
}

TEST(GameSwords, AnUndoneSwordGoesBackToItsPlaceAndTheDriveIsNotLeftLonger)
{
    GameFixture f;
    holdSwords(f, {203, 207, 213});
    TLevel& level = f.play({{200, 300, 9}, {700, 300, 9 + 13}}, {11}, {2});
    const std::uint64_t before = f.inPlay().board.digest();
    f.frames(5);
    const float placeOf7 = onRack(207)->rot;
    clickSword(f, 207);
    f.frames(30, [&] { return f.game->clickedSword == 0; });
    f.settle();
    ASSERT_EQ(onRack(207), nullptr);
    ASSERT_EQ(level.driveN, 1);
    f.game->undoFree();
    f.settle();
    f.frames(20);
    const TSword* back = onRack(207);
    ASSERT_NE(back, nullptr);
    EXPECT_FLOAT_EQ(back->rot, placeOf7);
    EXPECT_FLOAT_EQ(back->a, 1);
    EXPECT_FLOAT_EQ(back->dodOdl, 0); // slid back into the fan
    EXPECT_EQ(level.driveN, 0);
    EXPECT_EQ(level.spot.back()->id, 2);
    EXPECT_EQ(f.inPlay().board.digest(), before);
}

TEST(GameSwords, APickedUpSwordIsTakenBackWithoutThePlaysScore)
{
    GameFixture f;
    f.cards().defineAllSwords();
    // The 3 lies on a sword 6; playing the 3 frees the sword, which is picked up.
    TLevel& level = f.play({{300, 330, 206}, {300, 300, 3}, {800, 300, 13}}, {11}, {2});
    const std::uint64_t before = f.inPlay().board.digest();
    f.clickCard(*f.cardAt(300, 300));
    f.settle();
    ASSERT_NE(onRack(206), nullptr);
    ASSERT_FLOAT_EQ(level.score, 3);

    f.game->undoFree(); // the pick-up first: the sword back on the table, the play stays
    f.settle();
    EXPECT_EQ(onRack(206), nullptr);
    ASSERT_NE(f.cardAt(300, 330), nullptr);
    EXPECT_EQ(f.cardAt(300, 330)->cd->id, 206);
    EXPECT_FLOAT_EQ(level.score, 3);
    EXPECT_EQ(level.spot.back()->id, 3);

    f.game->undoFree();
    f.settle();
    EXPECT_FLOAT_EQ(level.score, 0);
    EXPECT_EQ(level.cards.size(), 3u);
    EXPECT_EQ(f.inPlay().board.digest(), before);
}
} // namespace

namespace
{
TEST(GameSwords, ASwordThatMakesTheDriveLongLightsTheCashInSign)
{
    GameFixture f;
    holdSwords(f, {209});
    f.play({{200, 300, 4}, {700, 300, 13}}, {11}, {13}, [](TLevel& l) { l.driveN = 5; });
    f.frames(5);
    ASSERT_FLOAT_EQ(f.game->endCAlpha, 0);
    clickSword(f, 209);
    f.frames(30, [&] { return f.game->clickedSword == 0; });
    f.settle();
    f.frames(15);
    EXPECT_EQ(f.game->level->driveN, 6);
    EXPECT_FLOAT_EQ(f.game->endCAlpha, 1);
    EXPECT_FLOAT_EQ(f.game->level->score, 0); // no points and no coin for the sword
}
} // namespace
