// The quest as a player meets it, headless: our own player starts from the title screen with a
// fresh user folder, skips the story, presses Play on the map, plays the first stage's ten
// levels through their summaries and comes back to the map of the next stage. The stage's line
// and the player's file must tell the same story. And the quest's end: the last level of the
// last stage, the outro and its credits, and the quest beginning anew.
#include "RunGame.hpp"

#include "data/DataFiles.hpp"
#include "data/TRCMFile.hpp"
#include "media/FileSystem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

namespace
{
using testing_support::TempFolder;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;
const std::string annaFolder = "/Profiles/65-78-78-65-/";

// The level records of one stage in the player's file, by level number: their scores.
std::map<int, long long> levelScores(const TRCMFile& player, int stageId)
{
    std::map<int, long long> scores;
    const int stages = player.getInt("profile::stages::i");
    for (int k = 1; k <= stages; ++k) {
        const std::string g = "profile::stages::stage" + std::to_string(k) + "::";
        if (player.getInt(g + "id") != stageId)
            continue;
        const int levels = player.getInt(g + "levels::i");
        for (int m = 1; m <= levels; ++m) {
            const std::string key = g + "levels::level" + std::to_string(m);
            scores[player.getInt(key, 0)] = player.getInt(key, 5);
        }
    }
    return scores;
}

// The run's lines without those of the awards given, and those apart.
std::vector<std::string> awardLinesOf(const std::string& out)
{
    std::vector<std::string> awards;
    for (const std::string& line : e2e::linesOf(out)) {
        if (line.rfind("award ", 0) == 0)
            awards.push_back(line);
    }
    return awards;
}

// The ids of the awards in the player's file, in the order won.
std::vector<int> awardsHeld(const TRCMFile& player)
{
    std::vector<int> ids;
    const int n = player.getInt("profile::awards::i");
    for (int k = 1; k <= n; ++k)
        ids.push_back(player.getInt("profile::awards::aw" + std::to_string(k)));
    return ids;
}

TEST(Quest, OurPlayerPlaysTheFirstStageAndItsRecordAddsUpToTheStageTotal)
{
    TempFolder t;
    // With this seed stage 1 ends near frame 11 400 (its lessons, each read and closed, the
    // awards announced, the shop visited and the magic cards looked at on the way); by frame
    // 11 700 our player has pressed Play on the map of stage 2 and its first level is in play.
    e2e::Run run =
        e2e::runGame(game,
                     {"--headless", "--fixed-step", "--seed", "3", "--frames", "11700", "--autoplay",
                      "--profile", "anna", "--user-dir", t / "user", "--trace", t / "trace.txt"},
                     runDir, {}, 290);
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> awardLines = awardLinesOf(run.out);
    const std::vector<std::string> lines = e2e::playLines(run.out);
    // The first table cleared, the drives of level 4 (the longest of 15 cards) and the stage
    // cleared with its goals met, each given as it came.
    const std::vector<std::string> awardsGiven = {"award 8 Clean Table", "award 4 First Spark",
                                                  "award 5 Steady Flame", "award 6 Roaring Fire",
                                                  "award 1 Apprentice of the Lake"};
    EXPECT_EQ(awardLines, awardsGiven);
    const std::vector<std::string> all = e2e::linesOf(run.out);
    const auto stageLine = std::find_if(all.begin(), all.end(),
                                        [](const std::string& l) { return l.rfind("stage 1 ", 0) == 0; });
    ASSERT_NE(stageLine, all.end());
    EXPECT_EQ(*(stageLine - 1), "award 1 Apprentice of the Lake") << "given at the last level's summary";
    ASSERT_EQ(lines.size(), 11u) << run.out;
    for (int level = 1; level <= 10; ++level) {
        char path[64];
        std::snprintf(path, sizeof path, "level data/levels/stage-01/level-%02d.lvl score ", level);
        EXPECT_EQ(lines[static_cast<std::size_t>(level - 1)].rfind(path, 0), 0u) << lines[level - 1];
    }
    std::smatch m;
    ASSERT_TRUE(std::regex_match(lines[10], m, std::regex(R"(stage 1 (won|lost) total ([0-9]+))")))
        << lines[10];
    ASSERT_EQ(m[1], "won") << "with this seed our player meets the stage's goals";
    const long long total = std::stoll(m[2].str());

    TRCMFile player = loadDataFile(t / "user" + annaFolder + "profile.dat");
    const std::map<int, long long> scores = levelScores(player, 1);
    ASSERT_EQ(scores.size(), 10u);
    long long sum = 0;
    for (int level = 1; level <= 10; ++level) {
        ASSERT_TRUE(scores.count(level)) << "no record of level " << level;
        EXPECT_GT(scores.at(level), 0) << level;
        sum += scores.at(level);
    }
    EXPECT_EQ(sum, total);
    // The quest goes on at the next stage's first level, not yet finished.
    EXPECT_EQ(player.getInt("Profile::stageID"), 2);
    EXPECT_EQ(player.getInt("Profile::levelId"), 1);
    EXPECT_EQ(player.getString("profile::where"), "MAIN-GAME");
    EXPECT_TRUE(levelScores(player, 2).empty());
    EXPECT_EQ(awardsHeld(player), (std::vector<int>{8, 4, 5, 6, 1}));

    // The lessons shown on the way are no longer pending; those whose moment never came are.
    std::set<std::string> shown;
    for (const std::string& line : e2e::linesOf(run.out)) {
        if (line.rfind("lesson ", 0) == 0)
            shown.insert(line.substr(7));
    }
    EXPECT_TRUE(shown.count("START") && shown.count("SHOP") && shown.count("SUMMARY")) << run.out;
    std::set<std::string> pending;
    for (int k = 1; k <= player.getInt("profile::tutorial::i"); ++k)
        pending.insert(player.getString("profile::tutorial::tut" + std::to_string(k)));
    EXPECT_FALSE(pending.empty()) << "the skipped card's lesson stays for ever";
    for (const std::string& id : shown)
        EXPECT_EQ(pending.count(id), 0u) << id << " was shown and is still pending";

    // Our player bought the extra undo at a summary, and every level dealt after that plays with
    // it: the trace names the aid and the undo allowance it brings, and no level before it did.
    std::vector<int> items;
    for (int k = 1; k <= player.getInt("profile::items::i"); ++k)
        items.push_back(player.getInt("profile::items::item" + std::to_string(k)));
    ASSERT_FALSE(items.empty()) << "nothing bought";
    EXPECT_EQ(items.front(), 2) << "the extra undo first";
    const std::vector<std::string> trace = e2e::linesOf(media::fs::readText(t / "trace.txt").value_or(""));
    std::vector<std::string> dealtWith; // the aids line before each deal, or ""
    for (std::size_t k = 0; k < trace.size(); ++k) {
        if (trace[k].find(" event=deal ") == std::string::npos)
            continue;
        dealtWith.push_back(k > 0 && trace[k - 1].find(" event=aids ") != std::string::npos ? trace[k - 1]
                                                                                            : "");
    }
    ASSERT_EQ(dealtWith.size(), 11u) << "ten levels of stage 1 and the first of stage 2";
    EXPECT_EQ(dealtWith.front(), "") << "the first level is dealt with no aid";
    EXPECT_NE(dealtWith.back().find(" items=UNDO-1"), std::string::npos) << dealtWith.back();
    EXPECT_NE(dealtWith.back().find(" undos=2"), std::string::npos) << dealtWith.back();
}

TEST(Quest, AfterTheLastStageTheOutroAndTheCreditsPlayAndTheQuestBeginsAnew)
{
    TempFolder t;
    const std::string user = t / "user";
    // A first short run makes the player.
    e2e::Run made = e2e::runGame(game,
                                 {"--headless", "--fixed-step", "--seed", "3", "--frames", "400",
                                  "--autoplay", "--profile", "anna", "--user-dir", user},
                                 runDir);
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string folder = user + annaFolder;
    TRCMFile player = loadDataFile(folder + "profile.dat");
    ASSERT_EQ(player.getString("profile::name"), "ANNA");

    // The player now stands at the last level of stage 8, the level in progress kept beside the
    // file, and the nine levels before it met the stage's goals (9 000 points and a drive of 10).
    player.setInt("Profile::stageID", 8);
    player.setInt("Profile::levelId", 10);
    player.setInt("Profile::questLevel", 1);
    player.setString("profile::where", "MAIN-GAME");
    player.setString("profile::tryb", "QUEST");
    player.setInt("profile::stages::i", 1);
    const std::string stage = "profile::stages::stage1::";
    player.setInt(stage + "id", 8);
    player.setInt(stage + "longestDrive", 12);
    player.setFloat(stage + "highestMultiplier", 1.5);
    player.setInt(stage + "scores", 9000);
    player.setInt(stage + "levels::i", 9);
    for (int level = 1; level <= 9; ++level) {
        const std::string key = stage + "levels::level" + std::to_string(level);
        const long long record[] = {level, 1, 0, 1, level == 5 ? 12 : 0, 1000};
        for (int k = 0; k < 6; ++k)
            player.setInt(key, record[k], k);
    }
    ASSERT_TRUE(player.save(folder + "profile.dat"));
    std::filesystem::copy_file(std::string(runDir) + "/data/levels/stage-08/level-10.lvl",
                               folder + "questlevel.lvl", std::filesystem::copy_options::overwrite_existing);

    e2e::Run run =
        e2e::runGame(game,
                     {"--headless", "--fixed-step", "--seed", "3", "--frames", "3000", "--autoplay",
                      "--profile", "anna", "--user-dir", user, "--trace", t / "trace.txt"},
                     runDir, {}, 240);
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> awardLines = awardLinesOf(run.out);
    const std::vector<std::string> lines = e2e::playLines(run.out);
    ASSERT_GE(lines.size(), 2u) << run.out;
    EXPECT_EQ(lines[0].rfind("level data/levels/stage-08/level-10.lvl score ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("stage 8 won total ", 0), 0u) << lines[1];

    // Past the outro and its credits, the title's Play began a new quest: its story, its map and
    // its first level, dealt and in play; the old stages' records are gone.
    int deals = 0;
    for (const std::string& line : e2e::linesOf(media::fs::readText(t / "trace.txt").value_or("")))
        deals += line.find(" event=deal ") != std::string::npos ? 1 : 0;
    EXPECT_EQ(deals, 2) << "the last level and the new quest's first";
    player = loadDataFile(folder + "profile.dat");
    EXPECT_EQ(player.getInt("Profile::stageID"), 1);
    EXPECT_EQ(player.getInt("Profile::levelId"), 1);
    EXPECT_EQ(player.getString("profile::where"), "MAIN-GAME");
    EXPECT_TRUE(levelScores(player, 8).empty());
    // The last stage cleared with its goals met gave the master's award; the new quest began
    // with none, so it is not held any more (its first level may have given new ones).
    EXPECT_NE(std::find(awardLines.begin(), awardLines.end(), "award 3 Master of Eldmere"), awardLines.end())
        << run.out;
    const std::vector<int> held = awardsHeld(player);
    EXPECT_EQ(std::find(held.begin(), held.end(), 3), held.end());
}
} // namespace
