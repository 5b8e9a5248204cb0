// eldmere --solve: a line per deal in a fixed form, the same answers every run, the summary's
// share, and a level that cannot be read answered "unknown" with the loader's message.
#include "RunGame.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// A deal's line without its time, which is the one part that may differ between runs.
std::string withoutTime(const std::string& line)
{
    return line.substr(0, line.rfind(" ms "));
}

TEST(Solve, PrintsALinePerDealAndTheShareTheSameEveryRun)
{
    const std::vector<std::string> args{
        "--solve", "data/levels/stage-01/level-01.lvl", "--seed", "11", "--deals", "3"};
    e2e::Run first = e2e::runGame(game, args, runDir);
    e2e::Run second = e2e::runGame(game, args, runDir);
    ASSERT_EQ(first.status, 0) << first.err;
    ASSERT_EQ(second.status, 0) << second.err;
    const auto a = linesOf(first.out);
    const auto b = linesOf(second.out);
    ASSERT_EQ(a.size(), 4u) << first.out;
    ASSERT_EQ(b.size(), 4u) << second.out;
    const std::regex deal(
        R"(solve data/levels/stage-01/level-01\.lvl seed (11|12|13) winnable (yes|no|unknown) )"
        R"(cards-left-min [0-9]+ nodes [0-9]+ ms [0-9]+)");
    int yes = 0;
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        EXPECT_TRUE(std::regex_match(a[i], deal)) << a[i];
        EXPECT_NE(a[i].find("seed " + std::to_string(11 + k) + " "), std::string::npos) << a[i];
        EXPECT_EQ(withoutTime(a[i]), withoutTime(b[i]));
        // A cleared deal leaves nothing; any other leaves something.
        const bool cleared = a[i].find("winnable yes") != std::string::npos;
        EXPECT_EQ(cleared, a[i].find("cards-left-min 0 ") != std::string::npos) << a[i];
        yes += cleared ? 1 : 0;
    }
    char summary[128];
    std::snprintf(summary, sizeof summary,
                  "solve data/levels/stage-01/level-01.lvl deals 3 winnable %d share %.2f", yes, yes / 3.0);
    EXPECT_EQ(a[3], summary);
    EXPECT_EQ(a[3], b[3]);
}

TEST(Solve, ALevelThatCannotBeReadIsUnknownAndNamed)
{
    e2e::Run run = e2e::runGame(game, {"--solve", "data/levels/no-such-level.lvl"}, runDir);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("solve data/levels/no-such-level.lvl seed 1 winnable unknown"), std::string::npos)
        << run.out;
    EXPECT_NE(run.err.find("no-such-level.lvl"), std::string::npos) << run.err;
}
} // namespace
