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
    // Reads the quest's stages into a new list: data/stages.dat with the stage titles and the
    // story lines of the two text tables. A missing file leaves no stages; a stage without an
    // id or without levels, and an objective of no known kind, are reported and left out.
    void _setupStages(const std::string& path = "data/stages.dat",
                      const std::string& namesPath = "txt/#LANG#/stagesNames.txt",
                      const std::string& textsPath = "txt/#LANG#/storyTexts.txt");
    // Reads data/magics.dat into a new list (empty when the file is missing).
    void _setupMagics(const std::string& path = "data/magics.dat");
    // The stages, then the magic counts: once, as the game loads.
    void setup();
    // The record of that level number, or none.
    const TLevelMagic* getMagicData(int levelNumber) const;

    // The stage with that id, or none.
    const TStage* getStageById(int id) const;

    // Where the level of a quest position is kept: data/levels/stage-SS/level-LL.lvl.
    static std::string levelPath(int stage, int level);
    // The stages of the quest found on disk: stage 1, 2, ... for as long as each has its first
    // level.
    static int stageCount();
    // The levels of a stage found on disk: 1, 2, ... for as long as each file is there.
    static int levelCount(int stage);

    // The quest as the program's stages lay it out, or, when no stages were read, as the level
    // files on disk do. The highest stage id:
    static int questStageCount();
    // whether the stage with that id is part of the quest;
    static bool questHasStage(int stageId);
    // its number of levels (0 for no stage);
    static int questLevelCount(int stageId);
    // and the file of one of its levels.
    static std::string questLevelPath(int stageId, int level);

    std::vector<TStage> stages; // file order
    std::vector<TLevelMagic> magics;
};

// The program's level manager.
TLevelManager& levelManager();
