// Playing a level by the rules alone: scoring, coins, drives and the multiplier, the deck,
// swords, the end of a level, and the digest of a state.
#include "rules/Board.hpp"

#include "support/RulesFixture.hpp"

#include <gtest/gtest.h>

#include <set>

namespace
{
using rules::Board;
using rules::CardPlace;
using rules::EventKind;
using rules::Identity;
using rules::Layout;
using testing_support::Dealt;
using testing_support::forcedUp;
using testing_support::magicCard;
using testing_support::place;
using testing_support::rankCard;
using testing_support::Recorder;
using testing_support::swordCard;
using testing_support::tableLayout;
using testing_support::withCoin;
using testing_support::withIce;
using testing_support::withRocks;
using testing_support::withSnow;

// Free cards in a row, far enough apart that none lies on another.
std::vector<CardPlace> row(const std::vector<Identity>& cards)
{
    std::vector<CardPlace> table;
    for (std::size_t i = 0; i < cards.size(); ++i)
        table.push_back(place(80.0f + 110 * static_cast<float>(i), 300, cards[i]));
    return table;
}

TEST(RulesScoring, FiveScoreAtOnceAndEveryLaterPlayReleasesACoin)
{
    // 3 to 10 on a 2, the 4 and the 9 magic: a magic card scores 6, but only among the first five.
    Dealt d(tableLayout(row({rankCard(3), magicCard(4), rankCard(5), rankCard(6), rankCard(7), rankCard(8),
                             magicCard(9), rankCard(10)}),
                        {}, {rankCard(2)}));
    for (int slot = 0; slot < 8; ++slot)
        ASSERT_TRUE(d.board.play(slot)) << slot;
    const std::vector<rules::Event> plays = d.recorder.of(EventKind::Play);
    ASSERT_EQ(plays.size(), 8u);
    const int points[8] = {3, 6, 3, 3, 3, 0, 0, 0};
    for (int i = 0; i < 8; ++i) {
        const rules::Event& e = plays[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.driveBefore, i);
        EXPECT_EQ(e.points, points[i]) << "play " << i + 1;
        EXPECT_EQ(e.driveCoin.ticket != 0, i >= 5) << "play " << i + 1;
        EXPECT_EQ(e.driveCoin.amount, i >= 5 ? 10 : 0) << "play " << i + 1;
    }
    EXPECT_EQ(d.board.score(), 18);
    EXPECT_EQ(d.board.driveN(), 8);
    EXPECT_EQ(d.board.pending().size(), 3u);

    d.board.landAll();
    EXPECT_EQ(d.board.score(), 48);
    const std::vector<rules::Event> coins = d.recorder.of(EventKind::Coin);
    ASSERT_EQ(coins.size(), 3u);
    EXPECT_EQ(coins[0].ticket, plays[5].driveCoin.ticket); // in the order they were handed out
    EXPECT_EQ(coins[0].slot, -1);                          // a drive's coin lay under no card
    EXPECT_EQ(coins[0].card.id, 0);
}

TEST(RulesScoring, AColumnCoinCountsWhenItLandsAndOnlyOnce)
{
    Dealt d(
        tableLayout({withCoin(place(200, 300, rankCard(3)), 7), withCoin(place(500, 300, rankCard(4)), 0)},
                    {}, {rankCard(2)}));
    d.board.play(0);
    d.board.play(1);
    const std::vector<rules::Event> plays = d.recorder.of(EventKind::Play);
    ASSERT_EQ(plays.size(), 2u);
    EXPECT_EQ(plays[0].columnCoin.amount, 7);
    const int seven = plays[0].columnCoin.ticket;
    const int nothing = plays[1].columnCoin.ticket;
    ASSERT_NE(seven, 0);
    ASSERT_NE(nothing, 0); // a coin worth nothing still flies
    EXPECT_EQ(d.board.score(), 6);

    // Pending tickets are not part of the state: a coin worth nothing changes no digest.
    const std::uint64_t before = d.board.digest();
    d.board.land(nothing);
    EXPECT_EQ(d.board.digest(), before);
    d.board.land(seven);
    EXPECT_EQ(d.board.score(), 13);
    d.board.land(seven);
    d.board.land(12345);
    EXPECT_EQ(d.board.score(), 13);
    const std::vector<rules::Event> coins = d.recorder.of(EventKind::Coin);
    ASSERT_EQ(coins.size(), 2u);
    EXPECT_EQ(coins[1].slot, 0);
    EXPECT_EQ(coins[1].card, rankCard(3));
    EXPECT_EQ(coins[1].amount, 7);
}

TEST(RulesPlaying, RefusedAndImpossiblePlaysChangeNothing)
{
    // The 9 does not follow the 2; the 5 lies under the 6; slot 7 does not exist.
    Dealt d(tableLayout(
        {place(200, 300, rankCard(9)), place(600, 300, rankCard(5)), place(600, 350, rankCard(6))},
        {rankCard(11)}, {rankCard(2)}));
    const std::uint64_t before = d.board.digest();
    EXPECT_FALSE(d.board.canPlay(0));
    EXPECT_FALSE(d.board.play(0));
    EXPECT_FALSE(d.board.play(1));
    EXPECT_FALSE(d.board.play(7));
    EXPECT_FALSE(d.board.play(-1));
    EXPECT_EQ(d.board.digest(), before);
    ASSERT_EQ(d.recorder.entries.size(), 1u); // only the 9 is refused: it lies free
    EXPECT_EQ(d.recorder.entries[0].event.kind, EventKind::Refuse);
    EXPECT_EQ(d.recorder.entries[0].event.slot, 0);

    // Nothing follows an empty spot.
    Dealt empty(tableLayout({place(200, 300, rankCard(3))}));
    EXPECT_FALSE(empty.board.canPlay(0));
    EXPECT_FALSE(empty.board.play(0));
    EXPECT_EQ(empty.recorder.kinds(), std::vector<EventKind>{EventKind::Refuse});
}

struct LightCase
{
    const char* what;
    int tenths;  // before the light lands
    int maximum; // the multiplier's maximum
    int length;  // of the drive
    int after;
    bool maximumReached;
};

void PrintTo(const LightCase& c, std::ostream* os)
{
    *os << c.what;
}

class RulesDriveLight : public ::testing::TestWithParam<LightCase>
{};

TEST_P(RulesDriveLight, RaisesTheMultiplierWhenItLands)
{
    const LightCase& c = GetParam();
    Layout layout = tableLayout({place(200, 300, rankCard(13))});
    layout.multiplierTenths = c.tenths;
    layout.items.maxMultiplierTenths = c.maximum;
    Dealt d(std::move(layout));
    d.board.setDrive(c.length);
    d.board.LongDrive_end();
    EXPECT_EQ(d.board.driveN(), 0);
    EXPECT_EQ(d.board.longestDrive(), c.length);
    EXPECT_EQ(d.board.multiplierTenths(), c.tenths); // the light is still on its way
    const std::vector<rules::Event> ends = d.recorder.of(EventKind::DriveEnd);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].length, c.length);
    ASSERT_NE(ends[0].ticket, 0);

    d.board.land(ends[0].ticket);
    EXPECT_EQ(d.board.multiplierTenths(), c.after);
    const std::vector<rules::Event> rises = d.recorder.of(EventKind::Multiplier);
    ASSERT_EQ(rises.size(), 1u);
    EXPECT_EQ(rises[0].tenthsBefore, c.tenths);
    EXPECT_EQ(rises[0].length, c.length);
    EXPECT_EQ(rises[0].maximumReached, c.maximumReached);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RulesDriveLight,
    ::testing::Values(LightCase{"a tenth for every play beyond the fifth", 10, 50, 8, 13, false},
                      LightCase{"exactly 3.0 stays", 25, 50, 10, 30, false},
                      LightCase{"above 3.0 it jumps to the maximum", 30, 50, 6, 50, true},
                      LightCase{"... to 7.0 with the aid", 28, 70, 9, 70, true},
                      LightCase{"a rise from above 3.0 lands on the maximum too", 45, 50, 6, 50, true},
                      LightCase{"at the maximum it stays there, and no celebration", 50, 50, 9, 50, false},
                      LightCase{"with the aid a rise from 5.0 goes on to 7.0", 50, 70, 6, 70, true}));

