// TResourceData.hpp: one kind of resource from data/resources.dat (a copper coin, a blue gem).
#pragma once

#include "media/Picture.hpp"

class TResourceData
{
public:
    int id = 0;         // the type number level files and the filler name (1..n)
    media::Picture img; // drawn centred; empty when the file names none or it could not be loaded
    int typ = 0;        // read from the file, not used in play
};
