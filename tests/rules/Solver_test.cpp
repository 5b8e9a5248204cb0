// The solver on small hand-made tables whose answers are known, and against a search that never
// forgets a position on many random small deals: the same verdict and the same fewest cards
// left, and never "no" where our greedy player clears the table.
#include "rules/Solver.hpp"

#include "rules/AutoPlay.hpp"
#include "support/RulesFixture.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace
{
using rules::SolverMove;
using rules::Verdict;
using testing_support::place;
using testing_support::rankCard;
using testing_support::swordCard;
using testing_support::tableLayout;

rules::Board dealt(rules::Layout layout)
{
    rules::Board board(std::move(layout));
    board.deal();
    board.beginPlay();
    board.landAll();
    return board;
}

// Cards side by side, none covering another.
std::vector<rules::CardPlace> inARow(const std::vector<int>& ranks)
{
    std::vector<rules::CardPlace> table;
    for (std::size_t i = 0; i < ranks.size(); ++i)
        table.push_back(place(100.0f + 110.0f * static_cast<float>(i), 300, rankCard(ranks[i], 1 + (i % 4))));
    return table;
}

// A case's test name: its description with every other character an underscore.
template <typename Case>
std::string nameOf(const ::testing::TestParamInfo<Case>& info)
{
    std::string name;
    for (char ch : std::string(info.param.what))
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
}

// The solver's line, played on the deal, leaves exactly the cards it said.
void expectLineLeaves(const rules::Board& board, const rules::SolveResult& result, int cardsLeft)
{
    EXPECT_EQ(result.cardsLeftMin, cardsLeft);
    rules::Board replay = board;
    for (const SolverMove& move : result.line)
        ASSERT_TRUE(rules::makeMove(replay, move));
    EXPECT_EQ(replay.tableCount(), cardsLeft);
}

struct KnownCase
{
    const char* what;
    std::vector<int> table;
    std::vector<int> deck;
    int spot;
    std::vector<int> rackSwords; // ranks
    Verdict verdict;
    int cardsLeft;
};

class KnownTables : public ::testing::TestWithParam<KnownCase>
{};

TEST_P(KnownTables, GetTheirKnownAnswerAndALineThatShowsIt)
{
    const KnownCase& c = GetParam();
    std::vector<rules::Identity> deck;
    for (int rank : c.deck)
        deck.push_back(rankCard(rank, 2));
    rules::Layout layout = tableLayout(inARow(c.table), deck, {rankCard(c.spot, 3)});
    for (int rank : c.rackSwords)
        layout.rack.push_back(swordCard(rank));
    const rules::Board board = dealt(layout);
    const rules::SolveResult result = rules::solve(board);
    EXPECT_EQ(result.winnable, c.verdict);
    expectLineLeaves(board, result, c.cardsLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KnownTables,
    ::testing::Values(KnownCase{"the ace follows the king", {14, 2}, {}, 13, {}, Verdict::Yes, 0},
                      KnownCase{"the king follows the ace", {13, 12}, {}, 14, {}, Verdict::Yes, 0},
                      KnownCase{"nothing follows", {9}, {}, 5, {}, Verdict::No, 1},
                      KnownCase{"a deck card bridges the gap", {9}, {8}, 5, {}, Verdict::Yes, 0},
                      KnownCase{"only a rack sword bridges it", {9, 10}, {}, 5, {8}, Verdict::Yes, 0},
                      KnownCase{"lost by a single card", {6, 7, 2}, {}, 5, {}, Verdict::No, 1},
                      // Up the run to the 7 strands the 4 until the deck's 5 brings the run back down.
                      KnownCase{"the deck brings the run back", {6, 7, 4}, {5}, 5, {}, Verdict::Yes, 0}),
    nameOf<KnownCase>);

// Tables with rocks, the hammer, ice and snow, the way the levels lay them out.
struct ObstacleCase
{
    const char* what;
    std::vector<rules::CardPlace> table; // the first lies lowest
    float iceLine;                       // 1500 when no card carries ice
    Verdict verdict;
    int cardsLeft;
};

class ObstacleTables : public ::testing::TestWithParam<ObstacleCase>
{};

TEST_P(ObstacleTables, GetTheirKnownAnswer)
{
    const ObstacleCase& c = GetParam();
    rules::Layout layout = tableLayout(c.table, {}, {rankCard(4, 3)});
    layout.iceLine = c.iceLine;
    const rules::Board board = dealt(layout);
    const rules::SolveResult result = rules::solve(board);
    EXPECT_EQ(result.winnable, c.verdict);
    expectLineLeaves(board, result, c.cardsLeft);
}

using testing_support::hammerCard;
using testing_support::withIce;
using testing_support::withRocks;
using testing_support::withSnow;

// The spot is a 4 in every case.
INSTANTIATE_TEST_SUITE_P(
    Cases, ObstacleTables,
    ::testing::Values(
        ObstacleCase{"the five frees the hammer, which opens the six's rocks",
                     {place(100, 300, hammerCard), place(150, 330, rankCard(5)),
                      withRocks(place(400, 300, rankCard(6)))},
                     1500,
                     Verdict::Yes,
                     0},
        // Rocks keep a card face down whatever lies on it, so a hammer under them stays.
        ObstacleCase{"a hammer under the rocks it opens",
                     {place(100, 300, hammerCard), withRocks(place(150, 330, rankCard(5)))},
                     1500,
                     Verdict::No,
                     2},
        ObstacleCase{"the last ice card lets the snowed card turn up",
                     {withIce(place(100, 300, rankCard(5))), withSnow(place(400, 300, rankCard(6)))},
                     100,
                     Verdict::Yes,
                     0},
        ObstacleCase{"ice under the snow it holds",
                     {withIce(place(100, 300, rankCard(5))), withSnow(place(150, 330, rankCard(6)))},
                     100,
                     Verdict::No,
                     2},
        ObstacleCase{"a sword picked up from the table bridges the gap",
                     {place(100, 300, rankCard(9)), place(150, 330, swordCard(8))},
                     1500,
                     Verdict::Yes,
                     0}),
    nameOf<ObstacleCase>);

// A random small deal: up to eight cards in two overlapping rows, their ranks mostly a walk of
// neighbours from the spot (so some deals clear and some do not), a short deck, maybe a sword.
rules::Layout randomLayout(std::mt19937& random)
{
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    auto step = [&](int rank) {
        const int next = pick(0, 4) == 0 ? pick(2, 14) : rank + (pick(0, 1) == 0 ? -1 : 1);
        return next < 2 ? 14 : next > 14 ? 2 : next;
    };
    const int spot = pick(2, 14);
    int rank = spot;
    std::vector<int> ranks;
    const int cards = pick(2, 8);
    for (int i = 0; i < cards; ++i)
        ranks.push_back(rank = step(rank));
    std::shuffle(ranks.begin(), ranks.end(), random);
    std::vector<rules::CardPlace> table;
    for (int i = 0; i < cards; ++i) {
        // Two rows; a card of the upper row may lie under one of the lower.
        const float x = 100.0f + 70.0f * static_cast<float>(i);
        const float y = i % 2 == 0 ? 250.0f : 330.0f;
        const auto i4 = static_cast<std::size_t>(i);
        table.push_back(
            place(x, y, pick(0, 11) == 0 ? swordCard(pick(2, 14)) : rankCard(ranks[i4], 1 + i % 4)));
    }
    std::vector<rules::Identity> deck;
    for (int i = pick(0, 3); i > 0; --i)
        deck.push_back(rankCard(rank = step(rank), 2));
    rules::Layout layout = tableLayout(table, deck, {rankCard(spot, 3)});
    if (pick(0, 3) == 0)
        layout.rack.push_back(swordCard(pick(2, 14)));
    return layout;
}

TEST(Solver, AgreesWithASearchThatNeverForgetsAndNeverDeniesWhatGreedyClears)
{
    std::mt19937 random(20261211);
    int cleared = 0;
    int lost = 0;
    for (int deal = 0; deal < 400; ++deal) {
        SCOPED_TRACE("deal " + std::to_string(deal));
        const rules::Board board = dealt(randomLayout(random));
        const rules::SolveResult fast = rules::solve(board);
        rules::SolveOptions everyLine;
        everyLine.rememberPositions = false;
        const rules::SolveResult slow = rules::solve(board, everyLine);
        ASSERT_NE(fast.winnable, Verdict::Unknown);
        ASSERT_NE(slow.winnable, Verdict::Unknown);
        EXPECT_EQ(fast.winnable, slow.winnable);
        EXPECT_EQ(fast.cardsLeftMin, slow.cardsLeftMin);
        EXPECT_LE(fast.nodes, slow.nodes);

        rules::Board greedy = board;
        const rules::LevelEnd end = rules::playOut(greedy);
        if (end.cardsLeft == 0) {
            EXPECT_EQ(fast.winnable, Verdict::Yes);
        }
        EXPECT_LE(fast.cardsLeftMin, end.cardsLeft);
        (fast.winnable == Verdict::Yes ? cleared : lost) += 1;
        if (::testing::Test::HasFailure())
            break;
    }
    // The deals are a fair mix of both answers, so both are tested.
    EXPECT_GT(cleared, 40);
    EXPECT_GT(lost, 40);
}

TEST(Solver, OnTheLessonLevelTurnsTheDeckOnlyWhenNoCardPlays)
{
    std::mt19937 random(7);
    int fewerLines = 0;
    for (int deal = 0; deal < 300; ++deal) {
        SCOPED_TRACE("deal " + std::to_string(deal));
        rules::Layout layout = randomLayout(random);
        // A longer deck, so that turning it early can matter.
        for (int i = 0; i < 4; ++i)
            layout.deck.push_back(rankCard(std::uniform_int_distribution<int>(2, 14)(random), 2));
        const rules::SolveResult free = rules::solve(dealt(layout));
        layout.deckWaitsForPlayableCards = true;
        const rules::Board board = dealt(layout);
        const rules::SolveResult lesson = rules::solve(board);
        // Fewer lines, so never a better answer than without the lesson.
        EXPECT_GE(lesson.cardsLeftMin, free.cardsLeftMin);
        if (lesson.winnable == Verdict::Yes) {
            EXPECT_EQ(free.winnable, Verdict::Yes);
        }
        fewerLines += lesson.nodes < free.nodes ? 1 : 0;
        rules::Board replay = board;
        for (const SolverMove& move : lesson.line) {
            if (move.kind == SolverMove::Kind::Deck) {
                for (int slot : replay.tableOrder())
                    ASSERT_FALSE(replay.canPlay(slot))
                        << "the deck turned while slot " << slot << " could play";
            }
            ASSERT_TRUE(rules::makeMove(replay, move));
        }
        EXPECT_EQ(replay.tableCount(), lesson.cardsLeftMin);
        if (::testing::Test::HasFailure())
            break;
    }
    EXPECT_GT(fewerLines, 30) << "the lesson hardly ever took a line away: it is not being applied";
}

TEST(Solver, StopsAtItsBudgetAndSaysItDoesNotKnow)
{
    // Twelve nines, a long deck of twos and fours and three rack swords: many positions, and no
    // line that clears.
    std::vector<int> ranks(12, 9);
    std::vector<rules::Identity> deck;
    for (int i = 0; i < 30; ++i)
        deck.push_back(rankCard(i % 2 == 0 ? 2 : 4, 2));
    rules::Layout layout = tableLayout(inARow(ranks), deck, {rankCard(3, 3)});
    layout.rack = {swordCard(8), swordCard(10), swordCard(12)};
    rules::SolveOptions small;
    small.nodeBudget = 50;
    const rules::SolveResult result = rules::solve(dealt(layout), small);
    EXPECT_EQ(result.winnable, Verdict::Unknown);
    EXPECT_LE(result.nodes, 50);
}
} // namespace
