// UndoHistory.cpp
#include "cards/UndoHistory.hpp"

#include "cards/TCard.hpp"

TZdarzenie& UndoHistory::record(const Before& before, const char* typ)
{
    auto event = std::make_unique<TZdarzenie>();
    event->copyGameData(before.score, before.driveN, before.driveMN);
    event->typ = typ;
    undoHistory.push_back(std::move(event));
    return *undoHistory.back();
}

TZdarzenie& UndoHistory::recordCardPlayed(const Before& before, std::shared_ptr<TCard> card, const TDim& spot)
{
    TZdarzenie& e = record(before, "KARTA-ZDJETA");
    e.xStart = spot.x;
    e.yStart = spot.y;
    e.xEnd = card->x;
    e.yEnd = card->y;
    e.c = std::move(card);
    return e;
}

TZdarzenie& UndoHistory::recordDeckCard(const Before& before, TCardData* identity, const TDim& spot,
                                        const TDim& deck)
{
    TZdarzenie& e = record(before, "KARTA-DODANA");
    e.cd = identity;
    e.xStart = spot.x;
    e.yStart = spot.y;
    e.xEnd = deck.x;
    e.yEnd = deck.y;
    return e;
}
