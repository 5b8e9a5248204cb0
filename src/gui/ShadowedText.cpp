// ShadowedText.cpp
#include "gui/ShadowedText.hpp"

#include "media/Platform.hpp"

void drawShadowedText(media::Font& font, const std::string& text, float x, float y, int r, int g, int b,
                      float alpha, float dx, float dy)
{
    media::Renderer& gfx = media::gfx();
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(1, 1);
    gfx.setRotation(0);
    gfx.setColor(8, 8, 16);
    gfx.setAlpha(alpha * 0.6f);
    gfx.drawText(font, text, x + dx, y + dy);
    gfx.setColor(r, g, b);
    gfx.setAlpha(alpha);
    gfx.drawText(font, text, x, y);
}
