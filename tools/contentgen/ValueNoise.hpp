// ValueNoise.hpp: smooth lattice noise for mist, clouds, ridges and grain.
#pragma once

#include <cstdint>

namespace contentgen
{
// Value noise on the integer lattice with quintic smoothing; the lattice values come from a
// hash of (x, y, seed), so there is no table and no state.
class ValueNoise
{
public:
    explicit ValueNoise(std::uint64_t seed) : seed_(seed) {}

    // Noise in [0, 1] at (x, y); one lattice cell per unit.
    double at(double x, double y) const;
    // One-dimensional noise in [0, 1] (a row of the 2-D field).
    double at(double x) const { return at(x, 0.5); }
    // Fractal sum of `octaves` layers, each twice the frequency and `gain` times the weight
    // of the last; normalised to [0, 1].
    double fbm(double x, double y, int octaves, double gain = 0.5) const;

private:
    double lattice(std::int64_t x, std::int64_t y) const;

    std::uint64_t seed_;
};
} // namespace contentgen
