// The whole game as a player meets it, headless: our own player starts from the title screen,
// gives its name, plays the quest level after level, leaves, and comes back the next time to
// the very table it left; free play beside the quest; and the game killed outright many times
// while it plays and saves.
#include "GuiPoints.hpp"
#include "RunGame.hpp"

#include "media/FileSystem.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

namespace
{
using testing_support::TempFolder;

const std::string game = ELDMERE_GAME_EXE;
const std::string runDir = ELDMERE_RUN_DIR;
const std::string annaFolder = "/Profiles/65-78-78-65-/";

std::vector<std::string> autoplay(const std::string& userDir, int frames, const std::string& trace)
{
    return {"--headless", "--fixed-step", "--seed", "3",       "--frames", std::to_string(frames),
            "--autoplay", "--profile",    "anna",   "--trace", trace,      "--user-dir",
            userDir};
}

std::string readFile(const std::string& path)
{
    return media::fs::readText(path).value_or("");
}

std::string field(const std::string& line, const std::string& name)
{
    const auto at = line.find(name + "=");
    if (at == std::string::npos)
        return {};
    const auto from = at + name.size() + 1;
    return line.substr(from, line.find(' ', from) - from);
}

int countOf(const std::string& text, const std::string& what)
{
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(Flow, APlayerPlaysTwoLevelsLeavesAndComesBackToTheSameTable)
{
    TempFolder t;
    // The lessons of the first two levels (four of them, each read and closed) take about 400
    // frames; by frame 2 600 the third level is under way.
    e2e::Run first = e2e::runGame(game, autoplay(t / "user", 2600, t / "first.txt"), runDir);
    ASSERT_EQ(first.status, 0) << first.err;
    // Two levels finished, each with its result line, and the third begun; the first, cleared,
    // gave the award of a clean table on the way.
    const auto results = e2e::playLines(first.out);
    EXPECT_NE(first.out.find("\naward 8 Clean Table\n"), std::string::npos) << first.out;
    ASSERT_EQ(results.size(), 2u) << first.out;
    EXPECT_NE(results[0].find("data/levels/stage-01/level-01.lvl"), std::string::npos) << results[0];
    EXPECT_NE(results[1].find("data/levels/stage-01/level-02.lvl"), std::string::npos) << results[1];
    const std::string player = readFile(t / "user" + annaFolder + "profile.dat");
    EXPECT_NE(player.find("levelId = 3"), std::string::npos) << player;
    EXPECT_NE(player.find("where = \"MAIN-GAME\""), std::string::npos) << player;
    EXPECT_EQ(media::fs::pathType(t / "user" + annaFolder + "questlevel.lvl"), media::fs::PathType::File);

    // Where the table stood when the run ended: some cards of the third level already played.
    const auto before = e2e::linesOf(readFile(t / "first.txt"));
    ASSERT_FALSE(before.empty());
    const std::string left = before.back();
    EXPECT_NE(field(left, "event"), "deal") << "nothing played yet";

    // The next day: the title, the quest resumed, and the table dealt as it was left.
    e2e::Run second = e2e::runGame(game, autoplay(t / "user", 400, t / "second.txt"), runDir);
    ASSERT_EQ(second.status, 0) << second.err;
    const auto after = e2e::linesOf(readFile(t / "second.txt"));
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(field(after[0], "event"), "deal");
    EXPECT_EQ(field(after[0], "table"), field(left, "table"));
    EXPECT_EQ(field(after[0], "deck"), field(left, "deck"));
    EXPECT_EQ(field(after[0], "score"), field(left, "score"));
    EXPECT_EQ(field(after[0], "digest"), field(left, "digest")) << left << "\n" << after[0];
    // No name was asked for: still the one player.
    const std::string list = readFile(t / "user/Profiles/profile.dat");
    EXPECT_NE(list.find("i = 1\n"), std::string::npos) << list;
    EXPECT_EQ(countOf(list, "\"ANNA\""), 1) << list;
}

TEST(Flow, TheSameSeedPlaysTheSameGame)
{
    TempFolder t;
    e2e::Run a = e2e::runGame(game, autoplay(t / "a", 1000, t / "a.txt"), runDir);
    e2e::Run b = e2e::runGame(game, autoplay(t / "b", 1000, t / "b.txt"), runDir);
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_FALSE(a.out.empty());
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(readFile(t / "a.txt"), readFile(t / "b.txt"));
    EXPECT_EQ(readFile(t / "a" + annaFolder + "profile.dat"), readFile(t / "b" + annaFolder + "profile.dat"));
}

TEST(Flow, FreePlayNeverTouchesTheSavedQuestLevel)
{
    TempFolder t;
    ASSERT_EQ(e2e::runGame(game, autoplay(t / "user", 600, t / "quest.txt"), runDir).status, 0);
    const std::string levelFile = t / "user" + annaFolder + "questlevel.lvl";
    const std::string questLevel = readFile(levelFile);
    ASSERT_FALSE(questLevel.empty());

    // The player chooses free play once the menu is in, plays a while and closes the game.
    std::ofstream(t / "input.txt") << e2e::clickLine(
        280, e2e::widgetCentre("gfx/gui/screen-title/title.gui", "freeplay"));
    e2e::Run run = e2e::runGame(game,
                                {"--headless", "--fixed-step", "--seed", "4", "--frames", "700", "--input",
                                 t / "input.txt", "--trace", t / "free.txt", "--user-dir", t / "user"},
                                runDir);
    ASSERT_EQ(run.status, 0) << run.err;
    // A free-play level was dealt and played...
    EXPECT_NE(readFile(t / "free.txt").find("event=deal"), std::string::npos);
    const std::string player = readFile(t / "user" + annaFolder + "profile.dat");
    EXPECT_EQ(player.find("freeLevelID = 0"), std::string::npos) << player;
    EXPECT_NE(player.find("tryb = \"FREE-PLAY\""), std::string::npos) << player;
    // ...and the quest's level in progress is as it was, byte for byte.
    EXPECT_EQ(readFile(levelFile), questLevel);
}

TEST(Flow, KilledAtAnyMomentTheGameComesBackWithEveryFileWhole)
{
    TempFolder t;
    // The player and a quest under way first, so every kill lands on a game with things to lose.
    ASSERT_EQ(e2e::runGame(game, autoplay(t / "user", 400, t / "setup.txt"), runDir).status, 0);
    std::mt19937 random(11);
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        e2e::Process player({game, "--headless", "--fixed-step", "--seed", std::to_string(round), "--frames",
                             "100000", "--autoplay", "--profile", "anna", "--user-dir", t / "user"},
                            {.env = {}, .folder = runDir, .stdoutPath = {}, .stderrPath = {}, .passFd = -1});
        ASSERT_TRUE(player.started());
        std::this_thread::sleep_for(
            std::chrono::milliseconds(std::uniform_int_distribution(300, 4000)(random)));
        // The Process kills with SIGKILL when it goes.
    }
    // Every file reads whole: the next start reports nothing and goes on with the player.
    e2e::Run check = e2e::runGame(
        game, {"--headless", "--fixed-step", "--frames", "300", "--autoplay", "--user-dir", t / "user"},
        runDir);
    ASSERT_EQ(check.status, 0) << check.err;
    EXPECT_EQ(check.err.find("damaged"), std::string::npos) << check.err;
    EXPECT_EQ(check.err.find("cannot"), std::string::npos) << check.err;
    const std::string list = readFile(t / "user/Profiles/profile.dat");
    EXPECT_NE(list.find("ActProfile = \"65-78-78-65-\""), std::string::npos) << list;
    EXPECT_EQ(list.find("BO"), std::string::npos) << "a second player was asked for:\n" << list;
    for (const char* file : {"profile.dat", "questlevel.lvl"}) {
        const std::string text = readFile(t / "user" + annaFolder + file);
        ASSERT_FALSE(text.empty()) << file;
        EXPECT_EQ(text[text.find_last_not_of('\n')], '}') << file;
    }
}
} // namespace
