// Image.cpp: straight-alpha pixel buffers.
#include "Image.hpp"

#include <algorithm>

namespace contentgen
{
Image::Image(int width, int height, Pixel fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill)
{}

bool Image::isOpaque() const
{
    return std::all_of(pixels_.begin(), pixels_.end(), [](const Pixel& p) { return p.a == 255; });
}
} // namespace contentgen