TEST(RulesDrives, AShortDriveSendsNoLight)
{
    Dealt d(tableLayout({place(200, 300, rankCard(13))}));
    d.board.setDrive(5);
    d.board.LongDrive_end();
    ASSERT_EQ(d.recorder.of(EventKind::DriveEnd).size(), 1u);
    EXPECT_EQ(d.recorder.of(EventKind::DriveEnd)[0].ticket, 0);
    EXPECT_EQ(d.recorder.of(EventKind::DriveEnd)[0].length, 5);
    EXPECT_TRUE(d.board.pending().empty());
    EXPECT_EQ(d.board.longestDrive(), 0);
}

TEST(RulesDrives, TheDeckEndsADriveAfterItsCardReachesTheSpotAndTheLongestIsKept)
{
    std::vector<Identity> run;
    for (int rank = 3; rank <= 9; ++rank)
        run.push_back(rankCard(rank));
    Layout layout = tableLayout(row(run), {rankCard(5, 2), rankCard(6, 2)}, {rankCard(2)});
    layout.longestDrive = 6;
    Dealt d(std::move(layout));
    for (int slot = 0; slot < 7; ++slot)
        d.board.play(slot);
    d.recorder.entries.clear();
    ASSERT_TRUE(d.board.turnDeck());
    EXPECT_EQ(d.recorder.kinds(), (std::vector<EventKind>{EventKind::Deck, EventKind::DriveEnd}));
    EXPECT_EQ(d.recorder.entries[1].event.length, 7);
    EXPECT_EQ(d.board.spotCard(), rankCard(5, 2));
    EXPECT_EQ(d.board.longestDrive(), 7);

    d.recorder.entries.clear();
    ASSERT_TRUE(d.board.turnDeck()); // no drive to end
    EXPECT_EQ(d.recorder.kinds(), std::vector<EventKind>{EventKind::Deck});
    EXPECT_FALSE(d.board.turnDeck());
    d.board.landAll();
    EXPECT_EQ(d.board.multiplierTenths(), 12);
    d.board.setDrive(6);
    d.board.LongDrive_end();
    EXPECT_EQ(d.board.longestDrive(), 7);
}

