// Which table cards are free: covering, the obstacles, forced cards, the hammer, swords lying
// free, and the order in which a play's consequences are reported.
#include "rules/Board.hpp"

#include "rules/AutoPlay.hpp"
#include "support/RulesFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using rules::Board;
using rules::CardPlace;
using rules::EventKind;
using rules::Layout;
using testing_support::forcedUp;
using testing_support::hammerCard;
using testing_support::place;
using testing_support::rankCard;
using testing_support::Recorder;
using testing_support::swordCard;
using testing_support::tableLayout;
using testing_support::withCoin;
using testing_support::withIce;
using testing_support::withRocks;
using testing_support::withSnow;

CardPlace at(float x, float y)
{
    return place(x, y, rankCard(9));
}

struct CoverCase
{
    const char* what;
    std::vector<CardPlace> cards;
    bool rocksUnlocked;
    float iceLine; // as the level was dealt (0: no ice)
    int initial;
    int target;     // the slot looked at
    bool faceUp;    // expected
    bool uncovered; // expected
    int onTable;    // cards left on the table
};

void PrintTo(const CoverCase& c, std::ostream* os)
{
    *os << c.what;
}

class RulesCovering : public ::testing::TestWithParam<CoverCase>
{};

TEST_P(RulesCovering, DecidesFaceAndFreedom)
{
    const CoverCase& c = GetParam();
    Layout layout = tableLayout(c.cards);
    layout.rocksUnlocked = c.rocksUnlocked;
    layout.iceLine = c.iceLine;
    Board board(std::move(layout));
    board.CHECK_Cover(c.initial);
    ASSERT_EQ(board.tableCount(), c.onTable);
    ASSERT_TRUE(board.onTable(c.target));
    EXPECT_EQ(board.card(c.target).faceUp, c.faceUp);
    EXPECT_EQ(board.card(c.target).uncovered, c.uncovered);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RulesCovering,
    ::testing::Values(
        CoverCase{"a card under a later card is covered",
                  {at(500, 300), at(500, 350)},
                  false,
                  0,
                  1,
                  0,
                  false,
                  false,
                  2},
        CoverCase{"the card on top is free and face up",
                  {at(500, 300), at(500, 350)},
                  false,
                  0,
                  1,
                  1,
                  true,
                  true,
                  2},
        CoverCase{"a card covered only by an earlier card is free",
                  {at(500, 350), at(500, 300)},
                  false,
                  0,
                  1,
                  1,
                  true,
                  true,
                  2},
        // 80 across and 130 down: the shapes overlap, but the centres are 152 apart.
        CoverCase{"cards 150 or more apart never cover",
                  {at(400, 300), at(480, 430)},
                  false,
                  0,
                  1,
                  0,
                  true,
                  true,
                  2},
        CoverCase{
            "... while 139 apart they do", {at(400, 300), at(470, 420)}, false, 0, 1, 0, false, false, 2},
        CoverCase{"locked rocks keep a free card face down",
                  {withRocks(at(500, 300))},
                  false,
                  0,
                  1,
                  0,
                  false,
                  false,
                  1},
        CoverCase{"unlocked rocks let it turn up", {withRocks(at(500, 300))}, true, 0, 1, 0, true, true, 1},
        CoverCase{"right of the ice line a free card stays down when dealt",
                  {withIce(at(300, 300)), withSnow(at(700, 300))},
                  false,
                  300,
                  1,
                  1,
                  false,
                  false,
                  2},
        CoverCase{"left of it a free card turns up",
                  {withIce(at(700, 300)), at(300, 300)},
                  false,
                  700,
                  1,
                  1,
                  true,
                  true,
                  2},
        CoverCase{"a forced card right of the ice line shows its face but is not free",
                  {withIce(at(300, 300)), forcedUp(at(700, 300))},
                  false,
                  300,
                  1,
                  1,
                  true,
                  false,
                  2},
        CoverCase{"a forced card keeps its face while covered",
                  {forcedUp(at(500, 300)), at(500, 350)},
                  false,
                  0,
                  1,
                  0,
                  true,
                  false,
                  2},
        CoverCase{"an uncovered hammer stays on the table when dealt",
                  {place(300, 300, hammerCard), at(700, 300)},
                  false,
                  0,
                  1,
                  0,
                  true,
                  true,
                  2},
        CoverCase{"an uncovered hammer right of the ice line stays free when dealt",
                  {withIce(at(300, 300)), place(700, 300, hammerCard)},
                  false,
                  300,
                  1,
                  1,
                  true,
                  true,
                  2},
        CoverCase{"a buried hammer stays",
                  {place(500, 300, hammerCard), at(500, 350)},
                  false,
                  0,
                  1,
                  0,
                  false,
                  false,
                  2},
        CoverCase{"a sword is face up even when covered",
                  {place(500, 300, swordCard(5)), at(500, 350)},
                  false,
                  0,
                  1,
                  0,
                  true,
                  false,
                  2},
        CoverCase{"in play a free card turns up", {at(500, 300)}, false, 0, 0, 0, true, true, 1},
        CoverCase{"in play snow right of the ice line keeps a free card down",
                  {withIce(at(300, 300)), withSnow(at(700, 300))},
                  false,
                  300,
                  0,
                  1,
                  false,
                  false,
                  2},
        CoverCase{"in play a forced card under snow right of the ice line keeps its face but is not free",
                  {withIce(at(300, 300)), forcedUp(withSnow(at(700, 300)))},
                  false,
                  300,
                  0,
                  1,
                  true,
                  false,
                  2},
        CoverCase{"in play a card right of the ice line without snow turns up",
                  {withIce(at(300, 300)), at(700, 300)},
                  false,
                  300,
                  0,
                  1,
                  true,
                  true,
                  2},
        CoverCase{"in play a free hammer leaves the table",
                  {place(300, 300, hammerCard), at(700, 300)},
                  false,
                  0,
                  0,
                  1,
                  true,
                  true,
                  1},
        CoverCase{"in play a free sword is picked up and frees what it lay on",
                  {at(500, 300), place(500, 350, swordCard(5))},
                  false,
                  0,
                  0,
                  0,
                  true,
                  true,
                  1}));

