// TSword.hpp: a sword the player owns, on the rack.
#pragma once

class TSwordData;

class TSword
{
public:
    const TSwordData* sd = nullptr; // which sword (owned by the sword definitions)
    float s = 1;
    float a = 1;
    float da = 1;
    float rot = 180; // angle on the rack
    float dRot = 0;
    float dodOdl = 0;
};
