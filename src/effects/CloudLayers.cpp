// CloudLayers.cpp
#include "effects/CloudLayers.hpp"

#include "media/Platform.hpp"

#include <algorithm>
#include <string>

void CloudLayers::setup()
{
    for (std::size_t i = 0; i < pictureCount; ++i) {
        pictures_[i] = media::pictures().load("gfx/effects/clouds/chmura" + std::to_string(i + 1) + ".png");
        pictures_[i].midHandle();
    }
}

TChmura& CloudLayers::createChmura(float speedFactor)
{
    TChmura c = TChmura::create(speedFactor);
    std::vector<TChmura>& layer = c.layer == TChmura::Layer::Back ? back_ : front_;
    layer.push_back(c);
    return layer.back();
}

void CloudLayers::updateAll(float speedFactor)
{
    std::erase_if(back_, [](TChmura& c) { return !c.update(); });
    std::erase_if(front_, [](TChmura& c) { return !c.update(); });
    if (size() < wanted)
        createChmura(speedFactor);
}

void CloudLayers::drawAll(float per) const
{
    drawLayer(back_, per);
}

void CloudLayers::drawAll2(float per) const
{
    drawLayer(front_, per);
}

void CloudLayers::clear()
{
    back_.clear();
    front_.clear();
}

void CloudLayers::drawLayer(const std::vector<TChmura>& layer, float per) const
{
    media::Renderer& gfx = media::gfx();
    const float s = TChmura::zoomAt(per);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setColor(255, 255, 255);
    gfx.setRotation(0);
    gfx.setScale(2 + 4 * s, 2 + 4 * s);
    for (const TChmura& c : layer) {
        const auto n = static_cast<std::size_t>(std::clamp(c.n, 0, static_cast<int>(pictureCount) - 1));
        gfx.setAlpha(c.a * 0.3f);
        gfx.drawPicture(pictures_[n], 512 + (c.x - 512) * (1 + s), 384 + (c.y - 384) * (1 + s));
    }
    gfx.setScale(1, 1);
    gfx.setAlpha(1);
}
