// SoftTurn.cpp
#include "media/sdl/SoftTurn.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace media::sdl::soft
{
namespace
{
struct Point
{
    double x, y;
};

Point turned(double x, double y, double sine, double cosine, float centreX, float centreY)
{
    x -= centreX;
    y -= centreY;
    return {cosine * x - sine * y + centreX, sine * x + cosine * y + centreY};
}
} // namespace

bool quarterTurns(double angle)
{
    const int quarters = static_cast<int>(angle / 90);
    return quarters == angle / 90;
}

Turn turnOf(int width, int height, double angle, float centreX, float centreY)
{
    const double radians = angle * (std::numbers::pi / 180.0);
    const double sine = std::sin(radians);
    const double cosine = std::cos(radians);
    // The corners' pixel centres, turned, bound what the turned picture covers.
    const Point corners[4] = {turned(0.5, 0.5, sine, cosine, centreX, centreY),
                              turned(width - 0.5, 0.5, sine, cosine, centreX, centreY),
                              turned(0.5, height - 0.5, sine, cosine, centreX, centreY),
                              turned(width - 0.5, height - 0.5, sine, cosine, centreX, centreY)};
    double minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
    for (const Point& p : corners) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    Turn turn;
    turn.x = static_cast<int>(std::floor(minX));
    turn.y = static_cast<int>(std::floor(minY));
    turn.width = static_cast<int>(std::ceil(maxX)) - turn.x;
    turn.height = static_cast<int>(std::ceil(maxY)) - turn.y;
    // The picture is sampled backwards: from each pixel it covers to where that came from.
    turn.sine = -sine;
    turn.cosine = cosine;
    return turn;
}

void turnSmooth(ConstPixels src, int width, int height, Pixels dst, const Turn& turn, float centreX,
                float centreY, std::vector<Span>& spans)
{
    spans.assign(static_cast<std::size_t>(turn.height), Span{});
    // Fixed point, 16 bits of fraction, as SDL steps through the picture.
    const int isin = static_cast<int>(turn.sine * 65536.0);
    const int icos = static_cast<int>(turn.cosine * 65536.0);
    const int cx = static_cast<int>(centreX * 65536.0);
    const int cy = static_cast<int>(centreY * 65536.0);
    constexpr int half = 1 << 15;
    for (int y = 0; y < turn.height; ++y) {
        const double fromX = turn.x + 0 + 0.5 - centreX;
        const double fromY = turn.y + y + 0.5 - centreY;
        int sx = static_cast<int>((icos * fromX - isin * fromY) + cx - half);
        int sy = static_cast<int>((isin * fromX + icos * fromY) + cy - half);
        std::uint32_t* out = dst.data + static_cast<std::ptrdiff_t>(y) * dst.pitch;
        Span& span = spans[static_cast<std::size_t>(y)];
        for (int x = 0; x < turn.width; ++x, sx += icos, sy += isin) {
            const int px = sx >> 16;
            const int py = sy >> 16;
            if (px <= -1 || py <= -1 || px >= width - 1 || py >= height - 1)
                continue;
            if (span.end == 0)
                span.first = x;
            span.end = x + 1;
            const std::uint32_t* at = src.data + static_cast<std::ptrdiff_t>(py) * src.pitch + px;
            const std::uint32_t c00 = at[0], c01 = at[1], c10 = at[src.pitch], c11 = at[src.pitch + 1];
            const int ex = sx & 0xFFFF;
            const int ey = sy & 0xFFFF;
            std::uint32_t mixed = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const int a00 = static_cast<int>((c00 >> shift) & 0xFF);
                const int a01 = static_cast<int>((c01 >> shift) & 0xFF);
                const int a10 = static_cast<int>((c10 >> shift) & 0xFF);
                const int a11 = static_cast<int>((c11 >> shift) & 0xFF);
                const int top = ((((a01 - a00) * ex) >> 16) + a00) & 0xFF;
                const int bottom = ((((a11 - a10) * ex) >> 16) + a10) & 0xFF;
                const auto v = static_cast<std::uint8_t>((((bottom - top) * ey) >> 16) + top);
                mixed |= static_cast<std::uint32_t>(v) << shift;
            }
            out[x] = mixed;
        }
    }
}
} // namespace media::sdl::soft
