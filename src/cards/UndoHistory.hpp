// UndoHistory.hpp: the moves of the level in play that can be taken back, oldest first.
#pragma once

#include "cards/TZdarzenie.hpp"
#include "gui/TDim.hpp"

#include <list>
#include <memory>

extern std::list<std::unique_ptr<TZdarzenie>> undoHistory;

// A table card played onto the spot (recorded as it leaves the table).
TZdarzenie& recordCardPlayed(const TLevel& level, std::shared_ptr<TCard> card, const TDim& spot);
// A deck identity turned onto the spot.
TZdarzenie& recordDeckCard(const TLevel& level, TCardData* identity, const TDim& spot, const TDim& deck);
