// TStage.cpp
#include "levels/TStage.hpp"

#include "levels/Levels.hpp"
#include "levels/TLevel.hpp"

namespace
{
const std::string* urlOf(const std::vector<std::string>& urls, int n)
{
    if (n < 1 || n > static_cast<int>(urls.size()))
        return nullptr;
    return &urls[static_cast<std::size_t>(n - 1)];
}
} // namespace

std::unique_ptr<TLevel> TStage::getLevel(int n, const DealOptions& options) const
{
    const std::string* url = urlOf(levelsUrls, n);
    return url ? loadLevelFile(*url, 1, 1, 1, options) : nullptr;
}

std::unique_ptr<TLevel> TStage::getLevelForFreePlay(int n, const DealOptions& options) const
{
    const std::string* url = urlOf(levelsUrls, n);
    return url ? loadLevelFile(*url, 1, 0, 0, options) : nullptr;
}
