// TAnimData.hpp: the named frame animations of an animated button.
#pragma once

#include <array>
#include <string>

class TAnimData
{
public:
    static constexpr int maxAnims = 10;
    static constexpr int maxFramesPerAnim = 100;

    // Index of the animation named `name` (any letter case); 0, reported, when there is none.
    int getAnimByName(const std::string& name);
    // The slot of `name`: its existing one, else the first free one; 0, reported, when all ten
    // are taken.
    int dodajNazwe(const std::string& name);
    // The highest frame number listed in any animation (also kept in animFrames).
    int liczbaKlatek();

    std::array<std::array<int, maxFramesPerAnim>, maxAnims> frameN{}; // frame numbers, from 1
    std::array<int, maxAnims> frames{};
    std::array<int, maxAnims> maxFrames{};
    int anims = 0;
    std::array<std::string, maxAnims> animName; // upper case; "" = free
    int animFrames = 0;
    long long animTime = 0; // clock value (ms) at which the next frame is due
    std::array<int, maxAnims> frameDelta{};
};
