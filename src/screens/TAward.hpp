// TAward.hpp: an award a player can win, as data/awards.dat defines it and the profile keeps it.
#pragma once

#include <string>

class TAward
{
public:
    bool operator==(const TAward&) const = default;

    int id = 0; // fixed: what it is won for (see Awards.hpp)
    std::string title;
    std::string descr;
};
