// The flow between screens: the quest actions on the current player and the level the game
// screen is given, over a small quest of two stages (three levels, then two).
#include "shell/Control.hpp"

#include "levels/TLevel.hpp"
#include "levels/TLevelManager.hpp"
#include "screens/TMainGame.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"
#include "support/CardFixture.hpp"
#include "support/LevelTexts.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
using testing_support::CardFixture;
using testing_support::threeCardLevel;

class Flow : public ::testing::Test
{
protected:
    Flow()
    {
        f.defineAllSwords();
        shell::Eldmere& p = f.program().program();
        p.userDataPath = f.folder() / "user";
        for (int stage = 1; stage <= 2; ++stage) {
            for (int level = 1; level <= (stage == 1 ? 3 : 2); ++level)
                f.folder().write(TLevelManager::levelPath(stage, level), threeCardLevel);
        }
        p.levelManager = std::make_unique<TLevelManager>();
        p.mainGame = std::make_unique<TMainGame>();
        p.mainGame->setup();
        player().name = "ANNA";
        f.reports.clear();
    }

    TProfile& player() { return profile(); }
    TMainGame& game() { return *f.program().program().mainGame; }
    // The player at a quest position with its level dealt.
    TProfile& at(int stage, int level)
    {
        TProfile& p = player();
        p.stageID = stage;
        p.levelID = level;
        p.tryb = "QUEST";
        p.loadMyLevel();
        return p;
    }

    CardFixture f;
    Control control;
};

struct NextCase
{
    int stage, level;
    const char* next;
    int nextStage, nextLevel;
};

TEST_F(Flow, AFinishedLevelLeadsToTheNextLevelTheNextStageOrTheEndOfTheStory)
{
    const NextCase cases[] = {
        {1, 1, "MAIN-GAME", 1, 2},
        {1, 3, "MAPA", 2, 1},
        {2, 1, "MAIN-GAME", 2, 2},
        {2, 2, "END-STORY", 1, 1},
    };
    for (const NextCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.stage) + "-" + std::to_string(c.level));
        TProfile& p = at(c.stage, c.level);
        p.swords.clear();
        EXPECT_EQ(control.step("GET-NEXT-LEVEL"), c.next);
        EXPECT_EQ(p.stageID, c.nextStage);
        EXPECT_EQ(p.levelID, c.nextLevel);
        if (std::string(c.next) == "END-STORY") {
            // The quest starts over: no level in progress until a new quest deals one.
            EXPECT_FALSE(p.questLevel);
        } else {
            ASSERT_TRUE(p.questLevel);
            EXPECT_EQ(p.questLevel->path, TLevelManager::levelPath(c.nextStage, c.nextLevel));
            EXPECT_EQ(game().level, p.questLevel);
        }
    }
}

TEST_F(Flow, AStageEndingWonOrLostIsToldWithTheSumOfItsLevelsScores)
{
    auto recordScores = [](TProfile& p, int stage, std::vector<int> scores) {
        TStageData data;
        data.id = stage;
        for (std::size_t i = 0; i < scores.size(); ++i)
            data.levels.push_back(TLevelData{static_cast<int>(i) + 1, 1, 0, 1.0f, 0, scores[i]});
        p.stages.push_back(data);
    };
    struct Case
    {
        int stage, level;
        const char* id;
        std::vector<int> scores;
        std::string line;
    };
    const Case cases[] = {
        {1, 2, "GET-NEXT-LEVEL", {100, 250}, ""},
        {1, 3, "GET-NEXT-LEVEL", {100, 250, 1200}, "stage 1 won total 1550\n"},
        {2, 2, "GET-NEXT-LEVEL", {40, 60}, "stage 2 won total 100\n"},
        {2, 2, "LOSE-STAGE", {5, 7}, "stage 2 lost total 12\n"},
        {1, 3, "LOSE-STAGE", {}, "stage 1 lost total 0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.stage) + "-" + std::to_string(c.level) + " " + c.id);
        TProfile& p = at(c.stage, c.level);
        p.stages.clear();
        if (!c.scores.empty())
            recordScores(p, c.stage, c.scores);
        ::testing::internal::CaptureStdout();
        control.step(c.id);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), c.line);
    }
}

TEST_F(Flow, AFinishedFreePlayLevelGoesBackToTheTitleAndTheQuestStaysWhereItWas)
{
    TProfile& p = at(1, 2);
    const auto questLevel = p.questLevel;
    p.tryb = "FREE-PLAY";
    EXPECT_EQ(control.step("GET-NEXT-LEVEL"), "MAIN-MENU");
    EXPECT_EQ(p.levelID, 2);
    EXPECT_EQ(p.questLevel, questLevel);
}

