// Level design checked on every build: each shipped quest level, dealt as the quest deals it
// there with a hundred seeds, is decided by the solver, and the share of deals that can be
// cleared must reach the floor of its stage. Each level is a test of its own (they run side by
// side) and prints its share.
#include "RunGame.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

namespace
{
const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;

constexpr int deals = 100;

// The least share of winnable deals a level of each stage must have (the last holds for every
// later stage).
constexpr double floorByStage[] = {0.90, 0.80, 0.70, 0.65, 0.55, 0.50, 0.40, 0.35};

double floorOf(int stage)
{
    const auto count = static_cast<int>(std::size(floorByStage));
    return floorByStage[std::clamp(stage, 1, count) - 1];
}

struct QuestLevel
{
    std::string path;
    int stage = 0;
};

void PrintTo(const QuestLevel& level, std::ostream* out)
{
    *out << level.path;
}

std::vector<QuestLevel> questLevels()
{
    std::vector<QuestLevel> levels;
    const std::regex place(R"(data/levels/stage-([0-9]+)/level-[0-9]+\.lvl)");
    std::filesystem::path root = std::filesystem::path(runDir) / "data/levels";
    if (std::filesystem::exists(root)) {
        for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
            const std::string path = std::filesystem::relative(e.path(), runDir).generic_string();
            std::smatch m;
            if (std::regex_match(path, m, place))
                levels.push_back({path, std::stoi(m[1].str())});
        }
    }
    std::sort(levels.begin(), levels.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    return levels;
}

class LevelDesign : public ::testing::TestWithParam<QuestLevel>
{};

TEST_P(LevelDesign, HasEnoughWinnableDeals)
{
    const QuestLevel& level = GetParam();
    const std::regex summary(R"(solve (\S+) deals ([0-9]+) winnable ([0-9]+) share [0-9.]+)");
    e2e::Run run =
        e2e::runGame(game, {"--solve", level.path, "--seed", "1", "--deals", std::to_string(deals)}, runDir);
    ASSERT_FALSE(run.timedOut) << level.path;
    ASSERT_EQ(run.status, 0) << level.path << ": " << run.err;
    std::istringstream lines(run.out);
    int winnable = -1;
    int unknown = 0;
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_match(line, m, summary) && m[1] == level.path && std::stoi(m[2].str()) == deals)
            winnable = std::stoi(m[3].str());
        unknown += line.find(" winnable unknown ") != std::string::npos ? 1 : 0;
    }
    ASSERT_GE(winnable, 0) << level.path << ": no summary line in\n" << run.out;
    const double share = static_cast<double>(winnable) / deals;
    std::printf("level design: %s winnable %d of %d (%.0f %%), undecided %d, floor %.0f %%\n",
                level.path.c_str(), winnable, deals, share * 100, unknown, floorOf(level.stage) * 100);
    EXPECT_GE(share, floorOf(level.stage)) << level.path << ": too few deals can be cleared";
}

// Every stage of the quest ships its levels.
TEST(LevelDesignQuest, EveryStageHasItsTenLevels)
{
    const std::vector<QuestLevel> levels = questLevels();
    ASSERT_FALSE(levels.empty()) << "no quest levels under " << runDir;
    std::map<int, int> perStage;
    for (const QuestLevel& level : levels)
        ++perStage[level.stage];
    EXPECT_EQ(perStage.size(), std::size(floorByStage));
    for (const auto& [stage, count] : perStage)
        EXPECT_EQ(count, 10) << "stage " << stage;
}

INSTANTIATE_TEST_SUITE_P(Quest, LevelDesign, ::testing::ValuesIn(questLevels()),
                         [](const ::testing::TestParamInfo<QuestLevel>& info) {
                             std::string name;
                             for (char c : info.param.path)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });
} // namespace
