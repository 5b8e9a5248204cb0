// ParticleKinds.cpp
#include "effects/ParticleKinds.hpp"

#include "effects/TParticle.hpp"
#include "media/Platform.hpp"

#include <cmath>

namespace
{
constexpr float degrees = 3.14159265358979f / 180.0f;

int R(int lo, int hi)
{
    return media::random().rand(lo, hi);
}

float Rf(int lo, int hi)
{
    return static_cast<float>(R(lo, hi));
}

// A straight ray of the given length in a random direction.
void radial(ParticleList& list, int n, float x, float y, float length, Tint tint, float startA, float endA,
            float startS, float endS, int life, int delay = 0)
{
    float angle = Rf(0, 360) * degrees;
    float ex = x + length * std::cos(angle);
    float ey = y + length * std::sin(angle);
    newParticle(list, n, x, y, ex, ey, x + (ex - x) / 2, y + (ey - y) / 2, tint, startA, endA, startS, endS,
                0, 0, 4, delay, life);
}

// Falling to one side in an arc: the splash, the chips and the snow.
void falling(ParticleList& list, int n, float x, float y, bool rightOnly, float endS, int life, int delay)
{
    float side = (rightOnly || R(0, 1) == 0) ? 1.0f : -1.0f;
    float ex = x + side * Rf(50, 100);
    float ey = y + Rf(150, 250);
    newParticle(list, n, x, y, ex, ey, ex, y, {}, 1, 0, 1, endS, 0, 360, 3, delay, life);
}

int channel()
{
    return R(200, 255);
}
} // namespace

void particleSplash(ParticleList& list, float x, float y, int delay)
{
    falling(list, R(20, 23), x, y, false, 1, 800, delay);
}

void particleFlyToCombo(ParticleList& list, float x, float y, int delay)
{
    newParticle(list, R(0, 4), x, y, 843, 80, 843, y, {}, 1, 0, 1, 1, 0, 360, 4, delay, 500);
}

void particleStoneChip(ParticleList& list, float x, float y, bool rightOnly)
{
    falling(list, R(24, 25), x, y, rightOnly, 1.5f, 500, 0);
}

void particleSnow(ParticleList& list, float x, float y, bool rightOnly)
{
    falling(list, R(26, 28), x, y, rightOnly, 1.5f, 500, 0);
}

void particleSwordSparkle(ParticleList& list, float x, float y, int delay)
{
    Tint tint = R(0, 1) ? Tint{0, 255, 255} : Tint{};
    radial(list, 2, x, y, Rf(15, 30), tint, 1, 0, 0.5f, 1, 500, delay);
}

void particleCoin(ParticleList& list, float x, float y)
{
    int c = channel();
    Tint tint = R(0, 1) ? Tint{c, c, 0} : Tint{};
    radial(list, 0, x, y, Rf(15, 30), tint, 1, 0, 0.5f, 1, 500);
}

void particleBurstMagenta(ParticleList& list, float x, float y)
{
    int c = channel();
    radial(list, 4, x, y, Rf(5, 10), {c, 0, c}, 1, 0, 0.5f, 2, 200);
}

void particleBurstRed(ParticleList& list, float x, float y, float length)
{
    radial(list, 4, x, y, length, {channel(), 0, 0}, 0.5f, 0, 0.5f, 2, 200);
}

void particleBurstGreen(ParticleList& list, float x, float y, float length)
{
    radial(list, 4, x, y, length, {0, channel(), 0}, 0.5f, 0, 0.5f, 2, 200);
}

void particleBurstWhiteFixed(ParticleList& list, float x, float y)
{
    int c = channel();
    radial(list, 3, x, y, Rf(3, 6), {c, c, c}, 1, 0, 0.5f, 2, 200);
}

void particleBurstColour(ParticleList& list, float x, float y, float length, int r, int g, int b)
{
    radial(list, 3, x, y, length, {r, g, b}, 1, 0, 0.5f, 2, 200);
}

void particleSpark(ParticleList& list, float x, float y)
{
    int c = R(200, 250);
    float angle = Rf(85, 95) * degrees;
    float length = Rf(150, 200);
    newParticle(list, 2, x, y, x + length * std::cos(angle), y + length * std::sin(angle), x, y, {c, c, 0}, 1,
                0, 1, 2, 0, 360, 4, 0, 2000);
}

void particleGlint(ParticleList& list, float x, float y)
{
    newParticle(list, 2, x, y, x, y, x, y, {}, 1, 0, 1, 1, 0, 360, 4, 0, 200);
}

void particlePanelGlow(ParticleList& list, float x, float y, float k)
{
    newParticle(list, 8, x, y, x, y, x, y, {}, 1, 0, 0.1f, 1.5f * k, 0, 0, 3, 0, 1000);
    newParticle(list, 8, x, y, x, y, x, y, {}, 0.3f, 0, 0.1f, 1.5f * k, 0, 0, 4, 0, 1000);
}

void generateWaterParticles(ParticleList& list, float x, float y)
{
    for (int i = 0; i < 26; ++i)
        particleSplash(list, x, y, 2 * i);
}

void generateRockParticles(ParticleList& list, float x, float y)
{
    for (int i = 0; i < 14; ++i)
        particleStoneChip(list, x + Rf(-30, 30), y + Rf(-50, 50), false);
    for (int i = 0; i < 6; ++i)
        particleStoneChip(list, x + Rf(-30, 30), y + Rf(-50, 50), true);
}

void generateSnowParticles(ParticleList& list, float x, float y)
{
    for (int i = 0; i < 14; ++i)
        particleSnow(list, x + Rf(-35, 35), y + Rf(-55, 55), false);
    for (int i = 0; i < 6; ++i)
        particleSnow(list, x + Rf(-35, 35), y + Rf(-55, 55), true);
}

void generateFlyToComboParticles(ParticleList& list, float x, float y)
{
    for (int i = 0; i < 12; ++i)
        particleFlyToCombo(list, x + Rf(-20, 20), y + Rf(-30, 30), 15 * i);
}
