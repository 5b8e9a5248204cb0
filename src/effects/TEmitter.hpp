// TEmitter.hpp: a timed source of particle bursts at a point; the last light of a long drive
// reports its arrival when it goes out.
#pragma once

#include "effects/TParticle.hpp"

#include <list>
#include <memory>

class Effects;
class TEmitter;
using EmitterList = std::list<std::unique_ptr<TEmitter>>;

class TEmitter
{
public:
    // One frame: a burst into the effects' particles when one is due; false once the emitter
    // has ended.
    bool update(Effects& fx);
    // One burst of the emitter's kind.
    void generate(ParticleList& particles);
    // The end of the emitter; the last light of a long drive ends the drive's journey.
    void destroy(Effects& fx);
    void destroy1(Effects& fx);

    float x = 0, y = 0;
    long long startTime = 0;
    long long endTime = 0;
    long long waitTime = 0;
    int inter = 1;
    int typ = 1;
    int driveN = 0; // the length of the drive whose light this is (0 for every other light)
    int ticket = 0; // what the rules wait for when that light arrives
    int red = 255, green = 255, blue = 255;
    float pom = 0;
};

TEmitter& newEmitter(EmitterList& list, int typ, float x, float y, int delay, int interval, int duration,
                     Tint rgb = {});
