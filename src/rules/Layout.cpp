// Layout.cpp
#include "rules/Layout.hpp"

namespace rules
{
namespace
{
// Whether two centres, truncated to whole pixels, lie less than 150 px apart. In whole pixels
// the squared distance is exact, and below 150 squared exactly when its root is below 150.
bool near(const CardPlace& a, const CardPlace& b)
{
    const long long dx = static_cast<long long>(static_cast<int>(a.x)) - static_cast<int>(b.x);
    const long long dy = static_cast<long long>(static_cast<int>(a.y)) - static_cast<int>(b.y);
    return dx * dx + dy * dy < 150LL * 150LL;
}
} // namespace

std::vector<std::vector<int>> overlapsOf(const std::vector<CardPlace>& table,
                                         const std::function<bool(int, int)>& shapesOverlap)
{
    const int n = static_cast<int>(table.size());
    std::vector<std::vector<int>> lists(table.size());
    for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b) {
            if (near(table[static_cast<std::size_t>(a)], table[static_cast<std::size_t>(b)])
                && shapesOverlap(a, b)) {
                lists[static_cast<std::size_t>(a)].push_back(b);
                lists[static_cast<std::size_t>(b)].push_back(a);
            }
        }
    }
    return lists;
}
} // namespace rules
