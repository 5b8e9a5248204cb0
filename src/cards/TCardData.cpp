// TCardData.cpp
#include "cards/TCardData.hpp"

#include "cards/Cards.hpp"
#include "media/Platform.hpp"

#include <charconv>

void TCardData::checkSpecScale() const
{
    if (!isSpecCard())
        return;
    media::Renderer& gfx = media::gfx();
    gfx.setScale(gfx.state().scaleX * 0.5f, gfx.state().scaleY * 0.5f);
}

void TCardData::draw(float x, float y, int ice, float iceFrame) const
{
    media::Renderer& gfx = media::gfx();
    const media::DrawState before = gfx.state();
    checkSpecScale();
    gfx.drawPicture(img, x, y, frame);
    gfx.setScale(before.scaleX, before.scaleY);
    if (ice)
        gfx.drawPicture(cardGraphics().ice, x, y, static_cast<int>(iceFrame));
}

int rankOfName(const std::string& nazwa)
{
    if (nazwa == "A")
        return 14;
    if (nazwa == "K")
        return 13;
    if (nazwa == "Q")
        return 12;
    if (nazwa == "J")
        return 11;
    int rank = 0;
    auto [end, ec] = std::from_chars(nazwa.data(), nazwa.data() + nazwa.size(), rank);
    return (ec == std::errc() && end == nazwa.data() + nazwa.size()) ? rank : 0;
}
