// Reverb.hpp: a stereo hall for the music and the chimes: eight damped feedback combs in
// parallel and four all-passes in series on each side (the right side's delays slightly longer,
// which is what spreads the sound), after a pre-delay and a band-limit on the way in, so the
// bass stays dry and the top does not hiss.
#pragma once

#include "Sound.hpp"

namespace contentgen
{
class Reverb
{
public:
    struct Settings
    {
        double room = 0.8;       // 0..1: how long the tail rings (about 1.5 s to 5 s)
        double damping = 0.5;    // 0..1: how fast the highs die in the tail
        double width = 1.0;      // 0 = mono tail, 1 = fully spread
        double preDelay = 0.02;  // seconds before the first reflection
        double lowCut = 120.0;   // Hz: the send is high-passed here
        double highCut = 7000.0; // Hz: and low-passed here
    };

    explicit Reverb(Settings settings) : settings_(settings) {}

    // The reverberated signal alone (no dry part), stereo, as long as `input`: give the input
    // room at its end for the tail to ring into.
    Sound process(const Sound& input) const;

private:
    Settings settings_;
};
} // namespace contentgen
