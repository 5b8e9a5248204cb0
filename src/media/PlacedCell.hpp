// PlacedCell.hpp: a mask cell together with its placement, ready for pixel-exact tests.
// Private to the media layer: PixelMask.cpp and CollisionLayers.cpp share it.
#pragma once

#include "media/PixelMask.hpp"

#include <cstdint>

namespace media
{
// Screen pixels are unit squares; pixel (X, Y) is covered when its centre, mapped back into
// the cell, lands on an opaque pixel of the cell. The placement's position and handle are
// rounded to 1/65536 of a pixel (and kept within a quarter of a billion pixels), so the
// arithmetic of an unrotated, unscaled placement is exact: such a cell covers exactly the
// screen pixels (ix + u, iy + v) for its opaque local pixels (u, v).
struct PlacedCell
{
    const PixelMask* mask = nullptr;
    int originX = 0; // the cell's top-left pixel in the mask
    int originY = 0;
    int u0 = 0, u1 = 0, v0 = 0, v1 = 0; // local pixels in the mask: [u0, u1) x [v0, v1)
    double x = 0, y = 0, handleX = 0, handleY = 0;
    double a = 1, b = 0, c = 0, d = 1; // screen offset to local offset: (a b; c d)
    bool identity = false;             // no rotation, unit scale: the exact shortcut applies
    std::int64_t ix = 0, iy = 0;       // identity only: local pixel = screen pixel - (ix, iy)
    // Inclusive range of the screen pixels that may be covered (exact for identity cells).
    std::int64_t left = 0, top = 0, right = -1, bottom = -1;

    // An empty result (covers nothing) for an empty cell, a zero or non-finite scale, or a
    // non-finite position.
    static PlacedCell place(const MaskCell& cell, const Placement& at);

    bool empty() const { return mask == nullptr; }
    bool covers(std::int64_t screenX, std::int64_t screenY) const;

    // Whether some screen pixel is covered by both cells. Two identity cells are compared 64
    // pixels of a row at a time; any other pair pixel by pixel through covers(), over the
    // columns of each row both cells can reach.
    static bool overlap(const PlacedCell& first, const PlacedCell& second);
};
} // namespace media
