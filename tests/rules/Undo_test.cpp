// Taking moves back by the rules alone: each kind of move undone puts the state back exactly,
// nothing is undone while something is on its way, and what the deal did cannot be undone.
#include "rules/Board.hpp"

#include "support/RulesFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using rules::Board;
using rules::EventKind;
using rules::Identity;
using rules::Layout;
using rules::UndoKind;
using testing_support::Dealt;
using testing_support::hammerCard;
using testing_support::place;
using testing_support::rankCard;
using testing_support::swordCard;
using testing_support::tableLayout;
using testing_support::withCoin;

// A 4 under a 3 that carries a coin of 25, a row of 5..9 apart, a 2 on the spot.
Layout coinAndRow()
{
    return tableLayout({place(200, 340, rankCard(4)), withCoin(place(200, 300, rankCard(3)), 25),
                        place(400, 300, rankCard(5)), place(510, 300, rankCard(6)),
                        place(620, 300, rankCard(7)), place(730, 300, rankCard(8)),
                        place(840, 300, rankCard(9))},
                       {rankCard(12), rankCard(13)}, {rankCard(2)});
}

TEST(RulesUndo, APlayedCardComesBackWithItsCoinAndTheFiguresFromBefore)
{
    Dealt d(coinAndRow());
    const std::uint64_t before = d.board.digest();
    ASSERT_TRUE(d.board.play(1));
    EXPECT_TRUE(d.board.card(0).uncovered); // the 4 is free now
    d.board.landAll();
    EXPECT_EQ(d.board.score(), 3 + 25);
    ASSERT_TRUE(d.board.undo());
    EXPECT_EQ(d.board.digest(), before);
    EXPECT_EQ(d.board.score(), 0);
    EXPECT_EQ(d.board.driveN(), 0);
    EXPECT_EQ(d.board.spotCard(), rankCard(2));
    EXPECT_TRUE(d.board.onTable(1));
    EXPECT_TRUE(d.board.card(1).hasCoin);    // played again, the coin pays again, once
    EXPECT_FALSE(d.board.card(0).uncovered); // covered again
    const std::vector<rules::Event> undos = d.recorder.of(EventKind::Undo);
    ASSERT_EQ(undos.size(), 1u);
    EXPECT_EQ(undos[0].undone, UndoKind::CardPlayed);
    EXPECT_EQ(undos[0].slot, 1);
    EXPECT_STREQ(rules::undoName(undos[0].undone), "KARTA-ZDJETA");

    // Played again, it scores as the first time: no coin or point is gained twice.
    ASSERT_TRUE(d.board.play(1));
    d.board.landAll();
    EXPECT_EQ(d.board.score(), 3 + 25);
}

TEST(RulesUndo, TwoPlaysUndoneInTurnComeBackInReverseOrder)
{
    Dealt d(coinAndRow());
    const std::uint64_t start = d.board.digest();
    ASSERT_TRUE(d.board.play(1)); // 3 on 2
    d.board.landAll();
    const std::uint64_t afterFirst = d.board.digest();
    ASSERT_TRUE(d.board.play(0)); // 4 on 3
    ASSERT_TRUE(d.board.undo());
    EXPECT_EQ(d.board.digest(), afterFirst);
    ASSERT_TRUE(d.board.undo());
    EXPECT_EQ(d.board.digest(), start);
    EXPECT_FALSE(d.board.undo()); // nothing left
    EXPECT_EQ(d.board.digest(), start);
}

TEST(RulesUndo, ADeckCardGoesBackToTheFrontAndTheDrivesLightIsTakenBackToo)
{
    Dealt d(coinAndRow());
    for (int slot : {1, 0, 2, 3, 4, 5, 6}) // 3 to 9: a drive of seven
        ASSERT_TRUE(d.board.play(slot)) << slot;
    d.board.landAll();
    const std::uint64_t before = d.board.digest();
    const long long score = d.board.score();
    ASSERT_TRUE(d.board.turnDeck()); // the queen ends the drive; its light raises the multiplier
    d.board.landAll();
    EXPECT_GT(d.board.multiplierTenths(), 10);
    ASSERT_TRUE(d.board.undo());
    EXPECT_EQ(d.board.digest(), before);
    EXPECT_EQ(d.board.multiplierTenths(), 10);
    EXPECT_EQ(d.board.driveN(), 7);
    EXPECT_EQ(d.board.score(), score);
    EXPECT_EQ(d.board.deck().front(), rankCard(12));
    ASSERT_TRUE(d.board.turnDeck()); // the same card is drawn again
    EXPECT_EQ(d.board.spotCard(), rankCard(12));
}

TEST(RulesUndo, AUsedSwordGoesBackToTheRackAndTheDriveIsNotLeftOneTooLong)
{
    Layout layout = coinAndRow();
    layout.rack = {swordCard(9), swordCard(11)};
    Dealt d(std::move(layout));
    ASSERT_TRUE(d.board.play(1));
    ASSERT_TRUE(d.board.play(0));
    d.board.landAll();
    const std::uint64_t before = d.board.digest();
    ASSERT_TRUE(d.board.useSword(swordCard(9).id));
    EXPECT_EQ(d.board.driveN(), 3);
    ASSERT_TRUE(d.board.undo());
    EXPECT_EQ(d.board.digest(), before);
    EXPECT_EQ(d.board.driveN(), 2);
    EXPECT_EQ(d.board.rack(), (std::vector<Identity>{swordCard(9), swordCard(11)}));
    EXPECT_EQ(d.board.spotCard(), rankCard(4));
}

