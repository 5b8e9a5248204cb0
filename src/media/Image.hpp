// Image.hpp: a picture in memory, before it becomes a texture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace media
{
// RGBA, 8 bits a channel, straight (not premultiplied) alpha, rows from the top.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    Image() = default;
    Image(int w, int h) : width(w), height(h), rgba(static_cast<std::size_t>(w) * h * 4, 0) {}

    bool empty() const { return width <= 0 || height <= 0; }
    // Whether every pixel is fully opaque.
    bool opaque() const
    {
        for (std::size_t i = 3; i < rgba.size(); i += 4) {
            if (rgba[i] != 255)
                return false;
        }
        return !empty();
    }
    std::uint8_t* pixel(int x, int y) { return rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4; }
    const std::uint8_t* pixel(int x, int y) const
    {
        return rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4;
    }
};
} // namespace media
