// TCursor.hpp: one named mouse cursor, a single picture or an animated strip.
#pragma once

#include "media/Picture.hpp"

#include <string>

class TCursor
{
public:
    // Draws the cursor's current frame with its hot spot on (x, y).
    void draw(int x, int y);
    // Advances the animation when its time has come; 1 when the frame changed.
    int update();

    std::string _id;
    media::Picture _img;
    long long _time = 0; // clock value at which the next frame is due
    int _timeDelta = 0;  // milliseconds a frame; 0 = not animated
    int _frame = 0;
    int _maxFrames = 0; // index of the last frame; 0 = a single picture
    int _hx = 0;        // hot spot: the picture's pixel under the pointer
    int _hy = 0;
};
