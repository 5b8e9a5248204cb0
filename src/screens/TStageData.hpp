// TStageData.hpp: a player's results in one quest stage, level by level.
#pragma once

#include <vector>

// One level's best result, as the player's profile keeps it.
struct TLevelData
{
    int id = 0;     // the level's number within its stage
    int passed = 0; // 0 or 1
    int cardsLeft = 0;
    float multiplier = 0;
    int longestDrive = 0;
    int scores = 0;

    bool operator==(const TLevelData&) const = default;
};

class TStageData
{
public:
    // The record of the level with that number, or none.
    TLevelData* getLevelData(int levelId);
    const TLevelData* getLevelData(int levelId) const;
    // The stage's total score is the sum of its levels' scores; its best drive and multiplier
    // grow to the best of its levels.
    void findTheHighest();

    bool operator==(const TStageData&) const = default;

    int id = 0;
    int passed = 0;
    std::vector<TLevelData> levels;
    int longestDrive = 0;
    float highestMultiplier = 0;
    int scores = 0;
    int win = 0;
};
