// TMouse.cpp
#include "gui/TMouse.hpp"

#include "base/Program.hpp"
#include "base/VirtualScreen.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"

#include <cassert>
#include <cmath>

TMouse& guiMouse()
{
    assert(hasGuiMouse() && "no mouse made yet");
    return *base::program().mouse;
}

bool hasGuiMouse()
{
    return base::hasProgram() && base::program().mouse;
}

int TMouse::getHoldedTime() const
{
    if (!_leftHolded)
        return 0;
    return static_cast<int>(std::llabs(_leftHoldedTime - media::clock().millisecs()));
}

int TMouse::update()
{
    media::Input& input = media::input();
    leftPressed = input.mouseHits(media::mouse::Left);
    rightPressed = input.mouseHits(media::mouse::Right);
    middleHit = input.mouseHits(media::mouse::Middle);
    middleHold = input.mouseDown(media::mouse::Middle) ? 1 : 0;
    leftHolded = input.mouseDown(media::mouse::Left) ? 1 : 0;
    if (leftHolded && !_leftHolded) {
        _leftHoldedTime = media::clock().millisecs();
        _leftHolded = 1;
    }
    if (!leftHolded) {
        _leftHoldedTime = 0;
        _leftHolded = 0;
    }
    if (leftPressed)
        leftHolded = 0;
    px = x;
    py = y;
    x = static_cast<int>(std::trunc(virtualMouseX()));
    y = static_cast<int>(std::trunc(virtualMouseY()));
    vx = px - x;
    vy = py - y;
    if (cur)
        cur->update();
    return 1;
}

int TMouse::draw()
{
    media::gfx().setBlend(media::Blend::Alpha);
    if (_v == 1 && cur)
        cur->draw(x, y);
    return 1;
}

int TMouse::show()
{
    _v = 1;
    return 1;
}

int TMouse::hide()
{
    _v = 0;
    return 1;
}

int TMouse::inRect(int rx, int ry, int w, int h) const
{
    return (rx <= x && x <= rx + w && ry <= y && y <= ry + h) ? 1 : 0;
}

int TMouse::inDim(const TDim& d) const
{
    const float mx = static_cast<float>(x);
    const float my = static_cast<float>(y);
    return (d.x <= mx && mx <= d.x + d.w && d.y <= my && my <= d.y + d.h) ? 1 : 0;
}

TCursor& TMouse::addCursor(const std::string& id, int hx, int hy)
{
    TCursor& c = listaKursorow.emplace_back();
    c._id = id;
    c._hx = hx;
    c._hy = hy;
    cur = &c;
    return c;
}

int TMouse::loadCursor(const std::string& id, const std::string& path, int hx, int hy, int frames,
                       int frameMs)
{
    media::PictureCache& pictures = media::pictures();
    media::Picture single = pictures.load(path);
    TCursor& c = addCursor(id, hx, hy);
    if (frames >= 2 && !single.empty()) {
        c._img = pictures.loadStrip(path, single.width() / frames, single.height(), 0, frames);
        c._maxFrames = frames - 1;
        c._frame = 0;
        c._timeDelta = frameMs;
    } else {
        c._img = single;
    }
    c._img.setHandle(static_cast<float>(hx), static_cast<float>(hy));
    return 1;
}

int TMouse::loadCursor(const std::string& id, const media::Picture& picture, int hx, int hy)
{
    TCursor& c = addCursor(id, hx, hy);
    c._img = picture;
    c._img.setHandle(static_cast<float>(hx), static_cast<float>(hy));
    return 1;
}

int TMouse::setCursor(const std::string& id)
{
    for (TCursor& c : listaKursorow) {
        if (media::text::equalsIgnoreCase(c._id, id))
            cur = &c;
    }
    return 1;
}

int TMouse::clear()
{
    media::Input& input = media::input();
    input.flushMouse();
    leftPressed = 0;
    leftHolded = 0;
    rightPressed = 0;
    rightHolded = 0;
    return 1;
}
