// TShopItem.hpp: an aid the shop sells, as its catalogue describes it; a player owns copies of
// the catalogue's items.
#pragma once

#include "media/Picture.hpp"

#include <string>
#include <utility>

class TShopItem
{
public:
    TShopItem() = default;
    TShopItem(int id, std::string pwrID) : id(id), pwrID(std::move(pwrID)) {}

    // Whether `coins` pay for it.
    bool canBeBought(long long coins) const { return coins >= cena; }
    // n in decimal with "," between groups of three digits from the right ("1,234,567"); a
    // negative number keeps its sign in front ("-1,234").
    static std::string getCashTxt(long long n);

    // Two items are the same aid when their id and power are.
    bool operator==(const TShopItem& other) const { return id == other.id && pwrID == other.pwrID; }

    int id = 0;             // what a profile keeps
    media::Picture img;     // centred on its grid cell
    std::string imgPath;    // where img is loaded from, when the shop is first opened
    int cena = 0;           // price in coins
    std::string title;      // the description panel's heading
    std::string opis;       // and its text
    std::string pwrID;      // what it does: "ODKRYCIE-10", "DECK-CARDS", "HINT", ...
    float oa = 0, doa = -1; // the hover glow and where it is heading (1 under the mouse)
};
