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

    // A table card played onto the spot (recorded as it leaves the table, its coin still under
    // it).
    TZdarzenie& recordCardPlayed(const Before& before, std::shared_ptr<TCard> card, const TDim& spot);
    // A deck identity turned onto the spot.
    TZdarzenie& recordDeckCard(const Before& before, TCardData* identity, const TDim& spot, const TDim& deck);
    // A rack sword played onto the spot; its way back runs from the spot to the sword's show point.
    TZdarzenie& recordSwordUsed(const Before& before, const TDim& spot, const TDim& swordShow,
                                const TSwordData& sword);
    // A table sword picked up; its way back runs from its rack place to the card's place.
    TZdarzenie& recordSwordPicked(const Before& before, std::shared_ptr<TCard> card, const TSwordData* sword,
                                  const TDim& rack);
    // The newest move leaves the history (none when it is empty).
    std::unique_ptr<TZdarzenie> takeLast();
    // Nothing done so far can be taken back (a new deal, the rocks unlocked).
    void clear() { undoHistory.clear(); }
    bool empty() const { return undoHistory.empty(); }

    std::list<std::unique_ptr<TZdarzenie>> undoHistory;

private:
    TZdarzenie& record(const Before& before, const char* typ);
    static void keepCard(TZdarzenie& e, std::shared_ptr<TCard> card);
};
