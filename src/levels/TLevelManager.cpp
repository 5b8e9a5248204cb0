// TLevelManager.cpp
#include "levels/TLevelManager.hpp"

#include "base/Program.hpp"
#include "data/DataFiles.hpp"
#include "media/FileSystem.hpp"

#include <algorithm>
#include <cstdio>

namespace
{
// Far more than the quest will ever have: a bound on the files looked for.
constexpr int mostStages = 99;
constexpr int mostLevels = 99;

bool levelExists(int stage, int level)
{
    return media::fs::pathType(TLevelManager::levelPath(stage, level)) == media::fs::PathType::File;
}
} // namespace

std::string TLevelManager::levelPath(int stage, int level)
{
    char path[64];
    std::snprintf(path, sizeof path, "data/levels/stage-%02d/level-%02d.lvl", stage, level);
    return path;
}

int TLevelManager::stageCount()
{
    int n = 0;
    while (n < mostStages && levelExists(n + 1, 1))
        ++n;
    return n;
}

int TLevelManager::levelCount(int stage)
{
    int n = 0;
    while (n < mostLevels && levelExists(stage, n + 1))
        ++n;
    return n;
}

void TLevelManager::_setupMagics(const std::string& path)
{
    TRCMFile file = loadDataFile(path);
    magics.clear();
    const int count = std::clamp(file.getInt("magics::i"), 0, 10000);
    for (int k = 1; k <= count; ++k)
        magics.push_back({k, file.getInt("magics::level" + std::to_string(k))});
}

const TLevelMagic* TLevelManager::getMagicData(int levelNumber) const
{
    for (const TLevelMagic& m : magics) {
        if (m.levelN == levelNumber)
            return &m;
    }
    return nullptr;
}

const TStage* TLevelManager::getStageById(int id) const
{
    for (const TStage& stage : stages) {
        if (stage.id == id)
            return &stage;
    }
    return nullptr;
}

TLevelManager& levelManager()
{
    return *base::program().levelManager;
}
