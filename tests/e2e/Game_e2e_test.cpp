// The real program playing: our own player through every shipped level, and a scripted first
// move on a small level.
#include "RunGame.hpp"

#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace
{
using e2e::brightness;
using e2e::readPng;
using testing_support::TempFolder;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;
const std::string fixtures = ELDMERE_TEST_FIXTURES;

std::vector<std::string> shippedLevels()
{
    std::vector<std::string> levels;
    std::filesystem::path root = std::filesystem::path(runDir) / "data/levels";
    if (std::filesystem::exists(root)) {
        for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
            if (e.path().extension() == ".lvl")
                levels.push_back(std::filesystem::relative(e.path(), runDir).generic_string());
        }
    }
    std::sort(levels.begin(), levels.end());
    return levels;
}

// The result lines our player reached on every shipped level with seed 11, kept beside this
// test: a change to the rules or the levels shows here first.
std::map<std::string, std::string> expectedResults()
{
    std::map<std::string, std::string> lines;
    std::ifstream in(fixtures + "/autoplay-results.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string word, path;
        words >> word >> path;
        if (word == "level")
            lines[path] = line;
    }
    return lines;
}

class AutoplayEveryLevel : public ::testing::TestWithParam<std::string>
{};

TEST_P(AutoplayEveryLevel, PlaysToTheEndWithTheRecordedResult)
{
    TempFolder t;
    e2e::Run run = e2e::runGame(game,
                                {"--headless", "--fixed-step", "--seed", "11", "--autoplay", "--level",
                                 GetParam(), "--user-dir", t / "user"},
                                runDir, {}, 240);
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string line = run.out.substr(0, run.out.find('\n'));
    ASSERT_EQ(line.rfind("level " + GetParam() + " score ", 0), 0u) << run.out;
    auto expected = expectedResults();
    ASSERT_TRUE(expected.count(GetParam())) << "no recorded result; this run gave:\n" << line;
    EXPECT_EQ(line, expected[GetParam()]);
}

INSTANTIATE_TEST_SUITE_P(Shipped, AutoplayEveryLevel, ::testing::ValuesIn(shippedLevels()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name;
                             for (char c : info.param)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(Game, APerfectLevelIsCelebrated)
{
    TempFolder t;
    // With this seed our player clears level 2 at about frame 350.
    e2e::Run run = e2e::runGame(game,
                                {"--headless", "--fixed-step", "--seed", "11", "--autoplay", "--level",
                                 "data/levels/stage-01/level-02.lvl", "--frames", "418", "--screenshot",
                                 t / "perfect.png", "--user-dir", t / "user"},
                                runDir);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_NE(run.out.find("cards-left 0"), std::string::npos) << run.out;
    media::Image shot = readPng(t / "perfect.png");
    ASSERT_FALSE(shot.empty());
    // The gold caption in the middle, and streams of coloured light across the table.
    int gold = 0;
    int lights = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const std::uint8_t* p = shot.pixel(x, y);
            bool inCaption = x > 300 && x < 720 && y > 330 && y < 440;
            if (inCaption && p[0] > 200 && p[1] > 140 && p[2] < 120)
                ++gold;
            int top = std::max({p[0], p[1], p[2]});
            int bottom = std::min({p[0], p[1], p[2]});
            if (!inCaption && top > 200 && top - bottom > 100)
                ++lights;
        }
    }
    EXPECT_GT(gold, 3000);
    EXPECT_GT(lights, 1500);
}

TEST(Game, AScriptedFirstMovePlaysTheLeftCard)
{
    TempFolder t;
    // Both table cards follow the 5 that is turned from the deck, whatever the shuffle.
    std::ofstream(t / "input.txt") << "100 move 300 330\n101 click left 300 330\n";
    std::vector<std::string> common{
        "--headless", "--fixed-step", "--seed",  "4",
        "--user-dir", t / "user",     "--level", fixtures + "/levels/first-move.lvl"};
    std::vector<std::string> played = common;
    played.insert(played.end(),
                  {"--frames", "180", "--input", t / "input.txt", "--screenshot", t / "played.png"});
    std::vector<std::string> still = common;
    still.insert(still.end(), {"--frames", "180", "--screenshot", t / "still.png"});
    e2e::Run a = e2e::runGame(game, played, runDir);
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(e2e::runGame(game, still, runDir).status, 0);
    media::Image after = readPng(t / "played.png");
    media::Image before = readPng(t / "still.png");
    ASSERT_FALSE(after.empty());
    // The left card has gone from the table...
    EXPECT_GT(brightness(before, 270, 280, 60, 100), 150);
    EXPECT_LT(brightness(after, 270, 280, 60, 100), 90);
    // ...the right one is still there...
    EXPECT_GT(brightness(after, 694, 280, 60, 100), 150);
    // ...and lies on the spot now, over the 5 (spot at x 603, y 685).
    EXPECT_GT(brightness(after, 573, 640, 60, 90), 120);
    EXPECT_GT(std::abs(brightness(after, 573, 640, 60, 90) - brightness(before, 573, 640, 60, 90)), 2);
}
} // namespace
