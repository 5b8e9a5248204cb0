// Effects.cpp
#include "effects/Effects.hpp"

#include "effects/Captions.hpp"
#include "media/Platform.hpp"

void Effects::updateEmitters()
{
    for (auto it = emitters.begin(); it != emitters.end();) {
        auto current = it++;
        if (!(*current)->update(*this))
            emitters.erase(current);
    }
}

void Effects::updateParticles()
{
    ::updateParticles(particles);
}

void Effects::updateCaptions()
{
    ::updateCaptions(captions);
}

void Effects::drawParticles()
{
    ::drawParticles(particles);
}

void Effects::drawCaptions()
{
    ::drawCaptions(captions);
}

void Effects::pauseAll()
{
    pausedAt_ = media::clock().millisecs();
}

void Effects::resumeAll()
{
    const long long away = media::clock().millisecs() - pausedAt_;
    for (auto& p : particles) {
        p->startTime += away;
        if (p->born)
            p->bornTime += away;
    }
    for (auto& e : emitters) {
        e->startTime += away;
        e->endTime += away;
    }
}
