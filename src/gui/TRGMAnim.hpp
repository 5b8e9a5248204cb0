// TRGMAnim.hpp: one named animation of a free-standing frame animation: its cells in order,
// its step time and whether it repeats.
#pragma once

#include <array>
#include <string>

struct TRGMAnim
{
    // Frame numbers one animation can list; the rest of a longer list is left out.
    static constexpr int capacity = 100;

    std::string id; // upper case
    std::array<int, capacity> frame{};
    int maxFrames = 0; // how many of `frame` are listed
    int interwal = 0;  // milliseconds a step
    bool loop = false; // starts again after its last step, or stays there
};
