// HintPulse.cpp
#include "cards/HintPulse.hpp"

#include "base/Approach.hpp"

void HintPulse::update()
{
    approach(hintA, dHintA, 0.05f);
    if (hintA == dHintA)
        dHintA = dHintA > 0.5f ? 0.0f : 1.0f;
}
