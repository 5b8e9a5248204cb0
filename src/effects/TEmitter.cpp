// TEmitter.cpp
#include "effects/TEmitter.hpp"

#include "effects/Effects.hpp"
#include "effects/ParticleKinds.hpp"
#include "media/Platform.hpp"

namespace
{
float jitter(int j)
{
    return static_cast<float>(media::random().rand(-j, j));
}

int channel()
{
    return media::random().rand(200, 255);
}
} // namespace

bool TEmitter::update(Effects& fx)
{
    const long long now = media::clock().millisecs();
    if (now < startTime)
        return true;
    if (now > waitTime) {
        waitTime = now + inter;
        generate(fx.particles);
    }
    if (now > endTime) {
        destroy(fx);
        return false;
    }
    return true;
}

void TEmitter::generate(ParticleList& list)
{
    auto at = [&](int j, auto&& burst) { burst(x + jitter(j), y + jitter(j)); };
    auto whiteTail = [&] {
        at(1, [&](float px, float py) {
            int c = channel();
            particleBurstColour(list, px, py, 2 * pom, c, c, c);
        });
    };
    switch (typ) {
    case 1:
        at(5, [&](float px, float py) { particleBurstMagenta(list, px, py); });
        at(5, [&](float px, float py) { particleBurstMagenta(list, px, py); });
        at(5, [&](float px, float py) { particleBurstWhiteFixed(list, px, py); });
        break;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 10:
    case 11:
    case 12:
        for (int i = 0; i < 2; ++i) {
            at(2, [&](float px, float py) {
                int c = channel();
                float length = 4 * pom;
                switch (typ) {
                case 2: particleBurstRed(list, px, py, length); break;
                case 3: particleBurstGreen(list, px, py, length); break;
                case 4: particleBurstColour(list, px, py, length, 0, 0, c); break;
                case 5:
                case 10: particleBurstColour(list, px, py, length, c, 0, c); break;
                case 6:
                case 11: particleBurstColour(list, px, py, length, 0, c, c); break;
                default: particleBurstColour(list, px, py, length, c, c, c); break;
                }
            });
        }
        whiteTail();
        break;
    case 7:
        particleSpark(list, x + jitter(5), y + jitter(5));
        particleSpark(list, x, y);
        particleGlint(list, x, y);
        break;
    default:
        if (typ >= 13 && typ <= 19) {
            for (int i = 0; i < 2; ++i) {
                at(2, [&](float px, float py) {
                    int c = channel();
                    switch (typ) {
                    case 13:
                    case 18: particleBurstColour(list, px, py, 1, 0, c, c); break;
                    case 14: particleBurstColour(list, px, py, 1, c, 0, 0); break;
                    case 15: particleBurstColour(list, px, py, 1, 0, 0, c); break;
                    case 17: particleBurstColour(list, px, py, 1, 0, c, 0); break;
                    default: particleBurstColour(list, px, py, 1, c, c, 0); break;
                    }
                });
            }
            whiteTail();
        }
        break;
    }
}

void TEmitter::destroy(Effects& fx)
{
    if (typ == 1 && driveN > 0)
        destroy1(fx);
}

void TEmitter::destroy1(Effects& fx)
{
    if (fx.driveLightArrived)
        fx.driveLightArrived(*this, true);
}

TEmitter& newEmitter(EmitterList& list, int typ, float x, float y, int delay, int interval, int duration,
                     Tint rgb)
{
    auto e = std::make_unique<TEmitter>();
    const long long now = media::clock().millisecs();
    e->typ = typ;
    e->x = x;
    e->y = y;
    e->startTime = now + delay;
    e->endTime = now + delay + duration;
    e->inter = interval;
    e->red = rgb.red;
    e->green = rgb.green;
    e->blue = rgb.blue;
    list.push_back(std::move(e));
    return *list.back();
}
