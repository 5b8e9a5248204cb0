// CoverBench.cpp: the uncover test over the largest shipped level, as the rules run it after
// every play, and the shapes of its cards compared once when it is dealt.
#include "cards/Cards.hpp"
#include "levels/LevelLayout.hpp"
#include "levels/Levels.hpp"
#include "rules/Board.hpp"
#include "screens/TProfileManager.hpp"
#include "support/TestProgram.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace
{
// The shipped level with the most table cards, loaded as the game deals it.
class LargestLevel
{
public:
    LargestLevel() : here_(ELDMERE_RUN_DIR)
    {
        program_.program().profileManager = std::make_unique<TProfileManager>();
        program_.program().profileManager->useGuestProfile();
        loadCards();
        for (const auto& entry : std::filesystem::recursive_directory_iterator("data/levels")) {
            if (entry.path().extension() != ".lvl")
                continue;
            auto candidate = loadLevelFile(entry.path().generic_string(), 1, 0, 0);
            if (!level || candidate->cards.size() > level->cards.size()) {
                level = std::move(candidate);
                path = entry.path().generic_string();
            }
        }
    }

    std::unique_ptr<TLevel> level;
    std::string path;

private:
    testing_support::TestProgram program_;
    testing_support::InFolder here_;
};

void CheckCoverLargestLevel(benchmark::State& state)
{
    LargestLevel largest;
    if (!largest.level) {
        state.SkipWithError("no levels in the run folder");
        return;
    }
    rules::Board board(layoutOf(*largest.level));
    board.deal();
    for (auto _ : state)
        board.CHECK_Cover(0);
    state.SetLabel(largest.path + ", " + std::to_string(largest.level->cards.size()) + " cards");
}
BENCHMARK(CheckCoverLargestLevel)->Unit(benchmark::kMicrosecond);

void LayoutOfLargestLevel(benchmark::State& state)
{
    LargestLevel largest;
    if (!largest.level) {
        state.SkipWithError("no levels in the run folder");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(layoutOf(*largest.level));
    state.SetLabel(largest.path + ", every pair of card shapes compared");
}
BENCHMARK(LayoutOfLargestLevel)->Unit(benchmark::kMicrosecond);
} // namespace
