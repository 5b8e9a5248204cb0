// MaskBench.cpp: cost of the pixel-exact hit tests on card-sized masks.
#include "media/PixelMask.hpp"

#include <benchmark/benchmark.h>

namespace
{
constexpr int cardWidth = 96;
constexpr int cardHeight = 140;

// A card face: opaque but for rounded corners of the given radius, optionally hollow (a frame
// `frame` pixels wide).
media::PixelMask cardMask(int width, int height, int radius, int frame = 0)
{
    media::PixelMask mask(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int cx = x < radius ? radius - x : (x >= width - radius ? x - (width - radius - 1) : 0);
            int cy = y < radius ? radius - y : (y >= height - radius ? y - (height - radius - 1) : 0);
            bool inside = cx * cx + cy * cy <= radius * radius;
            bool hollow = frame > 0 && x >= frame && y >= frame && x < width - frame && y < height - frame;
            mask.set(x, y, inside && !hollow);
        }
    }
    return mask;
}

media::Placement at(float x, float y, float rotation = 0)
{
    media::Placement placement;
    placement.x = x;
    placement.y = y;
    placement.handleX = cardWidth / 2.0f;
    placement.handleY = cardHeight / 2.0f;
    placement.rotation = rotation;
    return placement;
}

const media::PixelMask& card()
{
    static const media::PixelMask mask = cardMask(cardWidth, cardHeight, 8);
    return mask;
}

void runOverlap(benchmark::State& state, const media::MaskCell& a, const media::Placement& atA,
                const media::MaskCell& b, const media::Placement& atB, bool expected)
{
    if (media::masksOverlap(a, atA, b, atB) != expected) {
        state.SkipWithError("unexpected answer");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(media::masksOverlap(a, atA, b, atB));
}

// Two cards fanned in a column, the usual overlap in a layout.
void OverlapUnrotatedFanned(benchmark::State& state)
{
    auto cell = media::MaskCell::whole(card());
    runOverlap(state, cell, at(200, 200), cell, at(220.5f, 230), true);
}
BENCHMARK(OverlapUnrotatedFanned);

// Diagonal neighbours whose rectangles share only their transparent rounded corners.
void OverlapUnrotatedCornersOnly(benchmark::State& state)
{
    auto cell = media::MaskCell::whole(card());
    runOverlap(state, cell, at(200, 200), cell, at(200 + cardWidth - 4, 200 + cardHeight - 4), false);
}
BENCHMARK(OverlapUnrotatedCornersOnly);

// Neighbours in a row: the rectangles do not even meet.
void OverlapUnrotatedApart(benchmark::State& state)
{
    auto cell = media::MaskCell::whole(card());
    runOverlap(state, cell, at(200, 200), cell, at(200 + cardWidth + 2, 200), false);
}
BENCHMARK(OverlapUnrotatedApart);

// Worst unrotated case: a smaller card inside a card-sized frame; every row is compared.
void OverlapUnrotatedFullScan(benchmark::State& state)
{
    static const media::PixelMask frame = cardMask(cardWidth, cardHeight, 8, 6);
    static const media::PixelMask inner = cardMask(cardWidth - 14, cardHeight - 14, 8);
    media::Placement innerAt = at(200, 200);
    innerAt.handleX -= 7;
    innerAt.handleY -= 7;
    runOverlap(state, media::MaskCell::whole(frame), at(200, 200), media::MaskCell::whole(inner), innerAt,
               false);
}
BENCHMARK(OverlapUnrotatedFullScan);

// Two cards turned 10 degrees, fanned.
void OverlapRotated10Fanned(benchmark::State& state)
{
    auto cell = media::MaskCell::whole(card());
    runOverlap(state, cell, at(200, 200, 10), cell, at(220, 230, 10), true);
}
BENCHMARK(OverlapRotated10Fanned);

// Two cards turned 10 degrees side by side, a pixel or two apart: their rectangles share a strip
// about 19 x 155 pixels, all of it scanned.
void OverlapRotated10NearMiss(benchmark::State& state)
{
    auto cell = media::MaskCell::whole(card());
    runOverlap(state, cell, at(200, 200, 10), cell, at(300, 200, 10), false);
}
BENCHMARK(OverlapRotated10NearMiss);

void HitsPointUnrotated(benchmark::State& state)
{
    auto cell = media::MaskCell::whole(card());
    media::Placement placement = at(200, 200);
    for (auto _ : state)
        benchmark::DoNotOptimize(media::maskHitsPoint(cell, placement, 190.5f, 215.25f));
}
BENCHMARK(HitsPointUnrotated);

void HitsPointRotated10(benchmark::State& state)
{
    auto cell = media::MaskCell::whole(card());
    media::Placement placement = at(200, 200, 10);
    for (auto _ : state)
        benchmark::DoNotOptimize(media::maskHitsPoint(cell, placement, 190.5f, 215.25f));
}
BENCHMARK(HitsPointRotated10);
} // namespace