TEST(RulesSwords, FromTheDeckToTheRackWhileTheDriveGoesOn)
{
    Layout layout = tableLayout({place(200, 300, rankCard(13))},
                                {swordCard(9), swordCard(4), rankCard(7), swordCard(4)}, {rankCard(2)});
    layout.rack = {swordCard(12)};
    Dealt d(std::move(layout));
    d.board.setDrive(3);
    d.board.turnDeck();
    d.board.turnDeck();
    EXPECT_EQ(d.board.rack(), (std::vector<Identity>{swordCard(4), swordCard(9), swordCard(12)}));
    EXPECT_EQ(d.board.driveN(), 3);
    EXPECT_EQ(d.board.spotCard(), rankCard(2));
    d.board.turnDeck();
    EXPECT_EQ(d.board.driveN(), 0);
    d.board.turnDeck(); // held already: it leaves the level
    EXPECT_EQ(d.board.departed(), std::vector<Identity>{swordCard(4)});
    const std::vector<rules::Event> swords = d.recorder.of(EventKind::DeckSword);
    ASSERT_EQ(swords.size(), 3u);
    EXPECT_FALSE(swords[0].alreadyHeld);
    EXPECT_TRUE(swords[2].alreadyHeld);
}

TEST(RulesSwords, ASwordFromTheDeckHasTheTableLookedAtAgain)
{
    // Dealt, a card right of the ice line lies face down even without snow; a look in play turns
    // it up, and a sword turned from the deck is such a look.
    Layout layout = tableLayout({withIce(place(300, 300, rankCard(3))), place(700, 300, rankCard(9))},
                                {swordCard(9), rankCard(5)});
    layout.iceLine = 300;
    Board board(std::move(layout));
    board.deal();
    EXPECT_FALSE(board.card(1).faceUp);
    board.turnDeck();
    EXPECT_TRUE(board.card(1).faceUp);
    EXPECT_TRUE(board.card(1).uncovered);
}

TEST(RulesSwords, AUsedSwordGoesOntoTheSpotWhateverItIs)
{
    Layout layout = tableLayout({place(200, 300, rankCard(10))}, {}, {rankCard(2)});
    layout.rack = {swordCard(9)};
    Dealt d(std::move(layout));
    EXPECT_FALSE(d.board.useSword(swordCard(10).id));
    EXPECT_TRUE(d.recorder.entries.empty());
    EXPECT_TRUE(d.board.useSword(swordCard(9).id));
    EXPECT_EQ(d.board.spotCard(), swordCard(9));
    EXPECT_TRUE(d.board.rack().empty());
    EXPECT_EQ(d.board.driveN(), 1);
    EXPECT_EQ(d.board.score(), 0);
    EXPECT_EQ(d.recorder.kinds(), std::vector<EventKind>{EventKind::SwordUse});
    EXPECT_TRUE(d.board.play(0)); // the 10 follows the sword's 9
    EXPECT_EQ(d.board.driveN(), 2);
}

