// SolverBench.cpp: how long the solver takes to decide a deal of the largest shipped level (the
// most table cards), over forty deals, and of every shipped level, over five deals each: the
// median and the worst deal, and positions looked at per second; and the longest the "winnable deals only"
// dealer holds the game up on the level with the fewest winnable deals.
#include "BenchProgram.hpp"

#include "levels/LevelLayout.hpp"
#include "levels/Levels.hpp"
#include "levels/TLevel.hpp"
#include "rules/Solver.hpp"
#include "screens/WinnableDeal.hpp"
#include "support/RunFolder.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace
{
constexpr int dealsPerLevel = 40;
// Deals of each of the eighty shipped levels, where every level is looked at.
constexpr std::uint32_t dealsPerShippedLevel = 5;

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The shipped level with the most table cards.
std::string largestLevel()
{
    std::string largest;
    std::size_t most = 0;
    for (const std::string& path : testing_support::filesUnder("data/levels", {".lvl"})) {
        auto level = loadLevelFile(path, 0, 0, 0);
        if (level && level->cards.size() > most) {
            most = level->cards.size();
            largest = path;
        }
    }
    return largest;
}

// Decides every deal once per iteration; the median and worst deal of the last iteration.
void decide(benchmark::State& state, const std::vector<rules::Board>& deals)
{
    std::vector<double> ms;
    long long nodes = 0;
    double seconds = 0;
    int winnable = 0;
    for (auto _ : state) {
        ms.clear();
        winnable = 0;
        for (const rules::Board& deal : deals) {
            const auto start = Clock::now();
            const rules::SolveResult result = rules::solve(deal);
            ms.push_back(msSince(start));
            nodes += result.nodes;
            winnable += result.winnable == rules::Verdict::Yes ? 1 : 0;
            benchmark::DoNotOptimize(result);
        }
        for (double m : ms)
            seconds += m / 1000;
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["nodes_per_s"] = seconds > 0 ? static_cast<double>(nodes) / seconds : 0;
    state.counters["winnable_share"] = static_cast<double>(winnable) / static_cast<double>(deals.size());
}

// Deals of the levels with seeds 1 to `seeds`, as the board stands at the first move.
std::vector<rules::Board> dealsOf(const std::vector<std::string>& paths, std::uint32_t seeds)
{
    std::vector<rules::Board> deals;
    for (const std::string& path : paths) {
        for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
            media::random().seed(seed);
            if (auto level = loadLevelFile(path, 1, 1, 1); level && !level->cards.empty())
                deals.push_back(rules::dealtForPlay(layoutOf(*level)));
        }
    }
    return deals;
}

void SolverDecidesADealOfTheLargestLevel(benchmark::State& state)
{
    std::vector<rules::Board> deals;
    std::string path;
    {
        bench::BenchProgram setup(media::Backend::Null);
        if (!setup.ok()) {
            state.SkipWithError(setup.error().c_str());
            return;
        }
        path = largestLevel();
        deals = dealsOf({path}, dealsPerLevel);
    }
    if (deals.empty()) {
        state.SkipWithError("no levels in the run folder");
        return;
    }
    decide(state, deals);
    state.SetLabel(path);
}
BENCHMARK(SolverDecidesADealOfTheLargestLevel)->Unit(benchmark::kMillisecond);

void SolverDecidesDealsOfEveryShippedLevel(benchmark::State& state)
{
    std::vector<rules::Board> deals;
    {
        bench::BenchProgram setup(media::Backend::Null);
        if (!setup.ok()) {
            state.SkipWithError(setup.error().c_str());
            return;
        }
        deals = dealsOf(testing_support::filesUnder("data/levels", {".lvl"}), dealsPerShippedLevel);
    }
    if (deals.empty()) {
        state.SkipWithError("no levels in the run folder");
        return;
    }
    decide(state, deals);
    state.SetLabel(std::to_string(deals.size()) + " deals");
}
BENCHMARK(SolverDecidesDealsOfEveryShippedLevel)->Unit(benchmark::kMillisecond);

// The level whose deals are least often winnable makes the dealer try hardest. It is looked for
// in the quest's last stage, the hardest by design, over twenty deals of each level.
void WinnableDealerOnTheHardestLevel(benchmark::State& state)
{
    bench::BenchProgram setup(media::Backend::Null);
    if (!setup.ok()) {
        state.SkipWithError(setup.error().c_str());
        return;
    }
    std::vector<std::string> levels = testing_support::filesUnder("data/levels", {".lvl"});
    std::sort(levels.begin(), levels.end());
    const std::string lastStage =
        levels.empty() ? std::string() : levels.back().substr(0, levels.back().find_last_of('/') + 1);
    constexpr std::uint32_t seeds = 20;
    std::string hardest;
    double lowest = 2;
    for (const std::string& path : levels) {
        if (path.rfind(lastStage, 0) != 0)
            continue;
        int yes = 0;
        for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
            media::random().seed(seed);
            if (auto level = loadLevelFile(path, 1, 1, 1))
                yes += rules::solve(rules::dealtForPlay(layoutOf(*level))).winnable == rules::Verdict::Yes
                           ? 1
                           : 0;
        }
        const double share = yes / static_cast<double>(seeds);
        if (share < lowest) {
            lowest = share;
            hardest = path;
        }
    }
    auto deal = [&hardest]() -> std::shared_ptr<TLevel> { return loadLevelFile(hardest, 1, 1, 1); };
    auto layout = [](const TLevel& level) { return layoutOf(level); };
    double worst = 0;
    int kept = 0;
    int dealt = 0;
    for (auto _ : state) {
        for (std::uint32_t seed = 1; seed <= dealsPerLevel; ++seed) {
            media::random().seed(seed);
            const auto start = Clock::now();
            const ChosenDeal chosen = dealWinnable(deal, layout);
            worst = std::max(worst, msSince(start));
            kept += chosen.verdict == rules::Verdict::Yes ? 1 : 0;
            ++dealt;
        }
    }
    state.counters["worst_ms"] = worst;
    state.counters["winnable_kept_share"] = dealt > 0 ? static_cast<double>(kept) / dealt : 0;
    state.SetLabel(hardest);
}
BENCHMARK(WinnableDealerOnTheHardestLevel)->Unit(benchmark::kMillisecond);
} // namespace
