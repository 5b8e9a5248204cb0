// SoftBlend.cpp
#include "media/sdl/SoftBlend.hpp"

#include <algorithm>

#if defined(__x86_64__) && defined(__SSE2__)
#include <emmintrin.h>
#include <immintrin.h>
#define ELDMERE_SOFT_BLEND_SSE2 1
#endif

namespace media::sdl::soft
{
namespace
{
// Pixels are 0xAARRGGBB; in memory (little-endian) the bytes run B, G, R, A.
constexpr std::uint32_t channel(std::uint32_t pixel, int shift)
{
    return (pixel >> shift) & 0xFFu;
}

// One pixel of SDL's MMX plain blend: each of the four lanes (the alpha lane weighted by 255)
// as (s * a >> 8) + (d * (255 - a) >> 8).
inline std::uint32_t plainPixel(std::uint32_t s, std::uint32_t d)
{
    const std::uint32_t a = s >> 24;
    if (a == 0)
        return d;
    if (a == 255)
        return s;
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t weight = shift == 24 ? 255 : a;
        const std::uint32_t v = ((channel(s, shift) * weight) >> 8) + ((channel(d, shift) * (255 - a)) >> 8);
        out |= (v > 255 ? 255 : v) << shift;
    }
    return out;
}

// One pixel of SDL's generated blitter (ARGB8888 onto RGB888, modulated, blend or add).
inline std::uint32_t modulatedPixel(std::uint32_t s, std::uint32_t d, std::uint32_t mr, std::uint32_t mg,
                                    std::uint32_t mb, std::uint32_t ma, Mode mode)
{
    std::uint32_t r = channel(s, 16) * mr / 255;
    std::uint32_t g = channel(s, 8) * mg / 255;
    std::uint32_t b = channel(s, 0) * mb / 255;
    const std::uint32_t a = channel(s, 24) * ma / 255;
    r = r * a / 255;
    g = g * a / 255;
    b = b * a / 255;
    std::uint32_t dr = channel(d, 16);
    std::uint32_t dg = channel(d, 8);
    std::uint32_t db = channel(d, 0);
    if (mode == Mode::Blend) {
        dr = r + (255 - a) * dr / 255;
        dg = g + (255 - a) * dg / 255;
        db = b + (255 - a) * db / 255;
    } else {
        dr = r + dr > 255 ? 255 : r + dr;
        dg = g + dg > 255 ? 255 : g + dg;
        db = b + db > 255 ? 255 : b + db;
    }
    return (dr << 16) | (dg << 8) | db;
}

#ifdef ELDMERE_SOFT_BLEND_SSE2
// v / 255, rounded down, for every 16-bit lane up to 65535.
inline __m128i div255(__m128i v)
{
    return _mm_srli_epi16(_mm_mulhi_epu16(v, _mm_set1_epi16(static_cast<short>(0x8081))), 7);
}

// The alpha lane (3 and 7) copied into every lane of its pixel.
inline __m128i alphaEverywhere(__m128i v)
{
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, _MM_SHUFFLE(3, 3, 3, 3)), _MM_SHUFFLE(3, 3, 3, 3));
}

// Whether all four pixels are wholly transparent.
inline bool transparent(__m128i s)
{
    const __m128i alpha = _mm_and_si128(s, _mm_set1_epi32(static_cast<int>(0xFF000000u)));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(alpha, _mm_setzero_si128())) == 0xFFFF;
}

// Four pixels of the plain blend.
inline __m128i plainFour(__m128i s, __m128i d)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i alphaLane = _mm_set_epi16(255, 0, 0, 0, 255, 0, 0, 0);
    const __m128i colourLanes = _mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1);
    const __m128i all255 = _mm_set1_epi16(255);
    auto half = [&](__m128i s16, __m128i d16) {
        const __m128i a = alphaEverywhere(s16);
        const __m128i weight = _mm_or_si128(_mm_and_si128(a, colourLanes), alphaLane);
        const __m128i src = _mm_srli_epi16(_mm_mullo_epi16(s16, weight), 8);
        const __m128i dst = _mm_srli_epi16(_mm_mullo_epi16(d16, _mm_sub_epi16(all255, a)), 8);
        return _mm_add_epi16(src, dst);
    };
    const __m128i lo = half(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero));
    const __m128i hi = half(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero));
    const __m128i blended = _mm_packus_epi16(lo, hi);
    // Alpha 0 keeps the frame's pixel, alpha 255 takes the picture's.
    const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    const __m128i alpha = _mm_and_si128(s, alphaMask);
    const __m128i none = _mm_cmpeq_epi32(alpha, _mm_setzero_si128());
    const __m128i full = _mm_cmpeq_epi32(alpha, alphaMask);
    __m128i out = _mm_or_si128(_mm_and_si128(full, s), _mm_andnot_si128(full, blended));
    out = _mm_or_si128(_mm_and_si128(none, d), _mm_andnot_si128(none, out));
    return out;
}

