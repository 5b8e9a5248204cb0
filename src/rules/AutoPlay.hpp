// AutoPlay.hpp: our own player's choices, shared by the on-screen player and by runs of the
// rules alone.
#pragma once

#include "rules/Board.hpp"
#include "rules/Event.hpp"

#include <functional>
#include <optional>
#include <vector>

namespace rules
{
// A free card as the player sees it: face up with nothing on it.
struct Candidate
{
    int index = 0; // the caller's name for it (a table slot, say)
    int rank = 0;
    bool sword = false;
};

// The position in `freeCards` of the card to play, or -1 for none. A card after which most
// other free cards can still be played keeps the drive going; a sword is always worth taking;
// the first of equals wins. A card that does not follow the spot is never chosen (none follows
// an empty spot).
int chooseCard(const std::vector<Candidate>& freeCards, std::optional<int> spotRank);

// The position in `rack` of the sword to use when no free card can be played: the one after
// which most free cards could be played, the first of equals; -1 for an empty rack.
int chooseSword(const std::vector<Candidate>& freeCards, const std::vector<Identity>& rack);
// Whether a rack sword should go on now, nothing on the table being playable: when the deck is
// empty, or when a deck turn would end a long drive the sword keeps going.
bool swordWanted(const Board& board);

// Plays a dealt level to its end as the game would, landing every ticket after each move: the
// chosen card, else a rack sword when one is wanted, else the deck, else cashing in a long drive; the level
// ends when the table is empty or nothing is left to do. `beforeMove`, when given, is called before each
// move.
LevelEnd playOut(Board& board, const std::function<void()>& beforeMove = {});
} // namespace rules
