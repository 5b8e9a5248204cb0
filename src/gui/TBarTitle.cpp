// TBarTitle.cpp
#include "gui/TBarTitle.hpp"

#include "base/Approach.hpp"
#include "gui/Fonts.hpp"
#include "gui/TBelka.hpp"
#include "gui/TMenu.hpp"
#include "gui/TMouse.hpp"
#include "gui/TTheme.hpp"
#include "gui/TextLayout.hpp"
#include "media/Font.hpp"
#include "media/Platform.hpp"

#include <algorithm>

namespace
{
// Entries of menus and bars that name no font.
constexpr int defaultEntrySize = 12;
// How fast entries and boxes fade in and out, a frame.
constexpr float fadeSpeed = 0.06f;

void setColour(const TRGB& c)
{
    media::gfx().setColor(c.r, c.g, c.b);
}
} // namespace

media::Font& TBarTitle::font() const
{
    return _font ? *_font : loadFont("", defaultEntrySize);
}

int TBarTitle::_createRect()
{
    media::Font& f = font();
    rect.x = dim.x - 1;
    rect.y = dim.y;
    rect.w = f.textWidth(title) + 2;
    rect.h = static_cast<float>(textHeight(f));
    return 1;
}

int TBarTitle::update()
{
    _clicked = 0;
    media::Font& f = font();
    if (dim.w == 0)
        dim.w = f.textWidth(title);
    if (dim.h == 0)
        dim.h = static_cast<float>(textHeight(f));
    rect.x = dim.x + _belka->dim.x - 5;
    rect.y = dim.y + _belka->dim.y;
    rect.w = dim.w + 10;
    rect.h = dim.h;
    if (_alpha != 0 && hasGuiMouse()) {
        TMouse& mouse = guiMouse();
        _over = mouse.inRect(static_cast<int>(rect.x), static_cast<int>(rect.y), static_cast<int>(rect.w),
                             static_cast<int>(rect.h));
        if (_over && mouse.leftPressed) {
            _clicked = 1;
            mouse.leftPressed = 0;
        }
        if (TMenu* menu = asMenu())
            menu->updateMe();
    } else {
        _over = 0;
        _clicked = 0;
    }
    approach(_alpha, _dAlpha, fadeSpeed);
    if (!asMenu()) {
        if (_clicked)
            _belka->CLICK(id);
        if (_over)
            _belka->OVER(id);
    }
    return 1;
}

int TBarTitle::draw()
{
    if (_alpha == 0)
        return 0;
    media::Renderer& gfx = media::gfx();
    const TTheme* theme = _belka->theme.get();
    gfx.setAlpha(_alpha);
    if (_over && _active) {
        gfx.setBlend(media::Blend::Alpha);
        setColour(theme ? theme->backRGB : TRGB{});
        gfx.setAlpha(_alpha * 0.3f);
        gfx.drawRect(rect.x, rect.y, rect.w, rect.h);
        gfx.setAlpha(_alpha);
    }
    if (!_active)
        gfx.setAlpha(_alpha * 0.5f);
    setColour(theme ? theme->textRGB : TRGB{});
    // A command's caption starts with two spaces; a check mark takes their place.
    const std::string shown = checked ? "* " + title.substr(std::min<std::size_t>(2, title.size())) : title;
    gfx.drawText(font(), shown, dim.x + _belka->dim.x, dim.y + _belka->dim.y);
    gfx.setColor(255, 255, 255);
    if (TMenu* menu = asMenu())
        menu->drawMe();
    return 1;
}
