// TStoryLayer.hpp: one picture of a cut-scene part. Over the part it glides from its start
// offset to the middle of the screen and zooms from its start scale to its end scale.
#pragma once

#include "media/Picture.hpp"

#include <array>

class TStoryLayer
{
public:
    // The scale at `per` (1 at the part's start, 0 at its end; negative once it is over).
    float countScale(float per) const;
    // Centred at its place for `per`, at `alpha`, scaled by countScale(per).
    void draw(float alpha, float per) const;
    // Where its centre is at `per`.
    float x(float per) const;
    float y(float per) const;

    media::Picture img; // handle at its centre; empty when the file could not be read
    float dx = 512;     // the layer starts at (1024 - dx, 768 - dy)
    float dy = 384;
    std::array<float, 2> ImgScale{1, 1}; // [0] at the part's end, [1] at its start
};
