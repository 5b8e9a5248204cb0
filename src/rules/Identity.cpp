// Identity.cpp
#include "rules/Identity.hpp"

namespace rules
{
int checkSequence(int a, int b)
{
    if (a == 0 || b == 0)
        return 0;
    return (a - 1 == b || a + 1 == b || (a == 2 && b == 14) || (a == 14 && b == 2)) ? 1 : 0;
}
} // namespace rules
