// Image.hpp: pixels in memory, straight RGBA, for per-pixel passes and for saving.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace contentgen
{
struct Pixel
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;
};

// Rows from the top, 8 bits a channel, alpha not premultiplied (what PNG and JPEG files hold).
class Image
{
public:
    Image() = default;
    Image(int width, int height, Pixel fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Pixel& at(int x, int y) { return pixels_[index(x, y)]; }
    const Pixel& at(int x, int y) const { return pixels_[index(x, y)]; }
    std::vector<Pixel>& pixels() { return pixels_; }
    const std::vector<Pixel>& pixels() const { return pixels_; }
    bool isOpaque() const;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};
} // namespace contentgen
