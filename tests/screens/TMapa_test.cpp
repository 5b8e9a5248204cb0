// The quest map: its buttons, the goals written with their phrases, the story told letter by
// letter and shown at once on a click, and the stage's font and picture loaded safely.
#include "screens/TMapa.hpp"

#include "base/Program.hpp"
#include "base/StartupFlags.hpp"
#include "cards/Cards.hpp"
#include "levels/TLevel.hpp"
#include "levels/TLevelManager.hpp"
#include "media/Platform.hpp"
#include "support/DialogFixture.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using testing_support::DialogFixture;

// The shipped stages and the map over them, for ANNA at the start of the quest.
class QuestMap : public ::testing::Test
{
protected:
    void SetUp() override
    {
        base::Program& program = f.program().program();
        program.levelManager = std::make_unique<TLevelManager>();
        program.levelManager->setup();
        loadCards();
        f.addPlayer("ANNA").tryb = "QUEST";
    }

    TStage& stage(int id) { return *const_cast<TStage*>(levelManager().getStageById(id)); }

    DialogFixture f;
    TMapa& map = questMap();
};

struct ButtonCase
{
    const char* button;
    std::string result;
    bool dealsTheLevel;
};

std::ostream& operator<<(std::ostream& out, const ButtonCase& c)
{
    return out << c.button;
}

class MapButtons : public QuestMap, public ::testing::WithParamInterface<ButtonCase>
{};

TEST_P(MapButtons, LeadWhereTheySay)
{
    const ButtonCase& c = GetParam();
    profile().stageID = 1;
    profile().levelID = 4;
    profile().where = "";
    f.script({{30, DialogFixture::clickOn(*map.Gui, c.button)}});
    EXPECT_EQ(map.mainLoop(), c.result);
    EXPECT_EQ(profile().where, "MAPA");
    EXPECT_EQ(static_cast<bool>(profile().questLevel), c.dealsTheLevel);
    if (c.dealsTheLevel) {
        EXPECT_EQ(profile().questLevel->path, "data/levels/stage-01/level-04.lvl");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MapButtons,
                         ::testing::Values(ButtonCase{"play", TMapa::play, true},
                                           ButtonCase{"menu", TMapa::menu, false}));

TEST_F(QuestMap, TheStageGoalsAreWrittenWithTheirPhrases)
{
    profile().stageID = 1;
    stage(1).objectives = {{0, 3000}, {1, 3}, {3, 40}};
    map.prepare();
    ASSERT_EQ(map.objectivesList.size(), 3u);
    EXPECT_EQ(map.objectivesList[0].txt, "Score at least 3000 points over the stage");
    EXPECT_EQ(map.objectivesList[1].txt, "Finish 3 levels with no card left");
    EXPECT_EQ(map.objectivesList[2].txt, "Leave at most 40 cards over the stage");
    EXPECT_EQ(map.objectivesList[1].txt2, map.txtPerfects[2]);
    EXPECT_EQ(map.objectivesList[1].win, 0);
}

TEST_F(QuestMap, APerfectLevelsTargetOutsideItsPhrasesTakesTheNearestOne)
{
    map.txtPerfects[0] = " one";
    map.txtPerfects[9] = " ten";
    for (const auto& [value, words] : std::vector<std::pair<int, std::string>>{
             {0, " one"}, {-7, " one"}, {1, " one"}, {10, " ten"}, {25, " ten"}}) {
        const MapObjectiveLine line = map.createObjText({1, static_cast<float>(value)}, 1, value);
        EXPECT_EQ(line.txt2, words) << value;
        EXPECT_EQ(line.value, value);
    }
}

TEST_F(QuestMap, TheStoryStartsLowerForShortStories)
{
    for (const auto& [lines, top] : std::vector<std::pair<int, float>>{{1, 40}, {2, 65}, {3, 55}, {4, 40}}) {
        map.createStoryTexts(std::vector<std::string>(static_cast<std::size_t>(lines), "The reeds whisper"));
        EXPECT_EQ(map.storyTop(), top) << lines;
    }
}

TEST_F(QuestMap, TheStoryFontNumberIsHeldToTheFourSizes)
{
    for (const auto& [fontN, index] :
         std::vector<std::pair<int, std::size_t>>{{-2, 0}, {0, 0}, {3, 3}, {9, 3}}) {
        stage(1).fontN = fontN;
        map.showStage(1);
        EXPECT_EQ(map.sFont, map.storyFont[index]) << fontN;
    }
}

TEST_F(QuestMap, TheStagePictureLeavesTheMaskColourAsItFoundIt)
{
    media::pictures().setMaskColor(0, 255, 255);
    map.showStage(3);
    EXPECT_FALSE(map.image.empty());
    EXPECT_EQ(media::pictures().maskColor(), 0x00ffff);
}

TEST_F(QuestMap, TheStoryIsToldLetterByLetterAndAClickShowsItAll)
{
    profile().stageID = 3;
    map.prepare();
    ASSERT_EQ(map.storyTexts.size(), 4u);
    for (int frame = 0; frame < 5; ++frame) {
        map.update();
        endFrame(false);
    }
    // A few frames in: the first line has begun, the last has not.
    EXPECT_GT(map.storyTexts.front().a.front(), 0.0f);
    EXPECT_EQ(map.storyTexts.back().a.front(), 0.0f);
    f.script({{1, "click left 900 100"}});
    map.update();
    endFrame(false);
    for (TStoryText& line : map.storyTexts) {
        EXPECT_EQ(line.a, std::vector<float>(line.a.size(), 1.0f)) << line.txt;
        EXPECT_EQ(line.update(), 1);
    }
    // A further click changes nothing.
    const std::vector<TStoryText> shown = map.storyTexts;
    f.script({{1, "click left 900 100"}});
    map.update();
    endFrame(false);
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(map.storyTexts[i].a, shown[i].a);
}

TEST_F(QuestMap, WithoutTheDeveloperKeysWAndSDoNothing)
{
    ASSERT_EQ(cheatsOn, 0);
    profile().stageID = 2;
    const TDim before = stage(1).runeDim;
    f.script({{10, "key W tap"},
              {11, "key S tap"},
              {12, "click left 110 505"},
              {40, DialogFixture::clickOn(*map.Gui, "menu")}});
    EXPECT_EQ(map.mainLoop(), TMapa::menu);
    EXPECT_EQ(profile().stageID, 2);
    EXPECT_FALSE(std::filesystem::exists("data/_stages.dat"));
    EXPECT_EQ(stage(1).runeDim.x, before.x);
}
} // namespace

namespace
{
TEST(StoryText, EachLetterStartsOnceTheOneBeforeIsAThirdInAndTheLineEndsInEightFrames)
{
    DialogFixture f;
    TStoryText line("Elm");
    EXPECT_EQ(line.update(), 0) << "nothing moves before the start";
    EXPECT_EQ(line.a[0], 0.0f);
    line.start();
    line.update();
    EXPECT_EQ(line.da[1], 0.0f) << "0.18 is not past 0.3";
    line.update();
    EXPECT_EQ(line.da[1], 1.0f);
    int frames = 2;
    while (line.update() == 0 && frames < 50)
        ++frames;
    ++frames;
    // Six frames of 0.18 for each letter, each starting a frame after the one before: eight.
    EXPECT_EQ(frames, 8);
    EXPECT_EQ(line.a, std::vector<float>(3, 1.0f));
    TStoryText empty("");
    EXPECT_EQ(empty.update(), 1);
}
} // namespace
