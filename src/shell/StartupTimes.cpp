// StartupTimes.cpp
#include "shell/StartupTimes.hpp"

#include <cstdio>

namespace shell
{
std::string StartupTimes::line(const char* stage, Clock::time_point start, Clock::time_point at)
{
    using namespace std::chrono;
    char text[160];
    std::snprintf(text, sizeof text, "startup: %s after %.3f s (monotonic clock %lld ns)", stage,
                  duration<double>(at - start).count(),
                  static_cast<long long>(duration_cast<nanoseconds>(at.time_since_epoch()).count()));
    return text;
}

void StartupTimes::mark(bool& done, const char* stage)
{
    if (done)
        return;
    done = true;
    if (!report_)
        return;
    std::fprintf(stderr, "%s\n", line(stage, start_, Clock::now()).c_str());
    std::fflush(stderr);
}
} // namespace shell
