// TLevelManager.hpp: the campaign's data: how many magic cards each quest level shows.
#pragma once

#include "levels/TLevelMagic.hpp"

#include <string>
#include <vector>

class TLevelManager
{
public:
    // Reads data/magics.dat into a new list (empty when the file is missing).
    void _setupMagics(const std::string& path = "data/magics.dat");
    // The record of that level number, or none.
    const TLevelMagic* getMagicData(int levelNumber) const;

    std::vector<TLevelMagic> magics;
};

// The program's level manager.
TLevelManager& levelManager();
