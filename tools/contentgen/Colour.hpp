// Colour.hpp: a straight (not premultiplied) RGBA colour in 0..1, as the painters use it.
#pragma once

#include <algorithm>

namespace contentgen
{
struct Colour
{
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;

    // From 0..255 channel values, the way palettes are written down.
    static constexpr Colour bytes(int red, int green, int blue, double alpha = 1.0)
    {
        return {red / 255.0, green / 255.0, blue / 255.0, alpha};
    }

    constexpr Colour withAlpha(double alpha) const { return {r, g, b, alpha}; }

    // Straight interpolation from *this (t = 0) to other (t = 1).
    constexpr Colour mix(const Colour& other, double t) const
    {
        return {r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t, a + (other.a - a) * t};
    }

    // Multiplies the colour channels (not alpha); factors above 1 lighten.
    constexpr Colour scaled(double k) const
    {
        return {std::clamp(r * k, 0.0, 1.0), std::clamp(g * k, 0.0, 1.0), std::clamp(b * k, 0.0, 1.0), a};
    }
};
} // namespace contentgen
