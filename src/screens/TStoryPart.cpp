// TStoryPart.cpp
#include "screens/TStoryPart.hpp"

void TStoryPart::draw() const
{
    for (const TStoryLayer& layer : layers)
        layer.draw(alpha, per);
}

void TStoryPart::pause(long long now)
{
    pam = now;
}

void TStoryPart::resume(long long now)
{
    const long long paused = now - pam;
    endTime += paused;
    startTime += paused;
}

void TStoryPart::update(long long now)
{
    if (now < startTime)
        alpha = 1.0f - static_cast<float>(startTime - now) / static_cast<float>(fadeIn);
    else
        alpha = 1;
    per = getPer(now);
}

float TStoryPart::getPer(long long now) const
{
    if (time <= 0)
        return 0;
    return static_cast<float>(endTime - now) / static_cast<float>(time);
}

void TStoryPart::reset(long long now)
{
    endTime = now + time;
    startTime = now + fadeIn;
}