TEST(RulesCovering, TheHammerLeavesWhenFreedAndTheRocksOpenWhenItLands)
{
    // A rock card off to the left, and the hammer under a 2 in the middle.
    Layout layout = tableLayout(
        {withRocks(place(150, 300, rankCard(3))), place(500, 300, hammerCard), place(500, 350, rankCard(2))},
        {}, {rankCard(3, 2)});
    Board board(std::move(layout));
    board.deal();
    board.beginPlay();
    Recorder recorder;
    board.setListener(&recorder);
    EXPECT_FALSE(board.card(0).faceUp);
    ASSERT_TRUE(board.play(2));
    ASSERT_EQ(recorder.kinds(),
              (std::vector<EventKind>{EventKind::Take, EventKind::HammerLeave, EventKind::Play}));
    EXPECT_EQ(recorder.entries[1].tableCount, 2); // it is reported while it still lies there
    EXPECT_EQ(recorder.entries[2].tableCount, 1);
    EXPECT_FALSE(board.onTable(1));
    EXPECT_EQ(board.departed(), std::vector<rules::Identity>{hammerCard});
    EXPECT_FALSE(board.rocksUnlocked()); // not before its swell is over
    EXPECT_FALSE(board.card(0).faceUp);
    const int ticket = recorder.entries[1].event.ticket;
    ASSERT_EQ(board.pending().size(), 1u);
    EXPECT_EQ(board.pending()[0].ticket, ticket);

    recorder.entries.clear();
    board.land(ticket);
    EXPECT_TRUE(board.rocksUnlocked());
    EXPECT_EQ(recorder.kinds(), (std::vector<EventKind>{EventKind::RocksOpen, EventKind::Uncover}));
    const rules::Event& uncover = recorder.entries[1].event;
    EXPECT_EQ(uncover.slot, 0);
    EXPECT_TRUE(uncover.turned);
    EXPECT_TRUE(uncover.rocksBroken);
    EXPECT_FALSE(uncover.snowMelted);
    const rules::CardState& rock = board.card(0);
    EXPECT_TRUE(rock.faceUp);
    EXPECT_TRUE(rock.uncovered);
    EXPECT_FALSE(rock.rocks);
}

