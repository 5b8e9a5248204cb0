// PixelMask.hpp: the opaque pixels of a picture, kept on the CPU for pixel-exact hit tests.
#pragma once

#include "media/Image.hpp"

#include <cstdint>
#include <vector>

namespace media
{
// One bit a pixel, rows of 64-bit words (bit k of word w is pixel 64 * w + k).
class PixelMask
{
public:
    // A pixel counts as opaque from this alpha up.
    static constexpr std::uint8_t opaqueAlpha = 128;

    PixelMask() = default;
    PixelMask(int width, int height);
    static PixelMask fromImage(const Image& image, std::uint8_t threshold = opaqueAlpha);

    int width() const { return width_; }
    int height() const { return height_; }
    int wordsPerRow() const { return words_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    // False outside the mask.
    bool test(int x, int y) const;
    void set(int x, int y, bool opaque);
    const std::uint64_t* row(int y) const { return bits_.data() + static_cast<std::size_t>(y) * words_; }

private:
    int width_ = 0;
    int height_ = 0;
    int words_ = 0;
    std::vector<std::uint64_t> bits_;
};

// A rectangle of a mask: the whole picture, or one cell of a strip.
struct MaskCell
{
    const PixelMask* mask = nullptr;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    static MaskCell whole(const PixelMask& m) { return {&m, 0, 0, m.width(), m.height()}; }
    bool empty() const { return mask == nullptr || width <= 0 || height <= 0; }
};

// Where a cell is drawn: its handle (a point in cell pixels) lands on (x, y); the cell is scaled,
// then rotated by `rotation` degrees (clockwise on screen) about the handle. A negative scale
// mirrors the cell.
struct Placement
{
    float x = 0;
    float y = 0;
    float handleX = 0;
    float handleY = 0;
    float scaleX = 1;
    float scaleY = 1;
    float rotation = 0;
};

// Screen pixels are unit squares; a screen pixel is covered by a placed cell when its centre
// falls on an opaque pixel of the cell. Both tests below use exactly this rule, so they agree
// with each other under any rotation and scale.

// Whether the screen pixel containing the point (px, py) is covered by the placed cell.
bool maskHitsPoint(const MaskCell& cell, const Placement& at, float px, float py);

// Whether some screen pixel is covered by both placed cells.
bool masksOverlap(const MaskCell& a, const Placement& atA, const MaskCell& b, const Placement& atB);
} // namespace media
