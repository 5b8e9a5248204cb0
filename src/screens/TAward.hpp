// TAward.hpp: an award a player has won, as the profile keeps it.
#pragma once

class TAward
{
public:
    bool operator==(const TAward&) const = default;

    int id = 0;
};
