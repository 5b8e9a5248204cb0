// LongDriveStreams.cpp
#include "effects/LongDriveStreams.hpp"

#include "effects/Captions.hpp"
#include "levels/LevelHost.hpp"
#include "levels/TLevel.hpp"
#include "media/Platform.hpp"
#include "screens/TProfileManager.hpp"
#include "shell/Program.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
struct Stream
{
    TLevel* level = nullptr;
    int driveN = 0;
    float fromX = 0, fromY = 0;
    long long startAt = 0;
    long long arriveAt = 0;
};
std::vector<Stream> streams;

constexpr float degrees = 3.14159265358979f / 180.0f;

// The light runs from the deck through (700, 500) to the multiplier at (843, 80).
void pointOnCurve(const Stream& s, float h, float& x, float& y)
{
    float t = std::sin(90.0f * h * degrees);
    x = (1 - t) * (1 - t) * s.fromX + 2 * (1 - t) * t * 700 + t * t * 843;
    y = (1 - t) * (1 - t) * s.fromY + 2 * (1 - t) * t * 500 + t * t * 80;
}

// Multipliers grow in tenths: keep them exactly on a tenth.
float tenths(float value)
{
    return std::round(value * 10.0f) / 10.0f;
}
} // namespace

void startLongDriveStream(TLevel& level, int driveN, float fromX, float fromY)
{
    // Lights along the curve every 0.015 of the way, each 1000 ms x its place later; the last
    // burns for 10 ms a play and arrives when it goes out.
    float lastH = 0;
    for (float h = 0; h < 1; h += 0.015f)
        lastH = h;
    const long long now = media::clock().millisecs();
    Stream s;
    s.level = &level;
    s.driveN = driveN;
    s.fromX = fromX;
    s.fromY = fromY;
    s.startAt = now;
    s.arriveAt = now + static_cast<long long>(lastH * 1000) + static_cast<long long>(300.0f * driveN / 30.0f);
    streams.push_back(s);
    if (driveN > level.longestDrive)
        level.longestDrive = driveN;
}

void longDriveArrives(TLevel& level, int driveN)
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
}

void updateLongDriveStreams()
{
    const long long now = media::clock().millisecs();
    // An arrival may start nothing new, but take the due ones out first all the same.
    std::vector<Stream> due;
    for (auto it = streams.begin(); it != streams.end();) {
        if (now > it->arriveAt) {
            due.push_back(*it);
            it = streams.erase(it);
        } else {
            ++it;
        }
    }
    for (const Stream& s : due)
        longDriveArrives(*s.level, s.driveN);
}

void drawLongDriveStreams()
{
    if (!shell::hasProgram())
        return;
    media::Renderer& gfx = media::gfx();
    media::Picture glow = shell::program().whiteImage;
    glow.midHandle();
    const long long now = media::clock().millisecs();
    gfx.setBlend(media::Blend::Light);
    gfx.setRotation(0);
    for (const Stream& s : streams) {
        // A short trail of light travelling along the curve.
        float head = std::clamp(static_cast<float>(now - s.startAt) / 1000.0f, 0.0f, 1.0f);
        for (int k = 0; k < 8; ++k) {
            float h = head - 0.02f * static_cast<float>(k);
            if (h < 0)
                break;
            float x = 0, y = 0;
            pointOnCurve(s, h, x, y);
            gfx.setColor(255, 230, 160);
            gfx.setAlpha(0.5f * (1 - static_cast<float>(k) / 8));
            gfx.setScale(0.18f, 0.18f);
            gfx.drawPicture(glow, x, y);
        }
    }
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(1, 1);
    gfx.setAlpha(1);
    gfx.setColor(255, 255, 255);
}

bool longDriveStreamsPending()
{
    return !streams.empty();
}

void landLongDriveStreams()
{
    std::vector<Stream> all;
    all.swap(streams);
    for (const Stream& s : all)
        longDriveArrives(*s.level, s.driveN);
}

void clearLongDriveStreams()
{
    streams.clear();
}
