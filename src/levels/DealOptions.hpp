// DealOptions.hpp: what the player brings to a deal: the quest position, the aids that show
// cards or add deck cards, the swords already held and the magic cards found and waiting.
#pragma once

#include <vector>

class TCardData;

struct DealOptions
{
    bool quest = false; // dealt for the quest (magic cards are placed only there)
    int stage = 1;      // the quest position: swords come from stage 1 level 2 on
    int level = 1;
    float forcedShare = 0;                       // the share of cards the aids show face up (0.1, 0.2, 0.3)
    bool extraDeckCards = false;                 // the aid that adds five random cards to the deck
    std::vector<int> swordRanksHeld;             // no sword of these ranks is placed
    std::vector<TCardData*> magicCardsFound;     // take the place of their normal cards
    std::vector<TCardData*> magicCardsAvailable; // not found yet: one of them is placed at random
    std::vector<TCardData*> magicCardsAwaiting;  // seen in an earlier level: placed again
    int magicCardsToShow = 0;                    // how many magic cards this quest level shows
    int resourceTypes = 0;                       // resource kinds the column cards may hold
};
