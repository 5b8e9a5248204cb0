// PositionSet.cpp
#include "rules/PositionSet.hpp"

#include <algorithm>
#include <stdexcept>

namespace rules
{
namespace
{
constexpr std::size_t firstCapacity = 1024;

std::uint64_t mix(std::uint64_t x)
{
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return x;
}
} // namespace

PositionSet::PositionSet(std::size_t words) : words_(std::max<std::size_t>(words, 1))
{
    mask_ = firstCapacity - 1;
    keys_.assign(firstCapacity * words_, 0);
    used_.assign(firstCapacity, 0);
}

std::uint64_t PositionSet::hashOf(std::span<const std::uint64_t> position) const
{
    std::uint64_t h = 0x9e3779b97f4a7c15ULL;
    for (std::uint64_t w : position)
        h = mix(h ^ w);
    return h;
}

// The place holding the position, or the empty place where it would go.
std::size_t PositionSet::find(std::span<const std::uint64_t> position, std::uint64_t hash) const
{
    std::size_t at = static_cast<std::size_t>(hash) & mask_;
    while (used_[at]) {
        if (std::equal(position.begin(), position.end(),
                       keys_.begin() + static_cast<std::ptrdiff_t>(at * words_)))
            return at;
        at = (at + 1) & mask_;
    }
    return at;
}

bool PositionSet::contains(std::span<const std::uint64_t> position) const
{
    if (position.size() != words_)
        throw std::invalid_argument("PositionSet: a position of the wrong length");
    return used_[find(position, hashOf(position))] != 0;
}

bool PositionSet::insert(std::span<const std::uint64_t> position)
{
    if (position.size() != words_)
        throw std::invalid_argument("PositionSet: a position of the wrong length");
    const std::uint64_t hash = hashOf(position);
    std::size_t at = find(position, hash);
    if (used_[at])
        return false;
    // At most half full, so a probe soon meets an empty place.
    if ((size_ + 1) * 2 > mask_ + 1) {
        grow();
        at = find(position, hash);
    }
    used_[at] = 1;
    std::copy(position.begin(), position.end(), keys_.begin() + static_cast<std::ptrdiff_t>(at * words_));
    ++size_;
    return true;
}

void PositionSet::grow()
{
    std::vector<std::uint64_t> keys = std::move(keys_);
    std::vector<std::uint8_t> used = std::move(used_);
    const std::size_t capacity = (mask_ + 1) * 2;
    mask_ = capacity - 1;
    keys_.assign(capacity * words_, 0);
    used_.assign(capacity, 0);
    for (std::size_t i = 0; i < used.size(); ++i) {
        if (!used[i])
            continue;
        std::span<const std::uint64_t> position(keys.data() + i * words_, words_);
        const std::size_t at = find(position, hashOf(position));
        used_[at] = 1;
        std::copy(position.begin(), position.end(), keys_.begin() + static_cast<std::ptrdiff_t>(at * words_));
    }
}
} // namespace rules
