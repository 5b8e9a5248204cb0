// TCursor.cpp
#include "gui/TCursor.hpp"

#include "media/Platform.hpp"

void TCursor::draw(int x, int y)
{
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 255, 255);
    gfx.setScale(1, 1);
    gfx.setAlpha(1);
    int frame = (_frame > 0 && _maxFrames > 0) ? _frame : 0;
    gfx.drawPicture(_img, static_cast<float>(x), static_cast<float>(y), frame);
}

int TCursor::update()
{
    if (_timeDelta <= 0 || _maxFrames <= 0)
        return 0;
    long long now = media::clock().millisecs();
    if (now < _time)
        return 0;
    _time = now + _timeDelta;
    ++_frame;
    if (_frame > _maxFrames)
        _frame = 0;
    return 1;
}
