// SoftBlend.hpp: blending ARGB8888 pictures into the RGB888 frame with exactly the arithmetic
// of SDL's own software blitters, only faster (four pixels at a time where SSE2 is there).
#pragma once

#include <cstdint>
#include <vector>

namespace media::sdl::soft
{
// Whether these blends give SDL's pixels on this machine: SDL chooses its blitters by the
// processor, and these follow the ones it chooses on x86-64.
bool available();

// Where a row of a picture shows at all: the pixels before `first` and from `end` on are
// wholly transparent, and blending them changes nothing.
struct Span
{
    std::int32_t first = 0, end = 0;
};

// A block of pixels; `pitch` counts pixels, not bytes.
struct Pixels
{
    std::uint32_t* data = nullptr;
    int pitch = 0;
};
struct ConstPixels
{
    const std::uint32_t* data = nullptr;
    int pitch = 0;
    // Where each row shows, if known; `column` is where `data` starts in the spans' columns.
    const Span* spans = nullptr;
    int column = 0;

    // The block from (x, y) on.
    ConstPixels from(int x, int y) const
    {
        return {data + static_cast<std::ptrdiff_t>(y) * pitch + x, pitch, spans ? spans + y : nullptr,
                column + x};
    }
};

// The spans of every row of a `width` x `height` picture.
std::vector<Span> spansOf(ConstPixels pixels, int width, int height);

// Per-pixel alpha, nothing modulated: SDL's blitter for a plain blend (its MMX one). A pixel
// with alpha 0 leaves the frame as it is; with alpha 255 it is copied.
void blendPlain(ConstPixels src, Pixels dst, int width, int height);

enum class Mode
{
    Blend, // over what is there, by the picture's alpha
    Add    // added to what is there
};

// Colour and alpha modulated (255 modulates nothing), then blended or added: SDL's generated
// blitter for every other case.
void blendModulated(ConstPixels src, Pixels dst, int width, int height, std::uint8_t red, std::uint8_t green,
                    std::uint8_t blue, std::uint8_t alpha, Mode mode);

// A rectangle of one colour blended or added, as SDL fills one: the colour is weighted by the
// alpha first, what is there by the rest of it.
void fill(Pixels dst, int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
          std::uint8_t alpha, Mode mode);
} // namespace media::sdl::soft
