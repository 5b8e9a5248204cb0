// Effects.hpp: the particles, emitters and captions of one screen (the level in play has its
// own set), whose clocks stop while the window is inactive.
#pragma once

#include "effects/TCaption.hpp"
#include "effects/TEmitter.hpp"
#include "effects/TParticle.hpp"

#include <functional>

class Effects
{
public:
    Effects() = default;
    Effects(const Effects&) = delete;
    Effects& operator=(const Effects&) = delete;

    // The emitters burst into the particles. An emitter that ends may start new ones (the end
    // of a long drive): they run in this same pass.
    void updateEmitters();
    void updateParticles();
    void updateCaptions();
    void drawParticles();
    void drawCaptions();
    // The clocks of the particles and emitters stop, and go on again moved by the pause.
    void pauseAll();
    void resumeAll();

    ParticleList particles;
    EmitterList emitters;
    CaptionList captions;
    // The last light of a long drive has gone out at the multiplier; `waves` when the red and
    // green waves are to follow it (not when every light is landed at once).
    std::function<void(const TEmitter& light, bool waves)> driveLightArrived;

private:
    long long pausedAt_ = 0;
};
