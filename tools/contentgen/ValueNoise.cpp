// ValueNoise.cpp: hashed lattice noise and its fractal sum.
#include "ValueNoise.hpp"

#include <cmath>

namespace contentgen
{
namespace
{
double fade(double t)
{
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}
} // namespace

double ValueNoise::lattice(std::int64_t x, std::int64_t y) const
{
    std::uint64_t h = seed_ ^ (static_cast<std::uint64_t>(x) * 0x9e3779b97f4a7c15ULL)
                      ^ (static_cast<std::uint64_t>(y) * 0xc2b2ae3d27d4eb4fULL);
    h = (h ^ (h >> 31)) * 0xbf58476d1ce4e5b9ULL;
    h = (h ^ (h >> 29)) * 0x94d049bb133111ebULL;
    h ^= h >> 32;
    return static_cast<double>(h & 0xffffff) / static_cast<double>(0xffffff);
}

double ValueNoise::at(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double a = lattice(ix, iy);
    const double b = lattice(ix + 1, iy);
    const double c = lattice(ix, iy + 1);
    const double d = lattice(ix + 1, iy + 1);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double ValueNoise::fbm(double x, double y, int octaves, double gain) const
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    double frequency = 1.0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so lattice points of different octaves do not line up.
        sum += weight * at(x * frequency + 17.31 * i, y * frequency - 9.77 * i);
        total += weight;
        weight *= gain;
        frequency *= 2.0;
    }
    return total > 0.0 ? sum / total : 0.0;
}
} // namespace contentgen
