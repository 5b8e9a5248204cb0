// Swords.cpp
#include "cards/Swords.hpp"

#include "cards/Cards.hpp"
#include "screens/TProfile.hpp"

std::vector<TSwordData> swordDefinitions;

void loadSwords()
{
    swordDefinitions.clear();
    for (int id = 202; id <= 214; ++id) {
        if (TCardData* cd = cardDataById(id)) {
            TSwordData d;
            d.cd = cd;
            d.id = id;
            swordDefinitions.push_back(d);
        }
    }
}

const TSwordData* swordDataById(int id)
{
    for (const TSwordData& d : swordDefinitions) {
        if (d.id == id)
            return &d;
    }
    return nullptr;
}

void addSwordToRack(TProfile& player, const TCardData& identity, float rot)
{
    const TSwordData* data = swordDataById(identity.id);
    if (!data || player.haveSword(identity.id))
        return;
    TSword sword;
    sword.sd = data;
    sword.rot = rot;
    player.swords.push_back(sword);
}
