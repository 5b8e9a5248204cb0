// TEkran.cpp
#include "screens/TEkran.hpp"

#include "base/Approach.hpp"
#include "media/Platform.hpp"
#include "screens/Frame.hpp"

void TEkran::setup() {}

void TEkran::draw() {}

void TEkran::update() {}

void TEkran::pauseEffects()
{
    if (ekran)
        ekran->pauseEffects();
}

void TEkran::resumeEffects()
{
    if (ekran)
        ekran->resumeEffects();
}

void TEkran::drawStandards()
{
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 255, 255);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(1, 1);
    gfx.setRotation(0);
    gfx.setAlpha(1);
}

void TEkran::_drawGui()
{
    if (Gui)
        Gui->draw();
}

void TEkran::_drawPanelOverBackground(const media::Picture& panel, float x, float y)
{
    if (ekran)
        ekran->draw();
    drawStandards();
    media::gfx().setAlpha(alpha);
    media::gfx().drawPicture(panel, x, y);
    drawStandards();
    _drawGui();
    drawStandards();
}

void TEkran::_drawBlackFade()
{
    // No fade darkens nothing: it is not drawn at all.
    if (fade <= 0)
        return;
    media::Renderer& gfx = media::gfx();
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(1, 1);
    gfx.setRotation(0);
    gfx.setAlpha(fade);
    gfx.setColor(0, 0, 0);
    gfx.drawRect(0, 0, 1024, 768);
}

void TEkran::_updateFade()
{
    approach(fade, dFade, fSpeed);
}

void TEkran::_updateAlpha()
{
    approach(alpha, dAlpha, aSpeed);
}

void TEkran::_updateGui()
{
    if (!Gui)
        return;
    // The widgets fade with the screen.
    Gui->setGuiAlpha(alpha);
    Gui->update();
}

void TEkran::STANDARD_DATA()
{
    alpha = 1;
    dAlpha = 1;
    fade = 0;
    dFade = 0;
}

void TEkran::_prepareDelta()
{
    for (int i = 0; i < 25; ++i)
        updateDelta();
}
