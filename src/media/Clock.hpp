// Clock.hpp: the millisecond clock every timer of the game reads.
#pragma once

#include <cstdint>

namespace media
{
class Clock
{
public:
    virtual ~Clock() = default;
    // Milliseconds since the clock started; never goes backwards.
    virtual std::int64_t millisecs() const = 0;
    // Called once at the end of every frame; a fixed-step clock advances here.
    virtual void frameDone() {}
    // Whether frames advance the clock by a fixed step rather than real time.
    virtual bool fixedStep() const { return false; }
};

// Real time from the monotonic system clock.
class SystemClock final : public Clock
{
public:
    SystemClock();
    std::int64_t millisecs() const override;

private:
    std::int64_t startNs_ = 0;
};

// 1000/60 ms per frame exactly, whatever the machine's speed, so scripted and headless runs
// give the same results every time.
class FixedStepClock final : public Clock
{
public:
    explicit FixedStepClock(double framesPerSecond = 60.0) : step_(1000.0 / framesPerSecond) {}
    std::int64_t millisecs() const override { return static_cast<std::int64_t>(frames_ * step_); }
    void frameDone() override { ++frames_; }
    bool fixedStep() const override { return true; }

private:
    double step_;
    std::int64_t frames_ = 0;
};

// Sleeps the calling thread.
void sleepMilliseconds(double ms);
} // namespace media
