// ResourceTypes.hpp: how many kinds of resource the game defines (coins first). Column cards
// a level names no resource for get a random kind.
#pragma once

// The number of resource kinds loaded; 0 until their definitions are read.
int resourceTypeCount();
void setResourceTypeCount(int count);
