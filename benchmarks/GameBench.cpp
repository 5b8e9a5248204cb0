// GameBench.cpp: the game screen while our own player plays: the time of one frame drawn
// headless, and how many levels a second are played with drawing off.
#include "BenchProgram.hpp"

#include "levels/Levels.hpp"
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

void deal(TMainGame& game, int n)
{
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
        auto start = std::chrono::steady_clock::now();
        playFrame(game, levels, true);
        frameMs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(frameMs.begin(), frameMs.end());
    state.counters["median_ms"] = frameMs.empty() ? 0 : frameMs[frameMs.size() / 2];
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
} // namespace

namespace
{
// The busiest frames: the celebration of a perfect level on the largest shipped level, headless.
void PerfectCelebrationFrame(benchmark::State& state)
{
    bench::BenchProgram setup(media::Backend::Headless);
    if (!setup.ok()) {
        state.SkipWithError(setup.error().c_str());
        return;
    }
    TMainGame& game = *setup.program().mainGame;
    ScreenScope running(&game);
    std::vector<double> frameMs;
    std::size_t mostEmitters = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The three peaks (28 cards), its table cleared before the deal: the level ends perfect
        // as soon as its first deck card lands.
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
            frameMs.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            mostEmitters = std::max(mostEmitters, game.levelInPlay()->effects.emitters.size());
        }
        state.PauseTiming();
        game.finish();
        state.ResumeTiming();
    }
    std::sort(frameMs.begin(), frameMs.end());
    state.counters["median_ms"] = frameMs.empty() ? 0 : frameMs[frameMs.size() / 2];
    state.counters["max_ms"] = frameMs.empty() ? 0 : frameMs.back();
    state.counters["emitters"] = static_cast<double>(mostEmitters);
}
BENCHMARK(PerfectCelebrationFrame)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace
