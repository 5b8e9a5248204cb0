// Maths.hpp: small numeric helpers shared by the painters.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace contentgen
{
// 0 below e0, 1 above e1, a smooth S between.
inline double smoothstep(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// A channel value in 0..255, rounded and clamped.
inline std::uint8_t toByte(double value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

// A 0..1 fraction as a channel value.
inline std::uint8_t unitToByte(double unit)
{
    return toByte(unit * 255.0);
}
} // namespace contentgen
