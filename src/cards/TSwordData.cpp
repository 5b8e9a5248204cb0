// TSwordData.cpp
#include "cards/TSwordData.hpp"

#include "cards/SwordRack.hpp"

TDim TSwordData::getCardPosition(float angle) const
{
    return rack::point(angle);
}
