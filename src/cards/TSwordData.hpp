// TSwordData.hpp: one sword definition from data/swords.dat: which card identity the sword of
// a rank is.
#pragma once

#include "gui/TDim.hpp"
#include "media/Picture.hpp"

class TCardData;

class TSwordData
{
public:
    // The point on the rack at `angle` degrees, with the sword slid out no further.
    TDim getCardPosition(float angle) const;

    TCardData* cd = nullptr; // the sword's identity (owned by the card lists)
    int id = 0;              // 202..214
    media::Picture img;      // not read from the file: a sword is drawn with its identity's face
};
