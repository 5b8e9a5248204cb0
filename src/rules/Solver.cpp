// Solver.cpp
#include "rules/Solver.hpp"

#include "rules/PositionSet.hpp"

#include <algorithm>
#include <cstdint>
#include <span>

namespace rules
{
namespace
{
constexpr int bitsPerSlot = 5;
constexpr int slotsPerWord = 64 / bitsPerSlot;
constexpr int firstSword = 202, lastSword = 214;

// A position, exactly, as far as the play to come goes: per slot whether the card is there and
// its marks (the cards themselves never change), then the deck left, the spot card's rank (all
// that a card played on it looks at), whether the rocks are open, and how many of each sword
// the rack holds.
class PositionKey
{
public:
    explicit PositionKey(int slots)
        : slotWords_((static_cast<std::size_t>(slots) + slotsPerWord - 1) / slotsPerWord),
          words_(slotWords_ + 2, 0)
    {}

    std::size_t words() const { return words_.size(); }

    std::span<const std::uint64_t> of(const Board& board)
    {
        std::fill(words_.begin(), words_.end(), 0);
        const int slots = board.slotCount();
        for (int slot = 0; slot < slots; ++slot) {
            const CardState& c = board.card(slot);
            if (!c.onTable)
                continue;
            const std::uint64_t bits = 1u | (c.uncovered ? 2u : 0u) | (c.faceUp ? 4u : 0u)
                                       | (c.rocks ? 8u : 0u) | (c.snow ? 16u : 0u);
            words_[static_cast<std::size_t>(slot / slotsPerWord)] |= bits
                                                                     << (bitsPerSlot * (slot % slotsPerWord));
        }
        const auto spot = board.spotCard();
        words_[slotWords_] = static_cast<std::uint64_t>(board.deck().size())
                             | static_cast<std::uint64_t>(spot ? spot->rank & 0xffff : 0) << 32
                             | static_cast<std::uint64_t>(board.rocksUnlocked() ? 1 : 0) << 48;
        std::uint64_t rack = 0;
        for (const Identity& sword : board.rack()) {
            // Four bits of count per sword; the rack never holds one sword twice in play.
            const int place = std::clamp(sword.id, firstSword, lastSword) - firstSword;
            const std::uint64_t count = std::min<std::uint64_t>(((rack >> (4 * place)) & 15u) + 1, 15u);
            rack = (rack & ~(std::uint64_t{15} << (4 * place))) | count << (4 * place);
        }
        words_[slotWords_ + 1] = rack;
        return words_;
    }

private:
    std::size_t slotWords_;
    std::vector<std::uint64_t> words_;
};

// The moves of a position, the likeliest to clear first.
std::vector<SolverMove> movesOf(const Board& board)
{
    std::vector<SolverMove> moves;
    for (int slot : board.tableOrder()) {
        if (board.canPlay(slot))
            moves.push_back({SolverMove::Kind::Card, slot});
    }
    const bool cardPlays = !moves.empty();
    for (const Identity& sword : board.rack())
        moves.push_back({SolverMove::Kind::Sword, sword.id});
    if (!board.deck().empty() && !(cardPlays && board.deckWaitsForPlayableCards()))
        moves.push_back({SolverMove::Kind::Deck, 0});
    return moves;
}

class Search
{
public:
    Search(const SolveOptions& options, int slots) : options_(options), key_(slots), seen_(key_.words()) {}

    SolveResult run(const Board& dealt)
    {
        result_.cardsLeftMin = dealt.tableCount();
        Board board = dealt;
        board.setListener(nullptr);
        board.setKeepsUndoHistory(false);
        board.landAll();
        const bool cleared = visit(board);
        if (cleared)
            result_.winnable = Verdict::Yes;
        else
            result_.winnable = outOfBudget_ ? Verdict::Unknown : Verdict::No;
        return result_;
    }

private:
    // True once a line clears the table (the search then stops).
    bool visit(const Board& board)
    {
        ++result_.nodes;
        if (board.tableCount() < result_.cardsLeftMin) {
            result_.cardsLeftMin = board.tableCount();
            result_.line = path_;
        }
        if (board.tableCount() == 0)
            return true;
        if (result_.nodes >= options_.nodeBudget) {
            outOfBudget_ = true;
            return false;
        }
        if (options_.rememberPositions && !seen_.insert(key_.of(board)))
            return false;
        for (const SolverMove& move : movesOf(board)) {
            Board next = board;
            if (!makeMove(next, move))
                continue;
            path_.push_back(move);
            const bool cleared = visit(next);
            path_.pop_back();
            if (cleared || outOfBudget_)
                return cleared;
        }
        return false;
    }

    SolveOptions options_;
    SolveResult result_;
    std::vector<SolverMove> path_;
    PositionKey key_;
    PositionSet seen_;
    bool outOfBudget_ = false;
};
} // namespace

bool makeMove(Board& board, const SolverMove& move)
{
    bool made = false;
    switch (move.kind) {
    case SolverMove::Kind::Card: made = board.play(move.value); break;
    case SolverMove::Kind::Sword: made = board.useSword(move.value); break;
    case SolverMove::Kind::Deck: made = board.turnDeck(); break;
    }
    if (made)
        board.landAll();
    return made;
}

Board dealtForPlay(Layout layout)
{
    Board board(std::move(layout));
    board.deal();
    board.beginPlay();
    board.landAll();
    return board;
}

SolveResult solve(const Board& dealt, const SolveOptions& options)
{
    return Search(options, dealt.slotCount()).run(dealt);
}
} // namespace rules