// Four pixels of the modulated blend or add.
inline __m128i modulatedFour(__m128i s, __m128i d, __m128i modulation, Mode mode)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i alphaLane = _mm_set_epi16(255, 0, 0, 0, 255, 0, 0, 0);
    const __m128i colourLanes = _mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1);
    const __m128i all255 = _mm_set1_epi16(255);
    const __m128i colourBytes = _mm_set1_epi32(0x00FFFFFF);
    // The picture's pixels, modulated, their colour multiplied by their alpha; the alpha lane
    // keeps the alpha.
    auto premultiplied = [&](__m128i s16, __m128i& a) {
        const __m128i m = div255(_mm_mullo_epi16(s16, modulation));
        a = alphaEverywhere(m);
        const __m128i weight = _mm_or_si128(_mm_and_si128(a, colourLanes), alphaLane);
        return div255(_mm_mullo_epi16(m, weight));
    };
    __m128i aLo, aHi;
    const __m128i sLo = premultiplied(_mm_unpacklo_epi8(s, zero), aLo);
    const __m128i sHi = premultiplied(_mm_unpackhi_epi8(s, zero), aHi);
    if (mode == Mode::Add)
        return _mm_and_si128(_mm_adds_epu8(_mm_packus_epi16(sLo, sHi), d), colourBytes);
    const __m128i dLo = div255(_mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), _mm_sub_epi16(all255, aLo)));
    const __m128i dHi = div255(_mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), _mm_sub_epi16(all255, aHi)));
    return _mm_and_si128(_mm_packus_epi16(_mm_add_epi16(sLo, dLo), _mm_add_epi16(sHi, dHi)), colourBytes);
}
#define ELDMERE_AVX2 __attribute__((target("avx2")))

ELDMERE_AVX2 inline __m256i div255Eight(__m256i v)
{
    return _mm256_srli_epi16(_mm256_mulhi_epu16(v, _mm256_set1_epi16(static_cast<short>(0x8081))), 7);
}

ELDMERE_AVX2 inline __m256i alphaEverywhereEight(__m256i v)
{
    return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(v, _MM_SHUFFLE(3, 3, 3, 3)),
                                  _MM_SHUFFLE(3, 3, 3, 3));
}

ELDMERE_AVX2 inline __m256i premultipliedEight(__m256i s16, __m256i modulation, __m256i& a)
{
    const __m256i alphaLane = _mm256_set_epi16(255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0);
    const __m256i colourLanes = _mm256_set_epi16(0, -1, -1, -1, 0, -1, -1, -1, 0, -1, -1, -1, 0, -1, -1, -1);
    const __m256i m = div255Eight(_mm256_mullo_epi16(s16, modulation));
    a = alphaEverywhereEight(m);
    const __m256i weight = _mm256_or_si256(_mm256_and_si256(a, colourLanes), alphaLane);
    return div255Eight(_mm256_mullo_epi16(m, weight));
}

