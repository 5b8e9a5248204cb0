// TCaption.hpp: a short-lived announcement over the game screen: it pops in (or spins in),
// holds, then shrinks and fades away.
#pragma once

#include "media/Picture.hpp"

#include <list>
#include <memory>
#include <string>

class TCaption
{
public:
    virtual ~TCaption() = default;

    virtual void draw();
    // Each returns 1 when its value has reached its target.
    int _updateAlpha();
    void _updateScale();
    int _updatePercent();
    void _updateRotation();
    void _updatePosition();
    // One frame; false once the caption is to be removed.
    virtual bool update();

    float x = 0, y = 0;
    float a = 1, da = 0, aSpeed = 0.05f;
    float sx = 1, dsx = 0, sxSpeed = 0.05f;
    float sy = 1, dsy = 0, sySpeed = 0.05f;
    std::string txt; // shown in words when the caption has no picture
    float r = 0, rSpeed = 0.05f;
    float p = 0, dp = 0, pSpeed = 0.01f;
    float ax = 0, ay = 0;
    int red = 255, green = 255, blue = 255;
};

// A picture caption that pops in: it grows in from 1.4 times its size, holds, then goes.
class TImgCaption : public TCaption
{
public:
    void draw() override;
    void switchMe();
    bool update() override;

    media::Picture img;
    long long time = 0; // first the hold in ms, then the clock time it goes
};

// A picture caption that spins in twice while shrinking from double size.
class TSpecImgCaption : public TImgCaption
{
public:
    void draw() override;
    void startKilling();
    bool update() override;
};

using CaptionList = std::list<std::unique_ptr<TCaption>>;
