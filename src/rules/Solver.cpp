// Solver.cpp
#include "rules/Solver.hpp"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

namespace rules
{
namespace
{
// A position, exactly: per slot whether the card is there and its marks, then the deck left,
// the spot card, the rack and whether the rocks are open.
using Key = std::vector<std::uint32_t>;

struct KeyHash
{
    std::size_t operator()(const Key& key) const
    {
        std::uint64_t h = 1469598103934665603ull;
        for (std::uint32_t v : key) {
            h ^= v;
            h *= 1099511628211ull;
        }
        return static_cast<std::size_t>(h);
    }
};

Key keyOf(const Board& board)
{
    Key key;
    const int slots = board.slotCount();
    key.reserve(static_cast<std::size_t>(slots) + board.rack().size() + 4);
    for (int slot = 0; slot < slots; ++slot) {
        const CardState& c = board.card(slot);
        std::uint32_t v = c.onTable ? 1u : 0u;
        if (c.onTable) {
            v |= (c.uncovered ? 2u : 0u) | (c.rocks ? 4u : 0u) | (c.snow ? 8u : 0u) | (c.ice ? 16u : 0u);
            v |= static_cast<std::uint32_t>(c.card.id) << 5;
        }
        key.push_back(v);
    }
    key.push_back(static_cast<std::uint32_t>(board.deck().size()));
    const auto spot = board.spotCard();
    key.push_back(spot ? static_cast<std::uint32_t>(spot->id) : 0u);
    std::vector<std::uint32_t> rack;
    for (const Identity& s : board.rack())
        rack.push_back(static_cast<std::uint32_t>(s.id));
    std::sort(rack.begin(), rack.end());
    key.insert(key.end(), rack.begin(), rack.end());
    key.push_back(board.rocksUnlocked() ? 1u : 0u);
    return key;
}

// The moves of a position, the likeliest to clear first.
std::vector<SolverMove> movesOf(const Board& board)
{
    std::vector<SolverMove> moves;
    for (int slot : board.tableOrder()) {
        if (board.canPlay(slot))
            moves.push_back({SolverMove::Kind::Card, slot});
    }
    for (const Identity& sword : board.rack())
        moves.push_back({SolverMove::Kind::Sword, sword.id});
    if (!board.deck().empty())
        moves.push_back({SolverMove::Kind::Deck, 0});
    return moves;
}

class Search
{
public:
    explicit Search(const SolveOptions& options) : options_(options) {}

    SolveResult run(const Board& dealt)
    {
        result_.cardsLeftMin = dealt.tableCount();
        Board board = dealt;
        board.setListener(nullptr);
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
        if (options_.rememberPositions && !seen_.insert(keyOf(board)).second)
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
    std::unordered_set<Key, KeyHash> seen_;
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

SolveResult solve(const Board& dealt, const SolveOptions& options)
{
    return Search(options).run(dealt);
}
} // namespace rules
