// Saving while the process is killed outright: a child process saves the players and the
// settings over and over, switching between two states, and is killed with SIGKILL at a random
// moment, many times. Every file must then be whole: exactly the old state or the new one, and
// it must load without a report.
#include "levels/Levels.hpp"
#include "levels/TLevelManager.hpp"
#include "screens/TOptions.hpp"
#include "screens/TProfileManager.hpp"
#include "support/CardFixture.hpp"
#include "support/LevelTexts.hpp"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
using testing_support::CardFixture;
using testing_support::threeCardLevel;

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SavesUnderKill : public ::testing::Test
{
protected:
    SavesUnderKill()
    {
        f.defineAllSwords();
        f.program().program().userDataPath = f.folder() / "user";
        std::filesystem::create_directories(f.folder() / "user/Data");
        for (int stage = 1; stage <= stageCount; ++stage) {
            for (int level = 1; level <= 10; ++level)
                f.folder().write(TLevelManager::levelPath(stage, level), threeCardLevel);
        }
        f.program().program().options = std::make_unique<TOptions>();
        f.program().program().profileManager = std::make_unique<TProfileManager>();
        profileManager().loadProfiles();
        EXPECT_TRUE(profileManager().newProfile("anna"));
        // Each state has its own deal, made once: a save writes the level as it lies.
        for (auto& level : levels) {
            profile().loadMyLevel();
            level = profile().questLevel;
        }
        f.reports.clear();
    }

    static constexpr int stageCount = 4;

    // One of the two states the child switches between; both large enough that a write takes
    // a while.
    void becomeState(int which)
    {
        TProfile& p = profile();
        p.score = which == 0 ? 1000 : 2000000000;
        p.levelID = 1;
        p.stages.clear();
        for (int s = 1; s <= stageCount; ++s) {
            TStageData stage;
            stage.id = s;
            for (int l = 1; l <= 10; ++l)
                stage.levels.push_back({.id = l, .passed = 1, .cardsLeft = which * 3 + l % 4});
            p.stages.push_back(stage);
        }
        p.questLevel = levels[static_cast<std::size_t>(which)];
        base::program().options->musicVol = which == 0 ? 0.25f : 0.75f;
    }

    static void saveAll()
    {
        profileManager().save();
        base::program().options->saveOptions();
    }

    std::string user(const std::string& name) const { return f.folder() / ("user/" + name); }

    CardFixture f;
    std::array<std::shared_ptr<TLevel>, 2> levels;
};

TEST_F(SavesUnderKill, EveryFileIsTheOldOrTheNewStateAndLoadsWithoutAReport)
{
    const std::vector<std::string> files{"Profiles/profile.dat", "Profiles/65-78-78-65-/profile.dat",
                                         "Profiles/65-78-78-65-/questlevel.lvl", "Data/settings.dat"};
    // What each file holds in each state, written by the same code the child runs.
    std::array<std::vector<std::string>, 2> expected;
    for (int which : {0, 1}) {
        becomeState(which);
        saveAll();
        for (const std::string& file : files)
            expected[static_cast<std::size_t>(which)].push_back(bytesOf(user(file)));
    }
    ASSERT_NE(expected[0][1], expected[1][1]);
    ASSERT_NE(expected[0][3], expected[1][3]);

    std::mt19937 random(20261211);
    constexpr int kills = 150;
    int killedMidway = 0;
    for (int round = 0; round < kills; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                becomeState(i % 2);
                saveAll();
            }
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(200, 30000)(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        killedMidway += WIFSIGNALED(status) ? 1 : 0;

        for (std::size_t k = 0; k < files.size(); ++k) {
            const std::string now = bytesOf(user(files[k]));
            EXPECT_TRUE(now == expected[0][k] || now == expected[1][k])
                << files[k] << " after kill " << round << " holds " << now.size() << " bytes";
        }
        if (::testing::Test::HasFailure())
            break;
    }
    EXPECT_EQ(killedMidway, kills);

    // And the game reads what is left without a word.
    TProfileManager again;
    again.loadProfiles();
    ASSERT_NE(again.profile, nullptr);
    EXPECT_EQ(again.profile->name, "ANNA");
    EXPECT_TRUE(again.profile->questLevel);
    TOptions options;
    options.loadOptions();
    EXPECT_TRUE(options.musicVol == 0.25f || options.musicVol == 0.75f);
    EXPECT_TRUE(f.reports.empty()) << f.reports.front();
}
} // namespace
