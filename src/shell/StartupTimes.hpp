// StartupTimes.hpp: how long the game takes to show its first picture and to draw the first
// frame a player can act on, written to stderr with --timings. Each line also gives the
// moment on the system's monotonic clock, so a program that started the game can measure
// from its own start (process creation and library loading included).
#pragma once

#include <chrono>
#include <string>

namespace shell
{
class StartupTimes
{
public:
    using Clock = std::chrono::steady_clock;

    explicit StartupTimes(bool report, Clock::time_point start = Clock::now())
        : report_(report), start_(start)
    {}

    // The window shows something of the game.
    void firstPicture() { mark(firstPicture_, "first picture"); }
    // The first frame of a screen that reads the player's input is drawn.
    void interactive() { mark(interactive_, "interactive"); }

    // The line written for a stage reached at `at`.
    static std::string line(const char* stage, Clock::time_point start, Clock::time_point at);

private:
    void mark(bool& done, const char* stage);

    bool report_;
    Clock::time_point start_;
    bool firstPicture_ = false;
    bool interactive_ = false;
};
} // namespace shell
