// Random.hpp: a small seeded generator, so every run draws the same pictures.
#pragma once

#include <cstdint>

namespace contentgen
{
// SplitMix64: fixed algorithm, no dependence on the standard library's distributions,
// so the sequence is the same on every compiler and platform.
class Random
{
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // A double in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    // A double in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // A whole number in [0, n); n must be positive.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};
} // namespace contentgen
