// TLevelMagic.hpp: how many magic cards a quest level shows.
#pragma once

struct TLevelMagic
{
    int levelN = 0; // the level's global number: (stage - 1) x 10 + level
    int ile = 0;    // magic cards to place on its table
};
