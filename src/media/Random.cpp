// Random.cpp: uniform draws from one Mersenne Twister.
#include "media/Random.hpp"

#include <utility>

namespace media
{
int Random::rand(int lo, int hi)
{
    if (lo > hi)
        std::swap(lo, hi);
    auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
    // Rejection sampling keeps every value equally likely.
    const std::uint64_t range = static_cast<std::uint64_t>(std::mt19937::max()) + 1;
    const std::uint64_t limit = range - range % span;
    std::uint64_t draw;
    do {
        draw = engine_();
    } while (draw >= limit);
    return static_cast<int>(lo + static_cast<std::int64_t>(draw % span));
}

double Random::rnd()
{
    return static_cast<double>(engine_()) / 4294967296.0;
}

double Random::rnd(double lo, double hi)
{
    return lo + (hi - lo) * rnd();
}
} // namespace media