TEST_F(Flow, RestartingDealsTheLevelPlayedAfreshAndFreePlayLeavesTheQuestLevelAlone)
{
    TProfile& p = at(1, 2);
    const auto before = p.questLevel;
    EXPECT_EQ(control.step("RESTART-LEVEL"), "MAIN-GAME");
    ASSERT_TRUE(p.questLevel);
    EXPECT_NE(p.questLevel, before);
    EXPECT_EQ(game().level, p.questLevel);

    // In free play the free-play level is dealt again, not the quest's.
    const auto quest = p.questLevel;
    p.tryb = "FREE-PLAY";
    p.freeStageNumber = 2;
    p.freeLevelNumber = 1;
    EXPECT_EQ(control.step("RESTART-LEVEL"), "MAIN-GAME");
    EXPECT_EQ(p.questLevel, quest);
    ASSERT_TRUE(game().level);
    EXPECT_NE(game().level, quest);
    EXPECT_EQ(game().level->path, TLevelManager::levelPath(2, 1));
}

TEST_F(Flow, ResumingGoesWhereTheQuestWasLeftOrStartsOne)
{
    TProfile& p = at(1, 3);
    p.where = "";
    EXPECT_EQ(control.step("RESUME-QUEST"), "NEW-QUEST");

    p.where = "MAIN-GAME";
    p.tryb = "FREE-PLAY";
    EXPECT_EQ(control.step("RESUME-QUEST"), "MAIN-GAME");
    EXPECT_EQ(p.tryb, "QUEST");
    EXPECT_EQ(game().level, p.questLevel);

    // The level file was lost: the level of the quest position is dealt, never no level.
    p.questLevel.reset();
    game().setLevel(nullptr);
    EXPECT_EQ(control.step("RESUME-QUEST"), "MAIN-GAME");
    ASSERT_TRUE(p.questLevel);
    EXPECT_EQ(p.questLevel->path, TLevelManager::levelPath(1, 3));
    EXPECT_EQ(game().level, p.questLevel);
}

TEST_F(Flow, ANewQuestStartsAtTheFirstLevelWithNothingHeld)
{
    TProfile& p = at(2, 2);
    p.stages.push_back(TStageData{});
    p.ALL_SCORES = 900;
    EXPECT_EQ(control.step("NEW-QUEST"), "STORY");
    EXPECT_EQ(p.stageID, 1);
    EXPECT_EQ(p.levelID, 1);
    EXPECT_TRUE(p.stages.empty());
    EXPECT_EQ(p.ALL_SCORES, 900);
    EXPECT_EQ(p.name, "ANNA");
    ASSERT_TRUE(p.questLevel);
    EXPECT_EQ(game().level, p.questLevel);
    // Without the story and map screens (none in this program), the quest goes straight to its
    // level.
    EXPECT_EQ(control.step("STORY"), "MAPA");
    EXPECT_EQ(control.step("MAPA"), "MAIN-GAME");
    EXPECT_EQ(game().level, p.questLevel);
}

TEST_F(Flow, ALostStageStartsAgainFromItsFirstLevel)
{
    TProfile& p = at(2, 2);
    TStageData lost;
    lost.id = 2;
    TStageData kept;
    kept.id = 1;
    p.stages = {kept, lost};
    EXPECT_EQ(control.step("LOSE-STAGE"), "MAPA");
    EXPECT_EQ(p.levelID, 1);
    EXPECT_EQ(p.stageID, 2);
    ASSERT_EQ(p.stages.size(), 1u);
    EXPECT_EQ(p.stages[0].id, 1);
    EXPECT_EQ(p.questLevel->path, TLevelManager::levelPath(2, 1));
}

TEST_F(Flow, AnIdentifierNothingAnswersToIsReportedAndLeadsToTheTitle)
{
    EXPECT_EQ(control.step("NOWHERE"), "MAIN-MENU");
    EXPECT_TRUE(f.reported({"NOWHERE"}));
    EXPECT_EQ(control.step("MORE"), "MAIN-MENU");
    EXPECT_EQ(control.step("END-STORY"), "MAIN-MENU");
    EXPECT_EQ(control.step("END"), "END");
    control.currentScreenId = "main-game";
    EXPECT_EQ(control.isPlayerPlayingLevel(), 1);
    control.currentScreenId = "MAPA";
    EXPECT_EQ(control.isPlayerPlayingLevel(), 0);
}

TEST_F(Flow, FreePlayDealsALevelOfAStageThePlayerHasReached)
{
    TProfile& p = player();
    // No stage played yet: a level of the first stage.
    for (int i = 0; i < 20; ++i) {
        auto level = p.getRandomLevel();
        ASSERT_TRUE(level);
        EXPECT_EQ(p.freeStageNumber, 1);
        EXPECT_GE(p.freeLevelNumber, 1);
        EXPECT_LE(p.freeLevelNumber, 3);
        EXPECT_EQ(level->path, TLevelManager::levelPath(1, p.freeLevelNumber));
    }
    // With the second stage reached, both stages come up, each with its own levels.
    TStageData second;
    second.id = 2;
    p.stages = {second};
    bool sawSecond = false;
    for (int i = 0; i < 40; ++i) {
        auto level = p.getRandomLevel();
        ASSERT_TRUE(level);
        const int most = p.freeStageNumber == 2 ? 2 : 3;
        EXPECT_LE(p.freeLevelNumber, most);
        sawSecond = sawSecond || p.freeStageNumber == 2;
    }
    EXPECT_TRUE(sawSecond);
}
} // namespace
