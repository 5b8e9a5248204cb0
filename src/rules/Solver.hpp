// Solver.hpp: decides whether a dealt level can be cleared, by the rules themselves: every line
// of play is tried depth first (table cards before rack swords before the deck), each position
// met once (a position is the table left with its marks, the deck left, the spot card and the
// rack; the score and the drive never change what can be played), within a budget of positions
// so no call runs away. When no line clears the table, the line that leaves the fewest cards.
#pragma once

#include "rules/Board.hpp"

#include <vector>

namespace rules
{
enum class Verdict
{
    Yes,    // a line clears the table
    No,     // every line was tried; none clears it
    Unknown // the budget ran out first
};

struct SolverMove
{
    enum class Kind
    {
        Card,  // a table card (its slot) onto the spot
        Sword, // a rack sword (its id) onto the spot
        Deck   // the deck's front card turned
    };
    Kind kind = Kind::Deck;
    int value = 0;
    friend bool operator==(const SolverMove&, const SolverMove&) = default;
};

struct SolveResult
{
    Verdict winnable = Verdict::Unknown;
    int cardsLeftMin = 0;         // the fewest table cards any line tried leaves (0 when cleared)
    long long nodes = 0;          // positions looked at
    std::vector<SolverMove> line; // the line that leaves cardsLeftMin, from the deal on
};

struct SolveOptions
{
    long long nodeBudget = 2'000'000;
    // Off only to check the solver against a search that meets positions again and again.
    bool rememberPositions = true;
};

// The board of a layout as the first move is made: dealt, the opening landed (a free hammer
// gone, free swords picked up).
Board dealtForPlay(Layout layout);

// `dealt` as dealt and begun (dealtForPlay, or Board::deal then beginPlay); it is not changed.
SolveResult solve(const Board& dealt, const SolveOptions& options = {});

// Makes the move on the board and lands everything it sent on its way; false when the rules
// refuse it.
bool makeMove(Board& board, const SolverMove& move);
} // namespace rules
