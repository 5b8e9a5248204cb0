// TDeltaTime.cpp
#include "base/TDeltaTime.hpp"

#include "media/Platform.hpp"

#include <algorithm>

std::unique_ptr<TDeltaTime> TDeltaTime::Create(float fps)
{
    auto timer = std::make_unique<TDeltaTime>();
    timer->SetFPS(fps);
    timer->OldTime = media::clock().millisecs();
    return timer;
}

void TDeltaTime::Update()
{
    CurrTime = media::clock().millisecs();
    ElapsedTime = CurrTime - OldTime;
    OldTime = CurrTime;
    if (CheckTime < CurrTime) {
        CheckTime = CurrTime + 1000;
        CurrFps = FPSCounter;
        FPSCounter = 0;
    } else {
        ++FPSCounter;
    }
}

float TDeltaTime::CurrDelta() const
{
    // The clock is monotonic, so this only guards against misuse.
    return std::max(0.0f, static_cast<float>(ElapsedTime) / dDelta);
}

void TDeltaTime::SetFPS(float fps)
{
    if (fps <= 0)
        fps = 60;
    dFps = fps;
    dDelta = 1000.0f / fps;
}
