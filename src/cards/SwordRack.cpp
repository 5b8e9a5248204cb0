// SwordRack.cpp
#include "cards/SwordRack.hpp"

#include <cmath>

namespace rack
{
TDim point(float angle, float extra)
{
    constexpr float degrees = 3.14159265358979f / 180.0f;
    TDim d;
    d.x = std::trunc(centreX + std::cos(angle * degrees) * (radiusX + extra));
    d.y = std::trunc(centreY + std::sin(angle * degrees) * (radiusY + extra));
    return d;
}
} // namespace rack
