// The rules over every shipped level, as the game deals it: many thousands of random moves,
// legal and not, with tickets landing in random order. No card is ever lost or doubled, the
// score never falls, and the same moves give the same states.
#include "rules/Board.hpp"

#include "cards/Cards.hpp"
#include "levels/LevelLayout.hpp"
#include "levels/Levels.hpp"
#include "media/Platform.hpp"
#include "rules/AutoPlay.hpp"
#include "rules/Solver.hpp"
#include "screens/TProfileManager.hpp"
#include "support/RunFolder.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace
{
using rules::Board;
using rules::Identity;

// Every identity the level holds wherever it is, as a sorted list of ids.
std::vector<int> everyIdentity(const Board& board)
{
    std::vector<int> ids;
    for (int slot : board.tableOrder())
        ids.push_back(board.card(slot).card.id);
    for (const auto* list : {&board.deck(), &board.spot(), &board.rack(), &board.departed()}) {
        for (const Identity& c : *list)
            ids.push_back(c.id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

class PlayCounter : public rules::Listener
{
public:
    void onEvent(const rules::Event& event, const Board&) override
    {
        if (event.kind == rules::EventKind::Play || event.kind == rules::EventKind::SwordPick)
            ++taken;
    }
    int taken = 0;
};

class RulesShippedLevels : public ::testing::Test
{
protected:
    void SetUp() override
    {
        program = std::make_unique<testing_support::TestProgram>();
        here = std::make_unique<testing_support::InFolder>(testing_support::runDir);
        program->program().profileManager = std::make_unique<TProfileManager>();
        program->program().profileManager->useGuestProfile();
        loadCards();
        for (const std::string& path : testing_support::filesUnder("data/levels", {".lvl"})) {
            auto level = loadLevelFile(path, 1, 1, 1, profile().dealOptions());
            layouts.push_back({path, layoutOf(*level)});
        }
    }
    void TearDown() override
    {
        here.reset();
        program.reset();
    }

    std::unique_ptr<testing_support::TestProgram> program;
    std::unique_ptr<testing_support::InFolder> here;
    std::vector<std::pair<std::string, rules::Layout>> layouts;
};

// Plays one of the cards that can be played, if any, chosen by `below(n)` (a number below n).
template <typename Below>
void playOneOf(Board& board, Below& below)
{
    std::vector<int> playable;
    for (int slot : board.tableOrder()) {
        if (board.canPlay(slot))
            playable.push_back(slot);
    }
    if (!playable.empty())
        board.play(playable[static_cast<std::size_t>(below(static_cast<int>(playable.size())))]);
}

// Random moves on a dealt level; the digest after each, with the invariants checked on the way.
std::vector<std::uint64_t> randomGame(const rules::Layout& layout, unsigned seed, int moves, int& taken)
{
    std::mt19937 random(seed);
    auto below = [&](int n) { return n <= 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(n)); };
    Board board(layout);
    PlayCounter counter;
    board.setListener(&counter);
    const std::vector<int> identities = everyIdentity(board);
    std::vector<std::uint64_t> digests;
    board.deal();
    board.beginPlay();
    long long score = board.score();
    for (int move = 0; move < moves; ++move) {
        const int roll = below(20);
        if (roll < 4) {
            board.play(below(board.slotCount() + 2) - 1); // any slot, and some that are none
        } else if (roll < 11) {
            playOneOf(board, below);
        } else if (roll == 11) {
            board.turnDeck();
        } else if (roll == 12) {
            board.LongDrive_end();
        } else if (roll < 17) {
            const auto& pending = board.pending();
            if (!pending.empty())
                board.land(pending[static_cast<std::size_t>(below(static_cast<int>(pending.size())))].ticket);
        } else if (roll == 17) {
            board.land(below(100)); // mostly landed or never handed out
        } else if (roll == 18) {
            board.useSword(202 + below(13));
        } else {
            board.CHECK_Cover(0);
        }
        if (everyIdentity(board) != identities) {
            ADD_FAILURE() << "an identity was lost or doubled at move " << move << " (seed " << seed << ")";
            break;
        }
        if (board.score() < score) {
            ADD_FAILURE() << "the score fell at move " << move << " (seed " << seed << ")";
            break;
        }
        score = board.score();
        digests.push_back(board.digest());
    }
    board.endLevel();
    EXPECT_EQ(everyIdentity(board), identities) << "at the end (seed " << seed << ")";
    EXPECT_GE(board.score(), score);
    EXPECT_TRUE(board.deck().empty());
    digests.push_back(board.digest());
    taken = counter.taken;
    return digests;
}

TEST_F(RulesShippedLevels, RandomMovesKeepEveryCardAndTheScoreAndRepeatExactly)
{
    ASSERT_GE(layouts.size(), 10u);
    for (const auto& [path, layout] : layouts) {
        ASSERT_FALSE(layout.table.empty()) << path;
        // A hard table may stop random moves early in one deal, but not in all three.
        int mostTaken = 0;
        for (unsigned seed : {1u, 2u, 3u}) {
            int taken = 0;
            int again = 0;
            const std::vector<std::uint64_t> first = randomGame(layout, seed, 800, taken);
            EXPECT_EQ(randomGame(layout, seed, 800, again), first) << path << " seed " << seed;
            mostTaken = std::max(mostTaken, taken);
        }
        EXPECT_GE(mostTaken, 5) << path << ": the moves hardly played";
    }
}

// Random moves and undos on a dealt level. Every undo that takes a move back whole returns to
// the state before it (so nothing is gained by playing a move again), no card is ever lost or
// doubled, and nothing is undone while something is on its way. Returns how many moves were
// taken back whole.
int randomGameWithUndos(const rules::Layout& layout, unsigned seed, int moves, const std::string& path)
{
    std::mt19937 random(seed);
    auto below = [&](int n) { return n <= 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(n)); };
    Board board(layout);
    const std::vector<int> identities = everyIdentity(board);
    board.deal();
    board.beginPlay();
    // The state before each move that is still in the history whole, with the history's length then.
    struct Mark
    {
        std::size_t history = 0;
        std::uint64_t digest = 0;
    };
    std::vector<Mark> marks;
    int takenBack = 0;
    for (int move = 0; move < moves; ++move) {
        const std::size_t history = board.undoHistory().size();
        const std::uint64_t before = board.digest();
        const bool still = board.pending().empty();
        const int roll = below(20);
        bool landing = false;
        if (roll < 7) {
            playOneOf(board, below);
        } else if (roll < 9) {
            board.turnDeck();
        } else if (roll == 9) {
            board.useSword(202 + below(13));
        } else if (roll < 13) {
            landing = true;
            const auto& pending = board.pending();
            if (!pending.empty())
                board.land(pending[static_cast<std::size_t>(below(static_cast<int>(pending.size())))].ticket);
        } else {
            const bool could = board.canUndo();
            if (board.undo() != could) {
                ADD_FAILURE() << path << ": undo did not do what canUndo said at move " << move;
                break;
            }
            if (could && !still) {
                ADD_FAILURE() << path << ": undone while something was on its way at move " << move;
                break;
            }
            while (!marks.empty() && marks.back().history > board.undoHistory().size())
                marks.pop_back();
            if (could && !marks.empty() && marks.back().history == board.undoHistory().size()) {
                if (board.digest() != marks.back().digest) {
                    ADD_FAILURE() << path << " seed " << seed << ": undo at move " << move
                                  << " did not return to the state before the move";
                    break;
                }
                marks.pop_back();
                ++takenBack;
            }
        }
        if (roll < 13 && !landing) {
            if (board.undoHistory().size() > history && still)
                marks.push_back({history, before});
            else if (board.undoHistory().size() == history && board.digest() != before)
                marks.clear(); // a change the history does not hold (a sword from the deck)
            else if (board.undoHistory().size() < history)
                marks.clear(); // the hammer left: nothing before it can be taken back
        }
        if (everyIdentity(board) != identities) {
            ADD_FAILURE() << path << ": an identity was lost or doubled at move " << move << " (seed " << seed
                          << ")";
            break;
        }
    }
    return takenBack;
}

TEST_F(RulesShippedLevels, RandomMovesAndUndosReturnExactlyAndKeepEveryCard)
{
    int takenBack = 0;
    for (const auto& [path, layout] : layouts) {
        for (unsigned seed : {1u, 2u, 3u})
            takenBack += randomGameWithUndos(layout, seed, 1500, path);
    }
    EXPECT_GE(takenBack, 100) << "hardly a move was taken back whole";
}

TEST_F(RulesShippedLevels, OurPlayerGoesOnUntilNothingIsLeftToDo)
{
    for (const auto& [path, layout] : layouts) {
        Board board(layout);
        board.deal();
        const std::vector<int> identities = everyIdentity(board);
        const rules::LevelEnd end = rules::playOut(board);
        EXPECT_EQ(everyIdentity(board), identities) << path;
        EXPECT_TRUE(end.perfect || end.deckLeft == 0) << path;
        EXPECT_EQ(end.cardsLeft, board.tableCount()) << path;
        for (int slot : board.tableOrder())
            EXPECT_FALSE(board.canPlay(slot)) << path << " slot " << slot;
    }
}
} // namespace

namespace
{
// The solver over every shipped level as dealt: it never says "no" where our greedy player
// clears the table, it never leaves more cards than greedy does, and its line, replayed, leaves
// the cards it promised.
TEST_F(RulesShippedLevels, TheSolverAgreesWithGreedyPlayAndItsLineKeepsItsWord)
{
    ASSERT_FALSE(layouts.empty());
    int clearedByGreedy = 0;
    for (const auto& [path, first] : layouts) {
        for (std::uint32_t seed = 1; seed <= 5; ++seed) {
            SCOPED_TRACE(path + " seed " + std::to_string(seed));
            media::random().seed(seed);
            auto level = loadLevelFile(path, 1, 1, 1, profile().dealOptions());
            ASSERT_TRUE(level);
            const Board board = rules::dealtForPlay(layoutOf(*level));
            const rules::SolveResult result = rules::solve(board);
            ASSERT_NE(result.winnable, rules::Verdict::Unknown);

            Board greedy = board;
            const rules::LevelEnd end = rules::playOut(greedy);
            if (end.cardsLeft == 0) {
                ++clearedByGreedy;
                EXPECT_EQ(result.winnable, rules::Verdict::Yes);
            }
            EXPECT_LE(result.cardsLeftMin, end.cardsLeft);
            Board replay = board;
            for (const rules::SolverMove& move : result.line)
                ASSERT_TRUE(rules::makeMove(replay, move));
            EXPECT_EQ(replay.tableCount(), result.cardsLeftMin);
            EXPECT_EQ(result.winnable == rules::Verdict::Yes, result.cardsLeftMin == 0);
        }
    }
    EXPECT_GT(clearedByGreedy, 20) << "greedy play hardly cleared a deal: the agreement was barely tested";
}
} // namespace
