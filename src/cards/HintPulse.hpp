// HintPulse.hpp: the glow every playable card of a level shares, so all lit cards pulse in
// step: a strength moving toward its target, the target flipping between 0 and 1 each time the
// strength arrives.
#pragma once

struct HintPulse
{
    // One frame: the strength moves by 0.05 x delta, and the target flips on arrival.
    void update();
    // After a play: from nothing up again.
    void restart()
    {
        hintA = 0;
        dHintA = 1;
    }
    // A deck card drawn: dark until the next play.
    void clear()
    {
        hintA = 0;
        dHintA = 0;
    }

    float hintA = 0;
    float dHintA = 0;
    // Whether lit cards show their glow on this level (a hint level, or the hint aid).
    bool shown = false;
};
