// TRGB.hpp: a colour of the toolkit and the screens, 0-255 a channel.
#pragma once

struct TRGB
{
    int r = 255;
    int g = 255;
    int b = 255;

    bool operator==(const TRGB&) const = default;
};

inline TRGB createRGB(int r, int g, int b)
{
    return TRGB{r, g, b};
}
