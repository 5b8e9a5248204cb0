// Taking moves back on the game screen: every way back lands the level exactly where it was,
// and nothing in the air can be gained twice.
#include "screens/TMainGame.hpp"

#include "cards/TCard.hpp"
#include "cards/TCardData.hpp"
#include "cards/TResource.hpp"
#include "support/GameFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::GameFixture;

TEST(GameUndo, TwoPlaysComeBackInReverseOrderWithTheFiguresFromBeforeTheFirst)
{
    GameFixture f;
    TLevel& level = f.play({{300, 300, 3}, {700, 300, 4}, {500, 500, 13}}, {20, 21}, {2});
    const std::uint64_t before = f.inPlay().board.digest();
    f.clickCard(*f.cardAt(300, 300));
    f.settle();
    f.clickCard(*f.cardAt(700, 300));
    f.settle();
    ASSERT_EQ(level.cards.size(), 1u);
    ASSERT_FLOAT_EQ(level.score, 6);

    f.game->undoFree();
    EXPECT_EQ(level.spot.back()->id, 3);
    EXPECT_FLOAT_EQ(level.score, 3);
    // The 4 is still on its way back: the second undo waits for it, and no move is taken.
    f.game->undoFree();
    f.frame();
    EXPECT_EQ(f.inPlay().board.undoHistory().size(), 1u);
    f.clickDeck();
    EXPECT_EQ(level.deck.size(), 2u);
    ASSERT_NE(f.cardAt(700, 300), nullptr);
    EXPECT_EQ(f.cardAt(700, 300)->cd->id, 4);
    f.settle();
    EXPECT_EQ(f.cardAt(700, 300)->flyingCard, nullptr);
    ASSERT_EQ(level.cards.size(), 3u);
    EXPECT_EQ(level.cards[0]->cd->id, 3); // back in the stacking order they were dealt in
    EXPECT_EQ(level.cards[1]->cd->id, 4);
    EXPECT_EQ(level.spot.size(), 1u);
    EXPECT_FLOAT_EQ(level.score, 0);
    EXPECT_EQ(level.driveN, 0);
    EXPECT_EQ(f.inPlay().board.digest(), before);
    // The returned card plays again.
    f.clickCard(*f.cardAt(300, 300));
    f.settle();
    EXPECT_FLOAT_EQ(level.score, 3);
}

TEST(GameUndo, AnUndoneDeckTurnIsDrawnAgainAndTheEndHandGoesAtOnce)
{
    GameFixture f;
    TLevel& level = f.play({{300, 300, 9}, {700, 300, 11}}, {5}, {2});
    f.clickDeck();
    f.settle();
    f.frames(25);
    ASSERT_TRUE(level.deck.empty());
    ASSERT_FLOAT_EQ(f.game->endHandA, 1);
    f.game->undoFree();
    f.frame();
    EXPECT_FLOAT_EQ(f.game->endHandA, 0); // no fading out
    f.settle();
    ASSERT_EQ(level.deck.size(), 1u);
    EXPECT_EQ(level.deck.front()->id, 5);
    EXPECT_EQ(level.spot.back()->id, 2);
    f.clickDeck();
    f.settle();
    EXPECT_EQ(level.spot.back()->id, 5);
}

// The Undo button: what it spends and what it takes back.
struct PaidCase
{
    const char* name;
    int undos;
    bool play;      // a card is played first (the history holds a move)
    bool coinFlies; // ... and the undo comes while its coin is in the air
    int undosAfter;
    bool undone;
};

class PaidUndo : public ::testing::TestWithParam<PaidCase>
{};

TEST_P(PaidUndo, SpendsOnlyWhatItTakesBack)
{
    const PaidCase& c = GetParam();
    GameFixture f;
    TLevel& level = f.play({{300, 300, 3}, {700, 300, 9}}, {20, 21}, {2},
                           [](TLevel& l) { l.cards.front()->res = std::make_unique<TResource>(1, 25); });
    profile().undos = c.undos;
    if (c.play) {
        f.clickCard(*f.cardAt(300, 300));
        if (!c.coinFlies)
            f.settle();
        else
            f.frames(30); // the card has landed, its coin is still on its way
    }
    const std::size_t spot = level.spot.size();
    f.game->undoPaid();
    EXPECT_EQ(profile().undos, c.undosAfter);
    EXPECT_EQ(f.inPlay().board.spot().size() < spot, c.undone);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaidUndo,
    ::testing::Values(PaidCase{"none left", 0, true, false, 0, false},
                      PaidCase{"nothing to take back: nothing spent", 2, false, false, 2, false},
                      PaidCase{"a coin in the air: nothing spent", 2, true, true, 2, false},
                      PaidCase{"one spent, the play taken back", 2, true, false, 1, true}),
    [](const ::testing::TestParamInfo<PaidCase>& i) {
        std::string n = i.param.name;
        for (char& ch : n)
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return n;
    });

