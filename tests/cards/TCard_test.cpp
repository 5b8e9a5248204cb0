// Table cards as they show themselves: hover, forced cards, turning over, identities. (Which
// cards are free is the rules' decision, tested with the rules.)
#include "cards/TCard.hpp"

#include "cards/TCardData.hpp"
#include "support/CardFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::CardFixture;

TEST(Hover, AForcedCardShowsItsFaceButIgnoresTheMouseUntilFree)
{
    CardFixture fixture;
    TCard forced;
    forced.cd = cardDataById(1);
    forced.x = 500;
    forced.y = 300;
    forced.forceSide = 1; // covered: the rules leave it face down and not free
    fixture.program().input().feedMouseMove(500, 250);
    for (int frame = 0; frame < 25; ++frame) {
        guiMouse().update();
        EXPECT_EQ(forced.update(), 0);
    }
    EXPECT_EQ(forced.side, 1); // it has turned up by itself

    forced.odkryta = 1; // the card on it has been played
    EXPECT_EQ(forced.update(), 1);
}

TEST(TurningOver, NarrowsToNothingAndWidensAgainInTwentyFrames)
{
    CardFixture fixture;
    TCard card;
    card.cd = cardDataById(1);
    ParticleList particles;
    card.showUp(particles);
    float narrowest = 1;
    int frames = 0;
    while (card.state != TurnState::None && frames < 100) {
        card.update();
        narrowest = std::min(narrowest, card.sx);
        ++frames;
    }
    EXPECT_EQ(frames, 20);
    EXPECT_LT(narrowest, 0.1f);
    EXPECT_EQ(card.side, 1);
    EXPECT_EQ(card.sx, 1);
}

TEST(TurningOver, WidthFollowsTheAngle)
{
    struct Case
    {
        float angle, width;
    };
    for (Case c : {Case{0, 1}, Case{45, 0.5f}, Case{90, 0}, Case{180, 1}, Case{270, 0}, Case{360, 1},
                   Case{450, 0}, Case{-90, 0}}) {
        EXPECT_NEAR(TCard::countXSCaleBYRot(c.angle), c.width, 1e-5) << c.angle;
    }
}

TEST(CardData, RankFromTheName)
{
    struct Case
    {
        const char* name;
        int rank;
    };
    for (Case c : {Case{"A", 14}, Case{"K", 13}, Case{"Q", 12}, Case{"J", 11}, Case{"10", 10}, Case{"2", 2},
                   Case{"a", 0}, Case{"", 0}, Case{"1x", 0}}) {
        EXPECT_EQ(rankOfName(c.name), c.rank) << c.name;
    }
}

TEST(CardData, LookupsByIdAndName)
{
    CardFixture fixture;
    ASSERT_NE(cardDataById(14), nullptr);
    EXPECT_EQ(cardDataById(14)->seqN, 14); // the ace of suit 2
    EXPECT_EQ(cardDataById(214)->seqN, 14);
    EXPECT_TRUE(cardDataById(214)->isSword());
    EXPECT_EQ(cardDataById(999), nullptr);
    EXPECT_EQ(cardDataByName("q", 3), cardDataById(2 * 13 + 12));
    EXPECT_EQ(normalCardList().size(), 52u);
    EXPECT_EQ(cardSet().magicCardData.size(), 52u);
    TCard card;
    card.cd = cardDataById(2 * 13 + 5); // the 5 of suit 3
    card.changeToSword();
    EXPECT_EQ(card.cd->id, 205);
}
} // namespace
