// The shop as a player meets it, headless: our own player, holding four aids and coins enough
// for the flame, goes to the shop from the first summary, buys it and plays on. The player's file
// must list it, and the trace must show the aids in force when each level is dealt, the next
// level starting at the multiplier 1.5.
#include "RunGame.hpp"

#include "data/DataFiles.hpp"
#include "data/TRCMFile.hpp"
#include "media/FileSystem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace
{
using testing_support::TempFolder;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;
const std::string annaFolder = "/Profiles/65-78-78-65-/";

std::string field(const std::string& line, const std::string& key)
{
    std::smatch m;
    if (std::regex_search(line, m, std::regex("(^| )" + key + "=([^ ]*)")))
        return m[2].str();
    return {};
}

std::set<int> itemIds(const TRCMFile& player)
{
    std::set<int> ids;
    const int n = player.getInt("profile::items::i");
    for (int k = 1; k <= n; ++k)
        ids.insert(player.getInt("profile::items::item" + std::to_string(k)));
    return ids;
}

TEST(Shop, OurPlayerBuysTheFlameAtTheSummaryAndTheNextLevelStartsWithIt)
{
    TempFolder t;
    const std::string user = t / "user";
    // A first short run makes the player, with the first level in progress.
    e2e::Run made = e2e::runGame(game,
                                 {"--headless", "--fixed-step", "--seed", "3", "--frames", "400",
                                  "--autoplay", "--profile", "anna", "--user-dir", user},
                                 runDir);
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string file = user + annaFolder + "profile.dat";
    TRCMFile player = loadDataFile(file);
    ASSERT_EQ(player.getString("profile::name"), "ANNA");
    // The undo, the glow, the counter and the purse are owned (by id only, as the file keeps
    // them), and 8 000 coins pay for the flame (7 500) but for nothing dearer.
    const int owned[] = {2, 9, 6, 5};
    player.setInt("profile::items::i", 4);
    for (int k = 0; k < 4; ++k)
        player.setInt("profile::items::item" + std::to_string(k + 1), owned[k]);
    player.setInt("profile::stats::score", 8000);
    ASSERT_TRUE(player.save(file));

    e2e::Run run =
        e2e::runGame(game,
                     {"--headless", "--fixed-step", "--seed", "3", "--frames", "1800", "--autoplay",
                      "--profile", "anna", "--user-dir", user, "--trace", t / "trace.txt"},
                     runDir, {}, 240);
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = e2e::playLines(run.out);
    ASSERT_EQ(lines.size(), 1u) << "the first level ends, the second is in play: " << run.out;

    // Bought once, paid for once: the coins are the 8 000, the first level's total (its record
    // in the file) and the price taken off.
    TRCMFile after = loadDataFile(file);
    EXPECT_EQ(itemIds(after), (std::set<int>{2, 3, 5, 6, 9}));
    ASSERT_EQ(after.getInt("profile::stages::i"), 1);
    ASSERT_EQ(after.getInt("profile::stages::stage1::levels::i"), 1);
    const int levelTotal = after.getInt("profile::stages::stage1::levels::level1", 5);
    EXPECT_GT(levelTotal, 0);
    EXPECT_EQ(after.getInt("profile::stats::score"), 8000 + levelTotal - 7500);

    // Each deal is told with the aids in force: the four loaded from the file, then the flame too,
    // and the second level's deal starts at 1.5.
    std::vector<std::string> aids, deals;
    for (const std::string& line : e2e::linesOf(media::fs::readText(t / "trace.txt").value_or(""))) {
        if (field(line, "event") == "aids")
            aids.push_back(line);
        if (field(line, "event") == "deal")
            deals.push_back(line);
    }
    ASSERT_EQ(deals.size(), 2u);
    ASSERT_EQ(aids.size(), 2u);
    EXPECT_EQ(field(aids[0], "items"), "UNDO-1,HINT,LICZNIK,KASA+5");
    EXPECT_EQ(field(aids[1], "items"), "UNDO-1,HINT,LICZNIK,KASA+5,MULTI-START");
    EXPECT_EQ(field(aids[1], "undos"), "2");
    EXPECT_EQ(field(deals[0], "multiplier"), "1.0");
    EXPECT_EQ(field(deals[1], "multiplier"), "1.5");
    EXPECT_EQ(field(aids[1], "frame"), field(deals[1], "frame"));
}
} // namespace
