// The announcement of a goal reached: the scroll's bounces, each 2.5 times lower than the last
// until under a pixel; its words coming in once it rests, the goal struck through and, with
// every goal reached, the line that says so; "ok" sending it away; and where the goal lines
// start by how many there are.
#include "screens/TObjectivesDone.hpp"

#include "data/Language.hpp"
#include "levels/TLevelManager.hpp"
#include "levels/TObjective.hpp"
#include "levels/TStage.hpp"
#include "screens/TProfile.hpp"
#include "screens/TProfileManager.hpp"
#include "support/GameFixture.hpp"
#include "support/RunFolder.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using testing_support::GameFixture;

struct StartCase
{
    std::size_t lines;
    float y;
};

void PrintTo(const StartCase& c, std::ostream* os)
{
    *os << c.lines << " lines";
}

class GoalListStart : public ::testing::TestWithParam<StartCase>
{};

TEST_P(GoalListStart, DependsOnHowManyGoalsThereAre)
{
    EXPECT_EQ(TObjectivesDone::listStartY(GetParam().lines), GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoalListStart,
                         ::testing::Values(StartCase{1, 380}, StartCase{2, 370}, StartCase{3, 360},
                                           StartCase{4, 430}, StartCase{6, 430}));

// The game screen in quest play on stage 1 with these goals, and the announcement set up from
// the run folder; every frame is a 60th of a second.
struct AnnouncementFixture
{
    explicit AnnouncementFixture(std::vector<TObjective> goals)
    {
        game.cards().program().clock().stepsWithFrames = true;
        language = "en";
        base::program().levelManager = std::make_unique<TLevelManager>();
        TStage stage;
        stage.id = 1;
        for (int k = 1; k <= 10; ++k)
            stage.levelsUrls.push_back(TLevelManager::levelPath(1, k));
        stage.objectives = std::move(goals);
        levelManager().stages = {stage};
        profile().tryb = "QUEST";
        profile().stageID = 1;
        profile().levelID = 1;
        game.play({{300, 300, 3}, {700, 300, 9}}, {20, 21}, {2});
        testing_support::InFolder here(testing_support::runDir);
        screen.setup();
    }

    GameFixture game;
    TObjectivesDone screen;
};

TEST(ObjectivesDone, TheScrollBouncesLowerEachTimeUntilItRests)
{
    AnnouncementFixture f({{2, 50}});
    f.screen.prepare(*f.game.game, 0);
    EXPECT_EQ(f.screen.state, ObjectivesState::Begin);
    EXPECT_FLOAT_EQ(f.screen.jumpH, 400); // it starts at the top of its first fall
    // The height of every bounce as the scroll reaches it, and the bounces' heights.
    std::vector<float> bounces = {f.screen.jump};
    std::vector<float> peaks;
    float highest = 0;
    bool rising = false;
    for (int frame = 0; frame < 1000 && f.screen.jump > 0; ++frame) {
        const float before = f.screen.jumpH;
        f.screen._updateJump();
        EXPECT_GE(f.screen.jumpH, 0);
        if (f.screen.jump != bounces.back()) {
            // Down at its place: the next bounce begins.
            EXPECT_EQ(f.screen.jumpH, 0);
            bounces.push_back(f.screen.jump);
            rising = true;
            highest = 0;
            continue;
        }
        highest = std::max(highest, f.screen.jumpH);
        if (rising && f.screen.jumpH < before) {
            peaks.push_back(highest);
            rising = false;
        }
    }
    const std::vector<float> expected = {400, 160, 64, 25.6f, 10.24f, 4.096f, 1.6384f, 0};
    ASSERT_EQ(bounces.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(bounces[i], expected[i], expected[i] * 1e-4f) << "bounce " << i;
    // The scroll rises to each bounce's height (the last, under a pixel, is never made).
    ASSERT_EQ(peaks.size(), 6u);
    for (std::size_t i = 0; i < peaks.size(); ++i)
        EXPECT_NEAR(peaks[i], expected[i + 1], expected[i + 1] * 1e-3f) << "bounce " << i + 1;
    EXPECT_EQ(f.screen.jumpH, 0);
}

TEST(ObjectivesDone, OnceAtRestTheGoalIsStruckAndEveryGoalReachedIsSaid)
{
    // The first goal met before, the second announced now: then every goal is reached.
    AnnouncementFixture f({{0, 10}, {2, 50}});
    f.game.game->objectiveAchieved = {1, 0};
    f.screen.prepare(*f.game.game, 1);
    ASSERT_EQ(f.screen.objectivesList.size(), 2u);
    EXPECT_EQ(f.screen.objectivesList[0].win, 1);
    EXPECT_EQ(f.screen.objectivesList[1].win, 0);
    EXPECT_EQ(f.screen.allObjectivesDone, 0);
    int frames = 0;
    while (f.screen.state == ObjectivesState::Begin && frames < 1000) {
        f.screen.update();
        ++frames;
        // Nothing is written on the scroll while it bounces.
        if (f.screen.jump > 0) {
            ASSERT_EQ(f.screen.gAlpha, 0);
        }
    }
    ASSERT_EQ(f.screen.state, ObjectivesState::Wait);
    EXPECT_EQ(f.screen.gAlpha, 1);
    EXPECT_EQ(f.screen.objectivesList[1].win, 1);
    EXPECT_EQ(f.screen.allObjectivesDone, 1);
    // The stroke takes 50 frames, then the line for every goal reached comes in as long.
    for (int i = 0; i < 49; ++i)
        f.screen.update();
    EXPECT_LT(f.screen.crossA, 1);
    EXPECT_EQ(f.screen.achievedA, 0);
    for (int i = 0; i < 52; ++i)
        f.screen.update();
    EXPECT_EQ(f.screen.crossA, 1);
    EXPECT_EQ(f.screen.achievedA, 1);
    // The "ok" button rests where the file puts it.
    auto ok = f.screen.Gui->getItem("ok");
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->dim.y, 542);
    EXPECT_EQ(ok->_alpha, 1);

    f.screen.goExit();
    int out = 0;
    while (!f.screen.ended() && out < 100) {
        f.screen.update();
        ++out;
    }
    EXPECT_TRUE(f.screen.ended());
    EXPECT_EQ(out, 20); // the scroll flies up and away in a third of a second
    EXPECT_FLOAT_EQ(f.screen.jumpH, TObjectivesDone::startJump);
}

TEST(ObjectivesDone, WithAGoalLeftTheAchievedLineNeverShows)
{
    AnnouncementFixture f({{0, 100000}, {2, 50}});
    f.game.game->objectiveAchieved = {0, 0};
    f.screen.prepare(*f.game.game, 1);
    for (int i = 0; i < 600; ++i)
        f.screen.update();
    EXPECT_EQ(f.screen.state, ObjectivesState::Wait);
    EXPECT_EQ(f.screen.objectivesList[0].win, 0);
    EXPECT_EQ(f.screen.objectivesList[1].win, 1);
    EXPECT_EQ(f.screen.allObjectivesDone, 0);
    EXPECT_EQ(f.screen.crossA, 1);
    EXPECT_EQ(f.screen.achievedA, 0);
}
} // namespace
