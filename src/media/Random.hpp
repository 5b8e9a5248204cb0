// Random.hpp: the game's one source of random numbers.
#pragma once

#include <cstdint>
#include <random>

namespace media
{
// Seeded once at start (from the clock, or from --seed for repeatable runs); every random
// choice of the game is drawn from here, so a seed reproduces a whole run.
class Random
{
public:
    explicit Random(std::uint32_t seed = 1) : engine_(seed) {}
    void seed(std::uint32_t seed) { engine_.seed(seed); }

    // A whole number from lo to hi, both included (the order of lo and hi does not matter).
    int rand(int lo, int hi);
    // A float in [0, 1).
    double rnd();
    // A float from lo up to (not including) hi.
    double rnd(double lo, double hi);

private:
    std::mt19937 engine_;
};
} // namespace media
