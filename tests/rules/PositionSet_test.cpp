// The flat table of positions met: exact membership through many growths, and positions that
// differ in one bit of one word kept apart.
#include "rules/PositionSet.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <stdexcept>

namespace
{
TEST(PositionSet, KeepsEveryPositionExactlyThroughManyGrowths)
{
    rules::PositionSet set(3);
    // Neighbours differing in a single bit of any word, so a hash that drops bits shows here.
    auto position = [](std::uint64_t i) {
        return std::array<std::uint64_t, 3>{i & 0xff, (i >> 8) << 40, i % 3 == 0 ? ~0ull : 0ull};
    };
    constexpr std::uint64_t count = 20000;
    for (std::uint64_t i = 0; i < count; ++i)
        ASSERT_TRUE(set.insert(position(i))) << i;
    EXPECT_EQ(set.size(), count);
    for (std::uint64_t i = 0; i < count; ++i) {
        ASSERT_TRUE(set.contains(position(i))) << i;
        ASSERT_FALSE(set.insert(position(i))) << i;
    }
    for (std::uint64_t i = count; i < count + 500; ++i)
        ASSERT_FALSE(set.contains(position(i))) << i;
    EXPECT_EQ(set.size(), count);
}

TEST(PositionSet, RefusesAPositionOfTheWrongLength)
{
    rules::PositionSet set(2);
    const std::array<std::uint64_t, 3> tooLong{1, 2, 3};
    EXPECT_THROW(set.insert(tooLong), std::invalid_argument);
    EXPECT_EQ(set.size(), 0u);
}
} // namespace
