// TDeltaTime.hpp: the frame timer behind `delta`.
#pragma once

#include <memory>

class TDeltaTime
{
public:
    // A new timer aiming at `fps` frames a second.
    static std::unique_ptr<TDeltaTime> Create(float fps);
    TDeltaTime() = default;
    TDeltaTime(const TDeltaTime&) = delete;
    TDeltaTime& operator=(const TDeltaTime&) = delete;

    // Reads the millisecond clock: the time since the last update, and the frame counter.
    void Update();
    int FPS() const { return CurrFps; }
    // ElapsedTime / dDelta: 1 when the last frame took exactly 1000 / fps ms. Never negative.
    float CurrDelta() const;
    void SetFPS(float fps);

    long long OldTime = 0;
    long long ElapsedTime = 0;
    float dFps = 60;
    float dDelta = 1000.0f / 60;
    int CurrFps = 0;
    int FPSCounter = 0;
    long long CurrTime = 0;
    long long CheckTime = 0;
};
