// TParticle.hpp: a small picture that moves along a short curve while its opacity, scale and
// rotation change evenly over its life.
#pragma once

#include "media/Picture.hpp"

#include <list>
#include <memory>
#include <vector>

class TParticle;
using ParticleList = std::list<std::unique_ptr<TParticle>>;

class TParticle
{
public:
    // Reads data/particles.dat into the program's particle pictures.
    static void setup();

    // Each frame: age, fade, scale, turn and move; false once its life is over.
    bool _updateTime();
    void _updateAlpha();
    void _updateScale();
    void _updatePosition();
    void _updateMove();
    bool update();
    void draw();

    float startA = 1, startS = 1, startR = 0;
    float a = 1, da = 0;
    float s = 1, ds = 1;
    float r = 0, dr = 0;
    int n = 0;
    int red = 255, green = 255, blue = 255;
    float x = 0, y = 0;
    int blend = 4; // 3 alpha blending, 4 additive light
    long long startTime = 0;
    long long bornTime = 0;
    bool born = false; // the first update after the start has come (bornTime may be 0 itself)
    int lifeTime = 1;
    float lifePer = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float per = 0;
    float mx = 0, my = 0;
};

struct Tint
{
    int red = 255, green = 255, blue = 255;
};

// A particle from (x1, y1) to (x2, y2) by the control point (mx, my), appended to `list`; none is
// made for a start of exactly (0, 0).
TParticle* newParticle(ParticleList& list, int n, float x1, float y1, float x2, float y2, float mx, float my,
                       Tint rgb, float startA, float endA, float startS, float endS, float startR, float endR,
                       int blend, int delay, int life);
void updateParticles(ParticleList& list);
void drawParticles(ParticleList& list);
