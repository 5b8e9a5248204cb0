// TProfile.cpp
#include "screens/TProfile.hpp"

#include "cards/Cards.hpp"
#include "cards/TSwordData.hpp"
#include "media/Platform.hpp"

#include <algorithm>

const TShopItem* TProfile::getMyItem(const std::string& pwrID) const
{
    for (const TShopItem& item : items) {
        if (item.pwrID == pwrID)
            return &item;
    }
    return nullptr;
}

bool TProfile::haveSwordBySeq(int rank) const
{
    return std::any_of(swords.begin(), swords.end(),
                       [rank](const TSword& s) { return s.sd && s.sd->cd && s.sd->cd->seqN == rank; });
}

TCardData* TProfile::getMagicCard(int id) const
{
    for (TCardData* c : magicCards) {
        if (c->id == id)
            return c;
    }
    return nullptr;
}

std::vector<TCardData*> TProfile::getAvailableMagicCards() const
{
    std::vector<TCardData*> available;
    for (TCardData* c : magicCardData) {
        if (!getMagicCard(c->id))
            available.push_back(c);
    }
    return available;
}

TCardData* TProfile::getAvailableRandomMagicCard() const
{
    std::vector<TCardData*> available = getAvailableMagicCards();
    if (available.empty())
        return nullptr;
    return available[static_cast<std::size_t>(
        media::random().rand(0, static_cast<int>(available.size()) - 1))];
}
