// The quest's stages as data/stages.dat lays them out: story lines and titles from their text
// tables, runes by entry number, objectives and levels kept within what the game can show, bad
// entries named and left out; and the player's quest and free play following the stages.
#include "levels/TLevelManager.hpp"

#include "base/Program.hpp"
#include "levels/TLevel.hpp"
#include "media/ImageCodec.hpp"
#include "screens/TProfileManager.hpp"
#include "support/CardFixture.hpp"
#include "support/LevelTexts.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using testing_support::CardFixture;

// Story lines "story 1" .. "story 20" and stage names "name 1" .. "name 4".
class StagesFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string story;
        for (int n = 1; n <= 20; ++n)
            story += "story " + std::to_string(n) + "\n";
        f.folder().write("story.txt", story);
        f.folder().write("names.txt", "name 1\nname 2\nname 3\nname 4\n");
    }

    // A stages file of the given stage entries (each the text inside its group).
    void read(const std::vector<std::string>& entries, int count = -1)
    {
        std::string text = "stages {\n\ti = " + std::to_string(count < 0 ? entries.size() : count) + "\n";
        for (std::size_t k = 0; k < entries.size(); ++k)
            text += "\tstage" + std::to_string(k + 1) + " {\n" + entries[k] + "\t}\n";
        f.folder().write("data/stages.dat", text + "}\n");
        manager.stages.clear();
        manager._setupStages("data/stages.dat", "names.txt", "story.txt");
    }

    // A stage entry with one level and the given extra lines.
    static std::string entry(int id, const std::string& extra = "")
    {
        return "\t\tid = " + std::to_string(id)
               + "\n\t\tlevels {\n\t\t\ti = 1\n\t\t\tlevel1 = \"data/one.lvl\"\n\t\t}\n" + extra;
    }

    void writeRune(const std::string& name)
    {
        media::Image dot(8, 8);
        dot.rgba.assign(dot.rgba.size(), 255);
        std::string error;
        std::filesystem::create_directories(f.folder() / "gfx/gui/screen-map/runes");
        ASSERT_TRUE(media::writePng(f.folder() / ("gfx/gui/screen-map/runes/" + name), dot, error)) << error;
    }

    CardFixture f;
    TLevelManager manager;
};

struct TextsCase
{
    const char* what;
    std::string texts;
    std::vector<std::string> lines;
    int font;
};

std::ostream& operator<<(std::ostream& out, const TextsCase& c)
{
    return out << c.what;
}

class StoryRanges : public StagesFile, public ::testing::WithParamInterface<TextsCase>
{};

TEST_P(StoryRanges, TakeTheLinesOfTheTableInTheRange)
{
    const TextsCase& c = GetParam();
    read({entry(1, "\t\ttexts = " + c.texts + "\n\t\ttitle = 2\n")});
    ASSERT_EQ(manager.stages.size(), 1u);
    EXPECT_EQ(manager.stages[0].texts, c.lines);
    EXPECT_EQ(manager.stages[0].fontN, c.font);
    EXPECT_EQ(manager.stages[0].title, "name 2");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoryRanges,
    ::testing::Values(
        TextsCase{"12 to 15 in font 2", "12, 15, 2", {"story 12", "story 13", "story 14", "story 15"}, 2},
        TextsCase{"one line", "7, 7, 0", {"story 7"}, 0},
        TextsCase{"running past the table", "19, 4000000, 1", {"story 19", "story 20"}, 1},
        TextsCase{"starting before it", "-3, 2, 3", {"story 1", "story 2"}, 3},
        TextsCase{"backwards", "9, 4, 1", {}, 1}, TextsCase{"wholly past the table", "30, 40, 1", {}, 1}));

TEST_F(StagesFile, RunesAreNamedByEntryNumberWhateverTheId)
{
    writeRune("run-3.png");
    writeRune("run-3-dark.png");
    read({entry(7), entry(5), entry(9, "\t\trune = 610, 420\n")});
    ASSERT_EQ(manager.stages.size(), 3u);
    const TStage& third = manager.stages[2];
    EXPECT_EQ(third.id, 9);
    ASSERT_FALSE(third.rune.empty());
    ASSERT_FALSE(third.runeGrey.empty());
    EXPECT_TRUE(third.rune.path().ends_with("runes/run-3.png")) << third.rune.path();
    EXPECT_TRUE(third.runeGrey.path().ends_with("runes/run-3-dark.png")) << third.runeGrey.path();
    EXPECT_EQ(third.runeDim.x, 610);
    EXPECT_EQ(third.runeDim.y, 420);
    // Mid-handled: the rune is drawn centred on its place.
    EXPECT_EQ(third.rune.handleX(), 4);
    // No pictures for the first two entries: nothing to draw, nothing broken.
    EXPECT_TRUE(manager.stages[0].rune.empty());
    EXPECT_TRUE(manager.stages[1].runeGrey.empty());
}

