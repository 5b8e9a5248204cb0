// Our own player: which free card it takes, and a level played out by the rules alone.
#include "rules/AutoPlay.hpp"

#include "support/RulesFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using rules::Candidate;
using testing_support::place;
using testing_support::rankCard;
using testing_support::tableLayout;

struct ChoiceCase
{
    const char* what;
    std::vector<Candidate> free;
    std::optional<int> spotRank;
    int chosen;
};

void PrintTo(const ChoiceCase& c, std::ostream* os)
{
    *os << c.what;
}

class RulesChooseCard : public ::testing::TestWithParam<ChoiceCase>
{};

TEST_P(RulesChooseCard, TakesTheCardThatKeepsTheDriveGoing)
{
    EXPECT_EQ(rules::chooseCard(GetParam().free, GetParam().spotRank), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RulesChooseCard,
    ::testing::Values(
        ChoiceCase{"nothing free", {}, 5, -1},
        ChoiceCase{"nothing follows", {{10, 9, false}, {11, 2, false}}, 5, -1},
        ChoiceCase{"nothing follows an empty spot", {{10, 4, false}, {11, 6, false}}, std::nullopt, -1},
        ChoiceCase{"the only card that follows", {{10, 9, false}, {11, 6, false}}, 5, 1},
        // The 6 can be followed by the 7; the 4 by nothing free.
        ChoiceCase{"the one with more followers",
                   {{10, 4, false}, {11, 9, false}, {12, 6, false}, {13, 7, false}},
                   5,
                   2},
        // Followers need not follow the spot themselves, and the ace counts both ways.
        ChoiceCase{"followers through the ace", {{10, 13, false}, {11, 2, false}, {12, 3, false}}, 14, 1},
        ChoiceCase{"the first of equals", {{10, 6, false}, {11, 4, false}, {12, 6, false}}, 5, 0},
        ChoiceCase{"a sword before anything", {{10, 6, false}, {11, 7, false}, {12, 11, true}}, 5, 2},
        ChoiceCase{"a sword even on an empty spot", {{10, 6, false}, {11, 11, true}}, std::nullopt, 1},
        ChoiceCase{"the sword with more followers", {{10, 11, true}, {11, 4, true}, {12, 3, false}}, 5, 1}));

TEST(RulesPlayOut, CashesInTheLastLongDriveBeforeTheLevelEnds)
{
    // 3 to 9 on a 2, and a king that never follows; no deck.
    std::vector<rules::CardPlace> table;
    for (int rank = 3; rank <= 9; ++rank)
        table.push_back(place(80.0f + 110 * static_cast<float>(rank - 3), 300, rankCard(rank)));
    table.push_back(place(880, 450, rankCard(13)));
    rules::Board board(tableLayout(table, {}, {rankCard(2)}));
    board.deal();
    const rules::LevelEnd end = rules::playOut(board);
    EXPECT_EQ(end.cardsLeft, 1);
    EXPECT_EQ(end.bonus, 500);
    EXPECT_EQ(end.total, 15 + 20 + 500); // five plays scored, two coins
    EXPECT_EQ(board.multiplierTenths(), 12);
    EXPECT_EQ(end.recorded, 642); // 535 times 1.2
    EXPECT_EQ(board.longestDrive(), 7);
}
} // namespace

namespace
{
// Our player keeps its rack swords while the deck can still turn, uses one when the deck is
// empty or when a deck turn would end a long drive, and then the one most free cards follow.
struct SwordCase
{
    const char* name;
    std::vector<rules::Identity> deck;
    int drive;
    std::vector<int> spotAfter; // ids, in the order they reached the spot
};

class RulesPlayOutSwords : public ::testing::TestWithParam<SwordCase>
{};

TEST_P(RulesPlayOutSwords, UsesARackSwordOnlyWhenTheDeckCannotHelp)
{
    const SwordCase& c = GetParam();
    // A 3 and a 6 far apart on a king; the rack holds the 9 and the 4 (the 4 leads to the 3).
    rules::Layout layout =
        tableLayout({place(200, 300, rankCard(3)), place(700, 300, rankCard(6))}, c.deck, {rankCard(13)});
    layout.rack = {testing_support::swordCard(4), testing_support::swordCard(9)};
    layout.driveN = c.drive;
    rules::Board board(std::move(layout));
    board.deal();
    rules::playOut(board);
    std::vector<int> spot;
    for (const rules::Identity& id : board.spot())
        spot.push_back(id.id);
    EXPECT_EQ(spot, c.spotAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RulesPlayOutSwords,
    ::testing::Values(
        // No deck: the 4 (one follower) before the 9 (none), then the 3; the 9 is not needed
        // for the 6 until nothing else is left.
        SwordCase{"an empty deck", {}, 0, {13, 204, 3, 209}},
        // A deck card first; once the deck is empty the swords go on.
        SwordCase{"the deck first", {rankCard(11)}, 0, {13, 11, 204, 3, 209}},
        // A long drive running: the swords keep it going; the deck turns only when they are gone.
        SwordCase{"a long drive kept", {rankCard(11)}, 6, {13, 204, 3, 209, 11}}),
    [](const ::testing::TestParamInfo<SwordCase>& i) {
        std::string n = i.param.name;
        for (char& ch : n)
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return n;
    });
} // namespace
