// CollisionLayers.hpp: the pixel collision layers pictures are written into and tested against.
#pragma once

#include "media/PixelMask.hpp"

#include <cstdint>
#include <vector>

namespace media
{
// Up to 32 layers, chosen by bit masks (bit value 1 is layer 1). Writing records a placed cell
// with a caller's tag; testing returns the tags of the written cells a placed cell overlaps,
// pixel-exactly, in the order they were written. Nothing is drawn anywhere.
class CollisionLayers
{
public:
    void reset();
    void write(const MaskCell& cell, const Placement& at, std::uint32_t layers, const void* tag);
    std::vector<const void*> test(const MaskCell& cell, const Placement& at, std::uint32_t layers) const;
    std::size_t size() const { return written_.size(); }

private:
    struct Written
    {
        MaskCell cell;
        Placement at;
        std::uint32_t layers = 0;
        const void* tag = nullptr;
        float left = 0, top = 0, right = 0, bottom = 0; // screen bounds, for a quick reject
    };
    std::vector<Written> written_;
};
} // namespace media
