// TLightLayer.hpp: a soft patch of light on the title screen that pulses slowly between dim and
// bright, taking 200 frames each way.
#pragma once

#include "media/Picture.hpp"

class TLightLayer
{
public:
    // Its picture and its top-left corner on the finished picture; the centre follows from them.
    void place(media::Picture picture, float left, float top);
    // One frame: toward the target; on reaching it, the target turns round.
    void update();
    // At intro progress `per`, zoomed about the screen's centre by `zoomDepth` (0.2 for the
    // sky, 0.4 for what belongs to the tree layer) at the start of the intro.
    void draw(float per) const;

    media::Picture img;
    float alpha = 0;
    float dAlpha = 1;
    float x = 0, y = 0; // the centre of the picture
    float zoomDepth = 0.2f;

    static constexpr float speed = 0.005f;
};
