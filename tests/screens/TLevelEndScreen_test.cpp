// The level summary: the level's total, the stage's goals tested at the end and during play, a
// stage lost on its last level, the coins of a level left and taken up again credited once,
// and the panel laid out for the quest and for free play.
#include "screens/TLevelEndScreen.hpp"

#include "base/Program.hpp"
#include "cards/TCardData.hpp"
#include "data/DataFiles.hpp"
#include "data/Language.hpp"
#include "gui/TText.hpp"
#include "levels/TLevel.hpp"
#include "levels/TLevelManager.hpp"
#include "levels/TObjective.hpp"
#include "levels/TStage.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"
#include "screens/TStageData.hpp"
#include "support/GameFixture.hpp"
#include "support/RunFolder.hpp"
#include "support/TempFolder.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace
{
using testing_support::GameFixture;

// --- the arithmetic

struct TotalCase
{
    const char* what;
    int scores;
    int cardsLeft;
    int tenths;
    bool cashBonus;
    int additional;
    int bonusScore;
    int total;
};

void PrintTo(const TotalCase& c, std::ostream* os)
{
    *os << c.what;
}

class LevelTotals : public ::testing::TestWithParam<TotalCase>
{};

TEST_P(LevelTotals, ScorePlusBonusPlusShareTimesTheMultiplierRoundedDown)
{
    const TotalCase& c = GetParam();
    const LevelTotal t = TLevelEndScreen::countLevelTotal(c.scores, c.cardsLeft, c.tenths, c.cashBonus);
    EXPECT_EQ(t.additional, c.additional);
    EXPECT_EQ(t.bonusScore, c.bonusScore);
    EXPECT_EQ(t.totalScore, c.total);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LevelTotals,
    ::testing::Values(
        TotalCase{"a clean table", 100, 0, 10, false, 1000, 0, 1100},
        TotalCase{"one left", 100, 1, 10, false, 500, 0, 600},
        TotalCase{"two left, x2.0", 300, 2, 20, false, 250, 0, 1100},
        TotalCase{"two left, x2.0, KASA+5: 27 more before the multiplier", 300, 2, 20, true, 250, 27, 1154},
        TotalCase{"three left, x1.5, KASA+5 on score and bonus: 472", 200, 3, 15, true, 100, 15, 472},
        TotalCase{"four left", 10, 4, 10, false, 50, 0, 60},
        TotalCase{"five left: no bonus", 99, 5, 10, false, 0, 0, 99},
        TotalCase{"x1.3 cuts 781.3 to 781", 101, 1, 13, false, 500, 0, 781},
        TotalCase{"the share cuts 50.95 to 50", 19, 0, 10, true, 1000, 50, 1069},
        TotalCase{"x2.2 gives 473 (float maths would give 472.99...)", 215, 5, 22, false, 0, 0, 473}));

// --- the goals against the stage's level records

TLevelData record(int id, int scores, int cardsLeft, int longestDrive)
{
    TLevelData l;
    l.id = id;
    l.passed = 1;
    l.scores = scores;
    l.cardsLeft = cardsLeft;
    l.longestDrive = longestDrive;
    return l;
}

struct GoalCase
{
    const char* what;
    TObjective goal;
    std::optional<std::vector<TLevelData>> levels; // nothing: no stage record yet
    int levelScore;
    int levelDrive;
    int driveN;
    bool atEnd;
    bool inPlay;
};

void PrintTo(const GoalCase& c, std::ostream* os)
{
    *os << c.what;
}

class StageGoals : public ::testing::TestWithParam<GoalCase>
{};

TEST_P(StageGoals, AreTestedAgainstTheLevelRecords)
{
    const GoalCase& c = GetParam();
    std::optional<TStageData> stage;
    if (c.levels) {
        stage.emplace();
        stage->levels = *c.levels;
        stage->findTheHighest();
    }
    const TStageData* s = stage ? &*stage : nullptr;
    EXPECT_EQ(TLevelEndScreen::metAtLevelEnd(c.goal, s), c.atEnd);
    EXPECT_EQ(TLevelEndScreen::metDuringPlay(c.goal, s, c.levelScore, c.levelDrive, c.driveN), c.inPlay);
}

const std::vector<TLevelData> twoLevels = {record(1, 300, 0, 12), record(2, 400, 3, 4)};

INSTANTIATE_TEST_SUITE_P(
    Cases, StageGoals,
    ::testing::Values(
        GoalCase{"score met", {0, 700}, twoLevels, 0, 0, 0, true, true},
        GoalCase{"score unmet, reached with the level's score in play",
                 {0, 1000},
                 twoLevels,
                 300,
                 0,
                 0,
                 false,
                 true},
        GoalCase{"score unmet", {0, 1000}, twoLevels, 299, 0, 0, false, false},
        GoalCase{"one perfect level met", {1, 1}, twoLevels, 0, 0, 0, true, true},
        GoalCase{"two perfect levels unmet", {1, 2}, twoLevels, 0, 0, 0, false, false},
        GoalCase{"long drive met by the stage; in play the ended level's drive counts",
                 {2, 12},
                 twoLevels,
                 0,
                 5,
                 0,
                 true,
                 false},
        GoalCase{"long drive: while a drive runs the stage's record counts",
                 {2, 12},
                 twoLevels,
                 0,
                 5,
                 3,
                 true,
                 true},
        GoalCase{"long drive reached by this level in play only", {2, 13}, twoLevels, 0, 13, 0, false, true},
        GoalCase{"long drive unmet", {2, 13}, twoLevels, 0, 12, 0, false, false},
        GoalCase{"cards left: 3 of at most 3", {3, 3}, twoLevels, 0, 0, 0, true, true},
        GoalCase{"cards left: 3 of at most 2", {3, 2}, twoLevels, 0, 0, 0, false, false},
        GoalCase{"no record: the score counts this level only", {0, 50}, std::nullopt, 60, 0, 0, false, true},
        GoalCase{"no record: no perfect levels", {1, 1}, std::nullopt, 0, 0, 0, false, false},
        GoalCase{"no record: cards left not met", {3, 100}, std::nullopt, 0, 0, 0, false, false},
        GoalCase{"no record: a running drive cannot meet it", {2, 5}, std::nullopt, 0, 9, 2, false, false}));

// --- with the game's own panel and texts

// The game screen with a level in play, and the summary set up from the shipped content.
struct SummaryFixture
{
    SummaryFixture()
    {
        testing_support::InFolder here(testing_support::runDir);
        language = "en";
        base::program().levelManager = std::make_unique<TLevelManager>();
        screen.setup();
    }

    // A stage of `levels` levels with these goals as stage 1; the player on its level `at`.
    void questStage(int levels, std::vector<TObjective> goals, int at)
    {
        TStage stage;
        stage.id = 1;
        for (int k = 1; k <= levels; ++k)
            stage.levelsUrls.push_back(TLevelManager::levelPath(1, k));
        stage.objectives = std::move(goals);
        levelManager().stages = {stage};
        profile().tryb = "QUEST";
        profile().stageID = 1;
        profile().levelID = at;
    }

    GameFixture game;
    TLevelEndScreen screen;
};

TEST(LevelEndScreen, AGoalLineNamesItsNumberAndThePerfectPhraseAgreesWithIt)
{
    SummaryFixture f;
    EXPECT_EQ(f.screen.objectiveText({1, 3}), "Clear 3 levels without a card left");
    EXPECT_EQ(f.screen.objectiveText({1, 1}), "Clear 1 level without a card left");
    EXPECT_EQ(f.screen.objectiveText({0, 2500.7f}), "Gather 2500 points over the stage");
    // Out of the ten phrases: the description's own words, never a phrase past the table.
    EXPECT_EQ(f.screen.objectiveText({1, 0}), "Clear 0 levels");
    EXPECT_EQ(f.screen.objectiveText({1, 11}), "Clear 11 levels");
    EXPECT_EQ(f.screen.objectiveText({7, 1}), "");
}

TEST(LevelEndScreen, TheLastLevelOfAStageWithAGoalUnmetLosesTheStage)
{
    SummaryFixture f;
    f.questStage(2, {{0, 1000}, {1, 1}}, 2);
    profile().stages = {TStageData{}};
    profile().stages[0].id = 1;
    profile().stages[0].levels = {record(1, 300, 0, 4), record(2, 400, 2, 4)};
    profile().stages[0].findTheHighest();
    TCardData* before = cardDataById(3);
    TCardData* found = cardDataById(4);
    profile().stageCards = {before};
    profile().magicCards = {before, found};
    profile().awaitingMagicCards = {cardDataById(5)};

    f.screen._prepareObjectives();
    ASSERT_EQ(f.screen.objectivesList.size(), 2u);
    EXPECT_EQ(f.screen.objectivesList[0].win, 0); // 700 of 1000
    EXPECT_EQ(f.screen.objectivesList[1].win, 1);
    EXPECT_TRUE(f.screen.stageLost());
    f.screen.loseStage();
    EXPECT_EQ(f.screen.wynik, "LOSE-STAGE");
    EXPECT_EQ(f.screen.loadLevelAgain, 1);
    EXPECT_EQ(profile().magicCards, std::vector<TCardData*>{before}); // the stage's finds taken back
    EXPECT_TRUE(profile().awaitingMagicCards.empty());
}

TEST(LevelEndScreen, AStageIsNotLostBeforeItsLastLevelNorWithEveryGoalMetNorInFreePlay)
{
    SummaryFixture f;
    f.questStage(2, {{0, 1000}}, 1);
    f.screen._prepareObjectives();
    EXPECT_FALSE(f.screen.stageLost()); // level 1 of 2

    profile().levelID = 2;
    profile().stages = {TStageData{}};
    profile().stages[0].id = 1;
    profile().stages[0].levels = {record(1, 600, 0, 4), record(2, 400, 2, 4)};
    f.screen._prepareObjectives();
    EXPECT_FALSE(f.screen.stageLost()); // 1000 of 1000

    profile().stages[0].levels[1].scores = 100;
    f.screen._prepareObjectives();
    EXPECT_TRUE(f.screen.stageLost());
    profile().tryb = "FREE-PLAY";
    f.screen._prepareObjectives();
    EXPECT_TRUE(f.screen.objectivesList.empty());
    EXPECT_FALSE(f.screen.stageLost());
}

TEST(LevelEndScreen, DuringPlayOnlyALongDriveGoalIsAnsweredEveryHalfSecond)
{
    SummaryFixture f;
    f.questStage(10, {{0, 10}, {2, 4}}, 1);
    f.game.play({{300, 300, 3}, {700, 300, 9}}, {20, 21}, {2}, [](TLevel& made) { made.score = 50; });
    TMainGame& game = *f.game.game;
    game.level->longestDrive = 6;
    game.level->driveN = 0;
    EXPECT_EQ(f.screen.objectiveAchieved(game, 0), 1);  // the level's 50 points reach 10
    EXPECT_EQ(f.screen.objectiveAchieved1(game, 0), 0); // not a long-drive goal
    EXPECT_EQ(f.screen.objectiveAchieved1(game, 1), 1);
    EXPECT_EQ(f.screen.objectiveAchieved1(game, 2), 0); // no such goal
    EXPECT_EQ(f.screen.getObjectivesTab(game), (std::vector<int>{1, 1}));
    // The game screen asked when the level began: no record yet, and no drive.
    EXPECT_EQ(game.objectiveAchieved.size(), 2u);
}

// The level in play as the player leaves it for the title screen with this table score.
int leaveWith(GameFixture& f, float tableScore)
{
    f.game->level->score = tableScore;
    f.game->summary()->_prepareStats(*f.game, 0);
    return profile().score;
}

TEST(LevelEndScreen, ALevelLeftResumedAndLeftAgainCreditsItsCoinsOnce)
{
    GameFixture f;
    profile().tryb = "QUEST";
    profile().score = 1000;
    f.play({{300, 300, 3}, {700, 300, 9}, {500, 300, 9}, {100, 300, 9}, {900, 300, 9}, {150, 450, 9}},
           {20, 21}, {2});
    EXPECT_EQ(leaveWith(f, 200), 1200); // six cards left: no bonus
    EXPECT_EQ(leaveWith(f, 200), 1200); // left again with nothing more: nothing more
    // Taken up again from the save: what was credited goes with the level.
    testing_support::TempFolder folder;
    ASSERT_TRUE(f.game->level->_save(folder / "questlevel.lvl"));
    TLevel loaded;
    loaded._loadLevelStandards(loadDataFile(folder / "questlevel.lvl"));
    EXPECT_EQ(loaded.credited, 200);
    EXPECT_EQ(leaveWith(f, 260), 1260); // 60 more points since
    const TStageData* stage = profile().getActStage();
    ASSERT_NE(stage, nullptr);
    EXPECT_EQ(stage->levels.at(0).scores, 260); // the record is the total, once
}

TEST(LevelEndScreen, TheLevelsRecordTakesTheTotalWithTheCashShare)
{
    GameFixture f;
    profile().tryb = "QUEST";
    profile().items = {{7, "KASA+5"}};
    TLevel& level = f.play({{80, 300, 13}, {190, 300, 13}, {300, 300, 13}}, {20, 21}, {2}, [](TLevel& made) {
        made.score = 200;
        made.driveMN = 1.5f;
    });
    f.game->END_LEVEL();
    f.game->summary()->_prepareStats(*f.game, 1);
    EXPECT_EQ(level.cards.size(), 3u);
    EXPECT_EQ(profile().lastLevelScore, 472);
    EXPECT_EQ(profile().getActStage()->levels.at(0).scores, 472);
    EXPECT_EQ(profile().score, 472);
}

// Every widget whose name starts with `prefix` is shown exactly when `shown` (the bonus titles
// and the record note, which show one at a time, aside).
void expectGroup(const TGui& gui, const std::string& prefix, bool shown)
{
    int seen = 0;
    for (const auto& item : gui._listaObiektow) {
        std::string name = item->_id;
        for (char& ch : name)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        if (!name.starts_with(prefix) || name.find("BONUSTITLE") != std::string::npos
            || name.find("NEWRECORD") != std::string::npos)
            continue;
        ++seen;
        EXPECT_EQ(item->_v, shown ? 1 : 0) << item->_id;
    }
    EXPECT_GT(seen, 10) << prefix;
}

TEST(LevelEndScreen, TheQuestAndFreePlayPanelsShowOnlyTheirOwnWidgets)
{
    for (const char* mode : {"QUEST", "FREE-PLAY"}) {
        SCOPED_TRACE(mode);
        SummaryFixture f;
        f.questStage(10, {{0, 100000}}, 4);
        profile().tryb = mode;
        const bool quest = std::string(mode) == "QUEST";
        f.game.play({{80, 300, 13}, {190, 300, 13}}, {20, 21}, {2}, [](TLevel& made) {
            made.score = 120;
            made.driveMN = 1.3f;
        });
        testing_support::InFolder here(testing_support::runDir);
        f.screen.prepare(*f.game.game);
        const TGui& gui = *f.screen.Gui;
        expectGroup(gui, "QUEST", quest);
        expectGroup(gui, "FREE", !quest);
        EXPECT_EQ(gui.getItem("shop")->_v, quest ? 1 : 0);
        EXPECT_EQ(gui.getItem("cards")->_v, quest ? 1 : 0);
        EXPECT_EQ(gui.getItem("goals")->_v, quest ? 1 : 0); // the goal is far off
        EXPECT_EQ(gui.getItem("objectivesDone")->_v, 0);
        EXPECT_EQ(gui.getItem(quest ? "quest_bonusTitle2" : "free_bonusTitle2")->_v, 1);
        EXPECT_EQ(gui.getItem(quest ? "quest_bonusTitle3" : "free_bonusTitle3")->_v, 0);
        EXPECT_EQ(gui.getItem(quest ? "free_bonusTitle2" : "quest_bonusTitle2")->_v, 0);
        const std::string p = quest ? "quest_" : "free_";
        EXPECT_EQ(gui.getItemAs<TText>(p + "levelScore_value")->_txt, "120");
        EXPECT_EQ(gui.getItemAs<TText>(p + "bonus_value")->_txt, "250");
        EXPECT_EQ(gui.getItemAs<TText>(p + "multiplier_value")->_txt, "1.3");
        EXPECT_EQ(gui.getItemAs<TText>(p + "levelTotal_value")->_txt, "481"); // 370 x 1.3
        EXPECT_EQ(gui.getItemAs<TText>(p + "levelTotal")->_txt, "Level total");
        const TDim& go = gui.getItem("go")->dim;
        EXPECT_FLOAT_EQ(go.x, quest ? 705 : 682);
        EXPECT_FLOAT_EQ(go.y, quest ? 645 : 600);
    }
}
} // namespace
