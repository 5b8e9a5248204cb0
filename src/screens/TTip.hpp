// TTip.hpp: a tutorial lesson still to show a player, as the profile keeps it.
#pragma once

#include <string>

class TTip
{
public:
    bool operator==(const TTip&) const = default;

    std::string id; // the lesson's identifier
};