TEST(GameUndo, ACoinIsPaidOnceHoweverOftenItsPlayIsTakenBack)
{
    GameFixture f;
    TLevel& level = f.play({{300, 300, 3}, {700, 300, 9}}, {20, 21}, {2},
                           [](TLevel& l) { l.cards.front()->res = std::make_unique<TResource>(2, 25); });
    for (int round = 0; round < 3; ++round) {
        f.clickCard(*f.cardAt(300, 300));
        f.settle();
        ASSERT_FLOAT_EQ(level.score, 28) << "round " << round;
        f.game->undoFree();
        f.settle();
        ASSERT_FLOAT_EQ(level.score, 0);
        TCard* back = f.cardAt(300, 300);
        ASSERT_NE(back, nullptr);
        ASSERT_NE(back->res, nullptr); // the coin lies under it again
        EXPECT_EQ(back->res->id, 2);
        EXPECT_EQ(back->res->ammount, 25);
    }
}

TEST(GameUndo, AMagicCardFoundInThePlayIsLostAgainAndOneFoundBeforeStays)
{
    GameFixture f;
    f.play({{300, 300, 303}, {700, 300, 304}, {500, 550, 9}}, {20, 21}, {2});
    TCardData* earlier = cardDataById(304);
    profile().addMagicCard(earlier); // found in an earlier level
    earlier->notFound = 0;
    f.cardAt(700, 300)->cd->newMagicCard = 0;
    const int foundBefore = profile().foundMagicCardsN;

    f.clickCard(*f.cardAt(300, 300));
    f.settle();
    ASSERT_NE(profile().getMagicCard(303), nullptr);
    ASSERT_EQ(profile().foundMagicCardsN, foundBefore + 1);
    f.clickCard(*f.cardAt(700, 300));
    f.settle();

    f.game->undoFree();
    f.settle();
    EXPECT_NE(profile().getMagicCard(304), nullptr);
    f.game->undoFree();
    f.settle();
    EXPECT_EQ(profile().getMagicCard(303), nullptr);
    EXPECT_EQ(cardDataById(303)->notFound, 1);
    EXPECT_EQ(profile().foundMagicCardsN, foundBefore);
}

TEST(GameUndo, TheButtonSlidesInWithUndosAndAMoveAndAwayWithout)
{
    GameFixture f;
    f.play({{300, 300, 3}, {700, 300, 9}}, {20, 21}, {2});
    profile().undos = 1;
    f.frames(30);
    EXPECT_FLOAT_EQ(f.game->undoA, 0); // nothing to take back yet
    f.clickCard(*f.cardAt(300, 300));
    f.settle();
    f.frames(25);
    EXPECT_FLOAT_EQ(f.game->undoA, 1);
    f.game->undoPaid();
    f.settle();
    f.frames(25);
    EXPECT_EQ(profile().undos, 0);
    EXPECT_FLOAT_EQ(f.game->undoA, 0);
}
} // namespace

namespace
{
TEST(GameUndo, TakingBackTheSixthPlayEndsTheSignButTurnsNoDeckCard)
{
    GameFixture f;
    // 3 to 8 in a row on a 2: the sixth play makes the drive long.
    std::vector<testing_support::TestCard> table;
    for (int i = 0; i < 6; ++i)
        table.push_back({80.0f + 120 * static_cast<float>(i), 300, 3 + i});
    table.push_back({500, 500, 13});
    TLevel& level = f.play(table, {20, 21}, {2});
    for (int i = 0; i < 6; ++i) {
        f.clickCard(*level.cards.front());
        f.settle();
    }
    f.frames(20);
    ASSERT_EQ(level.driveN, 6);
    ASSERT_FLOAT_EQ(f.game->endCAlpha, 1); // the cash-in sign over the deck
    f.game->undoFree();
    f.settle();
    f.frames(30);
    EXPECT_EQ(level.driveN, 5);
    EXPECT_FLOAT_EQ(f.game->endCAlpha, 0);
    EXPECT_EQ(level.deck.size(), 2u); // the sign going out turned no card
    EXPECT_EQ(level.spot.back()->id, 7);
}
} // namespace
