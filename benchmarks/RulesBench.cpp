// RulesBench.cpp: our own player through the shipped levels with the rules alone: no screen,
// no flights, every ticket landed at once. Each level is dealt from a layout made beforehand.
#include "BenchProgram.hpp"

#include "levels/LevelLayout.hpp"
#include "levels/Levels.hpp"
#include "rules/AutoPlay.hpp"
#include "rules/Board.hpp"
#include "support/RunFolder.hpp"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{
void RulesLevelsPerSecond(benchmark::State& state)
{
    std::vector<rules::Layout> layouts;
    {
        bench::BenchProgram setup(media::Backend::Null);
        if (!setup.ok()) {
            state.SkipWithError(setup.error().c_str());
            return;
        }
        for (const std::string& path : testing_support::filesUnder("data/levels", {".lvl"}))
            layouts.push_back(layoutOf(*loadLevelFile(path, 1, 1, 1)));
    }
    if (layouts.empty()) {
        state.SkipWithError("no levels in the run folder");
        return;
    }
    std::size_t next = 0;
    long long cardsLeft = 0;
    for (auto _ : state) {
        rules::Board board(layouts[next]);
        board.deal();
        const rules::LevelEnd end = rules::playOut(board);
        cardsLeft += end.cardsLeft;
        benchmark::DoNotOptimize(end);
        next = (next + 1) % layouts.size();
    }
    state.counters["levels_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["cards_left_per_level"] =
        static_cast<double>(cardsLeft)
        / static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.SetLabel(std::to_string(layouts.size()) + " levels");
}
BENCHMARK(RulesLevelsPerSecond)->Unit(benchmark::kMicrosecond);
} // namespace
