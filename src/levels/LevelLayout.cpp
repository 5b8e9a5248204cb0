// LevelLayout.cpp
#include "levels/LevelLayout.hpp"

#include "cards/Cards.hpp"
#include "cards/TCard.hpp"
#include "cards/TCardData.hpp"
#include "cards/TResource.hpp"
#include "levels/TLevel.hpp"

#include <cmath>

namespace
{
rules::Identity identityOf(const TCardData* card)
{
    return card ? rules::Identity{card->id, card->seqN} : rules::Identity{};
}

std::vector<rules::Identity> identitiesOf(const std::vector<TCardData*>& cards)
{
    std::vector<rules::Identity> list;
    list.reserve(cards.size());
    for (const TCardData* c : cards)
        list.push_back(identityOf(c));
    return list;
}
} // namespace

rules::Layout layoutOf(const TLevel& level)
{
    rules::Layout layout;
    for (const auto& card : level.cards) {
        rules::CardPlace place;
        place.card = identityOf(card->cd);
        place.x = card->x;
        place.y = card->y;
        place.faceUp = card->side == 1;
        place.uncovered = card->odkryta != 0;
        place.forced = card->forceSide != 0;
        place.rocks = card->utrudnienie1 != 0;
        place.ice = card->utrudnienie2 != 0;
        place.snow = card->utrudnienie3 != 0;
        place.hasCoin = card->res != nullptr;
        place.coin = card->res ? card->res->ammount : 0;
        layout.table.push_back(place);
    }
    layout.overlaps = rules::overlapsOf(layout.table, [&](int a, int b) {
        return cardsOverlap(*level.cards[static_cast<std::size_t>(a)],
                            *level.cards[static_cast<std::size_t>(b)]);
    });
    layout.deck = identitiesOf(level.deck);
    layout.spot = identitiesOf(level.spot);
    layout.score = std::llround(level.score);
    layout.driveN = level.driveN;
    layout.multiplierTenths = static_cast<int>(std::lround(static_cast<double>(level.driveMN) * 10.0));
    layout.longestDrive = level.longestDrive;
    layout.rocksUnlocked = level.utrudnienie1Odblokowane != 0;
    layout.iceLine = level.pomWaterX;
    return layout;
}
