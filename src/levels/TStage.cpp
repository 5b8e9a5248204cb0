// TStage.cpp
#include "levels/TStage.hpp"

#include "base/Approach.hpp"
#include "base/StartupFlags.hpp"
#include "gui/TMouse.hpp"
#include "levels/Levels.hpp"
#include "levels/TLevel.hpp"
#include "media/Platform.hpp"

#include <cmath>

namespace
{
// The glow's change per frame unit, and half the side of the square the rune answers in.
constexpr float pulseSpeed = 0.02f;
constexpr float runeReach = 25;

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

void TStage::draw(int reachedStageId) const
{
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 255, 255);
    gfx.setRotation(0);
    if (reachedStageId >= id) {
        gfx.setScale(1, 1);
        gfx.setBlend(media::Blend::Alpha);
        gfx.setAlpha(0.8f);
        gfx.drawPicture(rune, runeDim.x, runeDim.y);
        gfx.setBlend(media::Blend::Light);
        gfx.setAlpha(0.2f * a);
        gfx.drawPicture(rune, runeDim.x, runeDim.y);
    } else {
        gfx.setBlend(media::Blend::Alpha);
        gfx.setScale(1.1f, 1.1f);
        gfx.setAlpha(0.2f);
        gfx.drawPicture(rune, runeDim.x, runeDim.y);
        gfx.setScale(1, 1);
        gfx.drawPicture(runeGrey, runeDim.x, runeDim.y);
    }
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(1, 1);
    gfx.setAlpha(1);
}

int TStage::update()
{
    approach(a, da, pulseSpeed);
    if (a == da)
        da = da == 0 ? 1.0f : 0.0f;
    if (!cheatsOn)
        return 0;
    return runeUnder(guiMouse().x, guiMouse().y) ? 1 : 0;
}

bool TStage::runeUnder(int px, int py) const
{
    return std::abs(static_cast<float>(px) - runeDim.x) <= runeReach
           && std::abs(static_cast<float>(py) - runeDim.y) <= runeReach;
}