TEST(RulesCovering, SnowRightOfTheIceWaitsForTheLastIceCard)
{
    Layout layout = tableLayout({withIce(place(150, 300, rankCard(3))), withIce(place(300, 300, rankCard(4))),
                                 withSnow(place(700, 300, rankCard(9)))},
                                {}, {rankCard(2)});
    layout.iceLine = 300;
    Board board(std::move(layout));
    board.deal();
    board.beginPlay();
    board.CHECK_Cover(0);
    EXPECT_FALSE(board.card(2).faceUp);
    Recorder recorder;
    board.setListener(&recorder);

    board.play(0);
    ASSERT_EQ(recorder.of(EventKind::Take).size(), 1u);
    EXPECT_FALSE(recorder.of(EventKind::Take)[0].lastIce);
    EXPECT_FALSE(board.card(2).faceUp);
    EXPECT_FLOAT_EQ(board.iceLine(), 300);

    board.play(1);
    ASSERT_EQ(recorder.of(EventKind::Take).size(), 2u);
    EXPECT_TRUE(recorder.of(EventKind::Take)[1].lastIce);
    EXPECT_FLOAT_EQ(board.iceLine(), 1500);
    const std::vector<rules::Event> uncovers = recorder.of(EventKind::Uncover);
    ASSERT_EQ(uncovers.size(), 1u);
    EXPECT_EQ(uncovers[0].slot, 2);
    EXPECT_TRUE(uncovers[0].snowMelted);
    EXPECT_FALSE(board.card(2).snow);
    EXPECT_TRUE(board.card(2).uncovered);
}

TEST(RulesCovering, AForcedCardShowsItsFaceButCannotBePlayedUntilFree)
{
    // On a 4: the forced 5 under a 3; both follow the 4.
    Board board(tableLayout({forcedUp(place(500, 300, rankCard(5))), place(500, 350, rankCard(3))}, {},
                            {rankCard(4)}));
    board.deal();
    board.beginPlay();
    Recorder recorder;
    board.setListener(&recorder);
    EXPECT_TRUE(board.card(0).faceUp);
    EXPECT_FALSE(board.canPlay(0));
    EXPECT_FALSE(board.play(0));
    EXPECT_TRUE(recorder.entries.empty());

    board.play(1);
    const std::vector<rules::Event> uncovers = recorder.of(EventKind::Uncover);
    ASSERT_EQ(uncovers.size(), 1u);
    EXPECT_EQ(uncovers[0].slot, 0);
    EXPECT_FALSE(uncovers[0].turned); // its face showed already
    EXPECT_TRUE(board.card(0).uncovered);
}

TEST(RulesCovering, FreeSwordsArePickedUpWhenPlayBeginsEachPickLookingAtTheTableAgain)
{
    // Three free swords and a fourth under a king. Picking the first looks at the table again,
    // where the second has swords above it and counts as newly free: it is picked inside the
    // first pick, the third inside the second, and so the last is reported first.
    Layout layout = tableLayout({withCoin(place(200, 300, swordCard(9)), 4), place(400, 300, swordCard(3)),
                                 place(600, 300, swordCard(7)), place(800, 300, swordCard(12)),
                                 place(800, 350, rankCard(13))},
                                {}, {rankCard(2)});
    layout.rack = {swordCard(7)};
    Board board(std::move(layout));
    Recorder recorder;
    board.setListener(&recorder);
    board.deal();
    EXPECT_EQ(recorder.kinds(), std::vector<EventKind>{EventKind::Deal}); // the deal picks nothing up
    board.beginPlay();
    const std::vector<rules::Event> picks = recorder.of(EventKind::SwordPick);
    ASSERT_EQ(picks.size(), 3u);
    EXPECT_EQ(picks[0].slot, 2);
    EXPECT_TRUE(picks[0].alreadyHeld);
    EXPECT_EQ(picks[1].slot, 1);
    EXPECT_EQ(picks[2].slot, 0);
    EXPECT_EQ(picks[2].columnCoin.amount, 4);
    EXPECT_TRUE(board.onTable(3));
    EXPECT_EQ(board.rack(), (std::vector<rules::Identity>{swordCard(3), swordCard(7), swordCard(9)}));
    EXPECT_EQ(board.departed(), std::vector<rules::Identity>{swordCard(7)});
    EXPECT_EQ(board.score(), 0);
    board.landAll();
    EXPECT_EQ(board.score(), 4);
}

TEST(RulesCovering, LandingEverythingLandsWhatTheLandingsHandOut)
{
    // A sword under rocks, with a coin under it: the hammer's landing opens the rocks, the sword
    // is picked up then, and its coin lands in the same call.
    Board board(
        tableLayout({place(200, 300, hammerCard), withCoin(withRocks(place(500, 300, swordCard(8))), 5)}));
    board.deal();
    board.beginPlay();
    ASSERT_EQ(board.pending().size(), 1u);
    board.landAll();
    EXPECT_FALSE(board.onTable(1));
    EXPECT_TRUE(board.pending().empty());
    EXPECT_EQ(board.score(), 5);
}

