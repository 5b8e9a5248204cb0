// LevelInPlay.cpp
#include "screens/LevelInPlay.hpp"

#include "cards/TCard.hpp"
#include "levels/TLevel.hpp"

#include <algorithm>

LevelInPlay::LevelInPlay(const TLevel& level, rules::Layout layout, FlightHost& flightHost,
                         ResourceHost& resourceHost)
    : board(std::move(layout)), flights(flightHost), resources(resourceHost, effects.particles)
{
    for (const auto& card : level.cards)
        slots.push_back(card.get());
}

TCard& LevelInPlay::cardOf(int slot) const
{
    return *slots.at(static_cast<std::size_t>(slot));
}

int LevelInPlay::slotOf(const TCard& card) const
{
    auto at = std::find(slots.begin(), slots.end(), &card);
    return at == slots.end() ? -1 : static_cast<int>(at - slots.begin());
}
