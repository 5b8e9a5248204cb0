// TProfile.hpp: everything the game remembers about one player.
#pragma once

#include "cards/TSword.hpp"
#include "screens/TShopItem.hpp"

#include <string>
#include <vector>

class TCardData;

class TProfile
{
public:
    // The item whose power is exactly `pwrID`, or none.
    const TShopItem* getMyItem(const std::string& pwrID) const;
    // Whether a sword of that rank is on the rack.
    bool haveSwordBySeq(int rank) const;
    // The owned magic card with that id, or none.
    TCardData* getMagicCard(int id) const;
    // Every magic card not owned yet, in list order, and one of them at random (or none).
    std::vector<TCardData*> getAvailableMagicCards() const;
    TCardData* getAvailableRandomMagicCard() const;
    // The running level number: stage 1 level 1 is 1, stage 2 level 3 is 13.
    int countLevelN() const { return stageID * 10 + levelID - 10; }
    // The first three quest levels show play hints.
    int hintLevel() const { return (tryb == "QUEST" && stageID <= 1 && levelID < 4) ? 1 : 0; }

    std::string name;
    int stageID = 1;
    int levelID = 1;
    int freeLevelNumber = 0;
    int freeStageNumber = 0;
    std::vector<TSword> swords;
    std::vector<TShopItem> items;
    std::vector<TCardData*> magicCards;         // found (owned by the card lists)
    std::vector<TCardData*> awaitingMagicCards; // earned, not yet found in a level
    std::string tryb = "QUEST";
    int time = 0;
    int cardsLightUp = 1;
};
