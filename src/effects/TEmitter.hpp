// TEmitter.hpp: a timed source of particle bursts at a point; the last light of a long drive
// also raises the multiplier when it goes out.
#pragma once

#include "effects/TParticle.hpp"

#include <list>
#include <memory>

class TLevel;
class TEmitter;
using EmitterList = std::list<std::unique_ptr<TEmitter>>;

class TEmitter
{
public:
    static void pauseAll();
    static void resumeAll();

    // One frame: a burst when one is due; false once the emitter has ended.
    bool update();
    // One burst of the emitter's kind.
    void generate();
    // The end of the emitter; the last light of a long drive ends the drive's journey.
    void destroy();
    void destroy1();

    float x = 0, y = 0;
    long long startTime = 0;
    long long endTime = 0;
    long long waitTime = 0;
    int inter = 1;
    int typ = 1;
    int driveN = 0;
    int red = 255, green = 255, blue = 255;
    float pom = 0;
    TLevel* level = nullptr; // the level a long drive belongs to
};

extern EmitterList emitters;

TEmitter& newEmitter(int typ, float x, float y, int delay, int interval, int duration, Tint rgb = {},
                     EmitterList& list = emitters);
void updateEmitters(EmitterList& list = emitters);
