// UndoHistory.cpp
#include "cards/UndoHistory.hpp"

#include "cards/TCard.hpp"
#include "cards/TResource.hpp"
#include "cards/TSwordData.hpp"

TZdarzenie& UndoHistory::record(const Before& before, const char* typ)
{
    auto event = std::make_unique<TZdarzenie>();
    event->copyGameData(before.score, before.driveN, before.driveMN);
    event->typ = typ;
    undoHistory.push_back(std::move(event));
    return *undoHistory.back();
}

void UndoHistory::keepCard(TZdarzenie& e, std::shared_ptr<TCard> card)
{
    e.xEnd = card->x;
    e.yEnd = card->y;
    if (card->res) {
        e.hadResource = true;
        e.resourceType = card->res->id;
        e.resourceAmount = card->res->ammount;
    }
    e.c = std::move(card);
}

TZdarzenie& UndoHistory::recordCardPlayed(const Before& before, std::shared_ptr<TCard> card, const TDim& spot)
{
    TZdarzenie& e = record(before, "KARTA-ZDJETA");
    e.xStart = spot.x;
    e.yStart = spot.y;
    keepCard(e, std::move(card));
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

TZdarzenie& UndoHistory::recordSwordUsed(const Before& before, const TDim& spot, const TDim& swordShow,
                                         const TSwordData& sword)
{
    TZdarzenie& e = record(before, "UZYTO-SWORD");
    e.sd = &sword;
    e.cd = sword.cd;
    e.xStart = spot.x;
    e.yStart = spot.y;
    e.xEnd = swordShow.x;
    e.yEnd = swordShow.y;
    return e;
}

TZdarzenie& UndoHistory::recordSwordPicked(const Before& before, std::shared_ptr<TCard> card,
                                           const TSwordData* sword, const TDim& rack)
{
    TZdarzenie& e = record(before, "PICK-UP-SWORD");
    e.sd = sword;
    e.cd = card->cd;
    e.xStart = rack.x;
    e.yStart = rack.y;
    keepCard(e, std::move(card));
    return e;
}

std::unique_ptr<TZdarzenie> UndoHistory::takeLast()
{
    if (undoHistory.empty())
        return nullptr;
    std::unique_ptr<TZdarzenie> last = std::move(undoHistory.back());
    undoHistory.pop_back();
    return last;
}
