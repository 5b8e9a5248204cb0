// LongDriveStreams.cpp
#include "effects/LongDriveStreams.hpp"

#include "effects/Captions.hpp"
#include "effects/TEmitter.hpp"
#include "levels/LevelHost.hpp"
#include "levels/TLevel.hpp"
#include "media/Platform.hpp"
#include "screens/TProfileManager.hpp"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float degrees = 3.14159265358979f / 180.0f;

// Multipliers grow in tenths: keep them exactly on a tenth.
float tenths(float value)
{
    return std::round(value * 10.0f) / 10.0f;
}

// The red and green waves from the multiplier display (843, 80) to the combo point.
void comboWaves()
{
    auto [cx, cy] = levelHost().comboPoint();
    for (int wave = 0; wave < 2; ++wave) {
        const float w = wave == 0 ? 30.0f : -30.0f;
        int index = 0;
        for (float h = 0;; h += 0.025f) {
            if (h > 1)
                h = 1;
            float x = 843 + (cx - 843) * h;
            float y = cy + w * std::sin(360.0f * h * degrees) + std::fabs(cy - 80) * (1 - h);
            int kind = (wave == 0 || index == 0) ? 2 : 3;
            TEmitter& e = newEmitter(kind, x, y, static_cast<int>(400 * h), 50,
                                     static_cast<int>(400 * std::sin(90.0f * h * degrees)));
            e.pom = 1 - h;
            ++index;
            if (h >= 1)
                break;
        }
    }
}
} // namespace

void startLongDriveStream(TLevel& level, int driveN, float fromX, float fromY)
{
    const int duration = static_cast<int>(300.0f * static_cast<float>(driveN) / 30.0f);
    TEmitter* last = nullptr;
    for (float h = 0; h < 1; h += 0.015f) {
        float t = std::sin(90.0f * h * degrees);
        float x = (1 - t) * (1 - t) * fromX + 2 * (1 - t) * t * 700 + t * t * 843;
        float y = (1 - t) * (1 - t) * fromY + 2 * (1 - t) * t * 500 + t * t * 80;
        last = &newEmitter(1, x, y, static_cast<int>(h * 1000), 1, duration);
    }
    if (last) {
        last->driveN = driveN;
        last->level = &level;
    }
    if (driveN > level.longestDrive)
        level.longestDrive = driveN;
}

bool longDriveStreamsPending()
{
    return std::any_of(emitters.begin(), emitters.end(),
                       [](const auto& e) { return e->typ == 1 && e->driveN > 0; });
}

void landLongDriveStreams()
{
    for (auto& e : emitters) {
        if (e->typ == 1 && e->driveN > 0 && e->level) {
            longDriveArrives(*e->level, e->driveN, false);
            e->driveN = 0;
        }
    }
}

void longDriveArrives(TLevel& level, int driveN, bool streams)
{
    const float before = level.driveMN;
    level.driveMN = tenths(level.driveMN + static_cast<float>(driveN - 5) / 10.0f);
    const float maximum = hasProfile() ? profile().getMaxDriveMultiplier() : 5.0f;
    if (level.driveMN > 3)
        level.driveMN = maximum;
    if (hasProfile())
        profile().multiplier = std::max(profile().multiplier, level.driveMN);
    if (level.driveMN > before && std::floor(level.driveMN) == std::floor(maximum)) {
        levelHost().waitForCaption1();
        showSpecCaption(maximum >= 7 ? 12 : 11, 512, 384, 4000);
    }
    if (streams)
        comboWaves();
}

void celebrationStream(int kind, float p0x, float p0y, float mx, float my, float p2x, float p2y, float step,
                       float amplitude, float waves)
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
        newEmitter(kind, bx + ox, by + oy, static_cast<int>(2000 * h), 1, static_cast<int>(1300 * h));
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

void celebrateMaximum()
{
    celebrationStream(4, 1024, 0, 0, 400, 600, 800, 0.003f, 100, 6);
    celebrationStream(5, 0, 768, 0, 0, 1200, R(10, 150), 0.0025f, 150, 4);
    celebrationStream(6, 1024, R(200, 500), 0, 768, 0, R(10, 150), 0.002f, 50, 10);
}

void celebratePerfect(int step)
{
    if (step == 1) {
        celebrationStream(17, 0, 0, 1024, 384, 0, 768, 0.003f, 100, 2);
        celebrationStream(18, 512, 0, 0, 1000, 1024, 768, 0.0025f, 150, 2);
        celebrationStream(19, 512, 768, 1024, -100, 0, 0, 0.002f, 50, 2);
    } else if (step == 2) {
        celebrationStream(14, 0, 0, 1024, 384, 0, 768, 0.003f, 100, 2);
        celebrationStream(15, 512, 0, 0, 1000, 1024, 768, 0.0025f, 150, 2);
        celebrationStream(16, 512, 768, 1024, -100, 0, 0, 0.002f, 50, 2);
    } else {
        celebrationStream(13, 1024, 768, 0, 768, R(200, 300), 0, 0.002f, 50, 10);
        celebrationStream(15, 512, 0, 0, 1000, 1024, 768, 0.0025f, 150, 2);
        celebrationStream(10, 0, 0, 0, 768, 1024, 540, 0.003f, 100, 6);
    }
}
