// PositionSet.hpp: the positions a search has met, each a fixed number of 64-bit words, kept in
// one flat table (open addressing) so that millions of them cost little memory and no
// allocation per position.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace rules
{
class PositionSet
{
public:
    // Every position is `words` words long (at least one).
    explicit PositionSet(std::size_t words);

    // Remembers the position; false when it was already there.
    bool insert(std::span<const std::uint64_t> position);
    bool contains(std::span<const std::uint64_t> position) const;
    std::size_t size() const { return size_; }
    std::size_t words() const { return words_; }

private:
    std::size_t find(std::span<const std::uint64_t> position, std::uint64_t hash) const;
    std::uint64_t hashOf(std::span<const std::uint64_t> position) const;
    void grow();

    std::size_t words_;
    std::size_t mask_ = 0; // capacity - 1 (capacity is a power of two)
    std::size_t size_ = 0;
    std::vector<std::uint64_t> keys_; // capacity * words_
    std::vector<std::uint8_t> used_;  // per place: 1 when it holds a position
};
} // namespace rules
