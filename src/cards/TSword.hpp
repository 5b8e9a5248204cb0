// TSword.hpp: a sword the player owns, on the rack.
#pragma once

class TSwordData;

class TSword
{
public:
    const TSwordData* sd = nullptr; // which sword (owned by the sword definitions)
    float s = 1;
};
