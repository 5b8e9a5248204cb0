// TLevelManager.cpp
#include "levels/TLevelManager.hpp"

#include "base/Program.hpp"
#include "data/DataFiles.hpp"

#include <algorithm>

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

TLevelManager& levelManager()
{
    return *base::program().levelManager;
}
