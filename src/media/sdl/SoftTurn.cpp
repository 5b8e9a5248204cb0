// SoftTurn.cpp
#include "media/sdl/SoftTurn.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

namespace
{
#ifdef __SSE2__
// (d * e) >> 16 for signed 16-bit d and e from 0 to 65535 in every lane, exactly: the signed
// high product counts e from 32768 on as e - 65536, which takes d away once.
inline __m128i scaled(__m128i d, __m128i e, __m128i eHigh)
{
    return _mm_add_epi16(_mm_mulhi_epi16(d, e), _mm_and_si128(d, eHigh));
}
#endif

// The four neighbours at (ex, ey) sixteenths-of-sixteen-bits between them, as SDL mixes them:
// across each row first, then down, byte by byte.
inline std::uint32_t mixed(std::uint32_t c00, std::uint32_t c01, std::uint32_t c10, std::uint32_t c11, int ex,
                           int ey)
{
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    // Lanes 0-3: the top row's two pixels' bytes; lanes 4-7: the bottom row's.
    const __m128i left =
        _mm_unpacklo_epi8(_mm_set_epi32(0, 0, static_cast<int>(c10), static_cast<int>(c00)), zero);
    const __m128i right =
        _mm_unpacklo_epi8(_mm_set_epi32(0, 0, static_cast<int>(c11), static_cast<int>(c01)), zero);
    const __m128i e = _mm_set1_epi16(static_cast<short>(ex));
    const __m128i eHigh = ex >= 0x8000 ? _mm_set1_epi16(-1) : zero;
    const __m128i across = _mm_and_si128(_mm_add_epi16(scaled(_mm_sub_epi16(right, left), e, eHigh), left),
                                         _mm_set1_epi16(0xFF));
    const __m128i bottom = _mm_srli_si128(across, 8);
    const __m128i f = _mm_set1_epi16(static_cast<short>(ey));
    const __m128i fHigh = ey >= 0x8000 ? _mm_set1_epi16(-1) : zero;
    const __m128i down = _mm_add_epi16(scaled(_mm_sub_epi16(bottom, across), f, fHigh), across);
    return static_cast<std::uint32_t>(
        _mm_cvtsi128_si32(_mm_packus_epi16(_mm_and_si128(down, _mm_set1_epi16(0xFF)), zero)));
#else
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int a00 = static_cast<int>((c00 >> shift) & 0xFF);
        const int a01 = static_cast<int>((c01 >> shift) & 0xFF);
        const int a10 = static_cast<int>((c10 >> shift) & 0xFF);
        const int a11 = static_cast<int>((c11 >> shift) & 0xFF);
        const int top = ((((a01 - a00) * ex) >> 16) + a00) & 0xFF;
        const int bottom = ((((a11 - a10) * ex) >> 16) + a10) & 0xFF;
        const auto v = static_cast<std::uint8_t>((((bottom - top) * ey) >> 16) + top);
        out |= static_cast<std::uint32_t>(v) << shift;
    }
    return out;
#endif
}
} // namespace

Span turnRow(ConstPixels src, int width, int height, const Turn& turn, float centreX, float centreY, int row,
             std::uint32_t* out)
{
    // Fixed point, 16 bits of fraction, as SDL steps through the picture.
    const int isin = static_cast<int>(turn.sine * 65536.0);
    const int icos = static_cast<int>(turn.cosine * 65536.0);
    const int cx = static_cast<int>(centreX * 65536.0);
    const int cy = static_cast<int>(centreY * 65536.0);
    constexpr int half = 1 << 15;
    const double fromX = turn.x + 0 + 0.5 - centreX;
    const double fromY = turn.y + row + 0.5 - centreY;
    int sx = static_cast<int>((icos * fromX - isin * fromY) + cx - half);
    int sy = static_cast<int>((isin * fromX + icos * fromY) + cy - half);
    Span span;
    for (int x = 0; x < turn.width; ++x, sx += icos, sy += isin) {
        const int px = sx >> 16;
        const int py = sy >> 16;
        if (px <= -1 || py <= -1 || px >= width - 1 || py >= height - 1)
            continue;
        if (span.end == 0)
            span.first = x;
        span.end = x + 1;
        const std::uint32_t* at = src.data + static_cast<std::ptrdiff_t>(py) * src.pitch + px;
        out[x] = mixed(at[0], at[1], at[src.pitch], at[src.pitch + 1], sx & 0xFFFF, sy & 0xFFFF);
    }
    return span;
}
} // namespace media::sdl::soft
