// eldmere --solve: a line per deal in a fixed form, the same answers every run, the summary's
// share, and a level that cannot be read answered "unknown" with the loader's message. With
// --replay the solver's line is played on the game screen and leaves the cards it said it
// would; --autoplay=solver never leaves more than our greedy player.
#include "RunGame.hpp"

#include "support/TempFolder.hpp"

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

TEST(Solve, ALevelThatCannotBeReadOrPlayedIsUnknownAndNamed)
{
    testing_support::TempFolder t;
    const std::string garbled = t.write("garbled.lvl", "this is not a level {{{\n");
    const std::string noCards =
        t.write("no-cards.lvl", "level {\n\tdeck {\n\t\ti = 1\n\t\tdeckCard1 = 5\n\t}\n}\n");
    for (const std::string& path : {std::string("data/levels/no-such-level.lvl"), garbled, noCards}) {
        for (bool replay : {false, true}) {
            std::vector<std::string> args{"--solve", path};
            if (replay)
                args.insert(args.end(), {"--replay", "--headless", "--fixed-step", "--user-dir", t / "user"});
            e2e::Run run = e2e::runGame(game, args, runDir, {}, 30);
            ASSERT_FALSE(run.timedOut) << path;
            EXPECT_EQ(run.status, 0) << path << run.err;
            EXPECT_NE(run.out.find("solve " + path + " seed 1 winnable unknown"), std::string::npos)
                << run.out;
            EXPECT_EQ(run.out.find("level "), std::string::npos) << "nothing was played: " << run.out;
            EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
        }
    }
}

// The word after `key` in the first line that starts with `start`, or "" when there is none.
std::string fieldOf(const std::string& out, const std::string& start, const std::string& key)
{
    for (const std::string& line : linesOf(out)) {
        if (line.rfind(start, 0) != 0)
            continue;
        std::istringstream words(line);
        for (std::string word; words >> word;) {
            if (word == key && words >> word)
                return word;
        }
    }
    return "";
}

struct ReplayCase
{
    const char* level;
    const char* seed;
    const char* what;
};

void PrintTo(const ReplayCase& c, std::ostream* os)
{
    *os << c.level << " seed " << c.seed << " (" << c.what << ")";
}

class Replay : public ::testing::TestWithParam<ReplayCase>
{};

TEST_P(Replay, TheGameScreenLeavesTheCardsTheSolverSaid)
{
    const ReplayCase& c = GetParam();
    testing_support::TempFolder t;
    e2e::Run run = e2e::runGame(game,
                                {"--solve", c.level, "--seed", c.seed, "--replay", "--headless",
                                 "--fixed-step", "--user-dir", t / "user"},
                                runDir);
    ASSERT_FALSE(run.timedOut) << run.out;
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string solvedLeft = fieldOf(run.out, "solve ", "cards-left-min");
    const std::string verdict = fieldOf(run.out, "solve ", "winnable");
    ASSERT_FALSE(solvedLeft.empty()) << run.out;
    EXPECT_EQ(fieldOf(run.out, "level ", "cards-left"), solvedLeft) << run.out;
    EXPECT_EQ(verdict == "yes", solvedLeft == "0") << run.out;
    // The answer is the one --solve gives for that seed.
    e2e::Run solve = e2e::runGame(game, {"--solve", c.level, "--seed", c.seed}, runDir);
    EXPECT_EQ(withoutTime(linesOf(solve.out).at(0)), withoutTime(linesOf(run.out).at(0)));
}

INSTANTIATE_TEST_SUITE_P(
    Levels, Replay,
    ::testing::Values(ReplayCase{"data/levels/stage-01/level-02.lvl", "2",
                                 "the lesson: cards before the deck"},
                      ReplayCase{"data/levels/stage-01/level-05.lvl", "1", "lost by one card"},
                      ReplayCase{"data/levels/stage-01/level-08.lvl", "1", "the hammer and rocks, lost"},
                      ReplayCase{"data/levels/stage-01/level-08.lvl", "2", "the hammer and rocks, cleared"},
                      ReplayCase{"data/levels/stage-01/level-09.lvl", "3", "ice and snow, cleared"},
                      ReplayCase{"data/levels/stage-01/level-10.lvl", "1", "cleared"}),
    [](const ::testing::TestParamInfo<ReplayCase>& info) {
        std::string name = std::string(info.param.level) + "_seed_" + info.param.seed;
        for (char& ch : name)
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return name;
    });

TEST(Replay, NeedsOneDealToSolve)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--replay", "--headless"},
          std::vector<std::string>{"--solve", "data/levels/stage-01/level-01.lvl", "--deals", "2",
                                   "--replay"}}) {
        e2e::Run run = e2e::runGame(game, args, runDir);
        EXPECT_EQ(run.status, 2) << run.out; // a command line refused
        EXPECT_NE(run.err.find("--replay"), std::string::npos) << run.err;
    }
}

TEST(AutoplaySolver, NeverLeavesMoreThanOurGreedyPlayerAndOftenFewer)
{
    testing_support::TempFolder t;
    int fewer = 0;
    for (const char* level : {"data/levels/stage-01/level-01.lvl", "data/levels/stage-01/level-05.lvl",
                              "data/levels/stage-01/level-07.lvl", "data/levels/stage-01/level-09.lvl"}) {
        auto leftWith = [&](const std::string& autoplay) {
            e2e::Run run = e2e::runGame(game,
                                        {"--headless", "--fixed-step", "--seed", "11", autoplay, "--level",
                                         level, "--user-dir", t / "user"},
                                        runDir);
            EXPECT_EQ(run.status, 0) << run.err;
            const std::string left = fieldOf(run.out, "level ", "cards-left");
            EXPECT_FALSE(left.empty()) << run.out;
            return left.empty() ? -1 : std::stoi(left);
        };
        const int greedy = leftWith("--autoplay");
        const int solver = leftWith("--autoplay=solver");
        EXPECT_LE(solver, greedy) << level;
        fewer += solver < greedy ? 1 : 0;
    }
    EXPECT_GE(fewer, 2);
}
} // namespace
