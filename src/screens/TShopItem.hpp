// TShopItem.hpp: an aid from the shop that a player owns.
#pragma once

#include <string>

class TShopItem
{
public:
    int id = 0;
    std::string pwrID; // what it does: "ODKRYCIE-10", "DECK-CARDS", "HINT", ...

    bool operator==(const TShopItem&) const = default;
};
