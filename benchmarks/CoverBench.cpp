// CoverBench.cpp: the uncover test over the largest shipped level, as it runs after every play.
#include "cards/Cards.hpp"
#include "levels/Levels.hpp"
#include "media/Report.hpp"
#include "screens/TProfileManager.hpp"
#include "support/TestProgram.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace
{
void CheckCoverLargestLevel(benchmark::State& state)
{
    testing_support::TestProgram program;
    testing_support::InFolder here(ELDMERE_RUN_DIR);
    program.program().profileManager = std::make_unique<TProfileManager>();
    program.program().profileManager->useGuestProfile();
    loadCards();
    std::string largest;
    std::size_t most = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("data/levels")) {
        if (entry.path().extension() != ".lvl")
            continue;
        auto level = loadLevelFile(entry.path().generic_string(), 1, 0, 0);
        if (level->cards.size() > most) {
            most = level->cards.size();
            largest = entry.path().generic_string();
        }
    }
    if (largest.empty()) {
        state.SkipWithError("no levels in the run folder");
        return;
    }
    auto level = loadLevelFile(largest, 1, 0, 0);
    for (auto _ : state)
        level->CHECK_Cover(0);
    state.SetLabel(largest + ", " + std::to_string(most) + " cards");
}
BENCHMARK(CheckCoverLargestLevel)->Unit(benchmark::kMicrosecond);
} // namespace
