// ResourceTypes.cpp
#include "cards/ResourceTypes.hpp"

namespace
{
int kinds = 0;
}

int resourceTypeCount()
{
    return kinds;
}

void setResourceTypeCount(int count)
{
    kinds = count < 0 ? 0 : count;
}