// Eight pixels of the modulated blend or add, where the processor has AVX2: the same
// arithmetic on twice the lanes.
ELDMERE_AVX2 inline __m256i modulatedEight(__m256i s, __m256i d, __m256i modulation, Mode mode)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i all255 = _mm256_set1_epi16(255);
    const __m256i colourBytes = _mm256_set1_epi32(0x00FFFFFF);
    __m256i aLo, aHi;
    const __m256i sLo = premultipliedEight(_mm256_unpacklo_epi8(s, zero), modulation, aLo);
    const __m256i sHi = premultipliedEight(_mm256_unpackhi_epi8(s, zero), modulation, aHi);
    if (mode == Mode::Add)
        return _mm256_and_si256(_mm256_adds_epu8(_mm256_packus_epi16(sLo, sHi), d), colourBytes);
    const __m256i dLo =
        div255Eight(_mm256_mullo_epi16(_mm256_unpacklo_epi8(d, zero), _mm256_sub_epi16(all255, aLo)));
    const __m256i dHi =
        div255Eight(_mm256_mullo_epi16(_mm256_unpackhi_epi8(d, zero), _mm256_sub_epi16(all255, aHi)));
    return _mm256_and_si256(_mm256_packus_epi16(_mm256_add_epi16(sLo, dLo), _mm256_add_epi16(sHi, dHi)),
                            colourBytes);
}

bool hasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif
} // namespace

bool available()
{
#ifdef ELDMERE_SOFT_BLEND_SSE2
    return true;
#else
    return false;
#endif
}

std::vector<Span> spansOf(ConstPixels pixels, int width, int height)
{
    std::vector<Span> spans(static_cast<std::size_t>(std::max(height, 0)));
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels.data + static_cast<std::ptrdiff_t>(y) * pixels.pitch;
        int first = 0;
        while (first < width && (row[first] >> 24) == 0)
            ++first;
        int end = width;
        while (end > first && (row[end - 1] >> 24) == 0)
            --end;
        spans[static_cast<std::size_t>(y)] = {first, end};
    }
    return spans;
}

namespace
{
// The columns of row `y` worth blending, [first, end) within [0, width).
struct Columns
{
    int first, end;
};
inline Columns columnsOf(const ConstPixels& src, int y, int width)
{
    if (!src.spans)
        return {0, width};
    const Span span = src.spans[y];
    return {std::max(span.first - src.column, 0), std::min(span.end - src.column, width)};
}

#ifdef ELDMERE_SOFT_BLEND_SSE2
// Eight pixels modulated and blended, or the frame's as they were where all eight are wholly
// transparent.
ELDMERE_AVX2 inline __m256i modulatedOrKept(__m256i sp, __m256i dp, __m256i modulation, __m256i alphaMask,
                                            Mode mode)
{
    const __m256i seen = _mm256_cmpeq_epi32(_mm256_and_si256(sp, alphaMask), _mm256_setzero_si256());
    return _mm256_movemask_epi8(seen) == -1 ? dp : modulatedEight(sp, dp, modulation, mode);
}

// The modulated blend eight pixels at a time where the processor has AVX2. A row's last few
// pixels are read and written through a mask, so a narrow picture (most particles are) costs
// a vector step or two a row and never a pixel at a time.
ELDMERE_AVX2 void modulatedEightAtATime(ConstPixels src, Pixels dst, int width, int height, std::uint8_t red,
                                        std::uint8_t green, std::uint8_t blue, std::uint8_t alpha, Mode mode)
{
    const __m256i modulation = _mm256_set_epi16(alpha, red, green, blue, alpha, red, green, blue, alpha, red,
                                                green, blue, alpha, red, green, blue);
    const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i lanes = _mm256_set_epi32(7, 6, 5, 4, 3, 2, 1, 0);
    for (int y = 0; y < height; ++y) {
        const auto [first, end] = columnsOf(src, y, width);
        const std::uint32_t* s = src.data + static_cast<std::ptrdiff_t>(y) * src.pitch;
        std::uint32_t* d = dst.data + static_cast<std::ptrdiff_t>(y) * dst.pitch;
        int x = first;
        for (; x + 8 <= end; x += 8) {
            const __m256i sp = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x));
            const __m256i dp = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + x));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + x),
                                modulatedOrKept(sp, dp, modulation, alphaMask, mode));
        }
        if (x < end) {
            const __m256i mask = _mm256_cmpgt_epi32(_mm256_set1_epi32(end - x), lanes);
            const __m256i sp = _mm256_maskload_epi32(reinterpret_cast<const int*>(s + x), mask);
            const __m256i dp = _mm256_maskload_epi32(reinterpret_cast<const int*>(d + x), mask);
            _mm256_maskstore_epi32(reinterpret_cast<int*>(d + x), mask,
                                   modulatedOrKept(sp, dp, modulation, alphaMask, mode));
        }
    }
}
#endif
} // namespace