TEST_F(StagesFile, ObjectivesOfNoKnownKindAreLeftOutAndTargetsKeptInRange)
{
    read({entry(1, "\t\tobjectives {\n\t\t\ti = 7\n"
                   "\t\t\tobjective1 = 0, 3000\n"
                   "\t\t\tobjective2 = 4, 10\n"
                   "\t\t\tobjective3 = 1, 0\n"
                   "\t\t\tobjective4 = -1, 5\n"
                   "\t\t\tobjective5 = 1, 25\n"
                   "\t\t\tobjective6 = 3, -40\n"
                   "\t\t\tobjective7 = 2, 8.5\n"
                   "\t\t}\n")});
    ASSERT_EQ(manager.stages.size(), 1u);
    const std::vector<TObjective> expected{{0, 3000}, {1, 1}, {1, 10}, {3, 0}, {2, 8.5f}};
    EXPECT_EQ(manager.stages[0].objectives, expected);
    EXPECT_TRUE(f.reported({"data/stages.dat", "objective 2"}));
    EXPECT_TRUE(f.reported({"data/stages.dat", "objective 4"}));
}

TEST_F(StagesFile, AStageWithoutLevelsOrWithoutAnIdIsNamedAndLeftOut)
{
    read({entry(1), "\t\tid = 2\n\t\tlevels {\n\t\t\ti = 0\n\t\t}\n", "\t\ttitle = 1\n", entry(4)});
    ASSERT_EQ(manager.stages.size(), 2u);
    EXPECT_EQ(manager.stages[0].id, 1);
    EXPECT_EQ(manager.stages[1].id, 4);
    EXPECT_TRUE(f.reported({"data/stages.dat", "entry 2", "no levels"}));
    EXPECT_TRUE(f.reported({"data/stages.dat", "entry 3", "no stage id"}));
}

TEST_F(StagesFile, ACountBeyondTheEntriesReadsOnlyThoseThere)
{
    read({entry(1), entry(2)}, 2000000000);
    EXPECT_EQ(manager.stages.size(), 2u);
    f.reports.clear();
    manager._setupStages("data/missing.dat", "names.txt", "story.txt");
    EXPECT_TRUE(manager.stages.empty());
    EXPECT_TRUE(f.reported({"data/missing.dat"}));
}

// The program's own stages: stage 1 with three levels, stage 2 with two.
class QuestStages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        f.program().program().levelManager = std::make_unique<TLevelManager>();
        TLevelManager& manager = *f.program().program().levelManager;
        manager.stages.resize(2);
        for (int s = 1; s <= 2; ++s) {
            TStage& stage = manager.stages[static_cast<std::size_t>(s - 1)];
            stage.id = s;
            for (int l = 1; l <= 4 - s; ++l) {
                const std::string name = "s" + std::to_string(s) + "-" + std::to_string(l) + ".lvl";
                stage.levelsUrls.push_back(f.folder().write(name, testing_support::threeCardLevel));
            }
        }
    }

    CardFixture f;
};

TEST_F(QuestStages, FreePlayDealsFromTheReachedStagesEachWithinItsOwnLevels)
{
    TProfile& p = profile();
    TStageData first;
    first.id = 1;
    TStageData second;
    second.id = 2;
    p.stages = {first, second};
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 200; ++i) {
        auto level = p.getRandomLevel();
        ASSERT_TRUE(level);
        ASSERT_TRUE(p.freeStageNumber == 1 || p.freeStageNumber == 2) << p.freeStageNumber;
        const int own = p.freeStageNumber == 1 ? 3 : 2;
        ASSERT_GE(p.freeLevelNumber, 1);
        ASSERT_LE(p.freeLevelNumber, own);
        EXPECT_EQ(level->path, TLevelManager::questLevelPath(p.freeStageNumber, p.freeLevelNumber));
        seen.insert({p.freeStageNumber, p.freeLevelNumber});
    }
    EXPECT_EQ(seen.size(), 5u) << "every level of both stages comes up";
}

TEST_F(QuestStages, FreePlayForAStageTheQuestLacksFallsBackToTheFirstStage)
{
    TProfile& p = profile();
    TStageData gone;
    gone.id = 2;
    p.stages = {gone};
    f.program().program().levelManager->stages.pop_back();
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(p.getRandomLevel());
        EXPECT_EQ(p.freeStageNumber, 1);
        EXPECT_LE(p.freeLevelNumber, 3);
    }
}

TEST_F(QuestStages, TheQuestRunsThroughEachStagesOwnLevelsToTheEnd)
{
    TProfile& p = profile();
    p.tryb = "QUEST";
    p.stageID = 1;
    p.levelID = 1;
    p.loadMyLevel();
    ASSERT_TRUE(p.questLevel);
    EXPECT_EQ(p.questLevel->path, f.folder() / "s1-1.lvl");
    std::vector<std::string> next;
    for (int i = 0; i < 5; ++i)
        next.push_back(p.getNextLevel());
    EXPECT_EQ(next, (std::vector<std::string>{"MAIN-GAME", "MAIN-GAME", "MAPA", "MAIN-GAME", "END-STORY"}));
}

TEST_F(QuestStages, TheThirdLevelOfTheSecondStageTakesTheThirteenthMagicCount)
{
    std::string text = "magics {\n\ti = 20\n";
    for (int k = 1; k <= 20; ++k)
        text += "\tlevel" + std::to_string(k) + " = " + (k == 13 ? "4" : "1") + "\n";
    f.folder().write("data/magics.dat", text + "}\n");
    levelManager()._setupMagics();
    TProfile& p = profile();
    p.stageID = 2;
    p.levelID = 3;
    EXPECT_EQ(p.countLevelN(), 13);
    EXPECT_EQ(p.dealOptions().magicCardsToShow, 4);
    p.levelID = 2;
    EXPECT_EQ(p.dealOptions().magicCardsToShow, 1);
}
} // namespace
