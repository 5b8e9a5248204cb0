// RunGame.hpp: runs the real game (and the tools around it) as child processes, and reads the
// pictures they leave.
#pragma once

#include "media/Image.hpp"

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e
{
struct SpawnOptions
{
    std::vector<std::string> env; // "NAME=value", added to this process's environment
    std::string folder;           // working folder ("" = this one)
    std::string stdoutPath;       // where standard output goes ("" = /dev/null)
    std::string stderrPath;       // where standard error goes ("" = inherited)
    int passFd = -1;              // when set, becomes the child's descriptor 3
};

// A child process, killed when the object goes if it is still running.
class Process
{
public:
    Process(const std::vector<std::string>& args, const SpawnOptions& options = {});
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool started() const { return pid_ > 0; }
    // The exit status once it has ended within `limit`; -1 if it has not (or died by a signal).
    int wait(std::chrono::milliseconds limit);
    bool ended() const { return ended_; }

private:
    pid_t pid_ = -1;
    int status_ = -1;
    bool ended_ = false;
};

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

// The lines of `text` that are not empty.
std::vector<std::string> linesOf(const std::string& text);
// The same without the lines of lessons and awards ("lesson <id>", "award <id> <title>"): the
// results of play.
std::vector<std::string> playLines(const std::string& text);

// What a shell command printed.
std::string output(const std::string& command);

// A copy of the game's run folder (executable and content) to break things in.
std::string copyRunFolder(const std::string& from, const std::string& to);

// The value of `key=` in a trace line ("" when it has none).
std::string traceField(const std::string& line, const std::string& key);

// A PNG screenshot (empty when it cannot be read), and the mean of (r + g + b) / 3 over a
// rectangle of it.
media::Image readPng(const std::string& path);
double brightness(const media::Image& image, int x0, int y0, int w, int h);
} // namespace e2e
