// PixelMask.cpp: building masks and testing placed cells against points and each other.
#include "media/PixelMask.hpp"

#include "media/PlacedCell.hpp"

#include <cmath>

namespace media
{
PixelMask::PixelMask(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    width_ = width;
    height_ = height;
    words_ = (width + 63) / 64;
    bits_.assign(static_cast<std::size_t>(words_) * height, 0);
}

PixelMask PixelMask::fromImage(const Image& image, std::uint8_t threshold)
{
    if (image.empty() || image.rgba.size() < static_cast<std::size_t>(image.width) * image.height * 4)
        return {};
    PixelMask mask(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* pixel = image.pixel(0, y);
        std::uint64_t* row = mask.bits_.data() + static_cast<std::size_t>(y) * mask.words_;
        for (int x = 0; x < image.width; ++x, pixel += 4) {
            if (pixel[3] >= threshold)
                row[x >> 6] |= std::uint64_t{1} << (x & 63);
        }
    }
    return mask;
}

bool PixelMask::test(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return false;
    return (row(y)[x >> 6] >> (x & 63) & 1) != 0;
}

void PixelMask::set(int x, int y, bool opaque)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    std::uint64_t& word = bits_[static_cast<std::size_t>(y) * words_ + (x >> 6)];
    std::uint64_t bit = std::uint64_t{1} << (x & 63);
    word = opaque ? (word | bit) : (word & ~bit);
}

bool maskHitsPoint(const MaskCell& cell, const Placement& at, float px, float py)
{
    // Far outside anything a placed cell can reach (and not a number): nothing there.
    constexpr float reach = 1.0e12f;
    if (!(std::fabs(px) < reach && std::fabs(py) < reach))
        return false;
    PlacedCell placed = PlacedCell::place(cell, at);
    return placed.covers(static_cast<std::int64_t>(std::floor(px)),
                         static_cast<std::int64_t>(std::floor(py)));
}

bool masksOverlap(const MaskCell& a, const Placement& atA, const MaskCell& b, const Placement& atB)
{
    return PlacedCell::overlap(PlacedCell::place(a, atA), PlacedCell::place(b, atB));
}
} // namespace media
