// TStageData.cpp
#include "screens/TStageData.hpp"

#include <algorithm>
#include <climits>

TLevelData* TStageData::getLevelData(int levelId)
{
    auto at = std::find_if(levels.begin(), levels.end(),
                           [levelId](const TLevelData& l) { return l.id == levelId; });
    return at == levels.end() ? nullptr : &*at;
}

const TLevelData* TStageData::getLevelData(int levelId) const
{
    return const_cast<TStageData*>(this)->getLevelData(levelId);
}

void TStageData::findTheHighest()
{
    long long sum = 0;
    for (const TLevelData& level : levels) {
        sum += level.scores;
        highestMultiplier = std::max(highestMultiplier, level.multiplier);
        longestDrive = std::max(longestDrive, level.longestDrive);
    }
    scores = static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}
