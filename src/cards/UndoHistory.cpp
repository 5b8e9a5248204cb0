// UndoHistory.cpp
#include "cards/UndoHistory.hpp"

#include "cards/TCard.hpp"
#include "levels/TLevel.hpp"

std::list<std::unique_ptr<TZdarzenie>> undoHistory;

void TZdarzenie::copyGameData(const TLevel& level)
{
    score = static_cast<int>(level.score);
    driveN = level.driveN;
    driveMN = level.driveMN;
}

namespace
{
TZdarzenie& record(const TLevel& level, const char* typ)
{
    auto event = std::make_unique<TZdarzenie>();
    event->copyGameData(level);
    event->typ = typ;
    undoHistory.push_back(std::move(event));
    return *undoHistory.back();
}
} // namespace

TZdarzenie& recordCardPlayed(const TLevel& level, std::shared_ptr<TCard> card, const TDim& spot)
{
    TZdarzenie& e = record(level, "KARTA-ZDJETA");
    e.xStart = spot.x;
    e.yStart = spot.y;
    e.xEnd = card->x;
    e.yEnd = card->y;
    e.c = std::move(card);
    return e;
}

TZdarzenie& recordDeckCard(const TLevel& level, TCardData* identity, const TDim& spot, const TDim& deck)
{
    TZdarzenie& e = record(level, "KARTA-DODANA");
    e.cd = identity;
    e.xStart = spot.x;
    e.yStart = spot.y;
    e.xEnd = deck.x;
    e.yEnd = deck.y;
    return e;
}
