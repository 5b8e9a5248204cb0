// StartupBench.cpp: the game started as a player starts it (a new process, headless, with a
// fresh user folder), timed from the moment it is launched to its first picture and to the
// first frame of the title screen (every screen and its content loaded, the players read). The game tells
// both moments on the monotonic clock
// (--timings), so process creation and library loading count too.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace
{
using Clock = std::chrono::steady_clock;

struct Moments
{
    std::optional<long long> firstPicture; // monotonic nanoseconds
    std::optional<long long> interactive;
};

std::optional<long long> momentOf(const std::string& output, const std::string& stage)
{
    const std::string key = "startup: " + stage + " after ";
    const auto at = output.find(key);
    if (at == std::string::npos)
        return std::nullopt;
    const auto clock = output.find("monotonic clock ", at);
    if (clock == std::string::npos)
        return std::nullopt;
    return std::atoll(output.c_str() + clock + 16);
}

// Runs the game once; false and `error` when it could not run or told no times.
bool runOnce(const std::string& userDir, Moments& moments, Clock::time_point& launched, std::string& error)
{
    const std::string game = std::string(ELDMERE_RUN_DIR) + "/eldmere";
    std::vector<std::string> args{game, "--headless", "--frames", "1", "--timings", "--user-dir", userDir};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        error = "no pipe";
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    launched = Clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, game.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        error = "cannot start " + game;
        return false;
    }
    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    moments.firstPicture = momentOf(output, "first picture");
    moments.interactive = momentOf(output, "interactive");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !moments.firstPicture || !moments.interactive) {
        error = "the game did not start cleanly: " + output;
        return false;
    }
    return true;
}

void StartupHeadless(benchmark::State& state)
{
    const auto userDir =
        std::filesystem::temp_directory_path() / ("eldmere-startup-" + std::to_string(getpid()));
    std::vector<double> firstPicture;
    std::vector<double> interactive;
    for (auto _ : state) {
        // Every start is a first start: no settings or profiles from the one before.
        std::filesystem::remove_all(userDir);
        Moments moments;
        Clock::time_point launched;
        std::string error;
        if (!runOnce(userDir.string(), moments, launched, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        const long long from =
            std::chrono::duration_cast<std::chrono::nanoseconds>(launched.time_since_epoch()).count();
        firstPicture.push_back((*moments.firstPicture - from) / 1e9);
        interactive.push_back((*moments.interactive - from) / 1e9);
        state.SetIterationTime(interactive.back());
    }
    std::filesystem::remove_all(userDir);
    if (interactive.empty())
        return;
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    state.counters["first_picture_s"] = median(firstPicture);
    state.counters["interactive_s"] = median(interactive);
}
BENCHMARK(StartupHeadless)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
} // namespace
