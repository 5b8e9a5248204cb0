// TEkran.cpp
#include "shell/TEkran.hpp"

#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "shell/Approach.hpp"
#include "shell/Frame.hpp"
#include "shell/Program.hpp"

namespace
{
TEkran* announced = nullptr;
}

TEkran* lastAnnouncedScreen()
{
    return announced;
}

void TEkran::setup() {}

void TEkran::sendPixMap()
{
    announced = this;
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

void TEkran::_drawBlackFade()
{
    media::Renderer& gfx = media::gfx();
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(1, 1);
    gfx.setRotation(0);
    gfx.setAlpha(fade);
    gfx.setColor(0, 0, 0);
    gfx.drawRect(0, 0, 1024, 768);
}

namespace
{
void drawBurst(float scale, float amount)
{
    media::Renderer& gfx = media::gfx();
    media::Picture white = shell::program().whiteImage;
    white.midHandle();
    gfx.setColor(255, 255, 255);
    gfx.setBlend(media::Blend::Light);
    gfx.setAlpha(amount);
    gfx.setScale(scale, scale);
    gfx.setRotation(0);
    gfx.drawPicture(white, 512, 384);
}
} // namespace

void TEkran::_drawFade()
{
    drawBurst(4 * fade, fade);
    media::Renderer& gfx = media::gfx();
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(1, 1);
    gfx.setAlpha(1);
}

void TEkran::_drawWhiteFade()
{
    drawBurst(2 * fade, fade);
}

void TEkran::_drawMouse()
{
    if (hasGuiMouse())
        guiMouse().draw();
}

void TEkran::draw() {}

void TEkran::_updatePer()
{
    approach(p, dp, pSpeed);
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

void TEkran::update() {}

media::Picture TEkran::_getMyScreen()
{
    media::Renderer& gfx = media::gfx();
    gfx.cls();
    draw();
    return gfx.grabFrame(0, 0, 1023, 767, media::Filtered);
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
