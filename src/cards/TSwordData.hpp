// TSwordData.hpp: one sword definition: which card identity the sword of a rank is.
#pragma once

#include "media/Picture.hpp"

class TCardData;

class TSwordData
{
public:
    TCardData* cd = nullptr; // the sword's identity (owned by the card lists)
    int id = 0;              // 202..214
    media::Picture img;
};
