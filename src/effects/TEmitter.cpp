// TEmitter.cpp
#include "effects/TEmitter.hpp"

#include "effects/LongDriveStreams.hpp"
#include "effects/ParticleKinds.hpp"
#include "media/Platform.hpp"

EmitterList emitters;

namespace
{
long long pausedAt = 0;

float jitter(int j)
{
    return static_cast<float>(media::random().rand(-j, j));
}

int channel()
{
    return media::random().rand(200, 255);
}
} // namespace

void TEmitter::pauseAll()
{
    pausedAt = media::clock().millisecs();
}

void TEmitter::resumeAll()
{
    const long long away = media::clock().millisecs() - pausedAt;
    for (auto& e : emitters) {
        e->startTime += away;
        e->endTime += away;
    }
}

bool TEmitter::update()
{
    const long long now = media::clock().millisecs();
    if (now < startTime)
        return true;
    if (now > waitTime) {
        waitTime = now + inter;
        generate();
    }
    if (now > endTime) {
        destroy();
        return false;
    }
    return true;
}

void TEmitter::generate()
{
    auto at = [&](int j, auto&& burst) { burst(x + jitter(j), y + jitter(j)); };
    auto whiteTail = [&] {
        at(1, [&](float px, float py) {
            int c = channel();
            particleBurstColour(px, py, 2 * pom, c, c, c);
        });
    };
    switch (typ) {
    case 1:
        at(5, [](float px, float py) { particleBurstMagenta(px, py); });
        at(5, [](float px, float py) { particleBurstMagenta(px, py); });
        at(5, [](float px, float py) { particleBurstWhiteFixed(px, py); });
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
                case 2: particleBurstRed(px, py, length); break;
                case 3: particleBurstGreen(px, py, length); break;
                case 4: particleBurstColour(px, py, length, 0, 0, c); break;
                case 5:
                case 10: particleBurstColour(px, py, length, c, 0, c); break;
                case 6:
                case 11: particleBurstColour(px, py, length, 0, c, c); break;
                default: particleBurstColour(px, py, length, c, c, c); break;
                }
            });
        }
        whiteTail();
        break;
    case 7:
        particleSpark(x + jitter(5), y + jitter(5));
        particleSpark(x, y);
        particleGlint(x, y);
        break;
    default:
        if (typ >= 13 && typ <= 19) {
            for (int i = 0; i < 2; ++i) {
                at(2, [&](float px, float py) {
                    int c = channel();
                    switch (typ) {
                    case 13:
                    case 18: particleBurstColour(px, py, 1, 0, c, c); break;
                    case 14: particleBurstColour(px, py, 1, c, 0, 0); break;
                    case 15: particleBurstColour(px, py, 1, 0, 0, c); break;
                    case 17: particleBurstColour(px, py, 1, 0, c, 0); break;
                    default: particleBurstColour(px, py, 1, c, c, 0); break;
                    }
                });
            }
            whiteTail();
        }
        break;
    }
}

void TEmitter::destroy()
{
    if (typ == 1 && driveN > 0)
        destroy1();
}

void TEmitter::destroy1()
{
    if (level)
        longDriveArrives(*level, driveN, true);
}

TEmitter& newEmitter(int typ, float x, float y, int delay, int interval, int duration, Tint rgb,
                     EmitterList& list)
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

void updateEmitters(EmitterList& list)
{
    // An emitter that ends may start new ones (the end of a long drive): they run in this pass.
    for (auto it = list.begin(); it != list.end();) {
        auto current = it++;
        if (!(*current)->update())
            list.erase(current);
    }
}
