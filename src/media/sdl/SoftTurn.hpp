// SoftTurn.hpp: turning an ARGB8888 picture about a point with exactly the arithmetic of SDL's
// software renderer (its bilinear rotozoomer), so a turned picture can be blended by our own
// loops and still give SDL's pixels.
#pragma once

#include "media/sdl/SoftBlend.hpp"

namespace media::sdl::soft
{
// Where a `width` x `height` picture turned by `angle` degrees (clockwise) about `centre`
// (from its corner) lands, relative to its corner, and the sine and cosine the turn uses.
struct Turn
{
    int x = 0, y = 0, width = 0, height = 0;
    double sine = 0, cosine = 0;
};
Turn turnOf(int width, int height, double angle, float centreX, float centreY);

// Whether `angle` is a quarter turn or a whole number of them, which SDL turns another way.
bool quarterTurns(double angle);

// Row `row` of `src` (`width` x `height`) turned, into `out` (turn.width pixels): smoothly,
// each pixel mixed from the four nearest. Returns the columns written; the others are those
// whose four neighbours are not all inside the picture, which SDL leaves transparent.
Span turnRow(ConstPixels src, int width, int height, const Turn& turn, float centreX, float centreY, int row,
             std::uint32_t* out);
} // namespace media::sdl::soft
