// The tutorial as a new player meets it, headless: our own player starts from the title screen
// with a fresh user folder and plays the first levels of stage 1; the lessons of those levels
// come up in turn, our player closes each at its OK, and the player's file keeps only the
// lessons still to come. With noTutorial.txt in the game's folder no lesson ever shows.
#include "RunGame.hpp"

#include "data/DataFiles.hpp"
#include "data/TRCMFile.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
using testing_support::TempFolder;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;
const std::string annaFolder = "/Profiles/65-78-78-65-/";

std::vector<std::string> autoplay(const std::string& userDir, int frames)
{
    return {"--headless", "--fixed-step", "--seed", "3",          "--frames", std::to_string(frames),
            "--autoplay", "--profile",    "anna",   "--user-dir", userDir};
}

// The lessons the player's file still holds as to come.
std::vector<std::string> pendingLessons(const std::string& userDir)
{
    TRCMFile player = loadDataFile(userDir + annaFolder + "profile.dat");
    std::vector<std::string> ids;
    const int n = player.getInt("profile::tutorial::i");
    for (int k = 1; k <= n; ++k)
        ids.push_back(player.getString("profile::tutorial::tut" + std::to_string(k)));
    return ids;
}

bool holds(const std::vector<std::string>& list, const std::string& id)
{
    return std::find(list.begin(), list.end(), id) != list.end();
}

TEST(Tutorial, TheFirstLevelsTeachTheirLessonsInTurnAndEachLeavesTheList)
{
    TempFolder t;
    // With this seed the first three levels of stage 1 are over by frame 3 000.
    e2e::Run run = e2e::runGame(game, autoplay(t / "user", 3000), runDir, {}, 240);
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = e2e::linesOf(run.out);
    // The opening lessons before the first level's line, the summary's after it (once the award
    // of the clean table has been given), the sword's on level 2 (its level holds one).
    const std::vector<std::string> expected = {
        "lesson START",
        "lesson DECK",
        "level data/levels/stage-01/level-01.lvl",
        "award 8 Clean Table",
        "lesson SUMMARY",
        "lesson WILD-CARDS",
        "level data/levels/stage-01/level-02.lvl",
        "level data/levels/stage-01/level-03.lvl",
    };
    ASSERT_EQ(lines.size(), expected.size()) << run.out;
    for (std::size_t k = 0; k < lines.size(); ++k)
        EXPECT_EQ(lines[k].rfind(expected[k], 0), 0u) << lines[k];

    const std::vector<std::string> pending = pendingLessons(t / "user");
    for (const char* shown : {"START", "DECK", "SUMMARY", "WILD-CARDS"})
        EXPECT_FALSE(holds(pending, shown)) << shown;
    // Still to come: the highlight switch on level 4, the shop, the rocks ... and the skipped
    // card's lesson, which never leaves the list.
    for (const char* toCome : {"CARDS", "SHOP", "ROCKS", "POMINIETA"})
        EXPECT_TRUE(holds(pending, toCome)) << toCome;
}

TEST(Tutorial, TheFirstLessonLiesOverTheStillGame)
{
    TempFolder t;
    // The first lesson has fully come in by frame 457, and our player has not yet closed it.
    e2e::Run run =
        e2e::runGame(game,
                     {"--headless", "--fixed-step", "--seed", "3", "--frames", "457", "--autoplay",
                      "--profile", "anna", "--user-dir", t / "user", "--screenshot", t / "lesson.png"},
                     runDir, {}, 120);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(e2e::linesOf(run.out), std::vector<std::string>{"lesson START"});
    const media::Image shot = e2e::readPng(t / "lesson.png");
    ASSERT_EQ(shot.width, 1024);
    // Light parchment where the green table would be, and the table dimmed beside it.
    EXPECT_GT(e2e::brightness(shot, 262, 462, 30, 30), 170);
    EXPECT_LT(e2e::brightness(shot, 40, 480, 60, 60), 45);
}

TEST(Tutorial, NoLessonShowsWithNoTutorialInTheGamesFolder)
{
    TempFolder t;
    const std::string folder = e2e::copyRunFolder(runDir, t / "run");
    std::ofstream(std::filesystem::path(folder) / "noTutorial.txt") << "";
    e2e::Run run = e2e::runGame(folder + "/eldmere", autoplay(t / "user", 1500), folder, {}, 240);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = e2e::linesOf(run.out);
    ASSERT_FALSE(lines.empty());
    for (const std::string& line : lines)
        EXPECT_EQ(line.rfind("lesson", 0), std::string::npos) << line;
    EXPECT_EQ(lines.front().rfind("level data/levels/stage-01/level-01.lvl", 0), 0u);
    // Nothing was taken off the list.
    EXPECT_TRUE(holds(pendingLessons(t / "user"), "START"));
}
} // namespace