TEST(RulesDeveloperKeys, ChangeTheFiguresAndTurnACardIntoASword)
{
    Dealt d(tableLayout({place(200, 300, rankCard(9)), place(500, 300, rankCard(11))}, {}, {rankCard(2)}));
    d.board.addMultiplierTenths(1);
    EXPECT_EQ(d.board.multiplierTenths(), 11);
    d.board.addMultiplierTenths(-20);
    EXPECT_EQ(d.board.multiplierTenths(), 0);
    d.board.LongDrive_add();
    d.board.LongDrive_add();
    EXPECT_EQ(d.board.driveN(), 2);
    EXPECT_TRUE(d.recorder.entries.empty());
    d.board.resetDriveAndMultiplier();
    EXPECT_EQ(d.board.driveN(), 0);
    EXPECT_EQ(d.board.multiplierTenths(), 10);

    d.board.setIdentity(0, swordCard(9));
    EXPECT_TRUE(d.board.canPlay(0));
    EXPECT_TRUE(d.board.play(0));
    EXPECT_EQ(d.recorder.kinds(), std::vector<EventKind>{EventKind::SwordPick});
    EXPECT_EQ(d.board.rack(), std::vector<Identity>{swordCard(9)});
}

struct EndCase
{
    const char* what;
    int cardsLeft;
    long long score;
    int tenths;
    bool cashBonus;
    int bonus;
    long long recorded;
    int driveAfter; // the drive was 7
};

void PrintTo(const EndCase& c, std::ostream* os)
{
    *os << c.what;
}

class RulesEndOfLevel : public ::testing::TestWithParam<EndCase>
{};

