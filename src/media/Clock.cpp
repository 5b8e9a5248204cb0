// Clock.cpp: monotonic time.
#include "media/Clock.hpp"

#include <chrono>
#include <thread>

namespace media
{
namespace
{
std::int64_t nowNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

SystemClock::SystemClock() : startNs_(nowNs()) {}

std::int64_t SystemClock::millisecs() const
{
    return (nowNs() - startNs_) / 1'000'000;
}

void sleepMilliseconds(double ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}
} // namespace media