TEST(RulesUndo, APickedSwordGoesBackOntoTheTableFreeToBePickedAgain)
{
    Dealt d(coinAndRow());
    d.board.setIdentity(6, swordCard(9)); // the free 9 becomes a sword
    const std::uint64_t before = d.board.digest();
    ASSERT_TRUE(d.board.play(6));
    EXPECT_EQ(d.board.rack(), std::vector<Identity>{swordCard(9)});
    ASSERT_TRUE(d.board.undo());
    EXPECT_EQ(d.board.digest(), before);
    EXPECT_TRUE(d.board.rack().empty());
    EXPECT_TRUE(d.board.canPlay(6));
    EXPECT_EQ(d.recorder.of(EventKind::Undo).back().undone, UndoKind::SwordPicked);
}

TEST(RulesUndo, ASwordAlreadyHeldComesBackFromWhereItWentNotFromTheRack)
{
    Layout layout = coinAndRow();
    layout.rack = {swordCard(9)};
    Dealt d(std::move(layout));
    d.board.setIdentity(6, swordCard(9));
    const std::uint64_t before = d.board.digest();
    ASSERT_TRUE(d.board.play(6)); // held already: it leaves the level
    EXPECT_EQ(d.board.departed(), std::vector<Identity>{swordCard(9)});
    ASSERT_TRUE(d.board.undo());
    EXPECT_EQ(d.board.digest(), before);
    EXPECT_EQ(d.board.rack(), std::vector<Identity>{swordCard(9)}); // the one held before stays
    EXPECT_TRUE(d.board.departed().empty());
}

TEST(RulesUndo, APlayThatFreesASwordIsTakenBackInTwoStepsAndThePickAloneKeepsThePlaysScore)
{
    // A sword under the 3: playing the 3 frees the sword, which is picked up at once.
    Dealt d(tableLayout(
        {place(200, 340, swordCard(7)), place(200, 300, rankCard(3)), place(600, 300, rankCard(13))},
        {rankCard(10)}, {rankCard(2)}));
    const std::uint64_t before = d.board.digest();
    ASSERT_TRUE(d.board.play(1));
    ASSERT_EQ(d.board.undoHistory().size(), 2u);
    EXPECT_EQ(d.board.undoHistory()[0].typ, UndoKind::CardPlayed);
    EXPECT_EQ(d.board.undoHistory()[1].typ, UndoKind::SwordPicked);
    EXPECT_EQ(d.board.rack(), std::vector<Identity>{swordCard(7)});

    ASSERT_TRUE(d.board.undo()); // the pick: the sword is back, the play still counts
    EXPECT_TRUE(d.board.onTable(0));
    EXPECT_TRUE(d.board.rack().empty());
    EXPECT_EQ(d.board.score(), 3);
    EXPECT_EQ(d.board.driveN(), 1);
    EXPECT_EQ(d.board.spotCard(), rankCard(3));

    ASSERT_TRUE(d.board.undo()); // the play
    EXPECT_EQ(d.board.digest(), before);
}

TEST(RulesUndo, NothingIsUndoneWhileACoinOrALightIsOnItsWay)
{
    Dealt d(coinAndRow());
    ASSERT_TRUE(d.board.play(1)); // its coin is in the air
    ASSERT_FALSE(d.board.pending().empty());
    EXPECT_FALSE(d.board.canUndo());
    const std::uint64_t flying = d.board.digest();
    EXPECT_FALSE(d.board.undo());
    EXPECT_EQ(d.board.digest(), flying);
    EXPECT_EQ(d.board.undoHistory().size(), 1u); // kept for when it has landed
    EXPECT_TRUE(d.recorder.of(EventKind::Undo).empty());
    d.board.landAll();
    EXPECT_TRUE(d.board.canUndo());
}

TEST(RulesUndo, TheDealAndTheHammersLeavingCannotBeTakenBack)
{
    // A free sword is picked up as play begins: that is the deal's doing, not a move.
    Dealt free(tableLayout({place(200, 300, swordCard(7)), place(600, 300, rankCard(3))}, {rankCard(10)},
                           {rankCard(2)}));
    EXPECT_EQ(free.board.rack(), std::vector<Identity>{swordCard(7)});
    EXPECT_TRUE(free.board.undoHistory().empty());

    // The hammer under the 3 leaves when the 3 is played: the play cannot be undone after.
    Layout layout = tableLayout(
        {place(150, 300, rankCard(13)), place(500, 300, hammerCard), place(500, 350, rankCard(3))},
        {rankCard(10)}, {rankCard(2)});
    Dealt d(std::move(layout));
    ASSERT_TRUE(d.board.onTable(1));
    ASSERT_TRUE(d.board.play(2));
    EXPECT_FALSE(d.recorder.of(EventKind::HammerLeave).empty());
    EXPECT_TRUE(d.board.undoHistory().empty());
    d.board.landAll();
    EXPECT_FALSE(d.board.undo());
}
} // namespace