TEST_P(RulesEndOfLevel, RecordsTableScorePlusBonusTimesTheMultiplier)
{
    const EndCase& c = GetParam();
    std::vector<Identity> left;
    for (int i = 0; i < c.cardsLeft; ++i)
        left.push_back(rankCard(13));
    Layout layout = tableLayout(row(left), {rankCard(5), rankCard(6)}, {rankCard(2)});
    layout.score = c.score;
    layout.multiplierTenths = c.tenths;
    layout.driveN = 7;
    layout.items.cashBonus = c.cashBonus;
    Dealt d(std::move(layout));
    const rules::LevelEnd f = d.board.endLevel();
    EXPECT_EQ(f.cardsLeft, c.cardsLeft);
    EXPECT_EQ(f.deckLeft, 2);
    EXPECT_EQ(f.bonus, c.bonus);
    EXPECT_EQ(f.recorded, c.recorded);
    EXPECT_EQ(f.perfect, c.cardsLeft == 0);
    EXPECT_TRUE(d.board.deck().empty()); // the rest of the deck flies out
    EXPECT_EQ(d.board.departed().size(), 2u);
    EXPECT_EQ(d.board.driveN(), c.driveAfter);
    ASSERT_FALSE(d.recorder.entries.empty());
    EXPECT_EQ(d.recorder.entries[0].event.kind, EventKind::LevelEnd);
    EXPECT_EQ(d.recorder.entries[0].event.figures.recorded, c.recorded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RulesEndOfLevel,
    ::testing::Values(EndCase{"three left", 3, 200, 15, false, 100, 450, 7},
                      EndCase{"three left with the five-percent aid", 3, 200, 15, true, 100, 465, 7},
                      EndCase{"a perfect level", 0, 250, 20, false, 1000, 2500, 0},
                      EndCase{"a multiplier of 1.3 is exact", 1, 100, 13, false, 500, 780, 7},
                      EndCase{"four left", 4, 10, 10, false, 50, 60, 7},
                      EndCase{"five or more left: no bonus, and the drive is dropped", 6, 99, 10, false, 0,
                              99, 0}));

TEST(RulesEndOfLevel, APerfectLevelEndsItsDriveAfterTheRecord)
{
    Layout layout = tableLayout({});
    layout.score = 250;
    layout.multiplierTenths = 20;
    layout.driveN = 7;
    Dealt d(std::move(layout));
    const rules::LevelEnd f = d.board.endLevel();
    EXPECT_EQ(d.recorder.kinds(), (std::vector<EventKind>{EventKind::LevelEnd, EventKind::DriveEnd}));
    EXPECT_EQ(f.recorded, 2500);
    EXPECT_EQ(d.board.longestDrive(), 7);
    EXPECT_EQ(d.board.pending().size(), 1u); // its light comes too late for the record
}

TEST(RulesEndOfLevel, WhatIsStillOnItsWayCountsFirst)
{
    // Six plays: the sixth's coin is in the air, and the deck's turn sends the drive's light.
    std::vector<Identity> run;
    for (int rank = 3; rank <= 8; ++rank)
        run.push_back(rankCard(rank));
    run.push_back(rankCard(13));
    Dealt d(tableLayout(row(run), {rankCard(11)}, {rankCard(2)}));
    for (int slot = 0; slot < 6; ++slot)
        d.board.play(slot);
    d.board.turnDeck();
    ASSERT_EQ(d.board.pending().size(), 2u);
    const rules::LevelEnd f = d.board.endLevel();
    EXPECT_EQ(f.total, 15 + 10 + 500);
    EXPECT_EQ(f.recorded, 577); // 525 times 1.1, truncated
    EXPECT_TRUE(d.board.pending().empty());
}

// A layout of every kind of mark, to change one thing at a time.
Layout markedLayout()
{
    Layout layout = tableLayout({place(200, 300, rankCard(3)), withIce(place(400, 300, rankCard(4))),
                                 withRocks(place(600, 300, rankCard(5))), place(800, 300, rankCard(6))},
                                {rankCard(7), rankCard(8)}, {rankCard(2)});
    layout.table[3].faceUp = true;
    layout.table[3].uncovered = true;
    layout.rack = {swordCard(5)};
    layout.score = 40;
    layout.driveN = 2;
    layout.multiplierTenths = 12;
    layout.iceLine = 400;
    return layout;
}

TEST(RulesDigest, IsTheSameWhateverOrderTheTableListsItsCards)
{
    Layout a = markedLayout();
    Layout b = markedLayout();
    std::swap(b.table[0], b.table[3]);
    std::swap(b.table[1], b.table[2]);
    b.overlaps = a.overlaps; // none overlap
    EXPECT_EQ(Board(a).digest(), Board(b).digest());
}

TEST(RulesDigest, SeesEverythingInTheState)
{
    using Change = void (*)(Layout&);
    const std::vector<std::pair<const char*, Change>> changes = {
        {"unchanged", [](Layout&) {}},
        {"identity", [](Layout& l) { l.table[0].card = rankCard(3, 2); }},
        {"x", [](Layout& l) { l.table[0].x = 200.5f; }},
        {"y", [](Layout& l) { l.table[0].y = 301; }},
        {"face", [](Layout& l) { l.table[0].faceUp = true; }},
        {"uncovered", [](Layout& l) { l.table[0].uncovered = true; }},
        {"forced", [](Layout& l) { l.table[3].forced = true; }},
        {"rocks", [](Layout& l) { l.table[2].rocks = false; }},
        {"ice", [](Layout& l) { l.table[1].ice = false; }},
        {"snow", [](Layout& l) { l.table[3].snow = true; }},
        {"a card fewer", [](Layout& l) { l.table.pop_back(); }},
        {"deck order", [](Layout& l) { std::swap(l.deck[0], l.deck[1]); }},
        {"deck to spot",
         [](Layout& l) {
             l.spot.insert(l.spot.begin(), l.deck.back());
             l.deck.pop_back();
         }},
        {"spot", [](Layout& l) { l.spot[0] = rankCard(2, 3); }},
        {"score", [](Layout& l) { l.score = 41; }},
        {"drive", [](Layout& l) { l.driveN = 3; }},
        {"multiplier", [](Layout& l) { l.multiplierTenths = 13; }},
        {"rack", [](Layout& l) { l.rack.push_back(swordCard(6)); }},
        {"rocks unlocked", [](Layout& l) { l.rocksUnlocked = true; }},
        {"ice line", [](Layout& l) { l.iceLine = 401; }},
    };
    std::set<std::uint64_t> seen;
    for (const auto& [what, change] : changes) {
        Layout layout = markedLayout();
        change(layout);
        EXPECT_TRUE(seen.insert(Board(layout).digest()).second) << what;
    }
}
} // namespace
