// TCaption.cpp
#include "effects/TCaption.hpp"

#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "media/Platform.hpp"

#include <cmath>

namespace
{
constexpr float degrees = 3.14159265358979f / 180.0f;

// A caption without its picture says its words instead, in gold on a soft shadow.
void drawWords(const TCaption& c, float alpha, float scale, float rotation)
{
    if (c.txt.empty())
        return;
    media::Renderer& gfx = media::gfx();
    media::Font& font = media::fonts().get(64);
    float w = font.textWidth(c.txt);
    float h = static_cast<float>(font.height());
    gfx.setBlend(media::Blend::Alpha);
    gfx.setRotation(rotation);
    gfx.setScale(c.sx * scale, c.sy * scale);
    // The text's corner, seen from the centre, turned and scaled with it.
    auto corner = [&](float dx, float dy) {
        float cx = -w / 2 * c.sx * scale + dx;
        float cy = -h / 2 * c.sy * scale + dy;
        float rad = rotation * degrees;
        return std::pair<float, float>{c.x + cx * std::cos(rad) - cy * std::sin(rad),
                                       c.y + cx * std::sin(rad) + cy * std::cos(rad)};
    };
    auto [sxPos, syPos] = corner(3, 4);
    gfx.setColor(10, 8, 20);
    gfx.setAlpha(alpha * 0.6f);
    gfx.drawText(font, c.txt, sxPos, syPos);
    auto [tx, ty] = corner(0, 0);
    // Untinted words are the game's gold.
    const bool untinted = c.red == 255 && c.green == 255 && c.blue == 255;
    gfx.setColor(untinted ? 246 : c.red, untinted ? 214 : c.green, untinted ? 130 : c.blue);
    gfx.setAlpha(alpha);
    gfx.drawText(font, c.txt, tx, ty);
    gfx.setRotation(0);
    gfx.setScale(1, 1);
    gfx.setColor(255, 255, 255);
    gfx.setAlpha(1);
}
} // namespace

void TCaption::draw()
{
    drawWords(*this, a, 1, r);
}

int TCaption::_updateAlpha()
{
    approach(a, da, aSpeed);
    return a == da ? 1 : 0;
}

void TCaption::_updateScale()
{
    approach(sx, dsx, sxSpeed);
    approach(sy, dsy, sySpeed);
}

int TCaption::_updatePercent()
{
    approach(p, dp, pSpeed);
    return p == dp ? 1 : 0;
}

void TCaption::_updateRotation()
{
    r += rSpeed * base::program().delta;
}

void TCaption::_updatePosition()
{
    x += ax * base::program().delta;
    y += ay * base::program().delta;
}

bool TCaption::update()
{
    _updateAlpha();
    _updateScale();
    _updatePercent();
    _updateRotation();
    _updatePosition();
    return true;
}

void TImgCaption::draw()
{
    if (img.empty()) {
        TCaption::draw();
        return;
    }
    media::Renderer& gfx = media::gfx();
    gfx.setColor(red, green, blue);
    gfx.setRotation(r);
    gfx.setAlpha(a);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(sx, sy);
    gfx.drawPicture(img, x, y);
    gfx.setRotation(0);
    gfx.setScale(1, 1);
    gfx.setAlpha(1);
}

void TImgCaption::switchMe()
{
    time = media::clock().millisecs() + time;
    dp = 0;
    da = 0;
    dsx = 0;
    dsy = 0;
}

bool TImgCaption::update()
{
    TCaption::update();
    if (p == 1 && dp == 1)
        switchMe();
    return !(dp == 0 && media::clock().millisecs() > time);
}

void TSpecImgCaption::draw()
{
    if (dp != 1) {
        TImgCaption::draw();
        return;
    }
    float e = std::sin(90.0f * p * degrees);
    if (img.empty()) {
        drawWords(*this, e, 2 - e, 720 * e);
        return;
    }
    media::Renderer& gfx = media::gfx();
    gfx.setColor(red, green, blue);
    gfx.setRotation(720 * e);
    gfx.setAlpha(e);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(2 - e, 2 - e);
    gfx.drawPicture(img, x, y);
    gfx.setRotation(0);
    gfx.setScale(1, 1);
    gfx.setAlpha(1);
}

void TSpecImgCaption::startKilling()
{
    dp = 0;
    da = 0;
    dsx = 0;
    dsy = 0;
    r = 0;
    rSpeed = 0;
}

bool TSpecImgCaption::update()
{
    TCaption::update();
    if (dp == 1 && media::clock().millisecs() > time)
        startKilling();
    return !(dp == 0 && a == 0);
}
