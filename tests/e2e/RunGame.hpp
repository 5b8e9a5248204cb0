// RunGame.hpp: runs the real game executable and collects what it did.
#pragma once

#include <string>
#include <vector>

namespace e2e
{
struct Run
{
    int status = -1; // exit status, or -1 when it did not end by itself
    bool timedOut = false;
    std::string out; // standard output
    std::string err; // standard error
};

// Runs `exe` with `args` in `folder`, with the environment plus `env` ("NAME=value"), and
// waits at most `seconds`.
Run runGame(const std::string& exe, const std::vector<std::string>& args, const std::string& folder,
            const std::vector<std::string>& env = {}, int seconds = 120);

// A copy of the game's run folder (executable and content) to break things in.
std::string copyRunFolder(const std::string& from, const std::string& to);
} // namespace e2e