TEST(RulesHammerAtTheDeal, StaysUntilPlayBeginsThenOpensTheRocksAndTheLevelCanBeCleared)
{
    Layout layout = tableLayout({place(200, 300, hammerCard), withRocks(place(500, 300, rankCard(3))),
                                 withRocks(place(700, 300, rankCard(3, 2))), place(900, 450, rankCard(3, 3))},
                                {rankCard(2, 2), rankCard(2, 3)}, {rankCard(2)});
    ASSERT_EQ(layout.table[2].card.id, 16);
    ASSERT_EQ(layout.deck[1].id, 28);
    Board board(std::move(layout));
    Recorder recorder;
    board.setListener(&recorder);
    board.deal();
    EXPECT_TRUE(board.onTable(0));
    EXPECT_TRUE(board.card(0).faceUp);
    EXPECT_TRUE(board.card(0).uncovered);

    board.beginPlay();
    EXPECT_FALSE(board.onTable(0));
    ASSERT_EQ(recorder.of(EventKind::HammerLeave).size(), 1u);
    board.landAll();
    EXPECT_TRUE(board.rocksUnlocked());
    for (int slot : {1, 2}) {
        EXPECT_TRUE(board.card(slot).faceUp) << slot;
        EXPECT_TRUE(board.card(slot).uncovered) << slot;
    }
    const rules::LevelEnd end = rules::playOut(board);
    EXPECT_TRUE(end.perfect);
    EXPECT_EQ(board.tableCount(), 0);
}

TEST(RulesEventOrder, APlayReportsWhatItUncoversWhereItHappens)
{
    // A 9 under a sword (with a coin under it), a rock card beside it, and the played 3 on both.
    Layout layout = tableLayout({place(300, 300, rankCard(9)), withCoin(place(300, 350, swordCard(6)), 5),
                                 withRocks(place(420, 300, rankCard(10))), place(360, 380, rankCard(3))},
                                {}, {rankCard(2)});
    layout.rocksUnlocked = true;
    Board board(std::move(layout));
    board.deal();
    board.beginPlay();
    ASSERT_TRUE(board.canPlay(3));
    Recorder recorder;
    board.setListener(&recorder);
    ASSERT_TRUE(board.play(3));

    // The sword is taken up first; what it lay on, and the rock card after it in the table,
    // are uncovered by the look taken before the sword is reported; the play comes last.
    struct Expected
    {
        EventKind kind;
        int slot;
        int tableCount;
    };
    const std::vector<Expected> expected = {{EventKind::Take, 3, 3},
                                            {EventKind::Uncover, 0, 2},
                                            {EventKind::Uncover, 2, 2},
                                            {EventKind::SwordPick, 1, 2},
                                            {EventKind::Play, 3, 2}};
    ASSERT_EQ(recorder.entries.size(), expected.size()) << ::testing::PrintToString(recorder.kinds());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(recorder.entries[i].event.kind, expected[i].kind) << i;
        EXPECT_EQ(recorder.entries[i].event.slot, expected[i].slot) << i;
        EXPECT_EQ(recorder.entries[i].tableCount, expected[i].tableCount) << i;
    }
    EXPECT_TRUE(recorder.entries[1].event.turned);
    EXPECT_FALSE(recorder.entries[1].event.rocksBroken);
    EXPECT_TRUE(recorder.entries[2].event.rocksBroken);
    EXPECT_EQ(recorder.entries[3].event.columnCoin.amount, 5);
    EXPECT_NE(recorder.entries[3].event.columnCoin.ticket, 0);
    EXPECT_EQ(board.rack(), std::vector<rules::Identity>{swordCard(6)});
}

TEST(RulesEventOrder, AFreeCardLookedAtAgainBecauseOfASwordIsNotReportedAgain)
{
    // A free 9, the 3 to play, and a sword buried under a king further along the table.
    Board board(tableLayout({place(200, 300, rankCard(9)), place(400, 300, rankCard(3)),
                             place(700, 300, swordCard(6)), place(700, 350, rankCard(13))},
                            {}, {rankCard(2)}));
    board.deal();
    board.beginPlay();
    Recorder recorder;
    board.setListener(&recorder);
    ASSERT_TRUE(board.play(1));
    EXPECT_EQ(recorder.kinds(), (std::vector<EventKind>{EventKind::Take, EventKind::Play}));
    EXPECT_TRUE(board.card(0).uncovered);
    EXPECT_TRUE(board.onTable(2));
}
} // namespace
