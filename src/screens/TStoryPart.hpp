// TStoryPart.hpp: one screen of a cut-scene: a stack of layers that pan and zoom while the
// part lasts. It fades in over its first second; the next part is due a second before its end.
#pragma once

#include "screens/TStoryLayer.hpp"

#include <vector>

class TStoryPart
{
public:
    static constexpr long long fadeIn = 1000;

    // Every layer, the first at the bottom.
    void draw() const;
    // Clock times stop counting while paused: resume moves the end on by the pause.
    void pause(long long now);
    void resume(long long now);
    // Fade-in and progress at clock time `now`.
    void update(long long now);
    // The part's remaining fraction at `now`: 1 at its start, 0 at its end, negative after it.
    float getPer(long long now) const;
    // Starts the part at `now`.
    void reset(long long now);
    // Whether the next part should start fading in over this one.
    bool wantsSuccessor(long long now) const { return now > endTime - fadeIn; }

    std::vector<TStoryLayer> layers;
    int time = 0; // duration, milliseconds (always above 0 for a part read from a file)
    float alpha = 0;
    float dAlpha = 1;
    float per = 0;
    long long endTime = 0;
    long long startTime = 0; // when the fade-in is complete
    long long pam = 0;       // when it was paused
    int normalStory = 1;     // 1: the story's, 0: the outro's
};
