// TDim.hpp: a placement: a reference point, a size and the rectangle the pointer is tested in.
#pragma once

struct TDim
{
    float x = 0;
    float y = 0;
    float h = 0;
    float w = 0;
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    float mx = 0;
    float my = 0;

    // The pointer rectangle with its top-left corner on the reference point.
    void update()
    {
        x1 = x;
        y1 = y;
        x2 = x + w;
        y2 = y + h;
    }
    // The middle of the pointer rectangle, whatever the reference point is.
    float middleX() const { return (x1 + x2) / 2; }
    float middleY() const { return (y1 + y2) / 2; }
};

// A placement of w x h whose rectangle starts at (x, y).
inline TDim createDim(float x, float y, float w, float h)
{
    TDim d;
    d.x = x;
    d.y = y;
    d.w = w;
    d.h = h;
    d.update();
    return d;
}

// A placement that is just a point: no size, and the rectangle left at the origin until the
// widget works it out.
inline TDim createPoint(float x, float y)
{
    TDim d;
    d.x = x;
    d.y = y;
    return d;
}
