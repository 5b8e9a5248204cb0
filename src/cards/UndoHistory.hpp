// UndoHistory.hpp: the moves of the level in play that can be taken back, oldest first.
#pragma once

#include "cards/TZdarzenie.hpp"
#include "gui/TDim.hpp"

#include <list>
#include <memory>

class UndoHistory
{
public:
    // The level's score, drive and multiplier just before a move: every record keeps them.
    struct Before
    {
        long long score = 0;
        int driveN = 0;
        float driveMN = 1;
    };

    // A table card played onto the spot (recorded as it leaves the table).
    TZdarzenie& recordCardPlayed(const Before& before, std::shared_ptr<TCard> card, const TDim& spot);
    // A deck identity turned onto the spot.
    TZdarzenie& recordDeckCard(const Before& before, TCardData* identity, const TDim& spot, const TDim& deck);
    // Nothing done so far can be taken back (a new deal, the rocks unlocked).
    void clear() { undoHistory.clear(); }
    bool empty() const { return undoHistory.empty(); }

    std::list<std::unique_ptr<TZdarzenie>> undoHistory;

private:
    TZdarzenie& record(const Before& before, const char* typ);
};
