// TGuiObject.cpp
#include "gui/TGuiObject.hpp"

#include "base/Approach.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"

TGuiObject::TGuiObject()
{
    clear();
}

int TGuiObject::move(float dx, float dy)
{
    dim.x += dx;
    dim.y += dy;
    dim.x1 += dx;
    dim.y1 += dy;
    dim.x2 += dx;
    dim.y2 += dy;
    return 1;
}

int TGuiObject::setPosition(int x, int y)
{
    const int dx = static_cast<int>(static_cast<float>(x) - dim.x);
    const int dy = static_cast<int>(static_cast<float>(y) - dim.y);
    return move(static_cast<float>(dx), static_cast<float>(dy));
}

int TGuiObject::clear()
{
    _v = 1;
    _a = 1;
    _over = 0;
    _clicked = 0;
    return 1;
}

int TGuiObject::update(float ox, float oy)
{
    _over = 0;
    _clicked = 0;
    if (_v && _a && hasGuiMouse()) {
        const TMouse& mouse = guiMouse();
        const float x = static_cast<float>(mouse.x);
        const float y = static_cast<float>(mouse.y);
        if (dim.x1 + ox <= x && x <= dim.x2 + ox && dim.y1 + oy <= y && y <= dim.y2 + oy) {
            _over = 1;
            _clicked = mouse.leftPressed ? 1 : 0;
            _holded = mouse.leftHolded ? 1 : 0;
        }
    }
    // A shortcut works on a hidden widget too, as long as it is active.
    if (_a && _key != 0 && media::input().keyHits(_key) > 0) {
        _clicked = 1;
        _over = 1;
    }
    updateClass(static_cast<int>(ox), static_cast<int>(oy));
    updateParams();
    return 1;
}

int TGuiObject::updateClass(int ox, int oy)
{
    switch (_class) {
    case classButton:
    case classWindow:
    case classText:
    case classAnimation:
    case classTextEntry:
    case classBar:
    case classControl: return updateMe(ox, oy);
    default: return 0;
    }
}

int TGuiObject::updateParams()
{
    approach(_scale, _dScale, wzr);
    approach(_alpha, _dAlpha, wzr);
    return 1;
}

int TGuiObject::wygasAlpha()
{
    _dAlpha = 0;
    return 1;
}

int TGuiObject::wygasScale()
{
    _dScale = 0;
    return 1;
}

int TGuiObject::_drawFrame()
{
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 0, 0);
    gfx.setAlpha(1);
    gfx.setScale(1, 1);
    gfx.drawLine(dim.x1, dim.y1, dim.x2, dim.y1);
    gfx.drawLine(dim.x2, dim.y1, dim.x2, dim.y2);
    gfx.drawLine(dim.x2, dim.y2, dim.x1, dim.y2);
    gfx.drawLine(dim.x1, dim.y2, dim.x1, dim.y1);
    gfx.setColor(255, 255, 255);
    return 1;
}

int TGuiObject::draw(float, float)
{
    return 0;
}

int TGuiObject::setKey(int key)
{
    _key = key;
    return 1;
}

int TGuiObject::setRGB(int r, int g, int b)
{
    rgb = TRGB{r, g, b};
    return 1;
}

int TGuiObject::setState(int visible, int active)
{
    _v = visible;
    _a = active;
    return 1;
}

int TGuiObject::countDims()
{
    return 0;
}

int TGuiObject::countDims2()
{
    return 0;
}

int TGuiObject::updateMe(int, int)
{
    return 0;
}
