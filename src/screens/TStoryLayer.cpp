// TStoryLayer.cpp
#include "screens/TStoryLayer.hpp"

#include "media/Platform.hpp"

float TStoryLayer::countScale(float per) const
{
    return ImgScale[0] + per * (ImgScale[1] - ImgScale[0]);
}

float TStoryLayer::x(float per) const
{
    return 512 + per * (512 - dx);
}

float TStoryLayer::y(float per) const
{
    return 384 + per * (384 - dy);
}

void TStoryLayer::draw(float alpha, float per) const
{
    if (img.empty())
        return;
    media::Renderer& gfx = media::gfx();
    const float k = countScale(per);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setColor(255, 255, 255);
    gfx.setRotation(0);
    gfx.setAlpha(alpha);
    gfx.setScale(k, k);
    gfx.drawPicture(img, x(per), y(per));
}
