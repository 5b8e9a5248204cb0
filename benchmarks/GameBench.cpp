// GameBench.cpp: the game screen while our own player plays: the time of an ordinary frame drawn
// headless, how many levels a second are played with drawing off, and the busiest frames there
// are: the peak of a perfect level's celebration.
#include "BenchProgram.hpp"

#include "levels/Levels.hpp"
#include "media/Platform.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Frame.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace
{
const char* levelFiles[] = {"data/levels/stage-01/level-01.lvl", "data/levels/stage-01/level-05.lvl",
                            "data/levels/stage-01/level-08.lvl", "data/levels/stage-01/level-10.lvl"};

// The n-th level of a run is always the same deal, whatever came before it.
void deal(TMainGame& game, int n)
{
    media::random().seed(static_cast<std::uint32_t>(1000 + n));
    game.setLevel(loadLevelFile(levelFiles[n % 4], 1, 1, 1));
    game.prepare();
}

// One frame of play; a level that has ended is followed by the next.
void playFrame(TMainGame& game, int& levels, bool drawing)
{
    game.update();
    if (drawing)
        game.draw();
    endFrame(true);
    if (game.fadedOut()) {
        game.finish();
        deal(game, ++levels);
    }
}

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The value at fraction q of the sorted times (0 with none).
double percentile(std::vector<double> ms, double q)
{
    if (ms.empty())
        return 0;
    std::sort(ms.begin(), ms.end());
    return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
}

// Frames of play, headless: only frames spent playing count (not the level summary that runs
// inside the frame that ends a level).
void GameFrameHeadless(benchmark::State& state)
{
    bench::BenchProgram setup(media::Backend::Headless);
    if (!setup.ok()) {
        state.SkipWithError(setup.error().c_str());
        return;
    }
    setup.program().enableAutoPlayer();
    TMainGame& game = *setup.program().mainGame;
    ScreenScope running(&game);
    int levels = 0;
    deal(game, levels);
    std::vector<double> frameMs;
    for (auto _ : state) {
        const bool playing = game.state == GameState::Normal;
        auto start = std::chrono::steady_clock::now();
        playFrame(game, levels, true);
        if (playing && game.state == GameState::Normal)
            frameMs.push_back(millisecondsSince(start));
    }
    state.counters["median_ms"] = percentile(frameMs, 0.5);
    state.counters["p95_ms"] = percentile(frameMs, 0.95);
    state.counters["levels"] = levels;
}
BENCHMARK(GameFrameHeadless)->Unit(benchmark::kMillisecond)->Iterations(1500);

void LevelsPerSecondDrawingOff(benchmark::State& state)
{
    bench::BenchProgram setup(media::Backend::Null);
    if (!setup.ok()) {
        state.SkipWithError(setup.error().c_str());
        return;
    }
    setup.program().enableAutoPlayer();
    TMainGame& game = *setup.program().mainGame;
    ScreenScope running(&game);
    int levels = 0;
    deal(game, levels);
    for (auto _ : state) {
        const int target = levels + 1;
        while (levels < target)
            playFrame(game, levels, false);
    }
    state.counters["levels_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(LevelsPerSecondDrawingOff)->Unit(benchmark::kMillisecond)->Iterations(8);

// The busiest frames: a perfect level's three celebrations on the largest shipped level,
// headless. Every frame of them is timed; the figures are those of the frames around the peak,
// where the most particles are alive at once.
void PerfectCelebrationPeak(benchmark::State& state)
{
    bench::BenchProgram setup(media::Backend::Headless);
    if (!setup.ok()) {
        state.SkipWithError(setup.error().c_str());
        return;
    }
    TMainGame& game = *setup.program().mainGame;
    ScreenScope running(&game);
    struct Frame
    {
        double ms;
        std::size_t particles;
    };
    std::vector<Frame> frames;
    std::size_t mostEmitters = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The three peaks (28 cards), its table cleared before the deal: the level ends perfect
        // as soon as its first deck card lands.
        media::random().seed(1);
        auto level = loadLevelFile(levelFiles[0], 1, 1, 1);
        level->cards.clear();
        game.setLevel(std::move(level));
        game.prepare();
        int levels = 0;
        while (game.state != GameState::Perfect)
            playFrame(game, levels, true);
        state.ResumeTiming();
        while (game.state == GameState::Perfect || game.state == GameState::Perfect2
               || game.state == GameState::Perfect3) {
            auto start = std::chrono::steady_clock::now();
            game.update();
            game.draw();
            endFrame(true);
            const Effects& fx = game.levelInPlay()->effects;
            frames.push_back({millisecondsSince(start), fx.particles.size()});
            mostEmitters = std::max(mostEmitters, fx.emitters.size());
        }
        state.PauseTiming();
        game.finish();
        state.ResumeTiming();
    }
    std::size_t peak = 0;
    for (const Frame& f : frames)
        peak = std::max(peak, f.particles);
    std::vector<double> atPeak;
    for (const Frame& f : frames) {
        if (f.particles * 10 >= peak * 9)
            atPeak.push_back(f.ms);
    }
    state.counters["peak_median_ms"] = percentile(atPeak, 0.5);
    state.counters["peak_max_ms"] = percentile(atPeak, 1.0);
    state.counters["particles"] = static_cast<double>(peak);
    state.counters["emitters"] = static_cast<double>(mostEmitters);
}
BENCHMARK(PerfectCelebrationPeak)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace
