// A stage hands out its levels by number, 1-based, and nothing outside its list; the manager
// finds stages by id, not by place.
#include "levels/TStage.hpp"

#include "levels/TLevel.hpp"
#include "levels/TLevelManager.hpp"
#include "support/CardFixture.hpp"
#include "support/LevelTexts.hpp"

#include <gtest/gtest.h>

namespace
{
TEST(Stage, HandsOutItsLevelsByNumberAndNothingOutsideTheList)
{
    testing_support::CardFixture f;
    const std::string first = f.folder().write("one.lvl", testing_support::threeCardLevel);
    TStage stage;
    stage.levelsUrls = {first, f.folder() / "missing.lvl"};
    for (int n : {0, -1, 3, 99}) {
        EXPECT_EQ(stage.getLevel(n), nullptr) << n;
        EXPECT_EQ(stage.getLevelForFreePlay(n), nullptr) << n;
    }
    auto level = stage.getLevel(1);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->cards.size(), 3u);
    ASSERT_TRUE(stage.getLevelForFreePlay(1));
    EXPECT_EQ(stage.levelCount(), 2);
}

TEST(Stage, TheManagerFindsStagesByIdNotByPlace)
{
    TLevelManager manager;
    manager.stages.resize(3);
    manager.stages[0].id = 4;
    manager.stages[1].id = 1;
    manager.stages[2].id = 2;
    ASSERT_NE(manager.getStageById(1), nullptr);
    EXPECT_EQ(manager.getStageById(1), &manager.stages[1]);
    EXPECT_EQ(manager.getStageById(4), &manager.stages[0]);
    EXPECT_EQ(manager.getStageById(3), nullptr);
    EXPECT_EQ(manager.getStageById(0), nullptr);
}
} // namespace