void blendPlain(ConstPixels src, Pixels dst, int width, int height)
{
    for (int y = 0; y < height; ++y) {
        const auto [first, end] = columnsOf(src, y, width);
        const std::uint32_t* s = src.data + static_cast<std::ptrdiff_t>(y) * src.pitch;
        std::uint32_t* d = dst.data + static_cast<std::ptrdiff_t>(y) * dst.pitch;
        int x = first;
#ifdef ELDMERE_SOFT_BLEND_SSE2
        for (; x + 4 <= end; x += 4) {
            const __m128i sp = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x));
            if (transparent(sp))
                continue;
            const __m128i dp = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + x));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), plainFour(sp, dp));
        }
#endif
        for (; x < end; ++x)
            d[x] = plainPixel(s[x], d[x]);
    }
}

void blendModulated(ConstPixels src, Pixels dst, int width, int height, std::uint8_t red, std::uint8_t green,
                    std::uint8_t blue, std::uint8_t alpha, Mode mode)
{
#ifdef ELDMERE_SOFT_BLEND_SSE2
    if (hasAvx2()) {
        modulatedEightAtATime(src, dst, width, height, red, green, blue, alpha, mode);
        return;
    }
    const __m128i modulation = _mm_set_epi16(alpha, red, green, blue, alpha, red, green, blue);
#endif
    for (int y = 0; y < height; ++y) {
        const auto [first, end] = columnsOf(src, y, width);
        const std::uint32_t* s = src.data + static_cast<std::ptrdiff_t>(y) * src.pitch;
        std::uint32_t* d = dst.data + static_cast<std::ptrdiff_t>(y) * dst.pitch;
        int x = first;
#ifdef ELDMERE_SOFT_BLEND_SSE2
        for (; x + 4 <= end; x += 4) {
            const __m128i sp = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x));
            if (transparent(sp))
                continue;
            const __m128i dp = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + x));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), modulatedFour(sp, dp, modulation, mode));
        }
#endif
        for (; x < end; ++x)
            d[x] = modulatedPixel(s[x], d[x], red, green, blue, alpha, mode);
    }
}

void fill(Pixels dst, int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
          std::uint8_t alpha, Mode mode)
{
    const std::uint32_t rest = 255u - alpha;
    const std::uint32_t r = red * alpha / 255u;
    const std::uint32_t g = green * alpha / 255u;
    const std::uint32_t b = blue * alpha / 255u;
    const std::uint32_t colour = (r << 16) | (g << 8) | b;
#ifdef ELDMERE_SOFT_BLEND_SSE2
    const __m128i zero = _mm_setzero_si128();
    const __m128i colour4 = _mm_set1_epi32(static_cast<int>(colour));
    const __m128i colour16 = _mm_unpacklo_epi8(colour4, zero);
    const __m128i rest16 = _mm_set1_epi16(static_cast<short>(rest));
    const __m128i colourBytes = _mm_set1_epi32(0x00FFFFFF);
#endif
    for (int y = 0; y < height; ++y) {
        std::uint32_t* d = dst.data + static_cast<std::ptrdiff_t>(y) * dst.pitch;
        int x = 0;
#ifdef ELDMERE_SOFT_BLEND_SSE2
        for (; x + 4 <= width; x += 4) {
            const __m128i dp = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + x));
            __m128i out;
            if (mode == Mode::Add) {
                out = _mm_adds_epu8(dp, colour4);
            } else {
                const __m128i lo =
                    _mm_add_epi16(div255(_mm_mullo_epi16(_mm_unpacklo_epi8(dp, zero), rest16)), colour16);
                const __m128i hi =
                    _mm_add_epi16(div255(_mm_mullo_epi16(_mm_unpackhi_epi8(dp, zero), rest16)), colour16);
                out = _mm_packus_epi16(lo, hi);
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), _mm_and_si128(out, colourBytes));
        }
#endif
        for (; x < width; ++x) {
            const std::uint32_t p = d[x];
            std::uint32_t out = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const std::uint32_t there = channel(p, shift);
                const std::uint32_t mine = channel(colour, shift);
                std::uint32_t v = mode == Mode::Add ? there + mine : rest * there / 255u + mine;
                out |= (v > 255 ? 255 : v) << shift;
            }
            d[x] = out;
        }
    }
}
} // namespace media::sdl::soft
