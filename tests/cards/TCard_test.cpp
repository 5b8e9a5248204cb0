// Which cards are free: covering, the obstacles, forced cards, and turning over.
#include "cards/TCard.hpp"

#include "cards/Flights.hpp"
#include "cards/TCardData.hpp"
#include "support/CardFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::CardFixture;
using testing_support::CardSpec;
using testing_support::levelOf;

struct CoverCase
{
    const char* what;
    std::vector<CardSpec> cards;
    int rocksUnlocked;
    int initial;
    int target;          // index of the card looked at
    int side;            // expected face
    int odkryta;         // expected uncovered flag
    std::size_t onTable; // cards left on the table
};

void PrintTo(const CoverCase& c, std::ostream* os)
{
    *os << c.what;
}

class Covering : public ::testing::TestWithParam<CoverCase>
{};

TEST_P(Covering, DecidesFaceAndFreedom)
{
    CardFixture fixture;
    const CoverCase& c = GetParam();
    auto level = levelOf(c.cards);
    level->utrudnienie1Odblokowane = c.rocksUnlocked;
    pomWaterX = 0;
    level->CHECK_WaterX(); // as a level does when it is dealt
    level->CHECK_Cover(c.initial);
    ASSERT_EQ(level->cards.size(), c.onTable);
    const TCard& card = *level->cards[static_cast<std::size_t>(c.target)];
    EXPECT_EQ(card.side, c.side);
    EXPECT_EQ(card.odkryta, c.odkryta);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Covering,
    ::testing::Values(
        CoverCase{"a card under a later card is covered", {{500, 300}, {500, 350}}, 0, 1, 0, 0, 0, 2},
        CoverCase{"the card on top is free and face up", {{500, 300}, {500, 350}}, 0, 1, 1, 1, 1, 2},
        CoverCase{
            "a card covered only by an earlier card is free", {{500, 350}, {500, 300}}, 0, 1, 1, 1, 1, 2},
        // 80 across and 130 down: the corners overlap, but the centres are 152 apart.
        CoverCase{"cards 150 or more apart never cover", {{400, 300}, {480, 430}}, 0, 1, 0, 1, 1, 2},
        CoverCase{"... while 139 apart they do", {{400, 300}, {470, 420}}, 0, 1, 0, 0, 0, 2},
        CoverCase{"locked rocks keep a free card face down", {{500, 300, 1, 1}}, 0, 1, 0, 0, 0, 1},
        CoverCase{"unlocked rocks let it turn up", {{500, 300, 1, 1}}, 1, 1, 0, 1, 1, 1},
        CoverCase{"right of the ice line a free card stays down when dealt",
                  {{300, 300, 1, 0, 1}, {700, 300, 2}},
                  0,
                  1,
                  1,
                  0,
                  0,
                  2},
        CoverCase{"left of it a free card turns up", {{700, 300, 1, 0, 1}, {300, 300, 2}}, 0, 1, 1, 1, 1, 2},
        // The rest of the table is then looked at again as in play: the free card turns up.
        CoverCase{"the uncovered hammer leaves the table at once",
                  {{300, 300, 105}, {700, 300, 2}},
                  0,
                  1,
                  0,
                  0,
                  1,
                  1},
        CoverCase{"a buried hammer stays", {{500, 300, 105}, {500, 350, 2}}, 0, 1, 0, 0, 0, 2},
        CoverCase{
            "a sword is face up even when covered", {{500, 300, 205}, {500, 350, 2}}, 0, 1, 0, 1, 0, 2}));

TEST(Covering, FindingTheHammerUnlocksTheRocksOnTheTable)
{
    CardFixture fixture;
    // A rock card off to the left, and the hammer under a card in the middle.
    auto level = levelOf({{150, 300, 3, 1}, {500, 300, 105}, {500, 350, 2}});
    pomWaterX = 0;
    level->CHECK_WaterX();
    level->CHECK_Cover(1);
    EXPECT_EQ(level->cards[0]->side, 0);
    ASSERT_EQ(level->cards.size(), 3u);

    // The card on the hammer is played: the hammer is free and flies off; the rocks open when
    // its first swell is over.
    level->takeOffTable(*level->cards[2]);
    level->CHECK_Cover(0);
    ASSERT_EQ(level->cards.size(), 1u);
    EXPECT_EQ(level->utrudnienie1Odblokowane, 0);
    for (int frame = 0; frame < 300 && !flyingCards.empty(); ++frame)
        updateFlights();
    EXPECT_TRUE(flyingCards.empty());
    EXPECT_EQ(level->utrudnienie1Odblokowane, 1);
    const TCard& rock = *level->cards[0];
    EXPECT_EQ(rock.state, "SHOW"); // turning face up, its rocks broken
    EXPECT_EQ(rock.utrudnienie1, 0);
    EXPECT_EQ(rock.odkryta, 1);
}

TEST(Covering, SnowRightOfTheIceWaitsForTheLastIceCard)
{
    CardFixture fixture;
    auto level = levelOf({{300, 300, 1, 0, 1}, {700, 300, 2}});
    pomWaterX = 0;
    level->CHECK_WaterX();
    EXPECT_FLOAT_EQ(pomWaterX, 300);
    EXPECT_EQ(level->cards[1]->utrudnienie3, 1);
    level->CHECK_Cover(1);
    level->CHECK_Cover(0);
    EXPECT_EQ(level->cards[1]->side, 0); // snowed, right of the line: still down

    level->takeOffTable(*level->cards[0]); // the last ice card is played
    level->CHECK_Cover(0);
    EXPECT_FLOAT_EQ(pomWaterX, 1500);
    const TCard& snowed = *level->cards[0];
    EXPECT_EQ(snowed.state, "SHOW");
    EXPECT_EQ(snowed.utrudnienie3, 0);
}

TEST(Covering, AForcedCardShowsItsFaceButIgnoresTheMouseUntilFree)
{
    CardFixture fixture;
    auto level = levelOf({{500, 300, 1, 0, 0, 0, 1}, {500, 350, 2}});
    pomWaterX = 0;
    level->CHECK_WaterX();
    level->CHECK_Cover(1);
    TCard& forced = *level->cards[0];
    fixture.program().input().feedMouseMove(500, 250); // over the forced card's visible top
    for (int frame = 0; frame < 25; ++frame) {
        guiMouse().update();
        EXPECT_EQ(forced.update(), 0);
    }
    EXPECT_EQ(forced.side, 1);
    EXPECT_EQ(forced.odkryta, 0);

    level->takeOffTable(*level->cards[1]);
    level->CHECK_Cover(0);
    EXPECT_EQ(forced.odkryta, 1);
    EXPECT_EQ(forced.update(), 1);
}

TEST(TurningOver, NarrowsToNothingAndWidensAgainInTwentyFrames)
{
    CardFixture fixture;
    TCard card;
    card.cd = cardDataById(1);
    card.showUp();
    float narrowest = 1;
    int frames = 0;
    while (!card.state.empty() && frames < 100) {
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
    EXPECT_EQ(magicCardData.size(), 52u);
    TCard card;
    card.cd = cardDataById(2 * 13 + 5); // the 5 of suit 3
    card.changeToSword();
    EXPECT_EQ(card.cd->id, 205);
}
} // namespace
