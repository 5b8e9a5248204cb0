// TLevelManager.hpp: the campaign's data: the quest's stages and levels as the shipped level
// files lay them out, and how many magic cards each quest level shows.
#pragma once

#include "levels/TLevelMagic.hpp"
#include "levels/TStage.hpp"

#include <string>
#include <vector>

class TLevelManager
{
public:
    // Reads data/magics.dat into a new list (empty when the file is missing).
    void _setupMagics(const std::string& path = "data/magics.dat");
    // The record of that level number, or none.
    const TLevelMagic* getMagicData(int levelNumber) const;

    // The stage with that id, or none.
    const TStage* getStageById(int id) const;

    // Where the level of a quest position is kept: data/levels/stage-SS/level-LL.lvl.
    static std::string levelPath(int stage, int level);
    // The stages of the quest: stage 1, 2, ... for as long as each has its first level.
    static int stageCount();
    // The levels of a stage: 1, 2, ... for as long as each file is there (0 for no stage).
    static int levelCount(int stage);

    std::vector<TStage> stages; // file order
    std::vector<TLevelMagic> magics;
};

// The program's level manager.
TLevelManager& levelManager();
