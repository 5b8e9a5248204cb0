// TLightLayer.cpp
#include "effects/TLightLayer.hpp"

#include "base/Approach.hpp"
#include "media/Platform.hpp"

#include <cmath>
#include <utility>

void TLightLayer::place(media::Picture picture, float left, float top)
{
    img = std::move(picture);
    img.midHandle();
    x = left + static_cast<float>(img.width()) / 2;
    y = top + static_cast<float>(img.height()) / 2;
}

void TLightLayer::update()
{
    approach(alpha, dAlpha, speed);
    if (alpha == dAlpha)
        dAlpha = dAlpha == 0 ? 1.0f : 0.0f;
}

void TLightLayer::draw(float per) const
{
    constexpr float quarterTurn = 3.14159265358979f / 2.0f;
    const float z = zoomDepth - zoomDepth * std::sin(quarterTurn * per);
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 255, 255);
    gfx.setScale(1 + z, 1 + z);
    gfx.setRotation(0);
    gfx.setBlend(media::Blend::Light);
    gfx.setAlpha(0.3f + 0.4f * alpha);
    gfx.drawPicture(img, 512 + (x - 512) * (1 + z), 384 + (y - 384) * (1 + z));
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(1, 1);
    gfx.setAlpha(1);
}
