// Which ranks follow which.
#include "rules/Identity.hpp"

#include <gtest/gtest.h>

namespace
{
TEST(RulesCheckSequence, NeighboursWrapThroughTheAce)
{
    // Row: the rank played; column: the rank it is played on. 1 where it follows.
    //                         2  3  4  5  6  7  8  9  10 J  Q  K  A
    const int follows[13][13] = {{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},  // 2
                                 {1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 3
                                 {0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 4
                                 {0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0},  // 5
                                 {0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0},  // 6
                                 {0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0},  // 7
                                 {0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0},  // 8
                                 {0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0},  // 9
                                 {0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0},  // 10
                                 {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0},  // J
                                 {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0},  // Q
                                 {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1},  // K
                                 {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}}; // A
    for (int a = 2; a <= 14; ++a) {
        for (int b = 2; b <= 14; ++b)
            EXPECT_EQ(rules::checkSequence(a, b), follows[a - 2][b - 2]) << a << " on " << b;
    }
}

TEST(RulesCheckSequence, RankZeroNeverFollowsNorIsFollowed)
{
    for (int rank : {0, 1, 2, 13, 14}) {
        EXPECT_EQ(rules::checkSequence(0, rank), 0) << rank;
        EXPECT_EQ(rules::checkSequence(rank, 0), 0) << rank;
    }
}
} // namespace
