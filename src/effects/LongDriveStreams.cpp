// LongDriveStreams.cpp
#include "effects/LongDriveStreams.hpp"

#include "effects/Effects.hpp"
#include "media/Platform.hpp"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float degrees = 3.14159265358979f / 180.0f;

} // namespace

void comboWaves(Effects& fx, float cx, float cy)
{
    for (int wave = 0; wave < 2; ++wave) {
        const float w = wave == 0 ? 30.0f : -30.0f;
        int index = 0;
        for (float h = 0;; h += 0.025f) {
            if (h > 1)
                h = 1;
            float x = 843 + (cx - 843) * h;
            float y = cy + w * std::sin(360.0f * h * degrees) + std::fabs(cy - 80) * (1 - h);
            int kind = (wave == 0 || index == 0) ? 2 : 3;
            TEmitter& e = newEmitter(fx.emitters, kind, x, y, static_cast<int>(400 * h), 50,
                                     static_cast<int>(400 * std::sin(90.0f * h * degrees)));
            e.pom = 1 - h;
            ++index;
            if (h >= 1)
                break;
        }
    }
}

void startLongDriveStream(Effects& fx, int driveN, int ticket, float fromX, float fromY)
{
    const int duration = static_cast<int>(300.0f * static_cast<float>(driveN) / 30.0f);
    TEmitter* last = nullptr;
    for (float h = 0; h < 1; h += 0.015f) {
        float t = std::sin(90.0f * h * degrees);
        float x = (1 - t) * (1 - t) * fromX + 2 * (1 - t) * t * 700 + t * t * 843;
        float y = (1 - t) * (1 - t) * fromY + 2 * (1 - t) * t * 500 + t * t * 80;
        last = &newEmitter(fx.emitters, 1, x, y, static_cast<int>(h * 1000), 1, duration);
    }
    if (last) {
        last->driveN = driveN;
        last->ticket = ticket;
    }
}

bool longDriveStreamsPending(const Effects& fx)
{
    return std::any_of(fx.emitters.begin(), fx.emitters.end(),
                       [](const auto& e) { return e->typ == 1 && e->driveN > 0; });
}

void landLongDriveStreams(Effects& fx)
{
    for (auto& e : fx.emitters) {
        if (e->typ == 1 && e->driveN > 0) {
            if (fx.driveLightArrived)
                fx.driveLightArrived(*e, false);
            e->driveN = 0;
        }
    }
}

void celebrationStream(Effects& fx, int kind, float p0x, float p0y, float mx, float my, float p2x, float p2y,
                       float step, float amplitude, float waves)
{
    float previousX = p0x;
    float previousY = p0y;
    for (float h = 0;; h += step) {
        if (h > 1)
            h = 1;
        float s = std::sin(90.0f * h * degrees);
        float bx = p0x + 2 * s * (mx - p0x) + s * s * (p0x - 2 * mx + p2x);
        float by = p0y + 2 * s * (my - p0y) + s * s * (p0y - 2 * my + p2y);
        float theta = std::atan2(by - previousY, bx - previousX) / degrees;
        float w = amplitude * std::sin(360.0f * waves * h * degrees);
        float ox = w * std::cos((theta - 90) * degrees);
        float oy = w * std::sin((theta - 90) * degrees);
        newEmitter(fx.emitters, kind, bx + ox, by + oy, static_cast<int>(2000 * h), 1,
                   static_cast<int>(1300 * h));
        previousX = bx;
        previousY = by;
        if (h >= 1)
            break;
    }
}

namespace
{
float R(int lo, int hi)
{
    return static_cast<float>(media::random().rand(lo, hi));
}
} // namespace

void celebrateMaximum(Effects& fx)
{
    celebrationStream(fx, 4, 1024, 0, 0, 400, 600, 800, 0.003f, 100, 6);
    celebrationStream(fx, 5, 0, 768, 0, 0, 1200, R(10, 150), 0.0025f, 150, 4);
    celebrationStream(fx, 6, 1024, R(200, 500), 0, 768, 0, R(10, 150), 0.002f, 50, 10);
}

void celebratePerfect(Effects& fx, int step)
{
    if (step == 1) {
        celebrationStream(fx, 17, 0, 0, 1024, 384, 0, 768, 0.003f, 100, 2);
        celebrationStream(fx, 18, 512, 0, 0, 1000, 1024, 768, 0.0025f, 150, 2);
        celebrationStream(fx, 19, 512, 768, 1024, -100, 0, 0, 0.002f, 50, 2);
    } else if (step == 2) {
        celebrationStream(fx, 14, 0, 0, 1024, 384, 0, 768, 0.003f, 100, 2);
        celebrationStream(fx, 15, 512, 0, 0, 1000, 1024, 768, 0.0025f, 150, 2);
        celebrationStream(fx, 16, 512, 768, 1024, -100, 0, 0, 0.002f, 50, 2);
    } else {
        celebrationStream(fx, 13, 1024, 768, 0, 768, R(200, 300), 0, 0.002f, 50, 10);
        celebrationStream(fx, 15, 512, 0, 0, 1000, 1024, 768, 0.0025f, 150, 2);
        celebrationStream(fx, 10, 0, 0, 0, 768, 1024, 540, 0.003f, 100, 6);
    }
}
