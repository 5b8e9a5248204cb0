// ButtonDrawing.cpp
#include "gui/ButtonDrawing.hpp"

#include "gui/TButton.hpp"
#include "gui/TextLayout.hpp"
#include "media/Font.hpp"
#include "media/Platform.hpp"

#include <algorithm>
#include <cmath>

namespace
{
int wholePixels(float v)
{
    return static_cast<int>(v);
}
} // namespace

ButtonCanvas::ButtonCanvas(TButton& button, float ox, float oy, bool caption)
    : gfx(media::gfx()), x(button.dim.x + ox), y(button.dim.y + oy), alpha(button._alpha),
      scale(button._scale), grow(button._buttonScale)
{
    if (caption) {
        textW = button.captionFont().textWidth(button._txt);
        textH = static_cast<float>(textHeight(button.captionFont()));
    }
    halfW = std::floor(textW / 2);
    halfH = std::floor(textH / 2);
    grownX = static_cast<float>(wholePixels(x - halfW * grow * scale));
    grownY = static_cast<float>(wholePixels(y - halfH * grow * scale));
    plainX = static_cast<float>(wholePixels(x - textW * scale / 2 + button.dimAdX));
    plainY = static_cast<float>(wholePixels(y - textH * scale / 2 + button.dimAdY));
}

void ButtonCanvas::at(float opacity, float size) const
{
    gfx.setAlpha(opacity);
    gfx.setScale(size, size);
}

void ButtonCanvas::white() const
{
    gfx.setColor(255, 255, 255);
}

void ButtonCanvas::glowOver(const media::Picture& picture) const
{
    gfx.setBlend(media::Blend::Light);
    gfx.setAlpha(alpha * (grow - 1));
    gfx.drawPicture(picture, x, y, 0);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setAlpha(alpha);
}

namespace button_drawing
{
void simple(TButton& b, const ButtonCanvas& c)
{
    c.at(c.alpha, c.scale * c.grow);
    c.gfx.drawPicture(b._image, c.x, c.y, 0);
}

void schemaFrame(TButton& b, const ButtonCanvas& c)
{
    c.at(c.alpha, c.scale);
    const TAnimData& anim = b._animData;
    const int listed = anim.frames[b.aktAnim];
    const int number = listed > 0 ? anim.frameN[b.aktAnim][std::clamp(b.aktFrame, 0, listed - 1)] : 1;
    c.gfx.drawPicture(b._image, c.x, c.y, std::clamp(number - 1, 0, std::max(0, b._image.frames() - 1)));
}

void blend(TButton& b, const ButtonCanvas& c)
{
    c.at(c.alpha, c.scale);
    c.gfx.drawPicture(b._image, c.x, c.y, 0);
    c.gfx.setAlpha(c.alpha * b._buttonAlpha);
    c.gfx.drawPicture(b._image, c.x, c.y, 1);
}

void stateCell(TButton& b, const ButtonCanvas& c)
{
    c.at(c.alpha, c.scale);
    c.gfx.drawPicture(b._image, c.x, c.y, b.stateFrame());
}

void crossFade(TButton& b, const ButtonCanvas& c)
{
    c.at(c.alpha * b._oldAlpha, c.scale);
    c.gfx.drawPicture(b._image, c.x, c.y, wholePixels(b._old4StepB));
    c.gfx.setAlpha(c.alpha * b._newAlpha);
    c.gfx.drawPicture(b._image, c.x, c.y, wholePixels(b._new4StepB));
}

void text(TButton& b, const ButtonCanvas& c)
{
    if (b.shadowed) {
        c.at(c.alpha * 0.5f, c.scale * c.grow);
        c.gfx.setColor(0, 0, 0);
        c.gfx.drawText(b.captionFont(), b._txt, c.grownX + 1, c.grownY + 1);
    }
    c.at(c.alpha, c.scale * c.grow);
    b.drawCaption(c.grownX, c.grownY, false);
}

void wave(TButton& b, const ButtonCanvas& c)
{
    c.at(c.alpha, c.scale * c.grow);
    b.drawCaption(c.grownX, c.grownY, true);
}

void caption(TButton& b, const ButtonCanvas& c)
{
    c.at(c.alpha, c.scale * c.grow);
    c.white();
    c.gfx.drawPicture(b._image, c.x, c.y, 0);
    b.drawCaption(static_cast<float>(wholePixels(c.x - c.textW * c.grow * c.scale / 2 + b.dimAdX)),
                  static_cast<float>(wholePixels(c.y - c.textH * c.grow * c.scale / 2 + b.dimAdY)), false);
}

void glow(TButton& b, const ButtonCanvas& c)
{
    c.at(c.alpha, c.scale);
    c.white();
    c.gfx.drawPicture(b._image, c.x, c.y, 0);
    c.glowOver(b._image);
    b.drawCaption(c.plainX, c.plainY, false);
}

void area(TButton& b, const ButtonCanvas& c)
{
    c.at(c.alpha, c.scale * c.grow);
    b.drawCaption(c.grownX, c.grownY, false);
}

void halo(TButton& b, const ButtonCanvas& c)
{
    c.at(c.alpha, c.scale);
    c.white();
    c.glowOver(b._image);
    b.drawCaption(c.plainX, c.plainY, false);
}

void yellow(TButton& b, const ButtonCanvas& c)
{
    if (b.shadowed) {
        c.at(c.alpha * 0.5f, c.scale);
        c.gfx.setColor(0, 0, 0);
        c.gfx.drawText(b.captionFont(), b._txt, static_cast<float>(wholePixels(c.x - c.halfW * c.scale) + 1),
                       static_cast<float>(wholePixels(c.y - c.halfH * c.scale) + 1));
    }
    c.at(c.alpha, c.scale);
    b.drawCaption(c.plainX, c.plainY, false);
    if (b.rgb) {
        c.gfx.setColor(255, 255, 0);
        c.gfx.setAlpha((c.grow - 1) * c.alpha);
        c.gfx.drawText(b.captionFont(), b._txt, c.plainX, c.plainY);
    }
}

void twoLook(TButton& b, const ButtonCanvas& c)
{
    c.at(c.alpha, c.scale);
    c.white();
    c.gfx.drawPicture(b._a ? b._image : b._addImg, c.x, c.y, 0);
    c.at(c.alpha, c.scale * c.grow);
    b.drawCaption(c.grownX, c.grownY, false);
}
} // namespace button_drawing
